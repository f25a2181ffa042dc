#pragma once

#include <string_view>

#include "tin/catalogue/catalogue.h"

namespace tarnex::tin {

// The dialog that Edit opens for a record line, by its columns 1-4: a
// comment's identifier ("COMM", "****", "**" with blanks on either side)
// opens the comment dialog, every other identifier its record type's. Null
// for a record with nothing to edit (PAGE, ENDF, TEST, 1LEN) and for a line
// of no known type.
const RecordDialog* dialog_to_edit(std::string_view line);

}  // namespace tarnex::tin
