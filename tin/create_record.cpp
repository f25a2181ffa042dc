#include "tin/create_record.h"

#include "tin/catalogue.h"
#include "tin/record_builder.h"

namespace tarnex::tin {

void create_record(TinState& tin, ui::Ui& ui, std::string_view code) {
  const auto* type = record_type(code);
  const auto* record = type ? record_dialog(type->dialog) : nullptr;
  if (!record) return;
  auto dialog = ui.make_dialog(record->dialog);
  if (!dialog) return;
  // The dialogs that several record types share take the type into their
  // read-only identifier field, from which the builder writes columns 1-4.
  for (const auto& field : record->fields) {
    if (field.kind == Kind::kReadOnly && field.first == 1) dialog->set_text(field.control, code);
  }
  dialog->set_callback(record->add_button, ui::Event::Click, record_builder(tin, ui));
  dialog->run_modal();
}

}  // namespace tarnex::tin
