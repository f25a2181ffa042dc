// The application commands: their programs per platform, tried in order,
// and the one line written when none of them starts.

#include <gtest/gtest.h>

#include <algorithm>

#include "resources/resources.h"
#include "shell/application_commands.h"
#include "shell/menu_bar.h"
#include "shell/menu_commands.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

using Arguments = std::vector<std::string>;
using Programs = std::vector<Arguments>;

TEST(ApplicationTable, WindowsCommandLinesAndInstallationPaths) {
  struct Case {
    const char* routine;
    const char* error_text;
    Programs programs;
  };
  const Case cases[] = {
      {"DOS_EDITOR", "Unable to spawn Command Prompt.  error code:", {{"edit.com"}}},
      {"NOTEPAD", "Unable to spawn NotePad.  error code:", {{"Notepad.exe"}}},
      {"WORDPAD", "Unable to spawn WordPad.  error code:", {{"write.exe"}}},
      {"MSWORD",
       "Unable to spawn MS-WORD.  error code:",
       {{"C:\\Program Files\\Microsoft Office\\Office\\winword.exe"},
        {"C:\\Program Files\\Microsoft Office\\Office10\\winword.exe"},
        {"C:\\Program Files\\Microsoft Office\\Office11\\winword.exe"}}},
      {"EXCEL",
       "Unable to spawn Excel.  error code:",
       {{"C:\\Program Files\\Microsoft Office\\Office\\excel.exe"},
        {"C:\\Program Files\\Microsoft Office\\Office10\\excel.exe"},
        {"C:\\Program Files\\Microsoft Office\\Office11\\excel.exe"}}},
      {"HEC_DSSVUE",
       "Unable to spawn HEC-DSSVue.  error code:",
       {{"C:\\Program Files\\HEC\\HEC-DSSVue\\HEC-DSSVue.exe"}}},
  };
  const auto commands = parse_application_table(resources::text("tables/applications.tbl"), "windows");
  ASSERT_EQ(commands.size(), std::size(cases));
  for (std::size_t i = 0; i < commands.size(); ++i) {
    EXPECT_EQ(commands[i].routine, cases[i].routine);
    EXPECT_EQ(commands[i].error_text, cases[i].error_text);
    EXPECT_EQ(commands[i].programs, cases[i].programs) << cases[i].routine;
  }
}

TEST(ApplicationTable, EveryCommandHasProgramsElsewhereToo) {
  const auto commands = parse_application_table(resources::text("tables/applications.tbl"), "posix");
  ASSERT_EQ(commands.size(), 6u);
  for (const auto& command : commands) {
    EXPECT_FALSE(command.programs.empty()) << command.routine;
    for (const auto& program : command.programs) {
      ASSERT_FALSE(program.empty()) << command.routine;
      EXPECT_EQ(program.front().find('\\'), std::string::npos) << command.routine << ": " << program.front();
    }
  }
}

// The program takes the rows of the system it runs on.
TEST(ApplicationTable, ThisSystemTakesItsOwnRows) {
  const auto& commands = application_commands();
  const auto notepad = std::ranges::find(commands, std::string("NOTEPAD"), &ApplicationCommand::routine);
  ASSERT_NE(notepad, commands.end());
#ifdef _WIN32
  EXPECT_EQ(notepad->programs, Programs{{"Notepad.exe"}});
#else
  EXPECT_EQ(notepad->programs.front(), Arguments{"gnome-text-editor"});
#endif
}

TEST(ApplicationTable, CommandLinesSplitAtBlanksApplicationsKeepTheirs) {
  const auto commands = parse_application_table(
      "X | Unable.  error code:\n"
      "X | posix | command | office  --writer\n"
      "X | windows | command | other\n"
      "X | posix | application | /opt/My Programs/run.sh\n",
      "posix");
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].programs, (Programs{{"office", "--writer"}, {"/opt/My Programs/run.sh"}}));
}

TEST(ApplicationTable, MalformedRowsAreRefused) {
  const char* tables[] = {
      "X | posix | command | before its error text\n",
      "X | text\nX | posix | shell | unknown kind\n",
      "X | text\nX | posix | command |  \n",
      "X | text\nX | text again\n",
      "X | text\nX | posix | command\n",
  };
  for (const char* table : tables) EXPECT_THROW(parse_application_table(table, "posix"), std::runtime_error) << table;
}

const ApplicationCommand kWord{
    "MSWORD", "Unable to spawn MS-WORD.  error code:", {{"first"}, {"second"}, {"third", "-x"}}};

TEST(StartApplication, TheFirstProgramThatStartsWinsSilently) {
  struct Case {
    std::vector<std::pair<const char*, int>> failing;
    Programs tried;
  };
  const Case cases[] = {
      {{}, {{"first"}}},
      {{{"first", 2}}, {{"first"}, {"second"}}},
      {{{"first", 2}, {"second", 13}}, {{"first"}, {"second"}, {"third", "-x"}}},
  };
  for (const auto& c : cases) {
    ui::HeadlessUi ui;
    for (const auto& [program, error] : c.failing) ui.fail_program_start(program, error);
    start_application(ui, kWord);
    EXPECT_EQ(ui.program_starts(), c.tried);
    EXPECT_EQ(ui.text().text(), "");
  }
}

TEST(StartApplication, WhenNoneStartsOneLineCarriesTheLastErrorCode) {
  ui::HeadlessUi ui;
  ui.fail_program_start("first", 2);
  ui.fail_program_start("second", 13);
  ui.fail_program_start("third", 8);
  start_application(ui, kWord);
  EXPECT_EQ(ui.program_starts().size(), 3u);
  EXPECT_EQ(ui.text().text(), " Unable to spawn MS-WORD.  error code: 8");
}

TEST(StartApplication, TheMenuItemsStartTheirCommands) {
  const std::pair<const char*, const char*> items[] = {
      {"MS Programs", "DOS Editor"}, {"MS Programs", "NotePad"}, {"MS Programs", "WordPad"},
      {"MS Programs", "Word"},       {"MS Programs", "Excel"},   {"&HEC-DSSVue", "&HEC-DSSVUE"},
  };
  ui::HeadlessUi ui;
  MenuRoutines routines;
  add_menu_commands(routines, ui);
  build_menu_bar(ui, routines);
  for (std::size_t i = 0; i < std::size(items); ++i) {
    ASSERT_TRUE(ui.user_choose_menu(items[i].first, items[i].second)) << items[i].second;
    ASSERT_EQ(ui.program_starts().size(), i + 1) << items[i].second;
    EXPECT_EQ(ui.program_starts().back(), application_commands()[i].programs.front()) << items[i].second;
  }
}

}  // namespace
}  // namespace tarnex
