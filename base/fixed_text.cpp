#include "base/fixed_text.h"

#include <algorithm>

namespace tarnex {

bool is_blank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

std::size_t length_without_trailing_blanks(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? 0 : last + 1;
}

std::string without_trailing_blanks(std::string_view text) {
  return std::string(text.substr(0, length_without_trailing_blanks(text)));
}

std::string fit(std::string_view text, std::size_t length) {
  std::string field(text.substr(0, std::min(text.size(), length)));
  field.resize(length, ' ');
  return field;
}

std::string remove_leading_blanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string(text.size(), ' ');
  return fit(text.substr(first), text.size());
}

std::string right_adjust(std::string_view text) {
  const auto used = length_without_trailing_blanks(text);
  return std::string(text.size() - used, ' ') + std::string(text.substr(0, used));
}

void put_columns(std::string& field, std::size_t first, std::size_t width, std::string_view source) {
  if (first == 0 || first > field.size()) return;
  const auto room = std::min(width, field.size() - (first - 1));
  field.replace(first - 1, room, fit(source, room));
}

std::string columns(std::string_view text, std::size_t first, std::size_t width) {
  if (first == 0 || first > text.size()) return std::string(width, ' ');
  return fit(text.substr(first - 1, width), width);
}

}  // namespace tarnex

namespace tarnex {

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace tarnex
