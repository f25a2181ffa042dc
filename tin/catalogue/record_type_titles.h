#pragma once

#include <optional>
#include <string_view>

namespace tarnex::tin {

constexpr std::string_view kNoRecordTypeChosen = "Select a record type to create from the drop lists";

// The title shown for a record-type code of the editor's lists: the prompt
// for the empty entry and the separator rows, nothing for an unknown code.
std::optional<std::string_view> record_type_title(std::string_view code);

}  // namespace tarnex::tin
