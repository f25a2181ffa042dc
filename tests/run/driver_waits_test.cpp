// The driver's waits end on their events: in each case every wait that is
// not the one under test is made far longer than any test may take, so a
// run that ends at all shows that it did not sit out a wait.

#include "driver_fixture.h"

#include <csignal>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tarnex::test {
namespace {

// Longer than the bound of a whole test.
constexpr std::chrono::milliseconds kNever = std::chrono::minutes(10);

struct WaitCase {
  const char* name;
  // The model program: a shell script, or the stand-in when null; on
  // Windows a script of the tests' child program.
  const char* script;
  const char* windows;
  Pacing pacing;
  // The file the program leaves what it read in, and its content.
  const char* log;
  const char* read;
};

const WaitCase kWaits[] = {
    {"QuestionsAreAnsweredAsTheyArriveAndTheRunEndsWithThePipe", nullptr, nullptr,
     {.while_running = kNever, .after_end = kNever, .settle = 20ms, .enter_again = kNever}, "MOR.answers",
     "BASIN\nHYD\nA\n\n"},
    {"AProgramBusyAfterItsExitLineStillGetsItsEnter",
     "echo 'Exit QARN-MOR'\n"
     "sleep 0.3\n"
     "read line\n"
     "echo \"[$line]\" > read.log\n",
     "print Exit QARN-MOR\\n;sleep 300;read;save read.log",
     {.while_running = kNever, .after_end = kNever, .settle = 20ms, .enter_again = kNever}, "read.log", "[]\n"},
    {"AProgramThatTookTheFirstEnterForSomethingElseGetsAnother",
     "echo 'Press enter to exit.'\n"
     "read first\n"
     "read second\n"
     "echo \"[$first][$second]\" > read.log\n",
     "print Press enter to exit.\\n;read;read;save read.log",
     {.while_running = kNever, .after_end = kNever, .settle = 20ms, .enter_again = 50ms}, "read.log", "[][]\n"},
    {"EachExitLineGetsOneEnterAndNoMoreWhileTheProgramRuns",
     "echo 'Press enter to exit.'\n"
     "read first\n"
     "sleep 0.3\n"
     "timeout 0.2 head -c 1 > extra.log\n"
     "echo 'Exit QARN-MOR'\n"
     "read second\n"
     "echo \"[$first][$second]\" > read.log\n"
     "cat extra.log >> read.log\n",
     "print Press enter to exit.\\n;read;sleep 300;grab 200;print Exit QARN-MOR\\n;read;save read.log",
     {.while_running = kNever, .after_end = kNever, .settle = 20ms, .enter_again = kNever}, "read.log", "[][]\n"},
};

void PrintTo(const WaitCase& c, std::ostream* out) { *out << c.name; }

class Waits : public DriverTest, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(Waits, EndOnTheirEvents) {
  const WaitCase& c = GetParam();
  if (c.script != nullptr) {
#ifdef _WIN32
    dir.add_test_child("MOR.exe", c.windows);
#else
    dir.put("MOR.exe", std::string("#!/bin/sh\n") + c.script, true);
#endif
  } else {
    dir.add_standin("MOR.exe");
  }
  state.run_settings.mor_root = root("BASIN");
  state.run_settings.hydrology_root = root("HYD");
  run(kMorRun, c.pacing);
  EXPECT_EQ(dir.read(c.log), std::string(c.read));
  EXPECT_EQ(state.running.exit_code(), 0);
}

INSTANTIATE_TEST_SUITE_P(Driver, Waits, ::testing::ValuesIn(kWaits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriverTest, AHelperHoldingThePipeAfterTheProgramEndsIsWaitedForBriefly) {
  // Like wineserver, a helper the program started keeps its output open.
#ifdef _WIN32
  dir.add_test_child("MOR.exe", "spawn-holding helper.pid;print Press enter to exit.\\n;read");
#else
  dir.put("MOR.exe",
          "#!/bin/sh\n"
          "sleep 60 &\n"
          "echo $! > helper.pid\n"
          "echo 'Press enter to exit.'\n"
          "read line\n",
          true);
#endif
  run(kMorRun, {.while_running = 20ms, .after_end = 50ms, .settle = 20ms, .enter_again = kNever});
  const auto helper = dir.read("helper.pid");
  ASSERT_TRUE(helper.has_value());
#ifdef _WIN32
  const HANDLE helper_process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, std::stoul(*helper));
  ASSERT_NE(helper_process, nullptr);
  EXPECT_EQ(::WaitForSingleObject(helper_process, 0), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the run ended while the helper lived";
  ::TerminateProcess(helper_process, 1);
  ::CloseHandle(helper_process);
#else
  const pid_t helper_id = std::stoi(*helper);
  EXPECT_EQ(::kill(helper_id, SIGKILL), 0) << "the run ended while the helper lived";
#endif
  EXPECT_EQ(state.running.exit_code(), 0);
}

}  // namespace
}  // namespace tarnex::test
