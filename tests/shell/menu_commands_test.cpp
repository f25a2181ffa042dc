// Every item of the menu table that acts at once has its routine.

#include <gtest/gtest.h>

#include <set>

#include "resources/dialog_ids.h"
#include "shell/menu_bar.h"
#include "shell/menu_commands.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

TEST(MenuCommands, BindTheirItemsOfTheMenuTable) {
  // Bound elsewhere: the run items, Terminate, the TIN editor, Clear Screen,
  // Exit, the about box and the History window.
  const std::set<std::string> elsewhere = {"QARN_MOR_ORB", "QARN_MERL_ORB", "QARN_FLUM",    "QARN_JORN",
                                           "TERMINATE",    "ORBEN_FILENAME", "CLEAR_SCREEN", "EXIT_TARNEX",
                                           "ABOUT_BOX",    "RUN_HISTORY"};
  ui::HeadlessUi ui;
  MenuRoutines routines;
  add_menu_commands(routines, ui);
  std::size_t bound = 0;
  for (const auto& menu : menu_table()) {
    for (const auto& entry : menu.entries) {
      if (entry.separator() || elsewhere.contains(entry.routine)) continue;
      EXPECT_TRUE(routines.contains(entry.routine)) << entry.routine;
      ++bound;
    }
  }
  EXPECT_EQ(bound, 26u);
  EXPECT_EQ(routines.size(), bound);
}

TEST(MenuCommands, InformationItemsOpenTheirDialogs) {
  ui::HeadlessUi ui;
  MenuRoutines routines;
  add_menu_commands(routines, ui);
  build_menu_bar(ui, routines);
  ASSERT_TRUE(ui.user_choose_menu("Information", "&Tarnex Instructions"));
  ASSERT_TRUE(ui.user_choose_menu("Information", "&QARN Documentation"));
  ASSERT_TRUE(ui.user_choose_menu("File Building Aids", "MOR DAT Template"));
  ASSERT_TRUE(ui.user_choose_menu("File Building Aids", "FLUM HIN Template"));
  const std::vector<int> opened = {ids::instructions::kDialog, ids::documentation::kDialog, ids::template_name::kDialog,
                                   ids::template_name::kDialog};
  EXPECT_EQ(ui.dialogs_run(), opened);
}

}  // namespace
}  // namespace tarnex
