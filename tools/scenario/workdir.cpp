#include "workdir.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tarnex::scenario {

std::filesystem::path standin_program() {
  if (const char* chosen = std::getenv("TARNEX_STANDIN")) return chosen;
  const std::filesystem::path built = TARNEX_STANDIN_PATH;
  if (std::filesystem::exists(built)) return built;
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "qarn-standin";
}

std::filesystem::path make_working_directory(const std::filesystem::path& standin) {
  if (!std::filesystem::exists(standin)) throw std::runtime_error("no stand-in program at " + standin.string());
  std::string pattern = (std::filesystem::temp_directory_path() / "tarnex-scenario-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a working directory in " + pattern);
  const std::filesystem::path directory(pattern);
  for (const char* name : kModelPrograms) {
    std::filesystem::copy_file(standin, directory / name);
    std::filesystem::permissions(directory / name, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
  }
  return directory;
}

std::filesystem::path make_desktop_directories() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarnex-scenario-desktop-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a directory in " + pattern);
  const std::filesystem::path directory(pattern);
  setenv("XDG_STATE_HOME", (directory / "state").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (directory / "config").c_str(), 1);
  return directory;
}

int kill_children() {
  const pid_t self = getpid();
  int killed = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const auto name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // pid (comm) state ppid pgrp ...; comm may hold blanks, so read after ')'
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    char state = 0;
    pid_t parent = 0, group = 0;
    fields >> state >> parent >> group;
    if (parent != self) continue;
    const pid_t pid = static_cast<pid_t>(std::stoi(name));
    if (group == pid) kill(-group, SIGKILL);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    ++killed;
  }
  return killed;
}

}  // namespace tarnex::scenario
