#pragma once
// A record dialog opened as the editor opens it, its option controls bound
// to their description callbacks, for a test to act on as the user.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tin/catalogue/option_descriptions.h"
#include "tin/catalogue/tin_state.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::tin::test {

enum class Act {
  kChoose,  // picks the entry from the list
  kType,    // types the text into the combo
};

// Put into a description box before the user acts, to see whether it stays.
constexpr std::string_view kUntouched = "(as it was)";

struct DescribedDialog {
  explicit DescribedDialog(int dialog_id, DialogOpening opening = DialogOpening::kCreate)
      : dialog(ui.make_dialog(dialog_id)) {
    if (!dialog) throw std::logic_error("no dialog " + std::to_string(dialog_id));
    bind_option_descriptions(tin, *dialog, opening);
  }

  ui::HeadlessDialog& user() { return static_cast<ui::HeadlessDialog&>(*dialog); }

  // Chooses `entry` as the user would. An entry the list does not offer
  // takes the place of its first entry beforehand, as if the list offered it.
  void choose(int control, std::string_view entry) {
    const int count = dialog->item_count(control);
    bool offered = false;
    for (int i = 1; i <= count; ++i) offered = offered || dialog->item_text(control, i) == entry;
    if (!offered) dialog->set_item_text(control, 1, entry);
    user().user_choose(control, entry);
  }

  void act(Act how, int control, std::string_view text) {
    if (how == Act::kType) {
      user().user_type(control, text);
    } else {
      choose(control, text);
    }
  }

  ui::HeadlessUi ui;
  TinState tin;
  std::unique_ptr<ui::Dialog> dialog;
};

}  // namespace tarnex::tin::test
