#include "tin/catalogue/value_list.h"

#include <algorithm>

namespace tarnex::tin {
namespace {

constexpr std::size_t kSeen = 256;

void skip_blanks(std::string_view& text) { text.remove_prefix(std::min(text.find_first_not_of(' '), text.size())); }

}  // namespace

std::vector<std::string> list_values(std::string_view text, int count) {
  std::vector<std::string> values;
  text = text.substr(0, kSeen);
  skip_blanks(text);
  for (int k = 0; k < count; ++k) {
    const auto end = std::min(text.find_first_of("\r\n"), text.size());
    values.emplace_back(text.substr(0, end));
    text.remove_prefix(end);
    // The line end is one break however it is written: a multi-line edit
    // may hand its lines over with LF alone.
    text.remove_prefix(text.starts_with("\r\n") ? 2 : std::min<std::size_t>(1, text.size()));
    skip_blanks(text);
  }
  return values;
}

}  // namespace tarnex::tin
