// The History menu and Run again on the headless window: a MOR-ORB request
// leaves two transcripts with their roots, and Run again on the MOR run
// opens dialog 191 filled with that run's roots and choices, for the user
// to begin. While a run or dialog is in progress it is refused.

#include <gtest/gtest.h>

#include "driver_fixture.h"
#include "history/transcript_reader.h"
#include "resources/dialog_ids.h"
#include "scratch_directory.h"
#include "shell/tarnex.h"

namespace tarnex::test {
namespace {

namespace mor_orb = ids::mor_orb;

class RunAgain : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    state.history.set_directory(scratch.path() / "runs");
    dir.add_standin("MOR.exe");
    dir.add_standin("ORB.exe");
    dir.put("BASIN.DAT", "T1 a basin\n");
  }

  // Performs the command of `code` as the command loop does.
  void perform(int code) { command_operations(state, ui).at(code)(); }

  ScratchDirectory scratch;
};

TEST_F(RunAgain, FillsDialog191WithTheRunsRootsAndChoices) {
  ASSERT_TRUE(ui.user_choose_menu("History", "Run History"));
  EXPECT_EQ(ui.history_shown(), 1);
  ASSERT_TRUE(ui.history());
  EXPECT_EQ(ui.history()->runs, &state.history);

  ui.on_modal(mor_orb::kDialog, [](ui::HeadlessDialog& d) {
    d.user_check(mor_orb::kExecuteMor, true);
    d.user_type(mor_orb::kMorRoot, "BASIN");
    d.user_click(mor_orb::kMorReplaceNo);
    d.user_check(mor_orb::kExecuteOrb, true);
    d.user_type(mor_orb::kTinRoot, "BASIN");
    d.user_click(mor_orb::kBeginSimulation);
  });
  perform(kMorOrbDialog);
  EXPECT_EQ(dir.read("MOR.answers"), "BASIN\nBASIN\nN\n\n");

  // Both runs, the newest first, with their roots.
  const auto runs = history::list_runs(state.history.directory());
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].header.program, "ORB");
  EXPECT_EQ(runs[1].header.program, "MOR");
  EXPECT_EQ(runs[0].roots_text(), "BASIN");
  EXPECT_EQ(runs[1].roots_text(), "BASIN");
  EXPECT_EQ(runs[0].end.outcome, history::Outcome::Exited);
  EXPECT_EQ(runs[1].end.outcome, history::Outcome::Exited);

  // Later requests changed what the dialog remembers.
  state.run_settings.mor_root = root("OTHER");
  state.run_settings.hydrology_root = root("ELSE");
  state.run_settings.mor_replace_all = true;
  state.run_settings.exec_mor = false;
  state.run_settings.monthly = false;

  ASSERT_EQ(ui.user_run_again(2), "");
  EXPECT_EQ(state.pending_command, kMorOrbDialog);
  bool filled = false;
  ui.on_modal(mor_orb::kDialog, [&filled](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text(mor_orb::kMorRoot), "BASIN");
    EXPECT_EQ(d.text(mor_orb::kHydrologyRoot), "BASIN");
    EXPECT_TRUE(d.checked(mor_orb::kExecuteMor));
    EXPECT_TRUE(d.checked(mor_orb::kMonthly));
    EXPECT_TRUE(d.checked(mor_orb::kMorReplaceNo));
    EXPECT_FALSE(d.checked(mor_orb::kMorReplaceAll));
    filled = true;
    d.user_click(ui::kCancel);
  });
  perform(kMorOrbDialog);
  EXPECT_TRUE(filled);
  // Cancelled: nothing ran again.
  EXPECT_EQ(history::list_runs(state.history.directory()).size(), 2u);

  // The request is used once: the next MOR-ORB opens with what it remembers.
  state.run_settings.mor_root = root("OTHER");
  ui.on_modal(mor_orb::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text(mor_orb::kMorRoot), "OTHER");
    d.user_click(ui::kCancel);
  });
  perform(kMorOrbDialog);
}

TEST_F(RunAgain, IsRefusedWhileARunOrDialogIsInProgress) {
  ASSERT_TRUE(ui.user_choose_menu("History", "Run History"));
  history::RunRecord run;
  run.header.program = "FLUM";
  run.header.run_code = kFlumRun;
  state.in_command = true;
  EXPECT_NE(ui.history()->run_again(run), "");
  state.in_command = false;
  state.pending_command = kMorRun;
  EXPECT_NE(ui.history()->run_again(run), "");
  state.pending_command = kIdle;
  EXPECT_EQ(ui.history()->run_again(run), "");
  EXPECT_EQ(state.pending_command, kFlumDialog);
}

TEST_F(RunAgain, ATranscriptOfNoKnownProgramIsRefused) {
  ASSERT_TRUE(ui.user_choose_menu("History", "Run History"));
  history::RunRecord run;
  run.header.run_code = 999;
  EXPECT_NE(ui.history()->run_again(run), "");
  EXPECT_EQ(state.pending_command, kIdle);
  EXPECT_EQ(ui.user_run_again(1), std::nullopt);
}

}  // namespace
}  // namespace tarnex::test
