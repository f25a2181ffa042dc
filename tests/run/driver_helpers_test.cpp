// A model program that ends but leaves a helper printing into its output
// (STANDIN_MODE linger): Terminate ends the run at once, whether the helper
// stops by itself, never stops, or left the program's process group, and no
// helper outlives it.

#include "driver_fixture.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "shell/running_program.h"

#ifdef _WIN32
#include <windows.h>
#include <tlhelp32.h>

#include "base/file_system.h"
#endif

namespace tarnex::test {
namespace {

#ifdef _WIN32
// Processes still running from `program`: the stand-in and the helpers it
// started again from its own file.
int live_processes_of(const std::string& program) {
  const auto wanted = files::native_path(program);
  const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (process == nullptr) continue;
    wchar_t image[MAX_PATH];
    DWORD length = MAX_PATH;
    DWORD code = 0;
    std::error_code ignored;
    if (::QueryFullProcessImageNameW(process, 0, image, &length) && ::GetExitCodeProcess(process, &code) &&
        code == STILL_ACTIVE && std::filesystem::equivalent(std::filesystem::path(image), wanted, ignored)) {
      ++count;
    }
    ::CloseHandle(process);
  }
  ::CloseHandle(snapshot);
  return count;
}
#else
// Processes, zombies aside, started from `program`: the stand-in and the
// helpers it forked.
int live_processes_of(const std::string& program) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream command(entry.path() / "cmdline");
    std::string first;
    if (!std::getline(command, first, '\0') || first != program) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    // pid (comm) state ...: the state follows the last ')'.
    if (std::getline(stat, line) && line.find(") Z", line.rfind(')')) == std::string::npos) ++count;
  }
  return count;
}
#endif

// Waits, bounded, until no process of `program` lives.
bool none_left(const std::string& program) {
  const auto deadline = std::chrono::steady_clock::now() + kBound;
  while (live_processes_of(program) != 0) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

struct HelperCase {
  const char* name;
  const char* mode;
};

const HelperCase kHelpers[] = {
    {"PrintingForTwentySeconds", "linger:20"},
    {"PrintingWithoutEnd", "linger:0"},
    {"OutsideTheProgramsGroupPrintingWithoutEnd", "linger-detached:0"},
};

void PrintTo(const HelperCase& c, std::ostream* out) { *out << c.mode; }

class Helpers : public DriverTest, public ::testing::WithParamInterface<HelperCase> {};

// A helper printing every 200 ms holds a run whatever silence ends it once
// the program has gone; a silence longer than any test may take makes sure
// that only Terminate, and not a helper late on a loaded machine, ends it.
constexpr Pacing kHeldUntilTerminate{.after_end = std::chrono::minutes(10)};

TEST_P(Helpers, TerminateEndsTheRunTheyHold) {
  dir.add_standin("MOR.exe");
  state.run_settings.mor_root = root("BASIN");
  state.run_settings.hydrology_root = root("HYD");
  set_mode(GetParam().mode);
  start(kMorRun, kHeldUntilTerminate);
  ASSERT_TRUE(window_shows("helper line 0002"));
  EXPECT_TRUE(ui.menu_item_enabled("TERMINATE")) << "the run goes on while the helper prints";
  ASSERT_TRUE(ui.user_choose_menu("&QARN Programs", "Te&rminate"));
  // Bounded by the fixture: a run Terminate cannot end fails the test there.
  finish();
  EXPECT_EQ(state.running.exit_code(), 0);
  EXPECT_EQ(dir.read("MOR.answers"), "BASIN\nHYD\nA\n\n");
  // Twenty seconds of a helper are a hundred lines: the run did not wait for
  // the last of them.
  EXPECT_EQ(rows_equal("helper line 0100"), 0);
  EXPECT_FALSE(ui.menu_item_enabled("TERMINATE"));
  EXPECT_TRUE(ui.menu_item_enabled("QARN_MOR_ORB"));
  EXPECT_TRUE(none_left(dir.file("MOR.exe"))) << "killed with the group, or ended when its output failed";
}

INSTANTIATE_TEST_SUITE_P(Driver, Helpers, ::testing::ValuesIn(kHelpers),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnex::test
