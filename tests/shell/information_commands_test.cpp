// The instructions dialog with its three tab pages, and the documentation
// notice.

#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"
#include "shell/information_commands.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

using ui::HeadlessDialog;

struct PageCase {
  const char* caption;
  int dialog;
  int edit;
  int entry;
  // Facts the page must tell, as phrases it holds.
  std::vector<const char*> facts;
};

const PageCase kPages[] = {
    {"Directories and Files",
     ids::directories_and_files_page::kDialog,
     ids::directories_and_files_page::kText,
     1,
     {"directory that holds the model programs", "root", "full path", "Browse buttons fill in the full path",
      "output box fills in the default output names", "do not accept directory paths that contain blanks"}},
    {"Program Execution",
     ids::program_execution_page::kDialog,
     ids::program_execution_page::kText,
     2,
     {"menus", "hot keys", "QARN Programs", "MS Programs", "remember the last inputs",
      "output-name box copies the input names"}},
    {"File Builders",
     ids::file_builders_page::kDialog,
     ids::file_builders_page::kText,
     3,
     {"File Building Aids", "TIN file editor", "MOR DAT Template", "FLUM HIN Template", "never overwritten"}},
};

TEST(InstructionTexts, EachFitsItsBufferAndTellsItsFacts) {
  for (const auto& page : kPages) {
    const auto text = instruction_text(page.entry);
    EXPECT_LE(text.size(), 1000u) << page.entry;
    // Every line feed belongs to a carriage-return/line-feed pair.
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
      ASSERT_GT(at, 0u);
      EXPECT_EQ(text[at - 1], '\r') << page.entry;
    }
    std::string flowing;  // lines joined by blanks, so a phrase may cross a line end
    for (const auto line : split_lines(text)) flowing += without_trailing_blanks(line) + " ";
    std::erase(flowing, '\r');
    for (const char* fact : page.facts) EXPECT_NE(flowing.find(fact), std::string::npos) << page.entry << ": " << fact;
  }
}

TEST(Instructions, ThreeTabsEachShowingItsPageAndTheFirstSelected) {
  ui::HeadlessUi ui;
  int tabs = 0, selected = 0;
  std::vector<std::string> captions, texts;
  std::vector<int> page_ids;
  ui.on_modal(ids::instructions::kDialog, [&](HeadlessDialog& d) {
    tabs = d.item_count(ids::instructions::kTabs);
    selected = d.selected(ids::instructions::kTabs);
    for (int tab = 1; tab <= tabs; ++tab) {
      captions.push_back(d.item_text(ids::instructions::kTabs, tab));
      auto* page = d.page(ids::instructions::kTabs, tab);
      page_ids.push_back(page ? page->id() : 0);
      texts.push_back(page ? page->text(kPages[tab - 1].edit) : "");
    }
    d.user_click(ui::kCancel);
  });
  INSTRUCTIONS(ui);
  ASSERT_EQ(tabs, 3);
  EXPECT_EQ(selected, 1);
  for (int tab = 1; tab <= 3; ++tab) {
    const auto& page = kPages[tab - 1];
    EXPECT_EQ(captions[tab - 1], page.caption);
    EXPECT_EQ(page_ids[tab - 1], page.dialog);
    EXPECT_EQ(texts[tab - 1], instruction_text(page.entry));
  }
  EXPECT_EQ(ui.dialogs_run(), std::vector<int>{ids::instructions::kDialog});
}

// The lines of a text whose lines are separated by carriage-return/line-feed
// pairs; a lone line feed fails the test.
std::vector<std::string> crlf_lines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      lines.emplace_back();
      ++i;
    } else {
      EXPECT_NE(text[i], '\n') << "a line feed without its carriage return at " << i;
      lines.back() += text[i];
    }
  }
  return lines;
}

TEST(Documentation, NoticeStartsWithABreakAndIndentsItsLines) {
  const auto notice = documentation_notice();
  EXPECT_LE(notice.size(), 1000u);
  const auto lines = crlf_lines(notice);
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "");
  std::vector<std::size_t> blank_lines;
  std::string flowing;  // lines joined by blanks, so a phrase may cross a line end
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].empty()) {
      blank_lines.push_back(i);
      continue;
    }
    EXPECT_TRUE(lines[i].starts_with("  ") && lines[i][2] != ' ') << lines[i];
    EXPECT_EQ(lines[i], without_trailing_blanks(lines[i]));
    flowing += lines[i].substr(2) + " ";
  }
  // The heading, the reference and the distribution note, a blank line
  // between each.
  ASSERT_EQ(blank_lines.size(), 2u);
  EXPECT_EQ(blank_lines[0], 2u);
  for (const char* fact : {"Reference Manual", "Users Manual", "Fourth Edition, March 2008", "distributed by",
                           "downloaded from the QARN web site"}) {
    EXPECT_NE(flowing.find(fact), std::string::npos) << fact;
  }
}

TEST(Documentation, DialogShowsTheNotice) {
  ui::HeadlessUi ui;
  std::string shown;
  ui.on_modal(ids::documentation::kDialog, [&](HeadlessDialog& d) { shown = d.text(ids::documentation::kText); });
  QARN_DOCUMENTATION(ui);
  EXPECT_EQ(shown, documentation_notice());
  EXPECT_EQ(ui.dialogs_run(), std::vector<int>{ids::documentation::kDialog});
}

TEST(Documentation, CloseEndsTheDialog) {
  ui::HeadlessUi ui;
  ui.on_modal(ids::documentation::kDialog, [](HeadlessDialog& d) { d.user_click(ids::documentation::kClose); });
  EXPECT_EQ(ui.make_dialog(ids::documentation::kDialog)->run_modal(), ids::documentation::kClose);
}

}  // namespace
}  // namespace tarnex
