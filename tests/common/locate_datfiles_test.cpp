#include <gtest/gtest.h>

#include "common/executable_paths.h"
#include "common/locate_datfiles.h"
#include "resources/dialog_ids.h"
#include "ui/headless/headless_ui.h"

namespace tarnex {
namespace {

using namespace ids;

struct RootCase {
  const char* chosen;
  bool first_dot;
  const char* root;
};

TEST(RootOfChosenFile, OwnDirectoryGivesTheBareNameElsewhereTheFullPath) {
  const RootCase cases[] = {
      {"C:\\M\\BASIN.DAT", true, "BASIN"},
      {"D:\\DATA\\BASIN.DAT", true, "D:\\DATA\\BASIN"},
      {"C:\\M\\SUB\\BASIN.DAT", true, "C:\\M\\SUB\\BASIN"},
      // a directory whose name begins like Tarnex's is another directory
      {"C:\\MX\\BASIN.DAT", true, "C:\\MX\\BASIN"},
      {"C:\\\\BASIN.DAT", true, "C:\\\\BASIN"},
      // the first dot of the file name for the DAT button, the last for the others
      {"C:\\M\\BASIN.V2.DAT", true, "BASIN"},
      {"C:\\M\\BASIN.V2.FLO", false, "BASIN.V2"},
      // a dot in a directory name does not cut the root
      {"C:\\V1.2\\BASIN.DAT", true, "C:\\V1.2\\BASIN"},
      {"C:\\V1.2\\BASIN.FLO", false, "C:\\V1.2\\BASIN"},
      // no dot in the name: an empty root
      {"C:\\M\\BASIN", true, ""},
      {"C:\\V1.2\\BASIN", false, ""},
      {"BASIN.DAT", true, "BASIN"},
      // either slash, and the directory in any letter case
      {"C:/M/BASIN.DAT", true, "BASIN"},
      {"c:\\m/BASIN.DAT", true, "BASIN"},
      {"C:/V1.2/BASIN.FLO", false, "C:/V1.2/BASIN"},
      {"\\\\SERVER\\MODELS\\BASIN.DAT", true, "\\\\SERVER\\MODELS\\BASIN"},
      {"//SERVER/MODELS/BASIN.V2.DAT", false, "//SERVER/MODELS/BASIN.V2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(root_of_chosen_file(c.chosen, "C:\\M\\Tarnex.exe", c.first_dot, kWindowsSpelling), c.root) << c.chosen;
  }
  const RootCase posix_cases[] = {
      {"/home/j.smith/BASIN.DAT", true, "BASIN"},
      {"/data/basin.dat", true, "/data/basin"},
      // letter case tells directories apart, and a backslash is part of a name
      {"/Home/j.smith/BASIN.DAT", true, "/Home/j.smith/BASIN"},
      {"/home/j.smith/A\\B.DAT", true, "A\\B"},
  };
  for (const auto& c : posix_cases) {
    EXPECT_EQ(root_of_chosen_file(c.chosen, "/home/j.smith/Tarnex.exe", c.first_dot, kPosixSpelling), c.root)
        << c.chosen;
  }
}

class LocateDatfiles : public ::testing::Test {
 protected:
  void SetUp() override {
    paths.executable_paths[kTarnex] = executable_path_field("/m", kTarnex, '/');
    dialog = ui.make_dialog(mor_orb::kDialog);
    ASSERT_TRUE(dialog);
    for (int id : {mor_orb::kBrowseMorRoot, mor_orb::kBrowseHydrologyRoot, mor_orb::kBrowseTinRoot,
                   mor_orb::kBrowseOrbSourceRoot}) {
      dialog->set_callback(id, ui::Event::Click, locate());
    }
    for (int id : {mor_orb::kHydrologyRoot, mor_orb::kTinRoot, mor_orb::kOrbenOutputRoot, mor_orb::kOrbSourceRoot}) {
      dialog->set_callback(id, ui::Event::FocusGain, locate());
    }
  }
  ui::Callback locate() {
    return [this](ui::Dialog& d, int id, ui::Event e) { LOCATE_DATFILES(paths, ui, d, id, e); };
  }
  ui::HeadlessDialog& user() { return static_cast<ui::HeadlessDialog&>(*dialog); }

  ui::HeadlessUi ui;
  Paths paths;
  std::unique_ptr<ui::Dialog> dialog;
};

TEST_F(LocateDatfiles, BrowseSetsEveryBoxOfTheButtonThatTheDialogHas) {
  ui.answer_open_file("/m/BASIN.TIN");
  user().user_click(mor_orb::kBrowseTinRoot);
  EXPECT_EQ(dialog->text(mor_orb::kTinRoot), "BASIN");
  EXPECT_EQ(dialog->text(mor_orb::kOrbenOutputRoot), "BASIN");
  EXPECT_EQ(ui.last_open_file_filter(), (std::vector<std::string>{"TIN file|*.TIN"}));
  ui.answer_open_file("/runs/OUT1.OUT");
  user().user_click(mor_orb::kBrowseOrbSourceRoot);
  EXPECT_EQ(dialog->text(mor_orb::kOrbSourceRoot), "/runs/OUT1");
}

TEST_F(LocateDatfiles, CancelChangesNothingAndTheButtonRemembersItsPath) {
  dialog->set_text(mor_orb::kMorRoot, "KEEP");
  ui.answer_open_file(std::nullopt);
  user().user_click(mor_orb::kBrowseMorRoot);
  EXPECT_EQ(dialog->text(mor_orb::kMorRoot), "KEEP");
  ui.answer_open_file("/m/BASIN.DAT");
  user().user_click(mor_orb::kBrowseMorRoot);
  EXPECT_EQ(paths.browse_paths[mor_orb::kBrowseMorRoot], "/m/BASIN.DAT");
  EXPECT_EQ(paths.browse_paths.count(mor_orb::kBrowseHydrologyRoot), 0u);
}

TEST_F(LocateDatfiles, TooLongAPathIsRefusedNotCut) {
  dialog->set_text(mor_orb::kMorRoot, "KEEP");
  ui.answer_open_file("/" + std::string(260, 'd') + "/BASIN.DAT");
  user().user_click(mor_orb::kBrowseMorRoot);
  EXPECT_EQ(dialog->text(mor_orb::kMorRoot), "KEEP");
  ASSERT_EQ(ui.message_boxes().size(), 1u);
  EXPECT_EQ(ui.message_boxes()[0].title, "ERROR");
}

TEST_F(LocateDatfiles, FocusFillsTheMorAndOrbenDialog) {
  struct Case {
    const char* mor;
    const char* tin;
    const char* before;
    int box;
    const char* after;
  };
  const Case cases[] = {
      {"  BASIN  ", "", "OLD", mor_orb::kHydrologyRoot, "BASIN"},
      {"", "", "OLD", mor_orb::kHydrologyRoot, "OLD"},  // blank source: left alone
      {"BASIN", "", "OLD", mor_orb::kTinRoot, "BASIN"},
      {"BASIN", "TINROOT", "OLD", mor_orb::kOrbenOutputRoot, "TINROOT"},  // the TIN root wins over the MOR root
      {"BASIN", " ", "OLD", mor_orb::kOrbenOutputRoot, "BASIN"},
      {"", "", "OLD", mor_orb::kOrbenOutputRoot, "OLD"},
      {"BASIN", "", "", mor_orb::kOrbSourceRoot, "BASIN"},
  };
  for (const auto& c : cases) {
    dialog->set_text(mor_orb::kMorRoot, c.mor);
    dialog->set_text(mor_orb::kTinRoot, c.tin);
    dialog->set_text(c.box, c.before);
    user().user_focus(mor_orb::kMorRoot);  // the focus comes from elsewhere
    user().user_focus(c.box);
    EXPECT_EQ(dialog->text(c.box), c.after) << c.box << " from " << c.mor;
    if (std::string(c.after) != c.before) {
      EXPECT_EQ(dialog->caret(c.box), static_cast<int>(std::string(c.after).size()) + 1);
    }
  }
}

TEST_F(LocateDatfiles, TheMerlDialogsBrowseSetsItsOwnBoxesAndSharesTheTinChoice) {
  ui.answer_open_file("/m/BASIN.TIN");
  user().user_click(mor_orb::kBrowseTinRoot);
  auto merl = ui.make_dialog(merl_orb::kDialog);
  for (int id : {merl_orb::kBrowseMerlRoot, merl_orb::kBrowseTinRoot, merl_orb::kBrowseOrbSourceRoot}) {
    merl->set_callback(id, ui::Event::Click, locate());
  }
  auto& merl_user = static_cast<ui::HeadlessDialog&>(*merl);
  ui.answer_open_file("/m/SALT.SIN");
  merl_user.user_click(merl_orb::kBrowseMerlRoot);
  EXPECT_EQ(merl->text(merl_orb::kMerlRoot), "SALT");
  EXPECT_EQ(ui.last_open_file_filter(), (std::vector<std::string>{"SIN file|*.SIN"}));
  ui.answer_open_file("/m/OTHER.TIN");
  merl_user.user_click(merl_orb::kBrowseTinRoot);
  EXPECT_EQ(ui.last_open_file_initial(), "/m/BASIN.TIN");  // chosen in the MOR and ORBEN dialog
  EXPECT_EQ(merl->text(merl_orb::kTinRoot), "OTHER");
  EXPECT_EQ(merl->text(merl_orb::kOrbenOutputRoot), "OTHER");
  EXPECT_EQ(paths.browse_paths[merl_orb::kBrowseTinRoot], "/m/OTHER.TIN");
  ui.answer_open_file("/runs/SALT.OUT");
  merl_user.user_click(merl_orb::kBrowseOrbSourceRoot);
  EXPECT_EQ(merl->text(merl_orb::kOrbSourceRoot), "/runs/SALT");
}

TEST(LocateDatfilesOutputBoxes, FlumAndJornFillOnlyAnEmptyOutputBox) {
  ui::HeadlessUi ui;
  Paths paths;
  for (auto [dialog_id, input, output] : {std::tuple{flum::kDialog, flum::kInputRoot, flum::kOutputRoot},
                                          std::tuple{jorn::kDialog, jorn::kInputRoot, jorn::kOutputRoot}}) {
    auto dialog = ui.make_dialog(dialog_id);
    dialog->set_callback(output, ui::Event::FocusGain,
                         [&](ui::Dialog& d, int id, ui::Event e) { LOCATE_DATFILES(paths, ui, d, id, e); });
    auto& user = static_cast<ui::HeadlessDialog&>(*dialog);
    dialog->set_text(input, "IN");
    dialog->set_text(output, "OUT");
    user.user_focus(output);
    EXPECT_EQ(dialog->text(output), "OUT") << dialog_id;
    dialog->set_text(output, "  ");
    user.user_focus(input);
    user.user_focus(output);
    EXPECT_EQ(dialog->text(output), "IN") << dialog_id;
  }
}

}  // namespace
}  // namespace tarnex
