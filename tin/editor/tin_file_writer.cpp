#include "tin/editor/tin_file_writer.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "tin/editor/tin_file_reader.h"

namespace tarnex::tin {
namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryNameTries = 100;

// A file of a new name in the target's directory, so that the rename that
// puts it in place never crosses file systems.
std::FILE* create_beside(const fs::path& target, fs::path& temporary, const char* extension = ".tmp") {
  std::random_device random;
  for (int i = 0; i < kTemporaryNameTries; ++i) {
    // Short, so that it fits wherever the target's own name fits.
    temporary = target;
    temporary.replace_filename(".tarnex-" + std::to_string(random()) + extension);
    // Never takes over a file that is already there.
    if (std::FILE* file = files::create_new(temporary)) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

bool write_lines(std::FILE* file, const RecordList& list) {
  // The reader drops a byte-order mark that starts the file: a first line
  // that begins with one (a file that began with two, or a line moved to the
  // top) is written after one more, so that it loads back whole.
  if (list.count() > 0 && std::string_view(list.line(1)).starts_with(kByteOrderMark) &&
      std::fwrite(kByteOrderMark.data(), 1, kByteOrderMark.size(), file) != kByteOrderMark.size()) {
    return false;
  }
  for (int k = 1; k <= list.count(); ++k) {
    if (!files::write_line(file, std::string_view(list.line(k)).substr(0, kWrittenColumns))) return false;
  }
  // On disk before it replaces the old file.
  return files::flush_to_disk(file);
}

// Puts the whole file `from` into the open file `to`, on disk, and closes
// `to`; false when any of it failed.
bool copy_into(const fs::path& from, std::FILE* to) {
  if (!to) return false;
  bool copied = false;
  if (std::FILE* source = files::open(from, "rb")) {
    std::vector<char> buffer(65536);
    copied = true;
    while (const auto n = std::fread(buffer.data(), 1, buffer.size(), source)) {
      copied = copied && std::fwrite(buffer.data(), 1, n, to) == n;
    }
    copied = copied && !std::ferror(source) && files::flush_to_disk(to);
    std::fclose(source);
  }
  return std::fclose(to) == 0 && copied;
}

// A file with other names (hard links), or of an owner or group that a new
// file of the editor's would not have, is written in place, so that it stays
// the one file its other names and its owner know. Its old contents wait in
// a copy beside it until the new ones are on disk, and go back into it when
// writing fails; without room for the copy nothing is written.
bool write_in_place(const fs::path& target, const RecordList& list) {
  fs::path backup;
  std::FILE* copy = create_beside(target, backup, ".bak");
  if (!copy) return false;
  // It holds another's file: for the editor's eyes only.
  files::keep_private(copy);
  std::error_code ignored;
  if (!copy_into(target, copy)) {
    fs::remove(backup, ignored);
    return false;
  }
  // "r+": the file itself, never a new one of its name.
  std::FILE* file = files::open(target, "r+b");
  bool written = file && files::truncate(file) && write_lines(file, list);
  if (file) written = std::fclose(file) == 0 && written;
  // A copy that could not be put back stays: it is then the only whole old
  // contents.
  if (written || copy_into(backup, files::open(target, "wb"))) fs::remove(backup, ignored);
  return written;
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
  if (files::has_other_names_or_owner(target)) return write_in_place(target, list);
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
