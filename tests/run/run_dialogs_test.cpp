#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "run/run_dialogs.h"
#include "shell/state.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

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
      {191, {1231, 1228, 1229, 1217, 1245, 1219, 1248, 1224, 1225, 1230, 1220, 1246, 1221, 1226, 1227, 1218, 1247, 1216, 2}},
      {214, {1275, 1219, 1285, 1276, 1277, 1230, 1287, 1246, 1288, 1226, 1227, 1289, 1247, 1278, 2}},
      {193, {1234, 1286, 1235, 1236, 1237, 1238, 2}},
      {215, {1280, 1279, 1281, 1282, 1283, 1284, 2}},
  };
  for (const auto& [id, controls] : dialogs) {
    auto dialog = ui.make_dialog(id);
    ASSERT_TRUE(dialog) << id;
    for (int control : controls) EXPECT_TRUE(dialog->has_control(control)) << id << ": " << control;
  }
  EXPECT_EQ(ui.make_dialog(191)->caption(), "QARN MOR and ORBEN");
  EXPECT_EQ(ui.make_dialog(214)->caption(), "QARN MERL and ORBEN");
  EXPECT_EQ(ui.make_dialog(193)->caption(), "QARN FLUM");
  EXPECT_EQ(ui.make_dialog(215)->caption(), "QARN JORN");
}

TEST_F(RunDialogs, BothExecuteBoxesUncheckedWriteTwoBoxes) {
  const auto runs = operate(kMorOrbDialog, 191, [](ui::HeadlessDialog& d) { d.user_click(1216); });
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
  operate(kMorOrbDialog, 191, [](ui::HeadlessDialog& d) {
    d.user_click(1229);
    d.user_click(1216);
  });
  EXPECT_EQ(rows()[3], "  *      MORD.EXE was not executed.    *");
  EXPECT_EQ(rows()[4], "  *      The EXECUTE MOR checkbox      *");
  EXPECT_FALSE(state.run_settings.monthly);
}

TEST_F(RunDialogs, OnlyOrbCheckedFillsItsRootsFromTheOthersAndRuns) {
  const auto runs = operate(kMorOrbDialog, 191, [](ui::HeadlessDialog& d) {
    d.user_check(1230, true);
    d.user_type(1220, "TINROOT");
    d.user_type(1217, "  BASIN");
    d.user_click(1216);
  });
  EXPECT_EQ(runs, (std::vector<int>{kOrbRun}));
  const auto& s = state.run_settings;
  EXPECT_EQ(s.orben_output_root, fit("TINROOT", kRootField));
  EXPECT_EQ(s.orb_source_root, fit("BASIN", kRootField));
  EXPECT_EQ(s.hydrology_root, fit("BASIN", kRootField));
  EXPECT_EQ(rows()[3], "  *      MOR.EXE was not executed.     *");
}

TEST_F(RunDialogs, ValidationOfDialog191) {
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
    window.on_modal(191, [&c](ui::HeadlessDialog& d) {
      d.user_check(1231, c.exec_mor);
      d.user_click(c.monthly ? 1228 : 1229);
      d.user_check(1230, c.exec_orb);
      d.user_type(1217, c.mor);
      d.user_type(1220, c.tin);
      d.user_click(1216);
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
  const auto runs = operate(kMerlOrbDialog, 214, [](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text(1287), "SHARED");
    d.user_check(1275, true);
    d.user_check(1230, true);
    d.user_type(1219, "SALT");
    d.user_click(1277);
    d.user_click(1278);
  });
  EXPECT_EQ(runs, (std::vector<int>{kMerlRun, kOrbRun}));
  EXPECT_EQ(state.run_settings.orb_source_root, fit("SALT", kRootField));
  EXPECT_FALSE(state.run_settings.merl_replace_all);
  const auto none = operate(kMerlOrbDialog, 214, [](ui::HeadlessDialog& d) {
    d.user_check(1275, false);
    d.user_check(1230, false);
    d.user_click(1278);
  });
  EXPECT_TRUE(none.empty());
  EXPECT_NE(ui.text().text().find("  *      MERL.EXE was not executed.    *\n  *      The EXECUTE MERL checkbox     *"),
            std::string::npos);
}

TEST_F(RunDialogs, FlumAndJornRunEvenWithBlankRoots) {
  EXPECT_EQ(operate(kFlumDialog, 193, [](ui::HeadlessDialog& d) { d.user_click(1238); }),
            (std::vector<int>{kFlumRun}));
  EXPECT_EQ(operate(kJornDialog, 215, [](ui::HeadlessDialog& d) { d.user_click(1284); }),
            (std::vector<int>{kJornRun}));
}

TEST_F(RunDialogs, CancelDiscardsEditsAndReopeningShowsTheLastConfirmed) {
  operate(kJornDialog, 215, [](ui::HeadlessDialog& d) {
    d.user_type(1280, "DAILY");
    d.user_type(1281, "DOUT");
    d.user_click(1283);
    d.user_click(1284);
  });
  const auto runs = operate(kJornDialog, 215, [](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text(1280), "DAILY");
    EXPECT_EQ(d.text(1281), "DOUT");
    EXPECT_FALSE(d.checked(1282));
    EXPECT_TRUE(d.checked(1283));
    d.user_type(1280, "CHANGED");
    d.user_click(2);
  });
  EXPECT_TRUE(runs.empty());
  EXPECT_EQ(state.run_settings.jorn_input_root, fit("DAILY", kRootField));
  EXPECT_FALSE(state.run_settings.begin_requested);
}

TEST_F(RunDialogs, InitialSettingsShowInTheDialog) {
  operate(kMorOrbDialog, 191, [](ui::HeadlessDialog& d) {
    EXPECT_FALSE(d.checked(1231));
    EXPECT_TRUE(d.checked(1228));
    EXPECT_FALSE(d.checked(1229));
    EXPECT_TRUE(d.checked(1224));
    EXPECT_TRUE(d.checked(1226));
    EXPECT_FALSE(d.checked(1230));
    EXPECT_EQ(d.text(1217), "");
    d.user_click(2);
  });
}

TEST_F(RunDialogs, LineBreaksInARootBoxNeverReachTheRoot) {
  operate(kFlumDialog, 193, [](ui::HeadlessDialog& d) {
    d.user_type(1234, "BASIN\n");
    d.user_click(1238);
  });
  EXPECT_EQ(state.run_settings.flum_input_root, fit("BASIN", kRootField));
}

}  // namespace
}  // namespace tarnex
