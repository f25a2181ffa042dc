#include "common/executable_paths.h"

#include <algorithm>
#include <array>

#include "base/fixed_text.h"

namespace tarnex {
namespace {

constexpr std::array<std::string_view, kExecutableCount> kFileNames = {
    "MOR.exe", "MORD.exe", "ORB.exe", "MERL.exe", "FLUM.exe", "JORN.exe", "Tarnex.exe"};

}  // namespace

const PathSpelling& system_spelling() {
#ifdef _WIN32
  return kWindowsSpelling;
#else
  return kPosixSpelling;
#endif
}

// Letter case is compared for the letters A to Z only, so that a directory
// with other letters spelt in another case counts as another directory; its
// files then keep their full path, which names them as well.
bool same_directory(std::string_view a, std::string_view b, const PathSpelling& spelling) {
  const auto same = [&spelling](char x, char y) {
    if (spelling.separators.find(x) != std::string_view::npos) return spelling.separators.find(y) != std::string_view::npos;
    if (spelling.case_sensitive) return x == y;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  };
  return std::ranges::equal(a, b, same);
}

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
