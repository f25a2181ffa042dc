// The driver against model programs that misbehave, each fault played by
// the stand-in's STANDIN_MODE: the run always ends, the window never breaks,
// and the user can always stop a program that waits.

#include "driver_fixture.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "shell/running_program.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#endif

namespace tarnex::test {
namespace {

const char* const kFirstPrompt = "Enter root of input and output file names.";

#ifdef _WIN32
long resident_kib() {
  PROCESS_MEMORY_COUNTERS counters{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<long>(counters.WorkingSetSize / 1024);
}

bool process_exists(process::NativeHandle id) {
  const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
  if (process == nullptr) return false;
  const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  ::CloseHandle(process);
  return running;
}
#else
// The resident memory of this process.
long resident_kib() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  }
  return 0;
}

bool process_exists(process::NativeHandle id) { return std::filesystem::exists("/proc/" + std::to_string(id)); }
#endif

class Faults : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    dir.add_standin("MOR.exe");
    state.run_settings.mor_root = root("BASIN");
    state.run_settings.hydrology_root = root("HYD");
  }
};

TEST_F(Faults, EarlyExitTheAnswerFailsQuietlyAndTheRunEnds) {
  set_mode("early-exit");
  // Whether the answer reaches the pipe before the child has gone or after,
  // it is never read.
  run(kMorRun, Pacing{});
  EXPECT_EQ(dir.read("MOR.answers"), "");
  EXPECT_EQ(rows_after(kFirstPrompt, 2), (std::vector<std::string>{"", "   BASIN"}));
  EXPECT_EQ(state.running.exit_code(), 0);
}

TEST_F(Faults, CrashEndsTheRunWithItsCodeAndTheNextProgramStillStarts) {
  dir.add_standin("ORB.exe");
  state.run_settings.tin_root = root("TABLES");
  state.run_settings.orben_output_root = root("TOUT");
  state.run_settings.orb_source_root = root("BASIN");
  set_mode("crash");
  run(kMorRun);
  EXPECT_EQ(state.running.exit_code(), kCrashCode);
  EXPECT_EQ(dir.read("MOR.answers"), "BASIN\n");
  // Terminate after the end, even twice, only sets the code.
  TERMINATE(state.running);
  TERMINATE(state.running);
  EXPECT_EQ(state.running.exit_code(), 0);
  set_mode("");
  run(kOrbRun);
  EXPECT_EQ(dir.read("ORB.answers"), "TABLES\nTOUT\nY\nBASIN\n\n");
  EXPECT_EQ(state.running.exit_code(), 0);
}

TEST_F(Faults, UnknownQuestionWaitsUntilTerminateEndsIt) {
  set_mode("unknown");
  start(kMorRun);
  ASSERT_TRUE(window_shows("Enter the phase of the moon."));
  EXPECT_TRUE(ui.menu_item_enabled("TERMINATE"));
  EXPECT_FALSE(ui.menu_item_enabled("QARN_MOR_ORB"));
  ASSERT_TRUE(ui.user_choose_menu("&Exit", "&Exit"));
  ASSERT_EQ(ui.message_boxes().size(), 1u);
  EXPECT_TRUE(ui.message_boxes()[0].text.starts_with("WARNING: MOR.exe is still active."));
  EXPECT_FALSE(ui.exit_code().has_value());
  const auto child = state.running.child();
  ASSERT_NE(child, nullptr);
  const auto id = child->id();

  // Chosen on this thread while the driver runs on the command-loop thread.
  ASSERT_TRUE(ui.user_choose_menu("&QARN Programs", "Te&rminate"));
  finish();
  EXPECT_EQ(state.running.exit_code(), 0);
  EXPECT_EQ(dir.read("MOR.answers"), "");
  EXPECT_EQ(state.running.child(), nullptr);
  EXPECT_EQ(child->exit_code(), std::nullopt);
  EXPECT_FALSE(process_exists(id)) << "terminated and reaped";
  EXPECT_FALSE(ui.menu_item_enabled("TERMINATE"));
  EXPECT_TRUE(ui.menu_item_enabled("QARN_MOR_ORB"));
  EXPECT_TRUE(ui.close_enabled());
  ASSERT_TRUE(ui.user_choose_menu("&Exit", "&Exit"));
  EXPECT_EQ(ui.exit_code(), kStillActive);
}

// Terminate comes on the window thread between the driver's read of the
// still-active code and its store; the hook runs it right there.
TEST_F(Faults, ATerminateBetweenReadingAndStoringTheExitCodeEndsTheRun) {
  set_mode("unknown");
  bool terminated = false;
  state.running.set_read_hook([&] {
    if (terminated || ui.text().text().find("Enter the phase of the moon.") == std::string::npos) return;
    terminated = true;
    std::thread([&] { ASSERT_TRUE(ui.user_choose_menu("&QARN Programs", "Te&rminate")); }).join();
  });
  run(kMorRun);
  EXPECT_TRUE(terminated);
  EXPECT_EQ(state.running.exit_code(), 0);
  EXPECT_EQ(dir.read("MOR.answers"), "");
}

TEST_F(DriverTest, ATerminateBetweenReadingAndStoringTheExitCodeKeepsItsZero) {
#ifdef _WIN32
  const std::string waits = dir.add_test_child("waits.exe", "sleep 60000");
#else
  dir.put("waits", "#!/bin/sh\nexec sleep 60\n", true);
  const std::string waits = dir.file("waits");
#endif
  RunningChild running;
  for (int run = 1; run <= 2; ++run) {
    auto child = process::start_child({waits});
    ASSERT_NE(child, nullptr);
    running.start(child);
    EXPECT_EQ(running.exit_code(), kStillActive) << run;
    int reads = 0;
    running.set_read_hook([&] {
      if (++reads == 1) TERMINATE(running);
    });
    EXPECT_EQ(running.read_exit_code(), 0) << run;
    EXPECT_EQ(running.exit_code(), 0) << run;
    EXPECT_EQ(running.read_exit_code(), 0) << run;
    EXPECT_EQ(child->exit_code(), std::nullopt) << "terminated and closed";
    running.finish();
    EXPECT_EQ(running.child(), nullptr);
    EXPECT_EQ(running.exit_code(), 0);
  }
}

TEST_F(Faults, FloodPassesThroughWhileTheWindowKeeps250RowsAndTheMenusAnswer) {
  state.run_settings.hydrology_root = root("");
  set_mode("flood:50");
  const long before = resident_kib();
  start(kMorRun);
  ASSERT_TRUE(window_shows("flood line 0000"));
  ASSERT_TRUE(ui.user_choose_menu("&Exit", "&Exit"));
  EXPECT_EQ(ui.message_boxes().size(), 1u);
  finish();
  const auto rows = ui.text().rows();
  EXPECT_EQ(rows.size(), TextModel::kRows);
  // 50 MiB of 80-byte lines: the last is number 655360.
  EXPECT_EQ(std::ranges::count_if(rows, [](const std::string& r) { return r.starts_with("flood line 00655360 "); }), 1);
  EXPECT_EQ(dir.read("MOR.answers"), "BASIN\n\nA\n\n");
  EXPECT_LT(resident_kib() - before, 16 * 1024) << "memory grows with the output";
}

TEST_F(Faults, SplitPromptsAreRecognisedOnce) {
  set_mode("split");
  run(kMorRun);
  EXPECT_EQ(dir.read("MOR.answers"), "BASIN\nHYD\nA\n\n");
  EXPECT_EQ(rows_equal("   BASIN"), 1);
  EXPECT_EQ(rows_equal("   HYD"), 1);
  EXPECT_EQ(rows_equal("   A"), 1);
}

TEST_F(Faults, APromptPrintedTwiceIsAnsweredTwice) {
  set_mode("twice");
  run(kMorRun);
  EXPECT_EQ(dir.read("MOR.answers"), "BASIN\nBASIN\nHYD\nA\n\n");
  EXPECT_EQ(rows_equal("   BASIN"), 2);
  EXPECT_EQ(rows_equal("   HYD"), 1);
}

TEST_F(Faults, OddOutputIsShownAsItIs) {
  using namespace std::string_literals;
  struct Case {
    const char* mode;
    const char* after;                  // a row the odd output follows
    std::vector<std::string> rows;      // the rows that follow it
  };
  const Case cases[] = {
      {"binary", "Reading HYD.FLO",
       {"Block \0\0 of the summary \xff\xfe, lead byte \xc3 alone"s, "Reading HYD.EVA", "Writing BASIN.OUT"}},
      {"no-newline", "   A",
       {"Reading BASIN.DAT Reading HYD.FLO Reading HYD.EVA Writing BASIN.OUT Writing BASIN.MSS Exit QARN-MOR",
        "Press enter to exit."}},
  };
  for (const auto& c : cases) {
    ui.text().clear();
    set_mode(c.mode);
    run(kMorRun);
    EXPECT_EQ(rows_after(c.after, c.rows.size()), c.rows) << c.mode;
    EXPECT_EQ(dir.read("MOR.answers"), "BASIN\nHYD\nA\n\n") << c.mode;
    std::filesystem::remove(dir.file("MOR.answers"));
  }
}

TEST_F(Faults, ACharacterSplitAcrossTwoReadsIsShownWhole) {
  std::filesystem::remove(dir.file("MOR.exe"));
#ifdef _WIN32
  dir.add_test_child("MOR.exe", "print Caf\\xc3;sleep 300;print \\xa9 au lait\\n");
#else
  dir.put("MOR.exe", "#!/bin/sh\nprintf 'Caf\\303'\nsleep 0.3\nprintf '\\251 au lait\\n'\n", true);
#endif
  run(kMorRun);
  EXPECT_EQ(rows_equal("Caf\xc3\xa9 au lait"), 1);
}

TEST_F(Faults, SilentProgramEndsAfterTheFirstWaitWithoutEcho) {
  set_mode("silent");
  const std::string before = ui.text().text();
  run(kMorRun);
  EXPECT_EQ(ui.text().text(), before);
  EXPECT_EQ(dir.read("MOR.answers"), "");
  EXPECT_EQ(state.running.exit_code(), 0);
}

}  // namespace
}  // namespace tarnex::test
