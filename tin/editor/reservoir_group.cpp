#include "tin/editor/reservoir_group.h"

#include <algorithm>

#include "base/fixed_text.h"

namespace tarnex::tin {
namespace {

// Columns 9-12 of a 2RES first line hold its MONTH, blank on the lines that
// carry its storage values.
bool month_filled(std::string_view line) { return !is_blank(columns(line, 9, 4)); }

bool is_first_line(std::string_view line) { return is_reservoir_line(line) && month_filled(line); }

bool is_value_line(std::string_view line) { return is_reservoir_line(line) && !month_filled(line); }

}  // namespace

bool is_reservoir_line(std::string_view line) { return columns(line, 1, 4) == "2RES"; }

ReservoirGroup reservoir_group(const RecordList& list, int r) {
  for (int k = std::max(1, r - 2); k <= r; ++k) {
    if (!is_first_line(list.line(k))) continue;
    const bool r_filled = month_filled(list.line(r));
    if ((k == r && r_filled) || (k != r && !r_filled)) {
      return {k, is_value_line(list.line(k + 2)) ? 3 : 2};
    }
  }
  return {};
}

}  // namespace tarnex::tin
