#pragma once
// A transcript keeps whatever bytes a program printed; shown in a window it
// must read safely, whatever they are.

#include <string>
#include <string_view>

namespace tarnex::history {

// The bytes as valid UTF-8 for a text view: a carriage-return/line-feed pair
// or a lone carriage return is a line break, tabs stay, other control bytes
// show as their control pictures (NUL as U+2400, DEL as U+2421), and a byte
// that is not part of a valid UTF-8 sequence shows as U+FFFD.
std::string displayable(std::string_view bytes);

}  // namespace tarnex::history
