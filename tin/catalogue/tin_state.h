#pragma once
// The process-wide state of the TIN editor: the record list and the IDEN
// record held by the IDEN dialog. It lives as long as the program, so that
// the editor, its record dialogs and their callbacks share it.

#include <string>

#include "tin/catalogue/record_list.h"

namespace tarnex::tin {

struct TinState {
  RecordList records;
  // Columns 5-256 of the IDEN record loaded into the IDEN dialog.
  std::string IDEN_TEXT = std::string(252, ' ');
  // Identifier layout of that record: 0 type and count (I4, I4), 1 control
  // points or reservoirs (2x,A6), 2 water rights (A16), 3 water right groups
  // (A8). A new IDEN record starts with control points.
  int IDEN_LAYOUT = 1;
};

}  // namespace tarnex::tin
