#include "tin/catalogue/record_setup.h"

#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/iden_layout_buttons.h"
#include "tin/catalogue/option_descriptions.h"
#include "tin/catalogue/record_fill.h"
#include "tin/catalogue/shared_dialog_titles.h"

namespace tarnex::tin {
namespace {

constexpr std::string_view kEditCaption = "OK";

void start(TinState& tin, ui::Dialog& dialog, const StartingValue& value) {
  if (value.item > 0) dialog.set_selected(value.control, value.item);
  if (!value.text.empty()) dialog.set_text(value.control, value.text);
  if (value.description > 0) dialog.set_text(value.description, value.description_text);
  if (value.check) {
    dialog.set_checked(value.control, true);
    // The layout the button stands for is the one the builder follows.
    if (const auto layout = iden_layout_of_button(dialog.id(), value.control)) {
      tin.IDEN_LAYOUT = *layout;
      label_iden_rows(dialog, *layout);
    }
  }
}

}  // namespace

void bind_edit_boxes(ui::Dialog& dialog, const ui::Callback& caret_callback) {
  const auto* setup = dialog_setup(dialog.id());
  if (!setup) return;
  for (const auto& value : setup->values) {
    if (value.limit > 0) dialog.set_text_limit(value.control, value.limit);
    if (value.focus) dialog.set_callback(value.control, ui::Event::FocusGain, caret_callback);
  }
}

void set_up_for_create(TinState& tin, ui::Dialog& dialog, std::string_view record_type,
                       const ui::Callback& caret_callback) {
  if (const auto* record = record_dialog(dialog.id())) show_record_type(dialog, *record, record_type);
  bind_edit_boxes(dialog, caret_callback);
  if (const auto* setup = dialog_setup(dialog.id())) {
    for (const auto& value : setup->values) start(tin, dialog, value);
  }
  bind_option_descriptions(tin, dialog, DialogOpening::kCreate);
}

void set_up_for_edit(TinState& tin, ui::Dialog& dialog, std::span<const std::string> lines,
                     const ui::Callback& caret_callback) {
  const auto* record = record_dialog(dialog.id());
  if (!record) return;
  bind_edit_boxes(dialog, caret_callback);
  fill_record_dialog(tin, dialog, *record, lines);
  bind_option_descriptions(tin, dialog, DialogOpening::kEdit);
  dialog.set_text(record->add_button, kEditCaption);
}

}  // namespace tarnex::tin
