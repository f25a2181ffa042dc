// The web commands: their addresses, and the line written when a page
// cannot be opened.

#include <gtest/gtest.h>

#include "shell/menu_bar.h"
#include "shell/menu_commands.h"
#include "shell/web_commands.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

struct WebCase {
  const char* menu;
  const char* item;
  const char* routine;
  const char* failure_text;
  const char* address;
};

const WebCase kPages[] = {
    {"&HEC-DSSVue", "&HEC Website", "HEC_WEBSITE", "opening HEC url", "https://www.hec.usace.army.mil/"},
    {"Information", "ORMEL VOR", "PELLAMWEBSITELAUNCH", "opening PELLAM url",
     "https://example.org/tarnex-placeholder/ormel-vor"},
    {"Information", "QUIST", "QUISTWEBSITELAUNCH", "opening QUIST url", "https://example.org/tarnex-placeholder/quist"},
    {"Information", "HARROW QARN", "KELDAWEBSITELAUNCH", "opening HARROW url",
     "https://example.org/tarnex-placeholder/harrow-qarn"},
};

TEST(WebTable, FourPagesWithTheirTexts) {
  const auto& commands = web_commands();
  ASSERT_EQ(commands.size(), std::size(kPages));
  for (std::size_t i = 0; i < commands.size(); ++i) {
    EXPECT_EQ(commands[i].routine, kPages[i].routine);
    EXPECT_EQ(commands[i].failure_text, kPages[i].failure_text);
    EXPECT_EQ(commands[i].address, kPages[i].address);
  }
}

TEST(WebTable, AMalformedRowIsRefused) {
  EXPECT_THROW(parse_web_table("HEC_WEBSITE | https://x\n"), std::runtime_error);
}

class WebCommands : public testing::Test {
 protected:
  void SetUp() override {
    MenuRoutines routines;
    add_menu_commands(routines, ui);
    build_menu_bar(ui, routines);
  }
  ui::HeadlessUi ui;
};

TEST_F(WebCommands, EachItemOpensItsAddressSilently) {
  for (const auto& page : kPages) ASSERT_TRUE(ui.user_choose_menu(page.menu, page.item)) << page.item;
  std::vector<std::string> addresses;
  for (const auto& page : kPages) addresses.emplace_back(page.address);
  EXPECT_EQ(ui.shell_opened(), addresses);
  EXPECT_EQ(ui.text().text(), "");
  EXPECT_TRUE(ui.message_boxes().empty());
}

TEST_F(WebCommands, APageThatCannotBeOpenedWritesErrorCodeAndText) {
  struct Case {
    int result;
    const char* line;  // "": nothing is written
  };
  const Case cases[] = {{33, ""}, {32, " Error 32 opening QUIST url"}, {2, " Error 2 opening QUIST url"},
                        {0, " Error 0 opening QUIST url"}};
  std::size_t failures = 0;
  for (const auto& c : cases) {
    ui.text().clear();
    ui.set_shell_result(c.result);
    ASSERT_TRUE(ui.user_choose_menu("Information", "QUIST"));
    EXPECT_EQ(ui.text().text(), c.line) << c.result;
    // A failure is also reported in an "ERROR" box naming the address.
    if (*c.line != '\0') ++failures;
    ASSERT_EQ(ui.message_boxes().size(), failures) << c.result;
    if (failures > 0) {
      EXPECT_EQ(ui.message_boxes().back().title, "ERROR");
      EXPECT_EQ(ui.message_boxes().back().text,
                "https://example.org/tarnex-placeholder/quist\r\n\r\nNo application could open this web address.");
    }
  }
}

}  // namespace
}  // namespace tarnex
