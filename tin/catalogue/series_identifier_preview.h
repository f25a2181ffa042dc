#pragma once
// The identifier type ID and count NUM of the time-series dialog describe
// themselves together and preview the IDEN line that follows the record:
// its columns, variable and format.

#include "ui/services.h"

namespace tarnex::tin {

// The user chose an identifier type.
void series_identifier_type_chosen(ui::Dialog& dialog);

// The user chose an identifier count.
void series_identifier_count_chosen(ui::Dialog& dialog);

}  // namespace tarnex::tin
