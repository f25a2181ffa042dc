#pragma once

#include <span>
#include <string>

#include "tin/catalogue/catalogue.h"
#include "ui/services.h"

namespace tarnex::tin {

// Fills the edit boxes, combos and multi-line lists of the record's fields
// that `variant` writes from the columns of `lines` (the main line first),
// each list with as many values as the dialog's count gives it.
void fill_texts(ui::Dialog& dialog, const RecordDialog& record, std::span<const std::string> lines, int variant);

}  // namespace tarnex::tin
