#pragma once

#include <string>

namespace tarnex::tin {

// The editor's help: how to add, move, edit and delete records and build the
// file, one paragraph each.
std::string editor_help_text();

}  // namespace tarnex::tin
