#include "tin/catalogue/message_dialog.h"

namespace tarnex::tin {

void show_message(ui::Ui& ui, std::string_view title, std::string_view text) {
  auto dialog = ui.make_dialog(kMessageDialog);
  if (!dialog) return;
  dialog->set_caption(title);
  dialog->set_text(kMessageText, text);
  dialog->run_modal();
}

}  // namespace tarnex::tin
