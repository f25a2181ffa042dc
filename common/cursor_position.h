#pragma once

#include "ui/services.h"

namespace tarnex {

// Focus callback of edit boxes: a blank box gets a single blank with the caret
// before it, so the user types from the first column; a box holding text is
// left alone.
void CURSORPOSITION(ui::Dialog& dialog, int control_id, ui::Event event);

}  // namespace tarnex
