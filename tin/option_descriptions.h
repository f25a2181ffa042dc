#pragma once
// What a chosen option means, in words, beside the option: the record types
// picked in the editor's lists and the coded fields of the record dialogs.

#include "tin/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// Option-description callback of the editor's record-type lists and of every
// option control of the record dialogs; other controls are ignored.
void DROPLISTSELECTION(TinState& tin, ui::Dialog& dialog, int control_id, ui::Event event);

}  // namespace tarnex::tin
