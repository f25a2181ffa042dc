#include "tin/free_format_integer.h"

#include <charconv>

namespace tarnex::tin {

int free_format_integer(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return 0;
  auto number = text.substr(start);
  number = number.substr(0, number.find_first_of(" ,/"));
  if (number.starts_with('+')) number.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return 0;
  return value;
}

}  // namespace tarnex::tin
