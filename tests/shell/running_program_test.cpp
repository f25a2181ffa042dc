#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "common/cursor_position.h"
#include "shell/menu_bar.h"
#include "shell/running_program.h"
#include "shell/tarnex.h"
#include "test_templates.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

class RunningProgram : public ::testing::Test {
 protected:
  void SetUp() override { start_up(state, ui, "/m"); }
  ui::HeadlessUi ui;
  State state;
};

TEST_F(RunningProgram, GrayoutsFollowTheCommandCode) {
  struct Item {
    const char* routine;
    bool enabled_while_busy;
  };
  const Item items[] = {{"QARN_MOR_ORB", false},   {"QARN_MERL_ORB", false}, {"QARN_FLUM", false},
                        {"QARN_JORN", false},      {"TERMINATE", true},      {"CLEAR_SCREEN", false},
                        {"ORBEN_FILENAME", false}, {"MOR_TEMPLATE", false},  {"FLUM_TEMPLATE", false},
                        // these stay enabled during a run
                        {"FILES_ALL", true},       {"DOS_EDITOR", true},     {"HEC_DSSVUE", true},
                        {"INSTRUCTIONS", true},    {"EXIT_TARNEX", true}};
  state.pending_command = kMorRun;
  MENU_GRAYOUTS(state, ui);
  for (const auto& i : items) EXPECT_EQ(ui.menu_item_enabled(i.routine), i.enabled_while_busy) << i.routine;
  EXPECT_FALSE(ui.close_enabled());
  state.pending_command = kIdle;
  MENU_GRAYOUTS(state, ui);
  for (const auto& i : items) {
    const bool terminate = std::string_view(i.routine) == "TERMINATE";
    EXPECT_EQ(ui.menu_item_enabled(i.routine), !terminate) << i.routine;
  }
  EXPECT_TRUE(ui.close_enabled());
}

TEST(RunDependentItems, EachIsAnItemOfTheMenuTable) {
  std::set<std::string, std::less<>> routines;
  for (const auto& menu : menu_table()) {
    for (const auto& entry : menu.entries) {
      if (!entry.separator()) routines.insert(entry.routine);
    }
  }
  ASSERT_FALSE(run_dependent_items().empty());
  for (const auto& item : run_dependent_items()) EXPECT_TRUE(routines.contains(item.routine)) << item.routine;
}

TEST_F(RunningProgram, ExitWhileIdleEndsWith259) {
  ASSERT_TRUE(ui.user_choose_menu("&Exit", "&Exit"));
  EXPECT_EQ(ui.exit_code(), kStillActive);
  EXPECT_TRUE(ui.message_boxes().empty());
}

TEST_F(RunningProgram, ExitWhileAModelRunsIsRefused) {
  struct Case {
    int run_code;
    const char* box;  // null: the code is written as a line instead
  };
  const Case cases[] = {
      {kMorRun, "WARNING: MOR.exe is still active.\r\n\r\nSelect TERMINATE in the QARN\r\nmenu if you wish to stop MOR.exe."},
      {kOrbRun, "WARNING: ORB.exe is still active.\r\n\r\nSelect TERMINATE in the QARN\r\nmenu if you wish to stop ORB.exe."},
      {kFlumRun, "WARNING: FLUM.exe is still active.\r\n\r\nSelect TERMINATE in the QARN\r\nmenu if you wish to stop FLUM.exe."},
      {kMordRun, nullptr},
      {kMerlRun, nullptr},
      {kJornRun, nullptr},
  };
  for (const auto& c : cases) {
    ui::HeadlessUi fresh;
    State running;
    start_up(running, fresh, "/m");
    running.pending_command = c.run_code;
    running.running.set_exit_code(kStillActive);
    EXIT_TARNEX(running, fresh);
    EXPECT_FALSE(fresh.exit_code().has_value()) << c.run_code;
    if (c.box) {
      ASSERT_EQ(fresh.message_boxes().size(), 1u) << c.run_code;
      EXPECT_EQ(fresh.message_boxes()[0].text, c.box);
      EXPECT_EQ(fresh.message_boxes()[0].title, "ERROR");
    } else {
      EXPECT_TRUE(fresh.message_boxes().empty()) << c.run_code;
      EXPECT_EQ(fresh.text().rows()[10], " 259") << c.run_code;
    }
  }
}

TEST_F(RunningProgram, CloseDuringARunShowsTheExitRefusalAndTarnexStays) {
  struct Case {
    int run_code;
    const char* box;  // null: the code is written as a line instead, as Exit does
  };
  const Case cases[] = {
      {kMorRun, "WARNING: MOR.exe is still active.\r\n\r\nSelect TERMINATE in the QARN\r\nmenu if you wish to stop MOR.exe."},
      {kMerlRun, nullptr},
  };
  for (const auto& c : cases) {
    ui::HeadlessUi fresh;
    State running;
    start_up(running, fresh, "/m");
    running.pending_command = c.run_code;
    MENU_GRAYOUTS(running, fresh);
    running.running.set_exit_code(kStillActive);
    fresh.user_close();
    EXPECT_FALSE(fresh.exit_code().has_value()) << c.run_code;
    if (c.box) {
      ASSERT_EQ(fresh.message_boxes().size(), 1u) << c.run_code;
      EXPECT_EQ(fresh.message_boxes()[0].text, c.box);
      EXPECT_EQ(fresh.message_boxes()[0].title, "ERROR");
    } else {
      EXPECT_TRUE(fresh.message_boxes().empty()) << c.run_code;
      EXPECT_EQ(fresh.text().rows()[10], " 259") << c.run_code;
    }
    // Once the run is over, Close ends Tarnex.
    running.running.set_exit_code(0);
    running.pending_command = kIdle;
    MENU_GRAYOUTS(running, fresh);
    fresh.user_close();
    EXPECT_EQ(fresh.exit_code(), 0) << c.run_code;
  }
}

TEST_F(RunningProgram, ClearScreenKeepsThePositionTwentyRowsHigher) {
  struct Case {
    int rows_written;
    int row_after;  // the row the next text goes to
  };
  const Case cases[] = {{40, 22}, {21, 3}, {20, 2}, {5, 2}, {0, 2}};
  for (const auto& c : cases) {
    TextModel& text = ui.text();
    text.clear();
    for (int i = 0; i < c.rows_written; ++i) text.write_line("line");
    clear_screen(ui);
    EXPECT_EQ(text.position().row, c.row_after) << c.rows_written;
    EXPECT_EQ(text.text(), "") << c.rows_written;
  }
}

TEST(CursorPosition, BlankBoxGetsABlankWithTheCaretFirst) {
  ui::HeadlessUi ui;
  ui.templates().add(test::kEveryKindTemplate);
  auto dialog = ui.make_dialog(test::kEveryKindDialog);
  dialog->set_callback(102, ui::Event::FocusGain, CURSORPOSITION);
  auto& user = static_cast<ui::HeadlessDialog&>(*dialog);
  user.user_focus(102);
  EXPECT_EQ(dialog->text(102), " ");
  EXPECT_EQ(dialog->caret(102), 1);

  dialog->set_text(102, "BASIN");
  dialog->set_caret(102, 4);
  user.user_focus(103);
  user.user_focus(102);
  EXPECT_EQ(dialog->text(102), "BASIN");
  EXPECT_EQ(dialog->caret(102), 4);
}

}  // namespace
}  // namespace tarnex
