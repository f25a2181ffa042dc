#pragma once

#include <optional>
#include <string_view>

namespace tarnex::tin {

// Reads an integer as the model programs' free-format read does: leading
// blanks skipped, the number ends at a blank, comma or slash. Text that holds
// no whole number there (blank, letters, a decimal point, too many digits)
// counts as 0, so that a count read from it asks for no values.
int free_format_integer(std::string_view text);

// The same read, empty where the text holds no whole number, for callers
// that must tell such text from a 0.
std::optional<int> free_format_integer_if_any(std::string_view text);

}  // namespace tarnex::tin
