#include "tin/catalogue/message_dialog.h"

#include "resources/dialog_ids.h"

namespace tarnex::tin {

void show_message(ui::Ui& ui, std::string_view title, std::string_view text) {
  auto dialog = ui.make_dialog(ids::tin_message::kDialog);
  if (!dialog) return;
  dialog->set_caption(title);
  dialog->set_text(ids::tin_message::kText, text);
  dialog->run_modal();
}

}  // namespace tarnex::tin
