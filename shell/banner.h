#pragma once

#include <string>
#include <vector>

namespace tarnex {

// The ten lines written to the main window right after start-up.
std::vector<std::string> banner_lines();

}  // namespace tarnex
