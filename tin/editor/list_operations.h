#pragma once
// The editor's list operations on the selected line: Move Up, Move Down and
// Delete. A 2RES group moves and goes as one unit, and a line moved onto a
// group jumps past the whole group.

#include <optional>

#include "tin/catalogue/record_list.h"

namespace tarnex::tin {

// Each takes the 1-based selection (0: none) and returns the selection to
// show after it, or nothing when the view is to be left exactly as it is.
std::optional<int> move_up(RecordList& list, int selection);
std::optional<int> move_down(RecordList& list, int selection);
std::optional<int> delete_line(RecordList& list, int selection);

}  // namespace tarnex::tin
