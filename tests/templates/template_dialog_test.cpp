// The template commands as the user meets them: the name dialog, the result
// dialog that takes its place, and what is on disk afterwards.

#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "file_size_limit.h"
#include "resources/dialog_ids.h"
#include "templates/template_commands.h"
#include "ui/headless/headless_ui.h"
#include "working_directory.h"

namespace tarnex::templates {
namespace {

using ui::HeadlessDialog;

struct Command {
  const char* name;
  void (*routine)(ui::Ui&);
  const char* caption;
  const char* kind;
  const char* prompt;
  std::size_t lines;
};

const Command kCommands[] = {
    {"MOR", MOR_TEMPLATE, "MOR DAT Template", "MOR", "Enter the name of the MOR\r\nDAT file template to create.", 85},
    {"FLUM", FLUM_TEMPLATE, "FLUM DAT Template", "FLUM", "Enter the name of the FLUM\r\nHIN file template to create.",
     50},
};

// Types `root` into the name dialog and clicks Create File.
void create(ui::HeadlessUi& ui, std::string root) {
  ui.on_modal(ids::template_name::kDialog, [root](HeadlessDialog& d) {
    d.user_type(ids::template_name::kRoot, root);
    d.user_click(ids::template_name::kCreateFile);
  });
}

std::size_t line_count(const std::string& content) { return split_lines(content).size(); }

class TemplateDialog : public testing::Test {
 protected:
  test::WorkingDirectory directory;
  ui::HeadlessUi ui;
};

TEST_F(TemplateDialog, NameDialogIsPreparedForItsKind) {
  for (const auto& c : kCommands) {
    ui::HeadlessUi fresh;
    std::string caption, kind, prompt, extension;
    fresh.on_modal(ids::template_name::kDialog, [&](HeadlessDialog& d) {
      caption = d.caption();
      kind = d.text(ids::template_name::kKind);
      prompt = d.text(ids::template_name::kPrompt);
      extension = d.text(ids::template_name::kExtension);
    });
    c.routine(fresh);
    EXPECT_EQ(caption, c.caption) << c.name;
    EXPECT_EQ(kind, c.kind) << c.name;
    EXPECT_EQ(prompt, c.prompt) << c.name;
    EXPECT_EQ(extension, " .dat") << c.name;
    EXPECT_EQ(fresh.dialogs_run(), std::vector<int>{ids::template_name::kDialog}) << c.name;
  }
}

TEST_F(TemplateDialog, CreateFileWritesRootDotDatAndReportsItsName) {
  for (const auto& c : kCommands) {
    const std::string root = std::string("basin_") + c.name;
    create(ui, root + "   ");
    std::string reported;
    ui.on_modal(ids::template_written::kDialog,
                [&](HeadlessDialog& d) { reported = d.text(ids::template_written::kFileName); });
    c.routine(ui);
    EXPECT_EQ(reported, root + ".dat") << c.name;
    const auto content = directory.read(root + ".dat");
    ASSERT_TRUE(content) << c.name;
    EXPECT_EQ(line_count(*content), c.lines) << c.name;
  }
  EXPECT_EQ(ui.dialogs_run(), (std::vector<int>{ids::template_name::kDialog, ids::template_written::kDialog,
                                                ids::template_name::kDialog, ids::template_written::kDialog}));
}

TEST_F(TemplateDialog, LeadingBlanksOfTheRootAreDropped) {
  // " NEWDAT" is what a click after the focus routine's blank leaves.
  const std::pair<const char*, const char*> cases[] = {{" NEWDAT", "NEWDAT.dat"}, {"   basin  ", "basin.dat"}};
  for (const auto& [root, name] : cases) {
    test::WorkingDirectory fresh_directory;
    ui::HeadlessUi fresh;
    create(fresh, root);
    std::string reported;
    fresh.on_modal(ids::template_written::kDialog, [&](HeadlessDialog& d) { reported = d.text(ids::template_written::kFileName); });
    MOR_TEMPLATE(fresh);
    EXPECT_EQ(reported, name) << '"' << root << '"';
    EXPECT_TRUE(fresh_directory.read(name)) << '"' << root << '"';
    EXPECT_EQ(fresh_directory.file_count(), 1u) << '"' << root << '"';
  }
}

TEST_F(TemplateDialog, TheSecondAttemptShowsTheExistingFileAndLeavesItIntact) {
  create(ui, "basin");
  MOR_TEMPLATE(ui);
  const auto first = directory.read("basin.dat");
  ASSERT_TRUE(first);
  create(ui, "basin");
  std::string named;
  ui.on_modal(ids::file_exists::kDialog, [&](HeadlessDialog& d) { named = d.text(ids::file_exists::kFileName); });
  FLUM_TEMPLATE(ui);
  EXPECT_EQ(named, "basin.dat");
  EXPECT_EQ(directory.read("basin.dat"), first);
  EXPECT_EQ(ui.dialogs_run(), (std::vector<int>{ids::template_name::kDialog, ids::template_written::kDialog,
                                                ids::template_name::kDialog, ids::file_exists::kDialog}));
}

TEST_F(TemplateDialog, RefusedRootsCreateNothing) {
  struct Case {
    const char* root;
    int dialog;
    const char* named;  // in the file-exists dialog, "" when it is not shown
  };
  const Case cases[] = {
      {"", ids::invalid_filename::kDialog, ""},
      {"     ", ids::invalid_filename::kDialog, ""},
      {"no/such/directory/basin", ids::file_exists::kDialog, "no/such/directory/basin.dat"},
  };
  for (const auto& c : cases) {
    ui::HeadlessUi fresh;
    create(fresh, c.root);
    std::string named;
    fresh.on_modal(ids::file_exists::kDialog, [&](HeadlessDialog& d) { named = d.text(ids::file_exists::kFileName); });
    MOR_TEMPLATE(fresh);
    EXPECT_EQ(fresh.dialogs_run(), (std::vector<int>{ids::template_name::kDialog, c.dialog})) << '"' << c.root << '"';
    EXPECT_EQ(named, c.named) << '"' << c.root << '"';
    EXPECT_EQ(directory.file_count(), 0u) << '"' << c.root << '"';
  }
}

TEST_F(TemplateDialog, CancelWritesNothing) {
  ui.on_modal(ids::template_name::kDialog, [](HeadlessDialog& d) {
    d.user_type(ids::template_name::kRoot, "basin");
    d.user_click(ui::kCancel);
  });
  FLUM_TEMPLATE(ui);
  EXPECT_EQ(ui.dialogs_run(), std::vector<int>{ids::template_name::kDialog});
  EXPECT_EQ(directory.file_count(), 0u);
}

TEST_F(TemplateDialog, ABlankRootBoxGetsOneBlankOnFocus) {
  std::string text;
  int caret = 0;
  ui.on_modal(ids::template_name::kDialog, [&](HeadlessDialog& d) {
    d.user_focus(ids::template_name::kRoot);
    text = d.text(ids::template_name::kRoot);
    caret = d.caret(ids::template_name::kRoot);
  });
  MOR_TEMPLATE(ui);
  EXPECT_EQ(text, " ");
  EXPECT_EQ(caret, 1);
}

TEST_F(TemplateDialog, AFailedWriteIsReportedNotCalledASuccess) {
#ifdef _WIN32
  GTEST_SKIP() << test::kNoFileSizeLimit;
#else
  create(ui, "basin");
  {
    test::FileSizeLimit limit(1000);
    MOR_TEMPLATE(ui);
  }

  EXPECT_EQ(ui.dialogs_run(), std::vector<int>{ids::template_name::kDialog});
  const auto boxes = ui.message_boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "ERROR");
  EXPECT_NE(boxes[0].text.find("basin.dat"), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("File too large"), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("removed"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(directory.file_count(), 0u);
#endif
}

}  // namespace
}  // namespace tarnex::templates
