#pragma once
// Which lines of the list one record stands on, for Edit to open its dialog
// from them and put the rebuilt record in their place.

#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/record_list.h"

namespace tarnex::tin {

enum class Extent {
  kLine,         // one line
  kFollowOn,     // a time series and the IDEN line after it
  kGroup,        // the two or three lines of a 2RES record
  kLoneStorage,  // 2RES storage lines whose first line is missing
};

struct RecordLines {
  int first = 0;
  int length = 0;
  Extent extent = Extent::kLine;
};

// The lines of the record at `selected`, whose dialog is `record`. A time
// series takes the IDEN line after it as a candidate (whether it is the
// record's own, only the record's columns tell). A 2RES line takes its
// group, the same lines that Move Up, Move Down and Delete take.
RecordLines record_lines(const RecordList& list, int selected, const RecordDialog& record);

}  // namespace tarnex::tin
