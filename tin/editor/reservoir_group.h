#pragma once
// A 2RES record stands on two or three lines, which the editor moves and
// deletes as one unit: its group.

#include <string_view>

#include "tin/catalogue/record_list.h"

namespace tarnex::tin {

struct ReservoirGroup {
  int start = 0;  // 0: no group
  int length = 0;
  int last() const { return start + length - 1; }
  explicit operator bool() const { return start != 0; }
};

// True when columns 1-4 of the line are "2RES".
bool is_reservoir_line(std::string_view line);

// The group of line r. Its first line is a 2RES line with columns 9-12 filled
// at most two lines above r; r itself is that first line or, with blank
// columns 9-12, a line after it. The line after the first always belongs to
// the group; the third does when it is a 2RES line with blank columns 9-12.
ReservoirGroup reservoir_group(const RecordList& list, int r);

}  // namespace tarnex::tin
