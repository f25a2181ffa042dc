#include "tin/catalogue/field_value.h"

#include <algorithm>

#include "base/fixed_text.h"

namespace tarnex::tin {
namespace {

// The most characters of a control's text that the builder looks at.
constexpr std::size_t kControlText = 256;

std::size_t value_width(const Field& field) { return static_cast<std::size_t>(field.width - field.blank_part); }

}  // namespace

std::string justified(std::string_view value, std::size_t width) { return right_adjust(fit(value, width)); }

std::string read_value(const Field& field, std::string_view control_text) {
  const auto width = value_width(field);
  const auto read = field.first_chars > 0 ? static_cast<std::size_t>(field.first_chars) : kControlText;
  const auto seen = fit(control_text, read);
  switch (field.read) {
    case Read::kAsTyped:
      return fit(seen, width);
    case Read::kWhenFull: {
      // Counted as typed, trailing blanks included: "A " fills two columns,
      // so a record built from "A x" reads back and builds again unchanged.
      const auto typed = control_text.substr(0, std::min(control_text.size(), read));
      const auto first = typed.find_first_not_of(' ');
      const auto text = first == std::string_view::npos ? std::string_view() : typed.substr(first);
      return text.size() >= width ? fit(text, width) : std::string(width, ' ');
    }
    case Read::kJustified:
      break;
  }
  return justified(remove_leading_blanks(seen), width);
}

std::string field_value(const Field& field, std::string_view control_text) {
  auto value = read_value(field, control_text);
  if (is_blank(value) && !field.blank.empty()) value = justified(field.blank, value_width(field));
  return value;
}

}  // namespace tarnex::tin
