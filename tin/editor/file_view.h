#pragma once
// The editor dialog's buttons and its column scroll bar: they work on the
// record list and bring the File View list in line with it.

#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// The File View list shows its lines from this column at most.
constexpr int kLastFirstColumn = 129;

// Click callback of Create, Move Up, Move Down, Edit, Delete, Help and Build
// ORBEN File, and position callback of the column scroll bar; other controls
// are ignored.
void FILEVIEW(TinState& tin, ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event event);

// Item k of the File View list becomes line k of the list, from column 1, the
// selection becomes `selection` and the scroll bar goes back to column 1.
void show_records(ui::Dialog& dialog, const RecordList& list, int selection);

}  // namespace tarnex::tin
