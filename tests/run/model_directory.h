#pragma once
// A fresh directory made Tarnex's current directory for one test, holding
// the model programs the test puts there; the previous directory comes back
// and the directory is removed at the end.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnex::test {

class ModelDirectory {
 public:
  // With a `name`, the directory of that name in a fresh one.
  explicit ModelDirectory(std::string_view name = {});
  ~ModelDirectory();
  ModelDirectory(const ModelDirectory&) = delete;
  ModelDirectory& operator=(const ModelDirectory&) = delete;

  // UTF-8, as Tarnex holds every name.
  const std::string& path() const { return path_; }
  std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
  // The stand-in model program under `name` ("MOR.exe").
  void add_standin(std::string_view name) const;
  // Windows: the tests' own child program under `name` ("MOR.exe"), playing
  // `script` (see tests/support/test_child.cpp); returns its path.
  std::string add_test_child(std::string_view name, std::string_view script) const;
  // A file with `content`, executable when `executable`; subdirectories are made.
  void put(std::string_view name, std::string_view content, bool executable = false) const;
  // Nothing when the file does not exist.
  std::optional<std::string> read(std::string_view name) const;

 private:
  std::filesystem::path native(std::string_view name) const;

  std::filesystem::path root_;
  std::string path_;
  std::filesystem::path previous_;
};

}  // namespace tarnex::test
