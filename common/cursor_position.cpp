#include "common/cursor_position.h"

#include "base/fixed_text.h"

namespace tarnex {

void CURSORPOSITION(ui::Dialog& dialog, int control_id, ui::Event) {
  if (!is_blank(fit(dialog.text(control_id), 256))) return;
  dialog.set_text(control_id, " ");
  dialog.set_caret(control_id, 1);
}

}  // namespace tarnex
