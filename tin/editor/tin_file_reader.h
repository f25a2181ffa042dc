#pragma once
// Reading a TIN file into record lines, and finding which file a typed name
// means.

#include <string>
#include <string_view>
#include <vector>

namespace tarnex::tin {

// A UTF-8 byte-order mark: at the start of a file it is no part of the
// first record.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct TinFileRead {
  enum class Outcome {
    kRead,
    kCannotOpen,   // missing, not a regular file, or no access
    kNotText,      // control characters or NUL bytes: not a TIN file
    kTooManyLines, // more lines than the record list holds
    kReadError,
  };
  Outcome outcome = Outcome::kRead;
  // The lines in file order, each at most 256 characters, without its line
  // end (LF or CR LF); a UTF-8 byte-order mark that starts the file is
  // dropped.
  std::vector<std::string> lines;
};

TinFileRead read_tin_file(const std::string& name);

// The name of the existing file that `name` means: itself when it exists,
// otherwise the file of its directory whose name differs only in letter case
// (the first in byte order when there are several), otherwise `name`. So a
// root typed as "basin" finds BASIN.TIN on a case-sensitive file system.
std::string existing_file_name(const std::string& name);

// True when no file of that name existed and one could be created: the probe
// file is removed again at once, so nothing is left on disk.
bool can_create_new_file(const std::string& name);

}  // namespace tarnex::tin
