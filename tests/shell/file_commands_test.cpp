// The "QARN Files" commands: their filters, and the shared open-file request
// that opens the chosen file and remembers it.

#include <gtest/gtest.h>

#include "shell/file_commands.h"
#include "shell/menu_bar.h"
#include "shell/menu_commands.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

struct FilterCase {
  const char* item;  // in the "QARN Files" menu
  const char* routine;
  const char* description;
  const char* patterns;
};

const FilterCase kFilters[] = {
    {"All Files", "FILES_ALL", "All Files", "*.*"},
    {"All QARN Files", "QARN_FILES_ALL", "All QARN Files",
     "*.BES;*.BRC;*.BRS;*.CRM;*.DAT;*.JORN;*.DIN;*.DIS;*.DMS;*.EVA;*.FAD;*.FFA;*.FLO;*.HIN;*.HRR;*.FLUM;*.INF;"
     "*.MSS;*.OUT;*.SAL;*.SFF;*.SIN;*.SMD;*.SMS;*.SOU;*.SUB;*.ORB;*.TIN;*.TOU;*.TMS;*.YRO;*.ZZZ"},
    {"Main Input Files", "QARN_FILES_INPUT", "Main Input Files", "*.DAT;*.DIN;*.HIN;*.SIN;*.SMD;*.TIN"},
    {"Main Output Files", "QARN_FILES_OUTPUT", "Main Output Files", "*.CRM;*.JORN;*.OUT;*.SAL;*.SOU;*.SUB;*.ORB;*.TOU"},
    {"Hydrology Files", "QARN_FILES_HYDROLOGY", "Hydrology Input Files", "*.DIS;*.EVA;*.FAD;*.FLO;*.FLUM;*.INF"},
    {"Special Files", "QARN_FILES_SPECIAL", "Special Files", "*.BES;*.BRC;*.BRS;*.FFA;*.HRR;*.SFF;*.YRO;*.ZZZ"},
    {"Message Files", "QARN_FILES_MESSAGES", "Message Files", "*.DMS;*.MSS;*.SMS;*.TMS;*.HMS"},
    {"DAT Files", "QARN_FILES_DAT", "DAT Files", "*.DAT"},
    {"SOU Files", "QARN_FILES_SOU", "SOU Files", "*.OUT;*.SOU"},
    {"TIN Files", "QARN_FILES_TIN", "TIN Files", "*.TIN"},
    {"TOU Files", "QARN_FILES_TOU", "TOU Files", "*.ORB;*.TOU"},
    {"DSS Files", "HECDSS_FILES", "DSS Files", "*.DSS"},
};

TEST(FileFilters, TheTableInTheMenusOrder) {
  const auto& filters = file_filters();
  ASSERT_EQ(filters.size(), std::size(kFilters));
  for (std::size_t i = 0; i < filters.size(); ++i) {
    EXPECT_EQ(filters[i].routine, kFilters[i].routine);
    EXPECT_EQ(filters[i].description, kFilters[i].description);
    EXPECT_EQ(filters[i].patterns, kFilters[i].patterns);
  }
}

TEST(FileFilters, AllQarnFilesHolds32Patterns) {
  const auto& all = file_filters()[1].patterns;
  EXPECT_EQ(std::count(all.begin(), all.end(), ';') + 1, 32);
  EXPECT_LT(all.find("*.TOU;*.TMS"), all.find("*.YRO"));
}

class FileCommands : public testing::Test {
 protected:
  void SetUp() override {
    MenuRoutines routines;
    add_menu_commands(routines, ui);
    build_menu_bar(ui, routines);
  }
  bool choose(const char* item) { return ui.user_choose_menu("QARN Files", item); }
  ui::HeadlessUi ui;
};

TEST_F(FileCommands, EachItemOffersItsFilterAndOpensTheChosenFile) {
  for (const auto& c : kFilters) {
    const std::string path = std::string("/data/") + c.routine + ".x";
    ui.answer_open_file(path);
    ASSERT_TRUE(choose(c.item)) << c.item;
    EXPECT_EQ(ui.last_open_file_filter(), std::vector<std::string>{std::string(c.description) + "|" + c.patterns});
    EXPECT_EQ(ui.last_open_file_title(), "Select the QARN file");
    EXPECT_EQ(ui.shell_opened().back(), path);
  }
  EXPECT_EQ(ui.shell_opened().size(), std::size(kFilters));
}

TEST_F(FileCommands, CancelOpensNothingAndTheLastChoiceIsShownAgain) {
  ui.answer_open_file("/m/BASIN.DAT");
  ASSERT_TRUE(choose("DAT Files"));
  EXPECT_EQ(ui.last_open_file_initial(), "");
  ui.answer_open_file(std::nullopt);
  ASSERT_TRUE(choose("TIN Files"));
  EXPECT_EQ(ui.last_open_file_initial(), "/m/BASIN.DAT");
  ui.answer_open_file(std::nullopt);
  ASSERT_TRUE(choose("All Files"));
  EXPECT_EQ(ui.last_open_file_initial(), "/m/BASIN.DAT");
  EXPECT_EQ(ui.shell_opened(), std::vector<std::string>{"/m/BASIN.DAT"});
}

TEST_F(FileCommands, AFileNoApplicationCouldOpenIsReportedInAnErrorBox) {
  struct Case {
    int result;
    bool reported;
  };
  const Case cases[] = {{33, false}, {42, false}, {32, true}, {31, true}, {0, true}};
  for (const auto& c : cases) {
    ui::HeadlessUi fresh;
    MenuRoutines routines;
    add_menu_commands(routines, fresh);
    build_menu_bar(fresh, routines);
    fresh.set_shell_result(c.result);
    fresh.answer_open_file("/m/BASIN.ZZZ");
    ASSERT_TRUE(fresh.user_choose_menu("QARN Files", "Special Files"));
    EXPECT_EQ(fresh.shell_opened(), std::vector<std::string>{"/m/BASIN.ZZZ"});
    if (c.reported) {
      ASSERT_EQ(fresh.message_boxes().size(), 1u) << c.result;
      EXPECT_EQ(fresh.message_boxes()[0].title, "ERROR");
      EXPECT_EQ(fresh.message_boxes()[0].text, "/m/BASIN.ZZZ\r\n\r\nNo application could open this file.");
    } else {
      EXPECT_TRUE(fresh.message_boxes().empty()) << c.result;
    }
    // The window's text is the model programs' and the Parts' own.
    EXPECT_TRUE(fresh.text().text().empty()) << c.result;
  }
}

}  // namespace
}  // namespace tarnex
