#include "tin/editor/reservoir_group.h"

#include "base/fixed_text.h"

namespace tarnex::tin {
namespace {

// A record's first line and its two storage lines.
constexpr int kStorageLines = 2;

// Columns 9-12 of a 2RES first line hold its MONTH, blank on the lines that
// carry its storage values.
bool month_filled(std::string_view line) { return !is_blank(columns(line, 9, 4)); }

bool is_first_line(std::string_view line) { return is_reservoir_line(line) && month_filled(line); }

// The group from `start` on: it and the storage lines after it, as many as
// there are up to `most`.
ReservoirGroup group_from(const RecordList& list, int start, int most, bool headless) {
  int length = 1;
  while (length <= most && is_storage_line(list.line(start + length))) ++length;
  return {start, length, headless};
}

}  // namespace

bool is_reservoir_line(std::string_view line) { return columns(line, 1, 4) == "2RES"; }

bool is_storage_line(std::string_view line) { return is_reservoir_line(line) && !month_filled(line); }

ReservoirGroup reservoir_group(const RecordList& list, int r) {
  if (r < 1 || r > list.count() || !is_reservoir_line(list.line(r))) return {};
  if (is_first_line(list.line(r))) return group_from(list, r, kStorageLines, false);
  // A storage line: the first line above the run of storage lines it stands
  // in takes the first two of them, and the rest pair off.
  int top = r;
  while (top > 1 && is_storage_line(list.line(top - 1))) --top;
  int start = top;
  if (is_first_line(list.line(top - 1))) {
    if (r - top < kStorageLines) return group_from(list, top - 1, kStorageLines, false);
    start += kStorageLines;
  }
  start += (r - start) / kStorageLines * kStorageLines;
  return group_from(list, start, kStorageLines - 1, true);
}

}  // namespace tarnex::tin
