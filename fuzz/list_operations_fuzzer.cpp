// The editor's list operations on any list, 2RES groups of every shape
// included: Move Up and Move Down never lose or duplicate a line, and Delete
// removes one record only, so the count changes by that record's lines.
//
// The input is text, one line each: a line beginning with "@" is an
// operation, "@u" Move Up, "@d" Move Down, "@x" Delete, followed by the
// selection (taken modulo the count plus two, so that no selection and one
// past the end are tried too); the other lines are the list, loaded as the
// editor loads a file.

#include "fuzz_support.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "base/fixed_text.h"
#include "tin/editor/list_operations.h"
#include "tin/editor/reservoir_group.h"

using namespace tarnex;

namespace {

// Columns 250-256 carry the line's place in the input, so that identical
// lines stay apart; the operations read columns 1-12 only.
constexpr std::size_t kTagColumn = 250;
constexpr std::size_t kTagWidth = 7;

std::string tagged(std::string_view line, int place) {
  char tag[kTagWidth + 1];
  std::snprintf(tag, sizeof tag, "#%06d", place);
  auto result = fit(line, tin::kLineLength);
  put_columns(result, kTagColumn, kTagWidth, tag);
  return result;
}

bool is_first_line(std::string_view line) {
  return tin::is_reservoir_line(line) && !is_blank(columns(line, 9, 4));
}

// The lines Delete took, when `after` is `before` less one block of lines;
// nothing when it is not.
std::optional<std::vector<std::string>> removed_block(const std::vector<std::string>& before,
                                                      const std::vector<std::string>& after) {
  if (after.size() > before.size()) return std::nullopt;
  const auto removed = before.size() - after.size();
  const auto first = static_cast<std::size_t>(std::ranges::mismatch(before, after).in1 - before.begin());
  if (first + removed > before.size()) return std::nullopt;
  if (!std::equal(before.begin() + static_cast<std::ptrdiff_t>(first + removed), before.end(),
                  after.begin() + static_cast<std::ptrdiff_t>(first))) {
    return std::nullopt;
  }
  return std::vector<std::string>(before.begin() + static_cast<std::ptrdiff_t>(first),
                                  before.begin() + static_cast<std::ptrdiff_t>(first + removed));
}

// One record: the selected line alone, or for a 2RES line 2RES lines of
// which only the first may be a first line (columns 9-12 filled).
bool one_record(const std::vector<std::string>& block, const std::string& selected) {
  if (block.empty()) return true;
  if (std::ranges::find(block, selected) == block.end()) return false;
  if (!tin::is_reservoir_line(selected)) return block.size() == 1;
  return std::ranges::all_of(block, [](const auto& line) { return tin::is_reservoir_line(line); }) &&
         std::none_of(block.begin() + 1, block.end(), [](const auto& line) { return is_first_line(line); });
}

void check_move(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  auto sorted_before = before;
  auto sorted_after = after;
  std::ranges::sort(sorted_before);
  std::ranges::sort(sorted_after);
  fuzz::require(sorted_before == sorted_after, "a move keeps every line once", before, after);
}

void check_delete(const std::vector<std::string>& before, const std::vector<std::string>& after, int selection) {
  const auto block = removed_block(before, after);
  fuzz::require(block.has_value(), "Delete takes one block of lines and leaves the rest in order", before, after);
  if (selection < 1 || selection > static_cast<int>(before.size())) {
    fuzz::require(block->empty(), "Delete without a selection takes nothing", before, after);
    return;
  }
  fuzz::require(one_record(*block, before[static_cast<std::size_t>(selection - 1)]),
                "Delete takes the selected record and no line of another", before, after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = split_lines(fuzz::as_text(data, size));
  std::string file;
  for (const auto line : input) {
    if (!line.starts_with('@')) file.append(line).push_back('\n');
  }
  const auto loaded = fuzz::loaded_lines(file);
  if (!loaded) return 0;
  tin::RecordList list;
  int place = 0;
  for (const auto& line : *loaded) list.append(std::vector<std::string>{tagged(line, ++place)});
  for (const auto line : input) {
    if (!line.starts_with('@') || line.size() < 2) continue;
    unsigned number = 0;
    std::from_chars(line.data() + 2, line.data() + line.size(), number);
    const int selection = static_cast<int>(number % static_cast<unsigned>(list.count() + 2));
    const auto before = fuzz::lines_of(list);
    switch (line[1]) {
      case 'u':
        tin::move_up(list, selection);
        check_move(before, fuzz::lines_of(list));
        break;
      case 'd':
        tin::move_down(list, selection);
        check_move(before, fuzz::lines_of(list));
        break;
      case 'x':
        tin::delete_line(list, selection);
        check_delete(before, fuzz::lines_of(list), selection);
        break;
      default:
        break;
    }
  }
  return 0;
}
