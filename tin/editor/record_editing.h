#pragma once
// Edit: the selected record opens in its dialog, filled from its lines, and
// OK puts the rebuilt record where the old one stood.

#include <optional>

#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// Runs the dialog of the record at `selected` (1-based; 0: none) with its Add
// button captioned "OK". On OK the record's old lines give way to the lines
// the dialog builds, in the same place, however many there are of each;
// Cancel changes nothing. Returns the line to select afterwards (the record's
// first line, the last line of a 2RES record), or nothing when no dialog
// opened: no selection, or a record with nothing to edit.
std::optional<int> edit_record(TinState& tin, ui::Ui& ui, int selected);

}  // namespace tarnex::tin
