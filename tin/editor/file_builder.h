#pragma once
// The editor dialog of one editing run.

#include <string_view>

#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// Runs the editor dialog over the record list, already loaded, for the file
// `file_name`; returns when the user closes it. Nothing is written unless the
// user builds the file.
void FILEBUILDER(TinState& tin, ui::Ui& ui, std::string_view file_name);

}  // namespace tarnex::tin
