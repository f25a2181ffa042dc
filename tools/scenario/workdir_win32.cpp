#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <random>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

#include "workdir.h"

namespace tarnex::scenario {

std::filesystem::path make_temporary_directory(const std::string& prefix) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const auto parent = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto directory = parent / (prefix + std::to_string(random() % 1000000000));
    if (std::filesystem::create_directory(directory)) return directory;
  }
  throw std::runtime_error("cannot make a directory in " + parent.string());
}

std::filesystem::path this_program_directory() {
  wchar_t name[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, name, MAX_PATH);
  return std::filesystem::path(std::wstring(name, length)).parent_path();
}

void make_executable(const std::filesystem::path&) {}

std::filesystem::path make_desktop_directories() {
  const auto directory = make_temporary_directory("tarnex-scenario-desktop-");
  set_environment("XDG_STATE_HOME", (directory / "state").string());
  set_environment("XDG_CONFIG_HOME", (directory / "config").string());
  return directory;
}

void set_environment(const std::string& name, const std::string& value) {
  // The C library's copy and the process's block, which children inherit.
  _putenv_s(name.c_str(), value.c_str());
  SetEnvironmentVariableA(name.c_str(), value.c_str());
}

int kill_children() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  std::multimap<DWORD, DWORD> children_of;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    children_of.emplace(entry.th32ParentProcessID, entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  // Every descendant: a child's helpers outlive it and still name it as parent.
  std::set<DWORD> doomed;
  std::vector<DWORD> parents{GetCurrentProcessId()};
  int children = 0;
  while (!parents.empty()) {
    const DWORD parent = parents.back();
    parents.pop_back();
    auto [first, last] = children_of.equal_range(parent);
    for (auto it = first; it != last; ++it) {
      if (!doomed.insert(it->second).second) continue;
      if (parent == GetCurrentProcessId()) ++children;
      parents.push_back(it->second);
    }
  }
  for (DWORD id : doomed) {
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
  return children;
}

}  // namespace tarnex::scenario
