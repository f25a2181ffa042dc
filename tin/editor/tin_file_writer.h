#pragma once
// Writing the record list as the ORBEN input file.

#include <string>

#include "tin/catalogue/record_list.h"

namespace tarnex::tin {

// The columns of a record line that reach the file; the rest stays in the
// editor only.
constexpr int kWrittenColumns = 152;

// Writes the first 152 columns of every line, trailing blanks included, one
// line each. The lines go to a new file beside the target that then takes the
// target's place, so the old file is intact whenever writing fails. A target
// with other hard links or of another owner or group is written in place
// instead, its old contents kept in a copy beside it until the write
// succeeded and put back if it failed. True when the file was written.
bool write_tin_file(const std::string& name, const RecordList& list);

}  // namespace tarnex::tin
