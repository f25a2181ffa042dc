#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"
#include "run/run_dialogs.h"
#include "shell/state.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

using namespace ids;

class RunDialogs : public ::testing::Test {
 protected:
  // Plays the dialog of `code` with `user`, then records the runs it asks for.
  std::vector<int> operate(int code, int dialog_id, std::function<void(ui::HeadlessDialog&)> user) {
    ui.on_modal(dialog_id, std::move(user));
    std::vector<int> runs;
    run_dialog_operation(state.run_settings, state.paths, ui, code, [&](int run_code) { runs.push_back(run_code); });
    return runs;
  }
  std::vector<std::string> rows() { return ui.text().rows(); }

  ui::HeadlessUi ui;
  State state;
};

TEST_F(RunDialogs, EveryDialogOpensWithItsControls) {
  const std::pair<int, std::vector<int>> dialogs[] = {
      {mor_orb::kDialog,
       {mor_orb::kExecuteMor, mor_orb::kMonthly, mor_orb::kDaily, mor_orb::kMorRoot, mor_orb::kBrowseMorRoot,
        mor_orb::kHydrologyRoot, mor_orb::kBrowseHydrologyRoot, mor_orb::kMorReplaceAll, mor_orb::kMorReplaceNo,
        mor_orb::kExecuteOrb, mor_orb::kTinRoot, mor_orb::kBrowseTinRoot, mor_orb::kOrbenOutputRoot,
        mor_orb::kOrbenReplaceAll, mor_orb::kOrbenReplaceNo, mor_orb::kOrbSourceRoot, mor_orb::kBrowseOrbSourceRoot,
        mor_orb::kBeginSimulation, ui::kCancel}},
      {merl_orb::kDialog,
       {merl_orb::kExecuteMerl, merl_orb::kMerlRoot, merl_orb::kBrowseMerlRoot, merl_orb::kMerlReplaceAll,
        merl_orb::kMerlReplaceNo, merl_orb::kExecuteOrb, merl_orb::kTinRoot, merl_orb::kBrowseTinRoot,
        merl_orb::kOrbenOutputRoot, merl_orb::kOrbenReplaceAll, merl_orb::kOrbenReplaceNo, merl_orb::kOrbSourceRoot,
        merl_orb::kBrowseOrbSourceRoot, merl_orb::kBeginSimulation, ui::kCancel}},
      {flum::kDialog,
       {flum::kInputRoot, flum::kBrowseInputRoot, flum::kOutputRoot, flum::kReplaceAll, flum::kReplaceNo,
        flum::kBeginSimulation, ui::kCancel}},
      {jorn::kDialog,
       {jorn::kInputRoot, jorn::kBrowseInputRoot, jorn::kOutputRoot, jorn::kReplaceAll, jorn::kReplaceNo,
        jorn::kBeginSimulation, ui::kCancel}},
  };
  for (const auto& [id, controls] : dialogs) {
    auto dialog = ui.make_dialog(id);
    ASSERT_TRUE(dialog) << id;
    for (int control : controls) EXPECT_TRUE(dialog->has_control(control)) << id << ": " << control;
  }
  EXPECT_EQ(ui.make_dialog(mor_orb::kDialog)->caption(), "QARN MOR and ORBEN");
  EXPECT_EQ(ui.make_dialog(merl_orb::kDialog)->caption(), "QARN MERL and ORBEN");
  EXPECT_EQ(ui.make_dialog(flum::kDialog)->caption(), "QARN FLUM");
  EXPECT_EQ(ui.make_dialog(jorn::kDialog)->caption(), "QARN JORN");
}

TEST_F(RunDialogs, BothExecuteBoxesUncheckedWriteTwoBoxes) {
  const auto runs =
      operate(kMorOrbDialog, mor_orb::kDialog, [](ui::HeadlessDialog& d) { d.user_click(mor_orb::kBeginSimulation); });
  EXPECT_TRUE(runs.empty());
  const std::vector<std::string> expected = {
      "",
      "  --------------------------------------",
      "  *                                    *",
      "  *      MOR.EXE was not executed.     *",
      "  *      The EXECUTE MOR checkbox      *",
      "  *      was not selected.             *",
      "  *                                    *",
      "  --------------------------------------",
      "",
      "",
      "  --------------------------------------",
      "  *                                    *",
      "  *      ORB.EXE was not executed.     *",
      "  *      The EXECUTE ORB checkbox      *",
      "  *      was not selected.             *",
      "  *                                    *",
      "  --------------------------------------",
      "",
  };
  auto written = rows();
  written.pop_back();  // the row the next text would go to
  EXPECT_EQ(written, expected);
  for (const auto& row : written) EXPECT_TRUE(row.empty() || row.size() == 40) << row;
  EXPECT_FALSE(state.run_settings.begin_requested);
}

TEST_F(RunDialogs, MordSelectedNamesMordInItsBox) {
  operate(kMorOrbDialog, mor_orb::kDialog, [](ui::HeadlessDialog& d) {
    d.user_click(mor_orb::kDaily);
    d.user_click(mor_orb::kBeginSimulation);
  });
  EXPECT_EQ(rows()[3], "  *      MORD.EXE was not executed.    *");
  EXPECT_EQ(rows()[4], "  *      The EXECUTE MOR checkbox      *");
  EXPECT_FALSE(state.run_settings.monthly);
}

TEST_F(RunDialogs, OnlyOrbCheckedFillsItsRootsFromTheOthersAndRuns) {
  const auto runs = operate(kMorOrbDialog, mor_orb::kDialog, [](ui::HeadlessDialog& d) {
    d.user_check(mor_orb::kExecuteOrb, true);
    d.user_type(mor_orb::kTinRoot, "TINROOT");
    d.user_type(mor_orb::kMorRoot, "  BASIN");
    d.user_click(mor_orb::kBeginSimulation);
  });
  EXPECT_EQ(runs, (std::vector<int>{kOrbRun}));
  const auto& s = state.run_settings;
  EXPECT_EQ(s.orben_output_root, fit("TINROOT", kRootField));
  EXPECT_EQ(s.orb_source_root, fit("BASIN", kRootField));
  EXPECT_EQ(s.hydrology_root, fit("BASIN", kRootField));
  EXPECT_EQ(rows()[3], "  *      MOR.EXE was not executed.     *");
}

TEST_F(RunDialogs, ValidationOfTheMorAndOrbenDialog) {
  struct Case {
    bool exec_mor, monthly, exec_orb;
    const char *mor, *tin;
    std::vector<int> runs;
    std::vector<std::string> reasons;  // the first reason line of each box, in order
  };
  const Case cases[] = {
      {true, true, true, "BASIN", "T", {kMorRun, kOrbRun}, {}},
      {true, false, false, "BASIN", "", {kMordRun}, {"  *      The EXECUTE ORB checkbox      *"}},
      {true, true, true, "", "T", {}, {"  *      The input file edit box       *", "  *      An input/ouput file edit      *"}},
      {false, true, true, "BASIN", "", {}, {"  *      The EXECUTE MOR checkbox      *", "  *      An input/ouput file edit      *"}},
  };
  for (const auto& c : cases) {
    State fresh;
    ui::HeadlessUi window;
    window.on_modal(mor_orb::kDialog, [&c](ui::HeadlessDialog& d) {
      d.user_check(mor_orb::kExecuteMor, c.exec_mor);
      d.user_click(c.monthly ? mor_orb::kMonthly : mor_orb::kDaily);
      d.user_check(mor_orb::kExecuteOrb, c.exec_orb);
      d.user_type(mor_orb::kMorRoot, c.mor);
      d.user_type(mor_orb::kTinRoot, c.tin);
      d.user_click(mor_orb::kBeginSimulation);
    });
    std::vector<int> runs;
    run_dialog_operation(fresh.run_settings, fresh.paths, window, kMorOrbDialog, [&](int code) { runs.push_back(code); });
    EXPECT_EQ(runs, c.runs) << c.mor << "/" << c.tin;
    std::vector<std::string> reasons;
    const auto written = window.text().rows();
    for (std::size_t i = 0; i + 1 < written.size(); ++i) {
      if (written[i].find("was not executed.") != std::string::npos) reasons.push_back(written[i + 1]);
    }
    EXPECT_EQ(reasons, c.reasons) << c.mor << "/" << c.tin;
  }
}

TEST_F(RunDialogs, MerlDialogValidatesAndSharesTheOrbenSettings) {
  state.run_settings.tin_root = fit("SHARED", kRootField);
  const auto runs = operate(kMerlOrbDialog, merl_orb::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text(merl_orb::kTinRoot), "SHARED");
    d.user_check(merl_orb::kExecuteMerl, true);
    d.user_check(merl_orb::kExecuteOrb, true);
    d.user_type(merl_orb::kMerlRoot, "SALT");
    d.user_click(merl_orb::kMerlReplaceNo);
    d.user_click(merl_orb::kBeginSimulation);
  });
  EXPECT_EQ(runs, (std::vector<int>{kMerlRun, kOrbRun}));
  EXPECT_EQ(state.run_settings.orb_source_root, fit("SALT", kRootField));
  EXPECT_FALSE(state.run_settings.merl_replace_all);
  const auto none = operate(kMerlOrbDialog, merl_orb::kDialog, [](ui::HeadlessDialog& d) {
    d.user_check(merl_orb::kExecuteMerl, false);
    d.user_check(merl_orb::kExecuteOrb, false);
    d.user_click(merl_orb::kBeginSimulation);
  });
  EXPECT_TRUE(none.empty());
  EXPECT_NE(ui.text().text().find("  *      MERL.EXE was not executed.    *\n  *      The EXECUTE MERL checkbox     *"),
            std::string::npos);
}

TEST_F(RunDialogs, FlumAndJornRunEvenWithBlankRoots) {
  EXPECT_EQ(operate(kFlumDialog, flum::kDialog, [](ui::HeadlessDialog& d) { d.user_click(flum::kBeginSimulation); }),
            (std::vector<int>{kFlumRun}));
  EXPECT_EQ(operate(kJornDialog, jorn::kDialog, [](ui::HeadlessDialog& d) { d.user_click(jorn::kBeginSimulation); }),
            (std::vector<int>{kJornRun}));
}

TEST_F(RunDialogs, CancelDiscardsEditsAndReopeningShowsTheLastConfirmed) {
  operate(kJornDialog, jorn::kDialog, [](ui::HeadlessDialog& d) {
    d.user_type(jorn::kInputRoot, "DAILY");
    d.user_type(jorn::kOutputRoot, "DOUT");
    d.user_click(jorn::kReplaceNo);
    d.user_click(jorn::kBeginSimulation);
  });
  const auto runs = operate(kJornDialog, jorn::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text(jorn::kInputRoot), "DAILY");
    EXPECT_EQ(d.text(jorn::kOutputRoot), "DOUT");
    EXPECT_FALSE(d.checked(jorn::kReplaceAll));
    EXPECT_TRUE(d.checked(jorn::kReplaceNo));
    d.user_type(jorn::kInputRoot, "CHANGED");
    d.user_click(ui::kCancel);
  });
  EXPECT_TRUE(runs.empty());
  EXPECT_EQ(state.run_settings.jorn_input_root, fit("DAILY", kRootField));
  EXPECT_FALSE(state.run_settings.begin_requested);
}

TEST_F(RunDialogs, InitialSettingsShowInTheDialog) {
  operate(kMorOrbDialog, mor_orb::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_FALSE(d.checked(mor_orb::kExecuteMor));
    EXPECT_TRUE(d.checked(mor_orb::kMonthly));
    EXPECT_FALSE(d.checked(mor_orb::kDaily));
    EXPECT_TRUE(d.checked(mor_orb::kMorReplaceAll));
    EXPECT_TRUE(d.checked(mor_orb::kOrbenReplaceAll));
    EXPECT_FALSE(d.checked(mor_orb::kExecuteOrb));
    EXPECT_EQ(d.text(mor_orb::kMorRoot), "");
    d.user_click(ui::kCancel);
  });
}

TEST_F(RunDialogs, LineBreaksInARootBoxNeverReachTheRoot) {
  operate(kFlumDialog, flum::kDialog, [](ui::HeadlessDialog& d) {
    d.user_type(flum::kInputRoot, "BASIN\n");
    d.user_click(flum::kBeginSimulation);
  });
  EXPECT_EQ(state.run_settings.flum_input_root, fit("BASIN", kRootField));
}

}  // namespace
}  // namespace tarnex
