#pragma once
// The menu commands that write a starter file: the user names it in dialog
// 194, and the result is reported in dialog 195, 150 or 107.

#include "ui/services.h"

namespace tarnex::templates {

void MOR_TEMPLATE(ui::Ui& ui);
void FLUM_TEMPLATE(ui::Ui& ui);

// "Create File" of dialog 194: ends the name dialog, then writes the file and
// reports the result in its place.
void DATFILEINITIALIZE(ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event event);

}  // namespace tarnex::templates
