#pragma once
// Create: the record dialog of the chosen record type opens for a new record,
// and its Add button appends the record to the end of the list.

#include <string_view>

#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// Runs the record dialog of the record type `code`; a code that is no record
// type (blank, a separator row) opens nothing.
void create_record(TinState& tin, ui::Ui& ui, std::string_view code);

}  // namespace tarnex::tin
