#include "model_directory.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace tarnex::test {

namespace fs = std::filesystem;

ModelDirectory::ModelDirectory() : previous_(fs::current_path().string()) {
  std::string pattern = (fs::temp_directory_path() / "tarnex-run-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  fs::current_path(path_);
}

ModelDirectory::~ModelDirectory() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
  fs::remove_all(path_, ignored);
}

void ModelDirectory::add_standin(std::string_view name) const {
  fs::create_symlink(QARN_STANDIN_PATH, file(name));
}

void ModelDirectory::put(std::string_view name, std::string_view content, bool executable) const {
  const fs::path target = file(name);
  fs::create_directories(target.parent_path());
  std::ofstream(target, std::ios::binary) << content;
  if (executable) fs::permissions(target, fs::perms::owner_all, fs::perm_options::add);
}

std::optional<std::string> ModelDirectory::read(std::string_view name) const {
  std::ifstream in(file(name), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace tarnex::test
