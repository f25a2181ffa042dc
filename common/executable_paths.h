#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarnex {

enum Executable : std::size_t { kMor, kMord, kOrb, kMerl, kFlum, kJorn, kTarnex, kExecutableCount };

using ExecutablePaths = std::array<std::string, kExecutableCount>;

constexpr std::size_t kPathField = 255;

// How a system spells paths: the separator it writes, every character it
// takes as one (Windows takes both slashes), and whether names that differ
// in letter case only are different names.
struct PathSpelling {
  char separator;
  std::string_view separators;
  bool case_sensitive;
};
inline constexpr PathSpelling kPosixSpelling{'/', "/", true};
inline constexpr PathSpelling kWindowsSpelling{'\\', "\\/", false};

// This system's spelling.
const PathSpelling& system_spelling();

// True when the two directories ("C:\M\", "c:/m/") are spelt as the same one.
bool same_directory(std::string_view a, std::string_view b, const PathSpelling& spelling);

// The file names the model programs and Tarnex itself are expected under.
std::string_view program_file_name(Executable program);

// The 255-character field: directory, separator, file name, NUL, blanks. A
// directory too long for the field is cut with the field (the name is lost).
std::string executable_path_field(std::string_view directory, Executable program, char separator);

// The path a field holds: everything before its NUL.
std::string path_of(std::string_view field);

// The longest directory that leaves room in the field for every file name.
std::size_t longest_directory();

}  // namespace tarnex
