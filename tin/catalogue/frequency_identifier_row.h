#pragma once

#include "ui/services.h"

namespace tarnex::tin {

// Labels the identifier row of the 2FRQ dialog and the columns of the values
// below it for `variable`: a six-character identifier (2x,A6) or a
// sixteen-character one (A16). Other values leave the labels.
void label_frequency_identifier_row(ui::Dialog& dialog, int variable);

}  // namespace tarnex::tin
