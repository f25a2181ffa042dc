#pragma once
// A new directory of its own under the system's directory for temporary
// files, named `prefix` and a random number.

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarnex::test {

inline std::filesystem::path make_temporary_directory(std::string_view prefix) {
  std::random_device random;
  const auto parent = std::filesystem::temp_directory_path();
  for (int tries = 0; tries < 100; ++tries) {
    auto candidate = parent / (std::string(prefix) + std::to_string(random()));
    // Made here, not found: another test's directory is never taken over.
    if (std::filesystem::create_directory(candidate)) return candidate;
  }
  throw std::runtime_error("no temporary directory could be made");
}

}  // namespace tarnex::test
