#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "workdir.h"

namespace tarnex::scenario {

std::filesystem::path make_temporary_directory(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a directory in " + pattern);
  return pattern;
}

std::filesystem::path this_program_directory() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

void make_executable(const std::filesystem::path& program) {
  std::filesystem::permissions(program, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
}

std::filesystem::path make_desktop_directories() {
  const auto directory = make_temporary_directory("tarnex-scenario-desktop-");
  setenv("XDG_STATE_HOME", (directory / "state").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (directory / "config").c_str(), 1);
  return directory;
}

void set_environment(const std::string& name, const std::string& value) { setenv(name.c_str(), value.c_str(), 1); }

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
