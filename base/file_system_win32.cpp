// The files of base/file_system.h on Windows: names cross the system's
// interface as UTF-16, and what the C library of Windows lacks (creating
// only a new file) is done with the system's own calls.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>

#include "base/file_system.h"
#include "base/utf16.h"

namespace tarnex::files {
namespace {

std::wstring wide(std::string_view utf8) {
  const auto utf16 = utf16_of(utf8);
  return {utf16.begin(), utf16.end()};
}

// The C library's code for the system's reason, for the messages that show it.
int errno_of(DWORD error) {
  switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    default:
      return EIO;
  }
}

}  // namespace

std::filesystem::path native_path(std::string_view utf8) { return std::filesystem::path(wide(utf8)); }

std::string utf8_name(const std::filesystem::path& path) {
  const std::wstring& name = path.native();
  return utf8_of(std::u16string(name.begin(), name.end()));
}

std::FILE* open(const std::filesystem::path& path, const char* mode) {
  return ::_wfopen(path.c_str(), wide(mode).c_str());
}

// The C library of Windows ignores fopen's "x"; CREATE_NEW is the system's
// own "only when there is none".
std::FILE* create_new(const std::filesystem::path& path) {
  const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    errno = errno_of(::GetLastError());
    return nullptr;
  }
  const int descriptor = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_WRONLY | _O_BINARY);
  if (descriptor == -1) {
    ::CloseHandle(handle);
    return nullptr;
  }
  std::FILE* file = ::_fdopen(descriptor, "wb");
  if (file == nullptr) ::_close(descriptor);
  return file;
}

bool flush_to_disk(std::FILE* file) { return std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0; }

bool truncate(std::FILE* file) { return ::_chsize_s(::_fileno(file), 0) == 0; }

void keep_private(std::FILE*) {}

// The owner is not compared: a file Tarnex writes anew takes its
// directory's access rules, as any file made there does.
bool has_other_names_or_owner(const std::filesystem::path& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool linked = ::GetFileInformationByHandle(file, &information) && information.nNumberOfLinks > 1;
  ::CloseHandle(file);
  return linked;
}

bool may_write(const std::filesystem::path& path) { return ::_waccess(path.c_str(), 2) == 0; }

}  // namespace tarnex::files
