#pragma once
// Records made as the user makes them (the dialog set up for Create, the
// user's steps, Add) and edited as the user edits them (Edit on a line of
// the list, the user's steps in the dialog, then OK or Cancel).

#include <functional>
#include <string>
#include <vector>

#include "record_script.h"
#include "tin/catalogue/record_setup.h"
#include "tin/editor/record_editing.h"

namespace tarnex::tin::test {

// Stands in for the caret routine: the tests only see that it is bound.
inline void no_caret(ui::Dialog&, int, ui::Event) {}

// The lines that Create and Add give for a record of type `code`.
inline std::vector<std::string> created(const std::string& code, const std::vector<Step>& steps) {
  ui::HeadlessUi ui;
  TinState tin;
  const auto* type = record_type(code);
  const auto* record = type ? record_dialog(type->dialog) : nullptr;
  EXPECT_NE(record, nullptr) << code;
  if (!record) return {};
  auto dialog = ui.make_dialog(record->dialog);
  set_up_for_create(tin, *dialog, code, no_caret);
  dialog->set_callback(record->add_button, ui::Event::Click, record_builder(tin, ui));
  const int add = record->add_button;
  ui.on_modal(record->dialog, [&steps, add](ui::HeadlessDialog& d) {
    play(d, steps);
    d.user_click(add);
  });
  dialog->run_modal();
  std::vector<std::string> lines;
  for (int k = 1; k <= tin.records.count(); ++k) lines.push_back(tin.records.line(k));
  return lines;
}

// A record list to edit, and the user's side of the dialogs Edit opens.
struct Editing {
  ui::HeadlessUi ui;
  TinState tin;

  void load(const std::vector<std::string>& lines) {
    tin.records.clear();
    for (const auto& line : lines) tin.records.append(std::vector<std::string>{line});
  }

  std::vector<std::string> lines() const {
    std::vector<std::string> all;
    for (int k = 1; k <= tin.records.count(); ++k) all.push_back(without_trailing_blanks(tin.records.line(k)));
    return all;
  }

  // Edit on `selected`; whatever dialog opens is played by `user`.
  std::optional<int> edit(int selected, int dialog_id, std::function<void(ui::HeadlessDialog&)> user) {
    ui.on_modal(dialog_id, std::move(user));
    return edit_record(tin, ui, selected);
  }

  // Edit on `selected`, the dialog confirmed unchanged.
  std::optional<int> edit_unchanged(int selected, int dialog_id, int ok_button) {
    return edit(selected, dialog_id, [ok_button](ui::HeadlessDialog& d) { d.user_click(ok_button); });
  }
};

}  // namespace tarnex::tin::test
