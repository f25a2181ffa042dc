// Naming the TIN file: the typed root becomes the name with ".tin", a new
// file leaves nothing on disk, an existing one is loaded, Browse fills the
// root, and each failure shows its error dialog without opening the editor.

#include <filesystem>
#include <optional>

#include "editor_fixture.h"

namespace tarnex::tin::test {
namespace {

struct NameCase {
  const char* name;
  std::string root;
  std::vector<int> dialogs;
  std::string file_name;  // the editing run's, when the editor opens
};

TEST_F(EditorTest, TypedRootNamesTheFile) {
  directory.put("x.tin", "TITL old\n");
  directory.put("BASIN.TIN", "TITL basin\nENDF\n");
  std::filesystem::create_directory("sub");
  const NameCase cases[] = {
      {"new file", "new", {orben_file_name::kDialog, tin_editor::kDialog}, "new.tin"},
      {"blanks around the root dropped", "  new  ", {orben_file_name::kDialog, tin_editor::kDialog}, "new.tin"},
      {"extension appended to a typed one", "x.tin", {orben_file_name::kDialog, tin_editor::kDialog}, "x.tin.tin"},
      {"existing file", "x", {orben_file_name::kDialog, tin_editor::kDialog}, "x.tin"},
#ifdef _WIN32
      // The system finds the file in any letter case: the name stays as typed.
      {"any letter case", "basin", {orben_file_name::kDialog, tin_editor::kDialog}, "basin.tin"},
#else
      {"any letter case", "basin", {orben_file_name::kDialog, tin_editor::kDialog}, "BASIN.TIN"},
#endif
      {"new file in a directory", "sub/y", {orben_file_name::kDialog, tin_editor::kDialog}, "sub/y.tin"},
      {"blank root", "   ", {orben_file_name::kDialog, ids::invalid_filename::kDialog}, ""},
      {"empty root", "", {orben_file_name::kDialog, ids::invalid_filename::kDialog}, ""},
      {"directory that does not exist", "nowhere/x", {orben_file_name::kDialog, ids::file_not_found::kDialog}, ""},
  };
  for (const auto& c : cases) {
    const auto before = ui.dialogs_run().size();
    Seen editor;
    if (!c.file_name.empty()) read_next(tin_editor::kDialog, tin_editor::kEditedFileName, editor, ui::kCancel);
    begin_editing(c.root);
    EXPECT_EQ(dialogs_since(before), c.dialogs) << c.name;
    EXPECT_EQ(editor.text, c.file_name) << c.name;
    if (!c.file_name.empty()) {
      EXPECT_EQ(editor.caption, "ORBEN File Builder Dialog for " + c.file_name) << c.name;
    }
  }
  EXPECT_EQ(directory.file_count(), 3u) << "a new file or a probe was left on disk";
  EXPECT_FALSE(std::filesystem::exists("sub/y.tin"));
}

// A root longer than its 256 characters is refused, not cut: the cut root
// may name another file, which the editor would load and Build overwrite.
// The file-name dialog stays open for a shorter root.
TEST_F(EditorTest, RootLongerThan256CharactersIsRefused) {
  const std::string folder(100, 'd');
  std::filesystem::create_directory(folder);
  const std::string cut = folder + "/" + std::string(155, 'a');
  ASSERT_EQ(cut.size(), 256u);
  directory.put(cut + ".tin", "TITL another file\n");
  for (const auto& root : {cut + "b", " " + cut + std::string(300, 'b') + " "}) {
    const auto before = ui.dialogs_run().size();
    Seen editor;
    read_next(tin_editor::kDialog, tin_editor::kEditedFileName, editor, ui::kCancel);
    ui.on_modal(orben_file_name::kDialog, [&root](ui::HeadlessDialog& d) {
      d.user_type(orben_file_name::kFileRoot, root);
      d.user_click(orben_file_name::kBeginEditing);
      d.user_type(orben_file_name::kFileRoot, "short");
      d.user_click(orben_file_name::kBeginEditing);
    });
    ORBEN_FILENAME(state.tin, state.paths, ui);
    EXPECT_EQ(dialogs_since(before), (std::vector<int>{orben_file_name::kDialog, tin_editor::kDialog}));
    EXPECT_EQ(editor.text, "short.tin");
    ASSERT_FALSE(ui.message_boxes().empty());
    EXPECT_EQ(ui.message_boxes().back().title, "ERROR");
    EXPECT_EQ(ui.message_boxes().back().text,
              "The root of the file name is longer than 256 characters.\r\n"
              "Type a shorter root, or move the file to a shorter path and choose it again.");
  }
  EXPECT_EQ(ui.message_boxes().size(), 2u);
  EXPECT_EQ(directory.read(cut + ".tin"), "TITL another file\n");
}

TEST_F(EditorTest, ExistingFileIsLoadedIntoTheList) {
  directory.put("basin.tin", "TITL  a basin\r\n" + std::string(300, 'c') + "\r\nENDF\r\n");
  std::vector<std::string> shown;
  ui.on_modal(tin_editor::kDialog, [&shown](ui::HeadlessDialog& d) { shown = items(d); });
  begin_editing("basin");
  ASSERT_EQ(state.tin.records.count(), 3);
  const std::vector<std::string> lines = {fit("TITL  a basin", 256), std::string(256, 'c'), fit("ENDF", 256)};
  EXPECT_EQ(shown, lines);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(state.tin.records.line(k), lines[static_cast<std::size_t>(k) - 1]);
}

TEST_F(EditorTest, EmptyFileOpensAnEmptyEditor) {
  directory.put("empty.tin", "");
  int items_shown = -1;
  ui.on_modal(tin_editor::kDialog,
              [&items_shown](ui::HeadlessDialog& d) { items_shown = d.item_count(tin_editor::kFileView); });
  begin_editing("empty");
  EXPECT_EQ(items_shown, 0);
  EXPECT_EQ(directory.read("empty.tin"), "");
}

TEST_F(EditorTest, BeginEditingEmptiesTheListOfTheLastRun) {
  ASSERT_TRUE(state.tin.records.append(std::vector<std::string>{"TITL last run"}));
  begin_editing("new");
  EXPECT_EQ(state.tin.records.count(), 0);
}

struct LoadErrorCase {
  const char* name;
  std::string content;
  std::string message;
};

TEST_F(EditorTest, FileThatCannotBeLoadedShowsDialog106) {
  const std::string not_text =
      "Non alphanumeric data was found in the file.  Please check that this is a valid ORBEN file.";
  std::string many;
  for (int i = 0; i < 257; ++i) many += "COMM line\n";
  const LoadErrorCase cases[] = {
      {"NUL bytes", std::string("TITL\0\0\0\n", 8), not_text},
      {"binary content", "\x7F" "ELF\x02\x01\x01", not_text},
      {"more than 256 lines", many,
       "The file holds more than 256 records, and the ORBEN File Builder can edit no more than 256.  The file was "
       "not opened and nothing was changed."},
  };
  for (const auto& c : cases) {
    directory.put("bad.tin", c.content);
    const auto before = ui.dialogs_run().size();
    Seen error;
    read_next(ids::load_error::kDialog, ids::load_error::kText, error);
    begin_editing("bad");
    EXPECT_EQ(dialogs_since(before), (std::vector<int>{orben_file_name::kDialog, ids::load_error::kDialog})) << c.name;
    EXPECT_EQ(error.text, c.message) << c.name;
    EXPECT_EQ(state.tin.records.count(), 0) << c.name;
    EXPECT_EQ(directory.read("bad.tin"), c.content) << c.name;
  }
}

TEST_F(EditorTest, MissingDirectoryNamesTheFileInDialog105) {
  Seen error;
  read_next(ids::file_not_found::kDialog, ids::file_not_found::kFileName, error);
  begin_editing("nowhere/x");
  EXPECT_EQ(error.text, "nowhere/x.tin");
  EXPECT_FALSE(std::filesystem::exists("nowhere"));
}

TEST_F(EditorTest, CancelEndsTheRunWithNothingChanged) {
  ui.on_modal(orben_file_name::kDialog, [](ui::HeadlessDialog& d) {
    d.user_type(orben_file_name::kFileRoot, "x");
    d.user_click(ui::kCancel);
  });
  ORBEN_FILENAME(state.tin, state.paths, ui);
  EXPECT_EQ(ui.dialogs_run(), (std::vector<int>{orben_file_name::kDialog}));
  EXPECT_EQ(directory.file_count(), 0u);
}

// The box cuts nothing: a root too long is refused whole at Begin Editing.
TEST_F(EditorTest, RootBoxTakesTheCaretRoutineAndAnyLength) {
  ui.on_modal(orben_file_name::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text_limit(orben_file_name::kFileRoot), 0);
    d.user_focus(orben_file_name::kFileRoot);
    EXPECT_EQ(d.text(orben_file_name::kFileRoot), " ");
    EXPECT_EQ(d.caret(orben_file_name::kFileRoot), 1);
  });
  ORBEN_FILENAME(state.tin, state.paths, ui);
}

TEST_F(EditorTest, BrowseFillsTheRoot) {
  const auto here = std::filesystem::current_path().string();
  struct BrowseCase {
    const char* name;
    std::optional<std::string> chosen;
    std::string root;
  };
  const BrowseCase cases[] = {
      {"file in Tarnex's directory", here + "/a.tin", "a"},
      {"file elsewhere", "/data/v1.2/b.tin", "/data/v1.2/b"},
      {"first dot of the name", here + "/c.old.tin", "c"},
      {"cancel keeps the text", std::nullopt, "c"},
      {"name without a dot", here + "/plain", ""},
  };
  ui.on_modal(orben_file_name::kDialog, [&](ui::HeadlessDialog& d) {
    std::string previous;
    for (const auto& c : cases) {
      ui.answer_open_file(c.chosen);
      d.user_click(orben_file_name::kBrowse);
      EXPECT_EQ(d.text(orben_file_name::kFileRoot), c.root) << c.name;
      EXPECT_EQ(ui.last_open_file_initial(), previous) << c.name;
      if (c.chosen) previous = *c.chosen;
    }
    EXPECT_TRUE(d.running());
  });
  ORBEN_FILENAME(state.tin, state.paths, ui);
  EXPECT_EQ(ui.last_open_file_title(), "Select a ORBEN file to edit");
  EXPECT_EQ(ui.last_open_file_filter(), (std::vector<std::string>{"TIN file|*.tin"}));
}

}  // namespace
}  // namespace tarnex::tin::test
