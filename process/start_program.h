#pragma once
// Starting a program the user works with on his own (an editor, a
// spreadsheet): Tarnex does not wait for it, does not track it, and gives it
// none of its own files or pipes, so that a model's pipes or Tarnex's output
// are never held open by it.

#include <optional>
#include <string>
#include <vector>

namespace tarnex::process {

// `arguments[0]` is the program's path or a name looked up on the search
// path. Empty when it started, otherwise the system's error code.
std::optional<int> start_detached_program(const std::vector<std::string>& arguments);

}  // namespace tarnex::process
