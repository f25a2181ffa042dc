#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnex::tin {

// The first `count` values of a multi-line edit's text, one per line, each
// without its leading blanks. Only the first 256 characters of the text are
// seen; missing lines give blank values, an empty line a blank value, and
// lines beyond `count` are ignored. A line ends with CR LF, LF or CR.
std::vector<std::string> list_values(std::string_view text, int count);

}  // namespace tarnex::tin
