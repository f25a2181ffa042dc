// What the status bar is told of a model run: the program and its roots at
// the start, and at the end whether it ended with its exit code, was
// terminated or never started. The window's text is not the status bar's.

#include <csignal>
#include <filesystem>
#include <future>

#include "driver_fixture.h"
#include "shell/run_status.h"
#include "shell/tarnex.h"

namespace tarnex::test {
namespace {

using Status = ui::HeadlessUi::RunStatus;

TEST(RunDescription, TheProgramAndTheRootsItIsAskedFor) {
  RunSettings settings;
  settings.mor_root = root("  BASIN");
  settings.hydrology_root = root("HYD");
  settings.tin_root = root("TABLES");
  settings.orb_source_root = root("BASIN");
  settings.merl_root = root("SALT");
  settings.flum_input_root = root("IN");
  settings.flum_output_root = root("OUT");
  struct Case {
    int run_code;
    const char* program;
    const char* roots;  // blank roots are left out
  };
  const Case cases[] = {
      {kMorRun, "MOR.exe", "BASIN, HYD"}, {kMordRun, "MORD.exe", "BASIN, HYD"},
      {kOrbRun, "ORB.exe", "TABLES, BASIN"}, {kMerlRun, "MERL.exe", "SALT"},
      {kFlumRun, "FLUM.exe", "IN, OUT"},   {kJornRun, "JORN.exe", ""},
  };
  for (const auto& c : cases) {
    const auto description = describe_run(c.run_code, settings);
    EXPECT_EQ(description.program, c.program) << c.run_code;
    EXPECT_EQ(description.roots, c.roots) << c.run_code;
  }
  EXPECT_EQ(describe_run(kClearScreen, settings).program, "");
}

class RunStatusTest : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    dir.add_standin("MOR.exe");
    state.run_settings.mor_root = root("BASIN");
    state.run_settings.hydrology_root = root("HYD");
  }
  // A run as the command loop makes it, on its own thread.
  std::future<void> start_run() {
    return std::async(std::launch::async, [this] { run_model(state, ui, kMorRun); });
  }
  static void wait_for(std::future<void>& run) { ASSERT_EQ(run.wait_for(kBound), std::future_status::ready); }
};

TEST_F(RunStatusTest, ARunThatEndsShowsItsExitCode) {
  struct Case {
    const char* mode;
    int exit_code;
  };
  const Case cases[] = {{"silent", 0}, {"crash", kCrashCode}};
  for (const auto& c : cases) {
    set_mode(c.mode);
    auto run = start_run();
    wait_for(run);
    const auto statuses = ui.run_statuses();
    ASSERT_FALSE(statuses.empty()) << c.mode;
    EXPECT_EQ(statuses.back().program, "MOR.exe") << c.mode;
    EXPECT_EQ(statuses.back().roots, "BASIN, HYD") << c.mode;
    EXPECT_EQ(statuses.back().end, ui::RunEnd::Exited) << c.mode;
    EXPECT_EQ(statuses.back().exit_code, c.exit_code) << c.mode;
    EXPECT_EQ(state.running.exit_code(), c.exit_code) << c.mode;
  }
  EXPECT_EQ(ui.run_statuses().size(), std::size(cases));
}

TEST_F(RunStatusTest, ATerminatedRunSaysSo) {
  set_mode("unknown");
  auto run = start_run();
  ASSERT_TRUE(window_shows("Enter the phase of the moon."));
  ASSERT_EQ(ui.run_statuses().size(), 1u);
  EXPECT_FALSE(ui.run_statuses()[0].end.has_value()) << "running";
  ASSERT_TRUE(ui.user_choose_menu("&QARN Programs", "Te&rminate"));
  wait_for(run);
  EXPECT_EQ(ui.run_statuses()[0].end, ui::RunEnd::Terminated);
  EXPECT_EQ(state.running.exit_code(), 0);
}

TEST_F(RunStatusTest, AProgramThatCannotStartSaysSoAndKeepsTheLastExitCode) {
  std::filesystem::remove(dir.file("MOR.exe"));
  state.running.set_exit_code(3);
  auto run = start_run();
  wait_for(run);
  ASSERT_EQ(ui.run_statuses().size(), 1u);
  EXPECT_EQ(ui.run_statuses()[0].end, ui::RunEnd::NotStarted);
  EXPECT_EQ(state.running.exit_code(), 3);
  ASSERT_EQ(ui.message_boxes().size(), 1u) << "the driver's own report";
}

}  // namespace
}  // namespace tarnex::test
