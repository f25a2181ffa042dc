#include "tin/catalogue/free_format_integer.h"

#include <charconv>

namespace tarnex::tin {

std::optional<int> free_format_integer_if_any(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  auto number = text.substr(start);
  number = number.substr(0, number.find_first_of(" ,/"));
  if (number.starts_with('+')) number.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return value;
}

int free_format_integer(std::string_view text) { return free_format_integer_if_any(text).value_or(0); }

}  // namespace tarnex::tin
