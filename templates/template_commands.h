#pragma once
// The menu commands that write a starter file: the user names it in the name
// dialog, and a result dialog reports that it was written, that it exists
// already, or that the name was blank.

#include "ui/services.h"

namespace tarnex::templates {

void MOR_TEMPLATE(ui::Ui& ui);
void FLUM_TEMPLATE(ui::Ui& ui);

// "Create File" of the name dialog: ends it, then writes the file and reports
// the result in its place.
void DATFILEINITIALIZE(ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event event);

}  // namespace tarnex::templates
