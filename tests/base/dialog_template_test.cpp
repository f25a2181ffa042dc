#include <gtest/gtest.h>

#include "base/dialog_template.h"

namespace tarnex {
namespace {

TEST(DialogTemplate, ReadsControlsWithPlacesFlagsAndItems) {
  const auto dialogs = parse_dialog_templates(R"(
# a comment
dialog 10 "A \"quoted\" title"
static -1 row=0 col=0 "Root:"
static -1 row=1 col=0 "Other:"
edit 11 row=0 col=1 span=2 multiline "initial"
edit 12 hidden fixedpitch vscroll
droplist 13 row=2 "" "ONE" "TWO" "  "
group 14 row=3 span=3 "Replace"
radio 15 in=14 "Yes"
radio 16 in=14 col=1 "No"
radio 17 in=14 newgroup row=1 "Other"
dialog 20 page
edit 1000 multiline readonly
)");
  ASSERT_EQ(dialogs.size(), 2u);
  const auto& d = dialogs[0];
  EXPECT_EQ(d.id, 10);
  EXPECT_EQ(d.title, "A \"quoted\" title");
  ASSERT_EQ(d.controls.size(), 9u);
  const auto* edit = d.control(11);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->kind, ControlKind::Edit);
  EXPECT_EQ(edit->column_span, 2);
  EXPECT_TRUE(edit->multi_line);
  EXPECT_EQ(edit->caption, "initial");
  EXPECT_TRUE(d.control(12)->hidden);
  EXPECT_TRUE(d.control(12)->fixed_pitch);
  EXPECT_TRUE(d.control(12)->always_scroll_bar);
  EXPECT_EQ(d.control(13)->items, (std::vector<std::string>{"ONE", "TWO", "  "}));
  EXPECT_EQ(d.control(15)->parent, 14);
  EXPECT_EQ(d.control(15)->radio_group, d.control(16)->radio_group);
  EXPECT_NE(d.control(16)->radio_group, d.control(17)->radio_group);
  EXPECT_TRUE(dialogs[1].page);
  EXPECT_TRUE(dialogs[1].control(1000)->read_only);
}

TEST(DialogTemplate, ReadsTheNamesOfDialogsAndControls) {
  const auto dialogs = parse_dialog_templates(R"(
dialog 10 name=run_box "Run"
edit 11 name=MorRoot row=0 col=0 "name=NotAName"
button 12 row=1 col=0 "Unnamed"
dialog 20 page name=text_page
edit 1000 multiline name=Text readonly
dialog 30 "No name"
)");
  ASSERT_EQ(dialogs.size(), 3u);
  EXPECT_EQ(dialogs[0].name, "run_box");
  EXPECT_EQ(dialogs[0].title, "Run");
  EXPECT_EQ(dialogs[0].control(11)->name, "MorRoot");
  EXPECT_EQ(dialogs[0].control(11)->caption, "name=NotAName");
  EXPECT_EQ(dialogs[0].control(11)->kind, ControlKind::Edit);
  EXPECT_EQ(dialogs[0].control(12)->name, "");
  EXPECT_EQ(dialogs[1].name, "text_page");
  EXPECT_TRUE(dialogs[1].page);
  EXPECT_EQ(dialogs[1].control(1000)->name, "Text");
  EXPECT_TRUE(dialogs[1].control(1000)->multi_line);
  EXPECT_TRUE(dialogs[1].control(1000)->read_only);
  EXPECT_EQ(dialogs[2].name, "");
}

TEST(DialogTemplate, ReadsHowTheWindowShowsAControl) {
  const auto dialogs = parse_dialog_templates(R"(
dialog 10 ""
edit 11 row=0 col=0 readonly label "1 - 4"
edit 12 row=0 col=1 multiline onevalue
list 13 row=1 col=0 doubleclick=14 deletekey=15
button 14 row=2 col=0 "Edit"
button 15 row=2 col=1 "Delete"
edit 16 row=3 col=0 multiline
)");
  const auto& d = dialogs.at(0);
  EXPECT_TRUE(d.control(11)->label);
  EXPECT_TRUE(d.control(12)->one_value);
  EXPECT_EQ(d.control(13)->double_click, 14);
  EXPECT_EQ(d.control(13)->delete_key, 15);
  EXPECT_FALSE(d.control(16)->label);
  EXPECT_FALSE(d.control(16)->one_value);
  EXPECT_EQ(d.control(16)->double_click, 0);
  EXPECT_EQ(d.control(16)->delete_key, 0);
}

TEST(DialogTemplate, MalformedLinesNameTheirLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"edit 1", "control before any dialog"},
      {"dialog 1\nwidget 2", "line 2: unknown kind widget"},
      {"dialog 1\nedit x", "line 2: not a number: x"},
      {"dialog 1\nedit 2 \"open", "line 2: unclosed quote"},
      {"dialog 1\nedit 2\nedit 2", "line 3: id used twice"},
      {"dialog 1\nedit 2 colour=3", "line 2: unknown key colour"},
  };
  for (const auto& [text, message] : cases) {
    try {
      parse_dialog_templates(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const TemplateError& error) {
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace tarnex
