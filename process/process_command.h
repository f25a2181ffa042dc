#pragma once
// How a program file is started where Windows is not the system: the model
// programs are usually Windows executables, which run through wine.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnex::process {

struct Command {
  // The file to execute first, then its arguments.
  std::vector<std::string> arguments;
  // Variables added to the child's environment for this way of starting.
  std::vector<std::pair<std::string, std::string>> environment;
};

// A file that begins with "MZ" is started as `wine <program>`, with Wine's
// diagnostics silenced so that they stay out of the model's output, when a
// `wine` is found in `search_path` (a PATH value); anything else, or when
// there is no wine, is started directly.
Command command_for(const std::string& program, std::string_view search_path);

}  // namespace tarnex::process
