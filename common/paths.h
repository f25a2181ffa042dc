#pragma once
// The paths several subsystems share: where the model programs and Tarnex
// are, and the file each Browse button chose last.

#include <map>
#include <string>

#include "common/executable_paths.h"

namespace tarnex {

struct Paths {
  // Seven 255-character fields: directory, separator, file name, NUL, blanks.
  ExecutablePaths executable_paths;
  // The path each Browse button chose last, by button id.
  std::map<int, std::string> browse_paths;
};

}  // namespace tarnex
