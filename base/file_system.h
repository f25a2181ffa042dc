#pragma once
// The files Tarnex reads and writes, where the systems differ: how a name
// held as UTF-8 becomes the system's path, and the few file operations that
// the C and C++ libraries do not give alike on POSIX systems and on Windows
// (file_system_posix.cpp, file_system_win32.cpp).

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarnex::files {

// The end of a line of the text files Tarnex writes: the system's own, so
// that the model programs and the user's editors there read them as any
// other text file.
#ifdef _WIN32
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif

// Writes the text and a line end; false when not all of it was written.
inline bool write_line(std::FILE* file, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
         std::fwrite(kLineEnd.data(), 1, kLineEnd.size(), file) == kLineEnd.size();
}

// The system's path for a name held as UTF-8, and the UTF-8 name of a path.
std::filesystem::path native_path(std::string_view utf8);
std::string utf8_name(const std::filesystem::path& path);

// Opens the file as std::fopen opens a name with `mode` ("rb", "r+b", "wb").
std::FILE* open(const std::filesystem::path& path, const char* mode);

// Creates the file and opens it for writing in binary mode. Fails, with
// errno EEXIST, when a file of that name exists, so that nothing is ever
// taken over; errno tells other failures too.
std::FILE* create_new(const std::filesystem::path& path);

// Flushes what was written to the file and waits until it is on disk.
bool flush_to_disk(std::FILE* file);

// Empties the open file.
bool truncate(std::FILE* file);

// Lets only its owner read and write the open file, where permission bits
// say so (POSIX systems); on Windows a new file has its directory's access
// rules and keeps them.
void keep_private(std::FILE* file);

// True when the existing file has other names (hard links), or, on POSIX
// systems, an owner or group that a new file of this user would not have:
// replaced by a new file, it would no longer be the file they know.
bool has_other_names_or_owner(const std::filesystem::path& path);

// True when this user may write the existing file.
bool may_write(const std::filesystem::path& path);

}  // namespace tarnex::files
