// The files of base/file_system.h on POSIX systems, where a name's bytes are
// the path's bytes.

#include <sys/stat.h>
#include <unistd.h>

#include "base/file_system.h"

namespace tarnex::files {

std::filesystem::path native_path(std::string_view utf8) { return std::filesystem::path(std::string(utf8)); }

std::string utf8_name(const std::filesystem::path& path) { return path.string(); }

std::FILE* open(const std::filesystem::path& path, const char* mode) { return std::fopen(path.c_str(), mode); }

// "x": the C library creates the file only when there is none.
std::FILE* create_new(const std::filesystem::path& path) { return std::fopen(path.c_str(), "wbx"); }

bool flush_to_disk(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0; }

bool truncate(std::FILE* file) { return ::ftruncate(::fileno(file), 0) == 0; }

void keep_private(std::FILE* file) { ::fchmod(::fileno(file), S_IRUSR | S_IWUSR); }

bool has_other_names_or_owner(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return false;
  return status.st_nlink > 1 || status.st_uid != ::geteuid() || status.st_gid != ::getegid();
}

bool may_write(const std::filesystem::path& path) { return ::access(path.c_str(), W_OK) == 0; }

}  // namespace tarnex::files
