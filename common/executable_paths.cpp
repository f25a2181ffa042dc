#include "common/executable_paths.h"

#include <algorithm>
#include <array>

#include "base/fixed_text.h"

namespace tarnex {
namespace {

constexpr std::array<std::string_view, kExecutableCount> kFileNames = {
    "MOR.exe", "MORD.exe", "ORB.exe", "MERL.exe", "FLUM.exe", "JORN.exe", "Tarnex.exe"};

}  // namespace

std::string_view program_file_name(Executable program) { return kFileNames[program]; }

std::string executable_path_field(std::string_view directory, Executable program, char separator) {
  std::string path(directory);
  path += separator;
  path += program_file_name(program);
  path += '\0';
  return fit(path, kPathField);
}

std::string path_of(std::string_view field) {
  return std::string(field.substr(0, std::min(field.find('\0'), field.size())));
}

std::size_t longest_directory() {
  std::size_t longest_name = 0;
  for (auto name : kFileNames) longest_name = std::max(longest_name, name.size());
  // the separator, the name and the NUL must fit after the directory
  return kPathField - 1 - longest_name - 1;
}

}  // namespace tarnex
