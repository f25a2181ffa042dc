// The editor dialog: its set-up, Create with the record dialogs, the
// buttons' refresh of the view, horizontal scrolling, Edit, Build ORBEN File
// and Help, each as the user meets them.

#include <filesystem>
#include <functional>

#include "base/file_system.h"
#include "editor_fixture.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/catalogue.h"
#include "tin/editor/file_builder.h"

namespace tarnex::tin::test {
namespace {

using Play = std::function<void(ui::HeadlessDialog&)>;

class FileViewTest : public EditorTest {
 protected:
  void load(const std::vector<std::string>& lines) { ASSERT_TRUE(state.tin.records.append(lines)); }

  // Runs the editor for x.tin, played by `play`, then cancelled.
  void edit(const Play& play) {
    ui.on_modal(tin_editor::kDialog, [&play](ui::HeadlessDialog& d) {
      play(d);
      d.user_click(ui::kCancel);
    });
    FILEBUILDER(state.tin, ui, "x.tin");
  }

  // A line whose column c holds the character for c (cycling through A-Z).
  static std::string ruler() {
    std::string line;
    for (int c = 0; c < 256; ++c) line += static_cast<char>('A' + c % 26);
    return line;
  }
};

TEST(EditorTemplate, RecordTypeListsOfferTheCataloguesTypes) {
  const TemplateLibrary templates;
  const auto* editor = templates.find(tin_editor::kDialog);
  ASSERT_NE(editor, nullptr);
  for (const auto& list : record_type_lists()) {
    const auto* control = editor->control(list.control);
    ASSERT_NE(control, nullptr) << list.heading;
    ASSERT_EQ(control->items.size(), list.entries.size()) << list.heading;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
      EXPECT_EQ(without_trailing_blanks(control->items[i]), list.entries[i]) << list.heading << " entry " << i + 1;
    }
  }
}

TEST_F(FileViewTest, OpensWithTheFileAndTheRecordList) {
  load({"TITL  a title", "ENDF"});
  edit([](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.caption(), "ORBEN File Builder Dialog for x.tin");
    EXPECT_EQ(d.text(tin_editor::kEditedFileName), "x.tin");
    EXPECT_EQ(d.text(tin_editor::kCurrentRecordType), "    ");
    EXPECT_EQ(d.text(tin_editor::kRecordTypeDescription), "Select a record type to create from the drop lists");
    EXPECT_EQ(items(d), (std::vector<std::string>{fit("TITL  a title", 256), fit("ENDF", 256)}));
    EXPECT_EQ(d.selected(tin_editor::kFileView), 0);
    EXPECT_EQ(d.scroll_position(tin_editor::kColumnScroll), 1);
    // Never past the end of the longest line, "TITL  a title".
    d.user_scroll(tin_editor::kColumnScroll, 500);
    EXPECT_EQ(d.scroll_position(tin_editor::kColumnScroll), 13);
    d.user_scroll(tin_editor::kColumnScroll, -5);
    EXPECT_EQ(d.scroll_position(tin_editor::kColumnScroll), 1);
  });
}

TEST_F(FileViewTest, ScrollingStopsAtTheEndOfTheLongestLine) {
  struct Case {
    std::vector<std::string> lines;
    int scrolled_to;
    int position;  // where the scroll bar stays
  };
  const std::string long_line = std::string(200, 'x');
  const Case cases[] = {
      {{"TITL  a title", "ENDF"}, 20, 13},
      {{"TITL  a title", "ENDF"}, 13, 13},
      {{"TITL  a title", "ENDF"}, 7, 7},
      {{"ENDF", ruler()}, 500, 129},
      {{long_line}, 140, 129},  // columns beyond 152 are never shown
      {{"    "}, 10, 1},
  };
  for (const auto& c : cases) {
    state.tin.records.clear();
    load(c.lines);
    edit([&c](ui::HeadlessDialog& d) {
      d.user_scroll(tin_editor::kColumnScroll, c.scrolled_to);
      EXPECT_EQ(d.scroll_position(tin_editor::kColumnScroll), c.position) << c.lines.front() << " " << c.scrolled_to;
      const auto shown = c.lines.front().size() >= static_cast<std::size_t>(c.position)
                             ? c.lines.front().substr(static_cast<std::size_t>(c.position) - 1, 1)
                             : std::string(" ");
      EXPECT_EQ(d.item_text(tin_editor::kFileView, 1).substr(0, 1), shown) << c.lines.front() << " " << c.scrolled_to;
    });
  }
}

TEST_F(FileViewTest, ScrollingShowsTheColumnsUpTo152) {
  load({ruler(), "ENDF"});
  edit([](ui::HeadlessDialog& d) {
    for (int first : {5, 129, 2}) {
      d.user_scroll(tin_editor::kColumnScroll, first);
      EXPECT_EQ(d.item_text(tin_editor::kFileView, 1), ruler().substr(static_cast<std::size_t>(first) - 1, 153 - first))
          << first;
      EXPECT_EQ(d.item_text(tin_editor::kFileView, 2),
                fit("ENDF", 256).substr(static_cast<std::size_t>(first) - 1, 153 - first))
          << first;
    }
  });
}

struct ButtonCase {
  const char* name;
  Play click;
  bool back_at_column_one;
};

TEST_F(FileViewTest, ButtonsShowTheLinesFromColumnOneAgain) {
  const auto select_and = [](int button) {
    return [button](ui::HeadlessDialog& d) {
      d.set_selected(tin_editor::kFileView, 2);
      d.user_click(button);
    };
  };
  const auto click = [](int button) { return [button](ui::HeadlessDialog& d) { d.user_click(button); }; };
  const ButtonCase cases[] = {
      {"Move Up", select_and(tin_editor::kMoveUp), true},
      {"Move Down", select_and(tin_editor::kMoveDown), true},
      {"Delete", select_and(tin_editor::kDelete), true},
      {"Create with no type chosen", click(tin_editor::kCreate), true},
      {"Build", click(tin_editor::kBuild), true},
      {"Help", click(tin_editor::kHelp), true},
      {"Move Up with nothing selected", click(tin_editor::kMoveUp), false},
      {"Move Down on the last line",
       [](ui::HeadlessDialog& d) {
         d.set_selected(tin_editor::kFileView, 3);
         d.user_click(tin_editor::kMoveDown);
       },
       false},
  };
  for (const auto& c : cases) {
    state.tin.records.clear();
    load({ruler(), ruler(), ruler()});
    edit([&c](ui::HeadlessDialog& d) {
      d.user_scroll(tin_editor::kColumnScroll, 40);
      c.click(d);
      EXPECT_EQ(d.scroll_position(tin_editor::kColumnScroll), c.back_at_column_one ? 1 : 40) << c.name;
      EXPECT_EQ(d.item_text(tin_editor::kFileView, 1).size(), c.back_at_column_one ? 256u : 113u) << c.name;
    });
  }
}

struct CreateCase {
  const char* list_entry;
  int list;
  int dialog;
  Play fill;
  int add;
  std::string line;
};

TEST_F(FileViewTest, CreateAppendsTheRecordOfTheChosenTypeAndSelectsIt) {
  const CreateCase cases[] = {
      {"TITL", tin_editor::kMiscList, ids::record_titl::kDialog,
       [](ui::HeadlessDialog& d) { d.user_type(ids::record_titl::kTitle, "A title"); }, ids::record_titl::kAdd,
       "TITL" "A title"},
      // with the starting values the Create set-up gives the dialog
      {"2NAT", tin_editor::kType2List, ids::record_series::kDialog,
       [](ui::HeadlessDialog& d) { d.user_choose(ids::record_series::kTa, "1"); }, ids::record_series::kAdd,
       "2NAT   1   0   0   0   0       0           0       0"},
      {"3U+D", tin_editor::kType3List, ids::record_type3::kDialog,
       [](ui::HeadlessDialog& d) { d.user_choose(ids::record_type3::kHec, "1"); }, ids::record_type3::kAdd,
       "3U+D" "    " "   1"},
      {"4ZZZ", tin_editor::kType4List, ids::record_4zzz::kDialog,
       [](ui::HeadlessDialog& d) { d.user_type(ids::record_4zzz::kRight, "BEGIN"); }, ids::record_4zzz::kAdd,
       "4ZZZ   0   0   0   0   0           BEGIN"},
  };
  load({"TITL first"});
  int count = 1;
  for (const auto& c : cases) {
    ui.on_modal(c.dialog, [&c](ui::HeadlessDialog& d) {
      c.fill(d);
      d.user_click(c.add);
    });
    edit([&c, &count](ui::HeadlessDialog& d) {
      d.user_choose(c.list, c.list_entry);
      d.user_click(tin_editor::kCreate);
      ++count;
      EXPECT_EQ(d.item_count(tin_editor::kFileView), count) << c.list_entry;
      EXPECT_EQ(d.selected(tin_editor::kFileView), count) << c.list_entry;
      EXPECT_EQ(d.item_text(tin_editor::kFileView, count), fit(c.line, 256)) << c.list_entry;
    });
    EXPECT_EQ(state.tin.records.line(count), fit(c.line, 256)) << c.list_entry;
  }
}

TEST_F(FileViewTest, CreateWithoutARecordTypeOpensNothing) {
  load({"TITL first"});
  edit([](ui::HeadlessDialog& d) {
    d.user_click(tin_editor::kCreate);
    d.user_choose(tin_editor::kType2List, "-----");
    d.user_click(tin_editor::kCreate);
    d.user_choose(tin_editor::kType2List, 1);
    d.user_click(tin_editor::kCreate);
  });
  EXPECT_EQ(ui.dialogs_run(), (std::vector<int>{tin_editor::kDialog}));
  EXPECT_EQ(state.tin.records.count(), 1);
}

TEST_F(FileViewTest, CreateCancelledLeavesListAndSelection) {
  load({"TITL first", "ENDF"});
  ui.on_modal(ids::record_endf::kDialog, [](ui::HeadlessDialog& d) { d.user_click(ui::kCancel); });
  edit([](ui::HeadlessDialog& d) {
    d.set_selected(tin_editor::kFileView, 1);
    d.user_choose(tin_editor::kMiscList, "ENDF");
    d.user_click(tin_editor::kCreate);
    EXPECT_EQ(d.item_count(tin_editor::kFileView), 2);
    EXPECT_EQ(d.selected(tin_editor::kFileView), 1);
  });
  EXPECT_EQ(ui.dialogs_run(), (std::vector<int>{tin_editor::kDialog, ids::record_endf::kDialog}));
  EXPECT_EQ(state.tin.records.count(), 2);
}

TEST_F(FileViewTest, EditKeepsTheEditorOpenAndTheListAsItIs) {
  load({"TITL first", "ENDF"});
  edit([](ui::HeadlessDialog& d) {
    d.user_click(tin_editor::kEdit);  // nothing selected: nothing opens
    d.set_selected(tin_editor::kFileView, 1);
    d.user_click(tin_editor::kEdit);  // the TITL dialog opens, and is cancelled
    EXPECT_TRUE(d.running());
    EXPECT_EQ(d.selected(tin_editor::kFileView), 1);
  });
  EXPECT_EQ(ui.dialogs_run(), (std::vector<int>{tin_editor::kDialog, ids::record_titl::kDialog}));
  EXPECT_EQ(state.tin.records.count(), 2);
}

TEST_F(FileViewTest, DoubleClickIsEditAndTheDeleteKeyIsDelete) {
  load({"TITL first", "COMM second", "ENDF"});
  edit([](ui::HeadlessDialog& d) {
    d.user_double_click(tin_editor::kFileView, 1);  // the TITL dialog opens, and is cancelled
    EXPECT_EQ(d.selected(tin_editor::kFileView), 1);
    d.set_selected(tin_editor::kFileView, 2);
    d.user_press_delete(tin_editor::kFileView);
    EXPECT_EQ(d.item_count(tin_editor::kFileView), 2);
    EXPECT_EQ(d.item_text(tin_editor::kFileView, 2), fit("ENDF", 256));
  });
  EXPECT_EQ(ui.dialogs_run(), (std::vector<int>{tin_editor::kDialog, ids::record_titl::kDialog}));
  EXPECT_EQ(state.tin.records.count(), 2);
  EXPECT_EQ(state.tin.records.line(2), fit("ENDF", 256));
}

TEST_F(FileViewTest, BuildWritesTheFileAndReportsItsWarnings) {
  load({"COMM a", "TITL", "ENDF", std::string(200, 'x')});
  Seen report;
  read_next(ids::tin_message::kDialog, ids::tin_message::kText, report);
  edit([](ui::HeadlessDialog& d) {
    d.user_click(tin_editor::kBuild);
    EXPECT_TRUE(d.running());
  });
  EXPECT_EQ(report.caption, "x.tin");
  EXPECT_EQ(report.text,
            "\r\nThe ORBEN file was successfully written to x.tin.\r\n\r\n*****WARNING*****\r\n"
            "The file contains records other than TITL records at the beginning of the file.\r\n"
            "An ENDF record(s) was found positioned other than at the end of the file.\r\n"
            "The file does not contain an ENDF record as the last entry.\r\n*****************");
  const std::string end(files::kLineEnd);
  EXPECT_EQ(directory.read("x.tin"),
            fit("COMM a", 152) + end + fit("TITL", 152) + end + fit("ENDF", 152) + end + std::string(152, 'x') + end);
}

TEST_F(FileViewTest, BuildThatFailsReportsErrorAndKeepsTheList) {
  std::filesystem::create_directory("x.tin");
  load({"TITL", "ENDF"});
  Seen report;
  read_next(ids::tin_message::kDialog, ids::tin_message::kText, report);
  edit([](ui::HeadlessDialog& d) { d.user_click(tin_editor::kBuild); });
  EXPECT_EQ(report.caption, "x.tin");
  EXPECT_EQ(report.text, "\r\nERROR\r\nThe ORBEN file was not written to x.tin.");
  EXPECT_TRUE(std::filesystem::is_directory("x.tin"));
  EXPECT_EQ(state.tin.records.count(), 2);
}

TEST_F(FileViewTest, HelpShowsItsFiveParagraphs) {
  Seen help;
  read_next(ids::tin_message::kDialog, ids::tin_message::kText, help);
  edit([](ui::HeadlessDialog& d) { d.user_click(tin_editor::kHelp); });
  EXPECT_EQ(help.caption, "Help");
  EXPECT_TRUE(help.text.starts_with("To add a record to the file, select a drop list of the record type you desire "
                                    "then click CREATE.  In the dialog box"));
  EXPECT_NE(help.text.find("end of the ORBEN file.\r\n\r\nTo move a record up or down in the file, select the record "
                           "with the mouse in the 'File View' box and use the 'Move Up' or 'Move Down' buttons.\r\n\r\n"
                           "The 'Edit' button will activate a dialog box to modify the selected record.\r\n\r\nThe "
                           "'Delete' button will remove a record from the file, and all subsequent records will be "
                           "automatically shifted up one row to replace the deleted record.\r\n\r\n"),
            std::string::npos);
  EXPECT_TRUE(help.text.ends_with("in the title bar of the File Builder dialog box."));
}

}  // namespace
}  // namespace tarnex::tin::test
