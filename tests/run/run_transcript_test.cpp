// Each model run keeps its transcript as the shell runs it, against the
// stand-in model programs: header and trailer for a normal end, a program
// that crashes, Terminate and a program that cannot start; and a state
// directory that cannot be written leaves the run exactly as it would be.

#include <gtest/gtest.h>

#include <future>
#include <string>

#include "driver_fixture.h"
#include "history/transcript_reader.h"
#include "scratch_directory.h"
#include "shell/running_program.h"
#include "shell/tarnex.h"

namespace tarnex::test {
namespace {

class Transcripts : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    state.history.set_directory(scratch.path() / "runs");
    state.run_settings.mor_root = root("BASIN");
    state.run_settings.hydrology_root = root("HYD");
  }

  // A run as the shell makes it, transcript and all, on the command-loop
  // thread of its own; bounded as every run of these tests.
  void TearDown() override {
    if (running_.valid()) {
      TERMINATE(running_state_->running);
      finish_kept(*running_state_);
    }
    DriverTest::TearDown();
  }

  void start_kept(ui::HeadlessUi& window, State& state_of, int run_code) {
    running_state_ = &state_of;
    running_ = std::async(std::launch::async, [&window, &state_of, run_code] {
      run_model(state_of, window, run_code, kMorOrbDialog, kQuick);
    });
  }
  void finish_kept(State& state_of) {
    if (running_.wait_for(kBound) == std::future_status::timeout) {
      ADD_FAILURE() << "the run did not end; terminating it";
      TERMINATE(state_of.running);
      if (running_.wait_for(kBound) == std::future_status::timeout) std::abort();
    }
    running_.get();
  }
  void run_kept(int run_code) {
    start_kept(ui, state, run_code);
    finish_kept(state);
  }

  // The one transcript there is.
  history::RunRecord only_run() {
    const auto runs = history::list_runs(state.history.directory());
    EXPECT_EQ(runs.size(), 1u);
    return runs.empty() ? history::RunRecord{} : runs.front();
  }
  std::string output_of(const history::RunRecord& run) {
    return read_file(run.path).substr(run.output_offset, run.output_bytes);
  }

  ScratchDirectory scratch;

 private:
  std::future<void> running_;
  State* running_state_ = nullptr;
};

TEST_F(Transcripts, ANormalEndKeepsHeaderOutputAsShownAndTrailer) {
  dir.add_standin("MOR.exe");
  run_kept(kMorRun);
  const auto run = only_run();
  EXPECT_TRUE(run.header_complete);
  EXPECT_EQ(run.header.program, "MOR");
  EXPECT_EQ(run.header.run_code, kMorRun);
  EXPECT_EQ(run.header.dialog_code, kMorOrbDialog);
  EXPECT_EQ(run.header.directory, dir.path());
  ASSERT_TRUE(run.header.started);
  EXPECT_EQ(run.header.answers, (std::vector<history::RunAnswer>{{"input and output", "BASIN", true},
                                                                 {"hydrology", "HYD", true},
                                                                 {"output files", "Replace All", false}}));
  EXPECT_EQ(run.end.outcome, history::Outcome::Exited);
  EXPECT_EQ(run.end.exit_code, 0);
  EXPECT_GT(run.end.duration.count(), 0);
  // Byte for byte what the window shows of the run, answers echoed as there.
  const auto output = output_of(run);
  EXPECT_TRUE(output.starts_with("Enter root of input and output file names.\n\n   BASIN\n")) << output;
  EXPECT_TRUE(output.ends_with("Exit QARN-MOR\nPress enter to exit.\n")) << output;
  EXPECT_NE(ui.text().text().find(output.substr(0, output.size() - 1)), std::string::npos);
  EXPECT_EQ(ui.history_notice(), "");
  EXPECT_EQ(state.history.current(), "");
}

TEST_F(Transcripts, AProgramThatCrashesEndsWithItsExitCode) {
  dir.add_standin("MOR.exe");
  set_mode("crash");
  run_kept(kMorRun);
  const auto run = only_run();
  EXPECT_EQ(run.end.outcome, history::Outcome::Exited);
  EXPECT_EQ(run.end.exit_code, kCrashCode);
  EXPECT_EQ(run.end.exit_code, state.running.exit_code());
  EXPECT_NE(output_of(run).find("   BASIN\n"), std::string::npos);
}

TEST_F(Transcripts, TerminateEndsTheTranscriptAsTerminated) {
  dir.add_standin("MOR.exe");
  set_mode("unknown");
  start_kept(ui, state, kMorRun);
  ASSERT_TRUE(window_shows("Enter the phase of the moon."));
  // The run's transcript is the current one while it goes, and already
  // holds the question the program waits on.
  const auto current = state.history.current();
  ASSERT_FALSE(current.empty());
  EXPECT_NE(read_file(current).find("Enter the phase of the moon."), std::string::npos);
  EXPECT_EQ(history::read_record(current).end.outcome, history::Outcome::Unknown);
  TERMINATE(state.running);
  finish_kept(state);
  const auto run = only_run();
  EXPECT_EQ(run.end.outcome, history::Outcome::Terminated);
  EXPECT_EQ(history::outcome_text(run.end), "terminated");
}

TEST_F(Transcripts, AProgramThatCannotStartIsRecordedSo) {
  run_kept(kMorRun);
  ASSERT_EQ(ui.message_boxes().size(), 1u);
  const auto run = only_run();
  EXPECT_EQ(run.end.outcome, history::Outcome::NotStarted);
  EXPECT_EQ(run.output_bytes, 0u);
}

TEST_F(Transcripts, OffNoneIsKept) {
  dir.add_standin("MOR.exe");
  state.history.set_keeping(false);
  run_kept(kMorRun);
  EXPECT_TRUE(history::list_runs(state.history.directory()).empty());
  EXPECT_EQ(ui.history_notice(), "");
}

// The same run twice over, once with transcripts off and once with a state
// directory that cannot be made: the window, the answers and the exit code
// are the same; only the status line tells, and stops telling once a
// transcript is kept again.
TEST_F(Transcripts, AStateDirectoryThatCannotBeWrittenLeavesTheRunUntouched) {
  dir.add_standin("MOR.exe");
  state.history.set_keeping(false);
  run_kept(kMorRun);
  const auto answers_off = dir.read("MOR.answers");

  ui::HeadlessUi other_ui;
  State other;
  start_up(other, other_ui, dir.path());
  other.run_settings = state.run_settings;
  const auto blocked = scratch.put("state", "a file where the state directory should be");
  other.history.set_directory(blocked / "tarnex" / "runs");
  start_kept(other_ui, other, kMorRun);
  finish_kept(other);

  EXPECT_EQ(other_ui.text().text(), ui.text().text());
  EXPECT_EQ(dir.read("MOR.answers"), *answers_off + *answers_off);
  EXPECT_EQ(other.running.exit_code(), state.running.exit_code());
  EXPECT_TRUE(other_ui.message_boxes().empty());
  EXPECT_EQ(other.pending_command, kIdle);
  EXPECT_TRUE(other_ui.history_notice().starts_with("Transcripts are not being kept: cannot make "))
      << other_ui.history_notice();

  other.history.set_directory(scratch.path() / "runs");
  start_kept(other_ui, other, kMorRun);
  finish_kept(other);
  EXPECT_EQ(other_ui.history_notice(), "");
  EXPECT_EQ(history::list_runs(scratch.path() / "runs").size(), 1u);
}

}  // namespace
}  // namespace tarnex::test
