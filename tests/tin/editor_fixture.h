#pragma once
// An editing run in a fresh working directory, with Tarnex started there and
// the user played on headless dialogs.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "common/executable_paths.h"
#include "resources/dialog_ids.h"
#include "shell/state.h"
#include "tin/editor/orben_file_name.h"
#include "ui/headless/headless_ui.h"
#include "working_directory.h"

namespace tarnex::tin::test {

namespace orben_file_name = ids::orben_file_name;
namespace tin_editor = ids::tin_editor;

// What a dialog showed when the user closed it.
struct Seen {
  std::string caption;
  std::string text;
};

class EditorTest : public testing::Test {
 protected:
  EditorTest() {
    state.paths.executable_paths[kTarnex] =
        executable_path_field(std::filesystem::current_path().string(), kTarnex, '/');
  }

  // The user types the root into the file-name dialog and clicks Begin Editing.
  void begin_editing(const std::string& root) {
    ui.on_modal(orben_file_name::kDialog, [root](ui::HeadlessDialog& d) {
      d.user_type(orben_file_name::kFileRoot, root);
      d.user_click(orben_file_name::kBeginEditing);
    });
    ORBEN_FILENAME(state.tin, state.paths, ui);
  }

  // Dialog `dialog_id`, when it runs next, is read into `seen` and closed
  // with the button `close`.
  void read_next(int dialog_id, int text_control, Seen& seen, int close = ui::kOk) {
    ui.on_modal(dialog_id, [&seen, text_control, close](ui::HeadlessDialog& d) {
      seen = {d.caption(), d.text(text_control)};
      d.user_click(close);
    });
  }

  // The dialogs run since `before` of them had run.
  std::vector<int> dialogs_since(std::size_t before) const {
    const auto run = ui.dialogs_run();
    return {run.begin() + static_cast<std::ptrdiff_t>(before), run.end()};
  }

  // The items of the File View list.
  static std::vector<std::string> items(const ui::HeadlessDialog& d) {
    std::vector<std::string> shown;
    for (int k = 1; k <= d.item_count(tin_editor::kFileView); ++k)
      shown.push_back(d.item_text(tin_editor::kFileView, k));
    return shown;
  }

  templates::test::WorkingDirectory directory;
  ui::HeadlessUi ui;
  State state;
};

}  // namespace tarnex::tin::test
