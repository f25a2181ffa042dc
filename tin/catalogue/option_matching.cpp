// Reading an option's value and finding the row that describes it.

#include <algorithm>
#include <cctype>
#include <charconv>

#include "base/fixed_text.h"
#include "tin/catalogue/free_format_integer.h"
#include "tin/catalogue/option_description_table.h"

namespace tarnex::tin {
namespace {

std::size_t width_of(const OptionControl& option) { return static_cast<std::size_t>(option.width); }

// A real number as the model programs write one in an F field: an optional
// sign, digits with or without a decimal point, an optional exponent. A
// trailing decimal point ("100.") is a number like any other.
std::optional<double> real_number(std::string_view text) {
  if (text.starts_with('+')) text.remove_prefix(1);
  const auto digits = text.starts_with('-') ? text.substr(1) : text;
  if (digits.empty() || !(std::isdigit(static_cast<unsigned char>(digits.front())) || digits.front() == '.')) {
    return std::nullopt;
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Blank means 0 (no 2REL target, a default factor), and so does text that
// is not a number; otherwise the sign of the number.
int real_sign(std::string_view fixed_text) {
  const auto trimmed = without_trailing_blanks(remove_leading_blanks(fixed_text));
  const auto value = real_number(trimmed).value_or(0.0);
  return (value > 0) - (value < 0);
}

bool matches(const OptionRow& row, const OptionControl& option, std::string_view text,
             const std::optional<int>& number) {
  switch (row.match) {
    case Match::kText:
      return text == fit(row.text, width_of(option));
    case Match::kFirstCharacter:
      return !text.empty() && !row.text.empty() && text.front() == row.text.front();
    case Match::kNumber:
      return number && *number >= row.low && *number <= row.high;
    case Match::kAny:
      return true;
  }
  return false;
}

std::optional<std::string_view> described_by(std::span<const OptionRow> rows, const OptionControl& option,
                                             std::string_view control_text) {
  const auto text = option_text(option, control_text);
  const auto number = option_number(option, control_text);
  auto row = std::ranges::find_if(rows, [&](const OptionRow& r) { return matches(r, option, text, number); });
  if (row == rows.end()) return std::nullopt;
  return row->description;
}

}  // namespace

std::string option_text(const OptionControl& option, std::string_view control_text) {
  return remove_leading_blanks(fit(control_text, width_of(option)));
}

std::optional<int> option_number(const OptionControl& option, std::string_view control_text) {
  const auto text = option_text(option, control_text);
  switch (option.number) {
    case Number::kInteger:
      return free_format_integer_if_any(text);
    case Number::kRealSign:
      return real_sign(text);
  }
  return std::nullopt;
}

std::optional<std::string_view> option_description(const OptionControl& option, std::string_view control_text) {
  return described_by(option.rows, option, control_text);
}

std::optional<std::string_view> read_description(const OptionControl& option, std::string_view control_text) {
  return described_by(option.read_rows, option, control_text);
}

}  // namespace tarnex::tin
