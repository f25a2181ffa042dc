#pragma once
// A 2RES record stands on two or three lines, which the editor moves,
// deletes and edits as one unit: its group.

#include <string_view>

#include "tin/catalogue/record_list.h"

namespace tarnex::tin {

struct ReservoirGroup {
  int start = 0;  // 0: no group
  int length = 0;
  bool headless = false;  // storage lines whose first line is missing
  int last() const { return start + length - 1; }
  explicit operator bool() const { return start != 0; }
};

// True when columns 1-4 of the line are "2RES".
bool is_reservoir_line(std::string_view line);

// A 2RES line with blank columns 9-12 (MONTH): one that carries storage
// values, the second or third line of a group.
bool is_storage_line(std::string_view line);

// The group of the 2RES line r, none for any other line. A group is a first
// line (columns 9-12 filled) and the storage lines directly after it, at
// most two; it never takes a line of another kind. Storage lines that no
// first line takes pair off in order as groups whose first line is missing.
ReservoirGroup reservoir_group(const RecordList& list, int r);

}  // namespace tarnex::tin
