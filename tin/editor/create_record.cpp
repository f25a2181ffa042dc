#include "tin/editor/create_record.h"

#include "common/cursor_position.h"
#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/record_builder.h"
#include "tin/catalogue/record_setup.h"

namespace tarnex::tin {

void create_record(TinState& tin, ui::Ui& ui, std::string_view code) {
  const auto* type = record_type(code);
  const auto* record = type ? record_dialog(type->dialog) : nullptr;
  if (!record) return;
  auto dialog = ui.make_dialog(record->dialog);
  if (!dialog) return;
  set_up_for_create(tin, *dialog, code, CURSORPOSITION);
  dialog->set_callback(record->add_button, ui::Event::Click, record_builder(tin, ui));
  dialog->run_modal();
}

}  // namespace tarnex::tin
