// Edit on every line of a loaded TIN file, the dialog confirmed unchanged
// with OK: the record's lines give way to the rebuilt ones and no other line
// changes, and a second Edit and OK on the same record changes nothing.

#include "fuzz_support.h"

#include <algorithm>

#include "tin/catalogue/edited_record.h"
#include "tin/editor/record_extent.h"

using namespace tarnex;

namespace {

// The lines outside the record (`first`, `length` lines) stand where they
// stood: the same lines before it and the same after it.
bool only_record_replaced(const std::vector<std::string>& before, const std::vector<std::string>& after, int first,
                          int length) {
  const auto kept_before = static_cast<std::size_t>(first - 1);
  const auto kept_after = before.size() - kept_before - static_cast<std::size_t>(length);
  return after.size() >= kept_before + kept_after &&
         std::equal(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(kept_before), after.begin()) &&
         std::equal(before.end() - static_cast<std::ptrdiff_t>(kept_after), before.end(),
                    after.end() - static_cast<std::ptrdiff_t>(kept_after));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto loaded = fuzz::loaded_lines(fuzz::as_text(data, size));
  if (!loaded) return 0;
  const auto start = fuzz::state_with(*loaded);
  for (int selected = 1; selected <= start.records.count(); ++selected) {
    const auto* record = tin::dialog_to_edit(start.records.line(selected));
    if (!record) continue;
    auto tin = start;
    const auto before = fuzz::lines_of(tin.records);
    const auto extent = tin::record_lines(tin.records, selected, *record);
    const auto reselected = fuzz::edit_and_confirm(tin, selected);
    const auto once = fuzz::lines_of(tin.records);
    fuzz::require(only_record_replaced(before, once, extent.first, extent.length),
                  "Edit and OK change only the lines of the record edited", before, once);
    if (!reselected) continue;
    fuzz::edit_and_confirm(tin, *reselected);
    fuzz::require(fuzz::lines_of(tin.records) == once, "a second Edit and OK on the same record change nothing",
                  once, fuzz::lines_of(tin.records));
  }
  return 0;
}
