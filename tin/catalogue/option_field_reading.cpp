// Reading an option field's columns and finding the entry they select.

#include <algorithm>
#include <cctype>
#include <string>

#include "base/fixed_text.h"
#include "tin/catalogue/free_format_integer.h"
#include "tin/catalogue/option_fields.h"

namespace tarnex::tin {
namespace {

bool is_digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string trimmed(std::string_view text) { return without_trailing_blanks(remove_leading_blanks(text)); }

// Only a field whose last column is a digit holds a number: " NUM", "1." and
// "12A" hold none, and neither does a number too large to read.
std::optional<int> number_in(std::string_view columns_read) {
  const auto text = right_adjust(columns_read);
  if (text.empty() || !is_digit(text.back())) return std::nullopt;
  return free_format_integer_if_any(text);
}

std::optional<int> last_digit(std::string_view columns_read) {
  const auto used = length_without_trailing_blanks(columns_read);
  if (used == 0 || !is_digit(columns_read[used - 1])) return std::nullopt;
  return columns_read[used - 1] - '0';
}

// The value as text, compared with the codes and the list's entries; empty
// when a number field holds none and has no reading for that.
std::optional<std::string> value_of(const OptionField& field, std::string_view line) {
  const auto read = columns(line, static_cast<std::size_t>(field.first), static_cast<std::size_t>(field.width));
  if (field.reading == Reading::kText) return trimmed(read);
  auto number = field.reading == Reading::kNumber ? number_in(read) : last_digit(read);
  if (!number) number = field.no_number;
  if (!number) return std::nullopt;
  return std::to_string(std::clamp(*number, field.low, field.high));
}

}  // namespace

int entry_of(const ui::Dialog& dialog, int control, std::string_view text) {
  const int count = dialog.item_count(control);
  for (int item = 1; item <= count; ++item) {
    if (dialog.item_text(control, item) == text) return item;
  }
  return 0;
}

OptionChoice read_option(const OptionField& field, std::string_view line, const ui::Dialog& dialog) {
  const auto value = value_of(field, line);
  if (value) {
    auto code = std::ranges::find(field.codes, *value, &CodeItem::code);
    if (code != field.codes.end()) return {code->item, false};
    if (const int item = entry_of(dialog, field.control, *value)) return {item, false};
  }
  return {field.fallback, true};
}

}  // namespace tarnex::tin
