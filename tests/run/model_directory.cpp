#include "model_directory.h"

#include <fstream>
#include <sstream>

#include "base/file_system.h"
#include "tests/support/temporary_directory.h"

namespace tarnex::test {

namespace fs = std::filesystem;

ModelDirectory::ModelDirectory(std::string_view name)
    : root_(make_temporary_directory("tarnex-run-")), previous_(fs::current_path()) {
  path_ = files::utf8_name(root_);
  if (!name.empty()) {
    path_ += "/" + std::string(name);
    fs::create_directory(files::native_path(path_));
  }
  fs::current_path(files::native_path(path_));
}

ModelDirectory::~ModelDirectory() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
  fs::remove_all(root_, ignored);
}

fs::path ModelDirectory::native(std::string_view name) const { return files::native_path(file(name)); }

// Windows makes symbolic links for the privileged only: there the program
// is copied.
void ModelDirectory::add_standin(std::string_view name) const {
#ifdef _WIN32
  fs::copy_file(QARN_STANDIN_PATH, native(name));
#else
  fs::create_symlink(QARN_STANDIN_PATH, native(name));
#endif
}

std::string ModelDirectory::add_test_child(std::string_view name, std::string_view script) const {
#ifdef _WIN32
  // Once: a program just ended may still hold its file a moment.
  if (!fs::exists(native(name))) fs::copy_file(TEST_CHILD_PATH, native(name));
#endif
  const std::string_view stem = name.substr(0, name.rfind('.'));
  put(std::string(stem) + ".script", script);
  return file(name);
}

void ModelDirectory::put(std::string_view name, std::string_view content, bool executable) const {
  const fs::path target = native(name);
  fs::create_directories(target.parent_path());
  std::ofstream(target, std::ios::binary) << content;
  if (executable) fs::permissions(target, fs::perms::owner_all, fs::perm_options::add);
}

std::optional<std::string> ModelDirectory::read(std::string_view name) const {
  std::ifstream in(native(name), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace tarnex::test
