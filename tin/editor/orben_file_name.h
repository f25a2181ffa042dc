#pragma once
// The start of an editing run: the user names the TIN file to edit, by
// browsing for it or typing its root, and Begin Editing loads it (or starts a
// new one) and opens the editor.

#include "common/paths.h"
#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// The menu command "ORBEN TIN File": runs the file-name dialog; returns when
// the whole editing run has ended.
void ORBEN_FILENAME(TinState& tin, Paths& paths, ui::Ui& ui);

// Click callback of Browse and Begin Editing; other controls are ignored.
void FILEINITIALIZE(TinState& tin, Paths& paths, ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event event);

}  // namespace tarnex::tin
