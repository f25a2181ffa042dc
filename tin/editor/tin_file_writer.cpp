#include "tin/editor/tin_file_writer.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "base/file_system.h"

namespace tarnex::tin {
namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryNameTries = 100;

// A file of a new name in the target's directory, so that the rename that
// puts it in place never crosses file systems.
std::FILE* create_beside(const fs::path& target, fs::path& temporary) {
  std::random_device random;
  for (int i = 0; i < kTemporaryNameTries; ++i) {
    // Short, so that it fits wherever the target's own name fits.
    temporary = target;
    temporary.replace_filename(".tarnex-" + std::to_string(random()) + ".tmp");
    // Never takes over a file that is already there.
    if (std::FILE* file = files::create_new(temporary)) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

bool write_lines(std::FILE* file, const RecordList& list) {
  for (int k = 1; k <= list.count(); ++k) {
    if (!files::write_line(file, std::string_view(list.line(k)).substr(0, kWrittenColumns))) return false;
  }
  // On disk before it replaces the old file.
  return files::flush_to_disk(file);
}

// A link keeps pointing at the file it names: the file it leads to is
// replaced, not the link.
fs::path resolved(const fs::path& name) {
  std::error_code error;
  if (!fs::is_symlink(name, error)) return name;
  const auto target = fs::canonical(name, error);
  return error ? name : target;
}

}  // namespace

bool write_tin_file(const std::string& name, const RecordList& list) {
  const auto target = resolved(files::native_path(name));
  std::error_code error;
  // An existing file is replaced only where it could have been overwritten:
  // a read-only file or a directory of that name stays as it is.
  if (fs::exists(target, error) && (!fs::is_regular_file(target, error) || !files::may_write(target))) {
    return false;
  }
  fs::path temporary;
  std::FILE* file = create_beside(target, temporary);
  if (!file) return false;
  bool written = write_lines(file, list);
  written = std::fclose(file) == 0 && written;
  if (written && fs::exists(target, error)) {
    std::error_code ignored;
    fs::permissions(temporary, fs::status(target, ignored).permissions(), ignored);
  }
  if (written) fs::rename(temporary, target, error);
  if (!written || error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
  }
  return true;
}

}  // namespace tarnex::tin
