#pragma once

#include <string_view>

namespace tarnex::tin {

// Guesses the identifier layout of an IDEN record from its columns 5-256
// (`IDEN_TEXT`, position p is column p + 4): 0 type and number (I4, I4),
// 1 control points or reservoirs (2x,A6), 2 water rights (A16), 3 water
// right groups (A8). Positions beyond the text count as blank.
int IDENFORMAT(std::string_view text);

}  // namespace tarnex::tin
