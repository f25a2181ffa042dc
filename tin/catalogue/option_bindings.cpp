// Which controls of a record dialog describe their options: its drop lists
// and combos as the catalogue lists them, and the IDEN layout buttons.

#include "resources/dialog_ids.h"
#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/iden_layout_buttons.h"
#include "tin/catalogue/option_descriptions.h"

namespace tarnex::tin {

void bind_option_descriptions(TinState& tin, ui::Dialog& dialog, DialogOpening opening) {
  const ui::Callback describe = [&tin](ui::Dialog& d, int id, ui::Event e) { DROPLISTSELECTION(tin, d, id, e); };
  if (const auto* record = record_dialog(dialog.id())) {
    for (const auto& field : record->fields) {
      if (field.kind == Kind::kDropList || field.kind == Kind::kCombo) {
        dialog.set_callback(field.control, ui::Event::SelectionChange, describe);
      }
      if (field.kind == Kind::kCombo) dialog.set_callback(field.control, ui::Event::EditChange, describe);
    }
  }
  if (dialog.id() != ids::record_iden::kDialog) return;
  const ui::Callback recut = [&tin](ui::Dialog& d, int id, ui::Event e) { RADIOBUTTONSELECTION(tin, d, id, e); };
  for (int button : kIdenLayoutButtons) {
    dialog.set_callback(button, ui::Event::Click, opening == DialogOpening::kEdit ? recut : describe);
  }
}

}  // namespace tarnex::tin
