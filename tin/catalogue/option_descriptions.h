#pragma once
// What a chosen option means, in words, beside the option: the record types
// picked in the editor's lists and the coded fields of the record dialogs.

#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// Option-description callback of the editor's record-type lists, of every
// option control of the record dialogs and of the IDEN layout buttons of a
// new IDEN record; other controls are ignored.
void DROPLISTSELECTION(TinState& tin, ui::Dialog& dialog, int control_id, ui::Event event);

// Why a record dialog opens: the IDEN layout buttons of an existing record
// also re-cut its identifier text.
enum class DialogOpening { kCreate, kEdit };

// Binds the option controls of a record dialog: every drop list and combo to
// DROPLISTSELECTION (a combo also for what the user types into it), and the
// IDEN layout buttons to DROPLISTSELECTION for Create or RADIOBUTTONSELECTION
// for Edit. Call it after the dialog's controls are filled, before it runs.
void bind_option_descriptions(TinState& tin, ui::Dialog& dialog, DialogOpening opening = DialogOpening::kCreate);

}  // namespace tarnex::tin
