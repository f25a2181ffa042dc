#pragma once
// The fixed texts of the starter files: comment lines, column rulers, field
// names and one line per suggested record.

#include <string>
#include <string_view>
#include <vector>

namespace tarnex::templates {

// Every line of a template file is a record of this many characters.
constexpr std::size_t kTemplateLineLength = 256;

// The lines for a template kind ("MOR" or "FLUM", leading and trailing blanks
// ignored), each blank-padded to kTemplateLineLength; any other kind gives
// the single line that says so.
std::vector<std::string> template_lines(std::string_view kind);

}  // namespace tarnex::templates
