#pragma once
// A fresh directory made the current directory for one test, as the
// template builder writes its files there; the previous directory comes back
// and the directory is removed at the end.

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "tests/support/temporary_directory.h"

namespace tarnex::templates::test {

class WorkingDirectory {
 public:
  WorkingDirectory()
      : previous_(std::filesystem::current_path()), path_(tarnex::test::make_temporary_directory("tarnex-templates-")) {
    std::filesystem::current_path(path_);
  }
  ~WorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  void put(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
  }
  // Nothing when the file does not exist.
  std::optional<std::string> read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }
  // How many files the directory holds.
  std::size_t file_count() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace tarnex::templates::test
