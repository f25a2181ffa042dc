#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "tin/catalogue/catalogue.h"

namespace tarnex::tin {

// What the field's read rule makes of its control's text: the characters that
// follow the field's blank part.
std::string read_value(const Field& field, std::string_view control_text);

// The same, with the field's blank default in place of a blank value.
std::string field_value(const Field& field, std::string_view control_text);

// A value cut or padded to `width` characters and right-justified.
std::string justified(std::string_view value, std::size_t width);

}  // namespace tarnex::tin
