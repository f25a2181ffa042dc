#pragma once

#include <span>
#include <string>

#include "tin/catalogue/record_list.h"

namespace tarnex::tin {

// Puts `lines` in place of the `length` lines from slot `first` on; the
// lines after them move up or down as the record shrinks or grows. False,
// and nothing changes, when the old lines are not all in the list or the
// list cannot hold the result.
bool replace_lines(RecordList& list, int first, int length, std::span<const std::string> lines);

}  // namespace tarnex::tin
