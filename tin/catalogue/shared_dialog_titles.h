#pragma once
// The time-series and type 3 dialogs serve several record types: the type
// they hold is shown in their title and in the read-only field that gives
// the record's columns 1-4.

#include <optional>
#include <string_view>

#include "tin/catalogue/catalogue.h"
#include "ui/services.h"

namespace tarnex::tin {

// The title of a record type whose dialog others share; empty for the types
// whose dialog has a title of its own.
std::optional<std::string_view> shared_dialog_title(std::string_view code);

// Puts the record type into the dialog's title, where it shares the dialog,
// and into the read-only field of columns 1-4, where it has one.
void show_record_type(ui::Dialog& dialog, const RecordDialog& record, std::string_view code);

}  // namespace tarnex::tin
