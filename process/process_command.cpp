#include "process/process_command.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <unistd.h>

namespace tarnex::process {
namespace {

constexpr std::string_view kWindowsExecutableMagic = "MZ";

bool is_windows_executable(const std::string& program) {
  std::ifstream file(program, std::ios::binary);
  char head[kWindowsExecutableMagic.size()] = {};
  file.read(head, sizeof head);
  return file && std::string_view(head, sizeof head) == kWindowsExecutableMagic;
}

std::optional<std::string> find_on_path(std::string_view name, std::string_view search_path) {
  while (!search_path.empty()) {
    const auto colon = search_path.find(':');
    std::string_view directory = search_path.substr(0, colon);
    search_path = colon == std::string_view::npos ? std::string_view{} : search_path.substr(colon + 1);
    // an empty entry of PATH means the current directory
    std::string candidate = directory.empty() ? std::string(".") : std::string(directory);
    candidate += '/';
    candidate += name;
    if (std::filesystem::is_regular_file(candidate) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return std::nullopt;
}

}  // namespace

Command command_for(const std::string& program, std::string_view search_path) {
  if (is_windows_executable(program)) {
    if (auto wine = find_on_path("wine", search_path)) {
      return {{*wine, program}, {{"WINEDEBUG", "-all"}}};
    }
  }
  return {{program}, {}};
}

}  // namespace tarnex::process
