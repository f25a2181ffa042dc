#include <gtest/gtest.h>

#include "common/executable_paths.h"
#include "shell/banner.h"
#include "shell/menu_bar.h"
#include "shell/tarnex.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

TEST(Banner, TenLinesWithStarLinesAndBordersInTheSameColumns) {
  const auto lines = banner_lines();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines.front(), " ");
  EXPECT_EQ(lines.back(), " ");
  for (std::size_t i = 1; i <= 8; ++i) {
    ASSERT_EQ(lines[i].size(), 56u) << i;
    EXPECT_EQ(lines[i].substr(0, 5), i == 1 || i == 8 ? "   **" : "   **");
    EXPECT_EQ(lines[i].substr(54), "**") << i;
  }
  EXPECT_EQ(lines[1], "   " + std::string(53, '*'));
  EXPECT_EQ(lines[3], "   **" + std::string(22, ' ') + "Qarn" + std::string(23, ' ') + "**");
  EXPECT_EQ(lines[5], "   **" + std::string(21, ' ') + "Tarnex" + std::string(22, ' ') + "**");
  EXPECT_EQ(lines[4], "   **                Windows Interface                **");
  EXPECT_EQ(lines[6], "   **                March 2008 Version               **");
}

TEST(ExecutablePaths, DirectorySeparatorNameNulAndBlanks) {
  const auto field = executable_path_field("C:\\M", kMor, '\\');
  ASSERT_EQ(field.size(), 255u);
  EXPECT_EQ(field.substr(0, 11), std::string("C:\\M\\MOR.exe\0", 13).substr(0, 11));
  EXPECT_EQ(field[12], '\0');
  EXPECT_EQ(field.find_first_not_of(' ', 13), std::string::npos);
  EXPECT_EQ(path_of(field), "C:\\M\\MOR.exe");
  const std::pair<Executable, const char*> names[] = {{kMor, "/w/MOR.exe"},   {kMord, "/w/MORD.exe"},
                                                   {kOrb, "/w/ORB.exe"},   {kMerl, "/w/MERL.exe"},
                                                   {kFlum, "/w/FLUM.exe"}, {kJorn, "/w/JORN.exe"},
                                                   {kTarnex, "/w/Tarnex.exe"}};
  for (const auto& [program, path] : names) EXPECT_EQ(path_of(executable_path_field("/w", program, '/')), path);
}

TEST(ExecutablePaths, TooLongDirectoryIsCutWithTheFieldAndStartUpSaysSo) {
  const std::string directory(300, 'd');
  const auto field = executable_path_field(directory, kMor, '/');
  EXPECT_EQ(field.size(), 255u);
  EXPECT_EQ(path_of(field), std::string(255, 'd'));
  EXPECT_EQ(longest_directory(), 243u);

  // Each start-up in a window of its own: the menu bar is built once a window.
  {
    ui::HeadlessUi ui;
    State state;
    start_up(state, ui, std::string(longest_directory(), 'd'));
    EXPECT_EQ(ui.text().text().find("too long"), std::string::npos);
  }
  ui::HeadlessUi ui;
  State state;
  start_up(state, ui, std::string(longest_directory() + 1, 'd'));
  EXPECT_NE(ui.text().text().find("The start-up directory is too long"), std::string::npos);
}

// The seven menus of the program, then History.
TEST(MenuTable, EightMenusInOrderWithTheirItems) {
  const auto& menus = menu_table();
  std::vector<std::string> titles;
  for (const auto& m : menus) titles.push_back(m.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"QARN Files", "MS Programs", "&QARN Programs", "&HEC-DSSVue",
                                              "File Building Aids", "Information", "&Exit", "History"}));
  const std::vector<std::size_t> sizes = {14, 5, 6, 3, 3, 7, 3, 1};
  for (std::size_t i = 0; i < menus.size(); ++i) EXPECT_EQ(menus[i].entries.size(), sizes[i]) << titles[i];
  EXPECT_EQ(menus[2].entries[5].text, "Te&rminate");
  EXPECT_TRUE(menus[2].entries[4].separator());
  EXPECT_TRUE(menus[0].entries[1].separator());
  EXPECT_TRUE(menus[0].entries[7].separator());
  EXPECT_EQ(menus[6].entries[2].routine, "EXIT_TARNEX");
  EXPECT_EQ(menus[7].entries[0].routine, "RUN_HISTORY");
}

TEST(MenuTable, MalformedLinesAreRefused) {
  EXPECT_THROW(parse_menu_table("Item | ROUTINE\n"), std::runtime_error);
  EXPECT_THROW(parse_menu_table("menu M\nItem only\n"), std::runtime_error);
  EXPECT_THROW(parse_menu_table("menu M\nItem | R | bold\n"), std::runtime_error);
  EXPECT_THROW(parse_menu_table("menu M\nOne | R\nmenu N\nTwo | R\n"), std::runtime_error);
}

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override { start_up(state, ui, "/models"); }
  ui::HeadlessUi ui;
  State state;
};

TEST_F(StartUp, OnlyTerminateStartsGrayed) {
  const auto menus = ui.menus();
  ASSERT_EQ(menus.size(), 8u);
  for (std::size_t m = 0; m < menus.size(); ++m) {
    for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
      const bool terminate = menus[m].items[i].text == "Te&rminate";
      EXPECT_EQ(menus[m].items[i].enabled, !terminate) << menus[m].title << " item " << i + 1;
    }
  }
  EXPECT_FALSE(ui.menu_item_enabled("TERMINATE"));
}

TEST_F(StartUp, TitlesColoursFontBannerAndPaths) {
  EXPECT_EQ(ui.frame_title(), " Windows Interface for the Qarn");
  EXPECT_EQ(ui.text_title(), "Tarnex");
  EXPECT_EQ(ui.font(), "COURIER");
  EXPECT_TRUE(ui.black_on_white());
  EXPECT_EQ(ui.about_text(), "Tarnex Version\rMarch 2008");
  EXPECT_TRUE(ui.message_boxes().empty());
  const auto rows = ui.text().rows();
  const auto banner = banner_lines();
  ASSERT_GE(rows.size(), banner.size());
  for (std::size_t i = 0; i < banner.size(); ++i) EXPECT_EQ(rows[i], banner[i]);
  EXPECT_EQ(path_of(state.paths.executable_paths[kOrb]), std::string("/models") + system_spelling().separator + "ORB.exe");
  EXPECT_EQ(state.pending_command, kIdle);
}

TEST(StartUpFont, RefusedFontIsReportedAndTheProposalUsed) {
  ui::HeadlessUi ui;
  ui.accept_fonts("Other");
  State state;
  start_up(state, ui, "/m");
  ASSERT_EQ(ui.message_boxes().size(), 1u);
  EXPECT_EQ(ui.message_boxes()[0].text, "Setting Window Font Using Best Default Available");
  EXPECT_EQ(ui.message_boxes()[0].title, "ERROR");
  EXPECT_EQ(ui.font(), "proposed");
}

TEST_F(StartUp, RunItemsPostTheirCodes) {
  const std::pair<const char*, int> items[] = {
      {"&MOR-ORB", kMorOrbDialog}, {"&MERL-ORB", kMerlOrbDialog}, {"&FLUM", kFlumDialog}, {"&JORN", kJornDialog}};
  for (const auto& [item, code] : items) {
    ASSERT_TRUE(ui.user_choose_menu("&QARN Programs", item));
    EXPECT_EQ(state.pending_command, code) << item;
  }
  ASSERT_TRUE(ui.user_choose_menu("&Exit", "&Clear Screen"));
  EXPECT_EQ(state.pending_command, kClearScreen);
  EXPECT_FALSE(ui.user_choose_menu("&QARN Programs", "Te&rminate"));  // grayed
}

}  // namespace
}  // namespace tarnex
