#include "tin/catalogue/record_fill_texts.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/option_fields.h"
#include "tin/catalogue/record_builder.h"
#include "tin/catalogue/record_list.h"

namespace tarnex::tin {
namespace {

using sv = std::string_view;

// How a text field shows its columns. By default they are shown unchanged,
// which the builder reads back to the same columns.
enum class Shape {
  kAsIs,
  kLeftAdjusted,   // without leading and trailing blanks
  kRightAdjusted,  // trailing blanks moved to the front
  kBlankAsSpace,   // left-adjusted; a blank field shows a single blank
  kEntryOrAsIs,    // an entry of the combo when that is what it holds, else unchanged
};

struct TextShape {
  int dialog = 0;
  int control = 0;
  Shape shape = Shape::kAsIs;
  int limit = 0;  // the field's width, where the user may type no more
  int description = 0;
  sv description_text{};
};

constexpr TextShape kShapes[] = {
    {ids::record_titl::kDialog, ids::record_titl::kTitle, Shape::kAsIs, 74},
    {ids::record_comm::kDialog, ids::record_comm::kComments, Shape::kAsIs, 148},
    {ids::record_unit::kDialog, ids::record_unit::kUnit, Shape::kAsIs, 5},
    {ids::record_unit::kDialog, ids::record_unit::kUnhp, Shape::kAsIs, 5},
    {ids::record_type3::kDialog, ids::record_type3::kCdOut, Shape::kAsIs, 2},
    {ids::record_type3::kDialog, ids::record_type3::kInFac, Shape::kAsIs, 8},
    {ids::record_2rel::kDialog, ids::record_2rel::kTar, Shape::kAsIs, 8},
    {ids::record_2ret::kDialog, ids::record_2ret::kTar, Shape::kEntryOrAsIs},
    {ids::record_2fre::kDialog, ids::record_2fre::kTime, Shape::kRightAdjusted},
    {ids::record_2fre::kDialog, ids::record_2fre::kXf, Shape::kRightAdjusted},
    {ids::record_2fre::kDialog, ids::record_2fre::kAf, Shape::kRightAdjusted},
    {ids::record_2bud::kDialog, ids::record_2bud::kCpBud, Shape::kLeftAdjusted},
    {ids::record_2bud::kDialog, ids::record_2bud::kYrFirst, Shape::kLeftAdjusted},
    {ids::record_2bud::kDialog, ids::record_2bud::kYrLast, Shape::kLeftAdjusted},
    {ids::record_series::kDialog, ids::record_series::kDecimal, Shape::kBlankAsSpace},
    {ids::record_series::kDialog, ids::record_series::kTime, Shape::kLeftAdjusted, 0,
     ids::record_series::kTimeDescription, "number of months for moving averages or totals"},
};

constexpr sv kLineBreak = "\r\n";

const TextShape* shape_of(int dialog_id, int control) {
  auto it = std::ranges::find_if(
      kShapes, [&](const TextShape& shape) { return shape.dialog == dialog_id && shape.control == control; });
  return it == std::end(kShapes) ? nullptr : &*it;
}

std::string trimmed(sv text) { return without_trailing_blanks(remove_leading_blanks(text)); }

std::string shaped(const ui::Dialog& dialog, int control, Shape shape, const std::string& value) {
  switch (shape) {
    case Shape::kAsIs:
      return value;
    case Shape::kLeftAdjusted:
      return trimmed(value);
    case Shape::kRightAdjusted:
      return right_adjust(value);
    case Shape::kBlankAsSpace:
      return is_blank(value) ? std::string(" ") : trimmed(value);
    case Shape::kEntryOrAsIs: {
      const auto entry = trimmed(value);
      return !entry.empty() && entry_of(dialog, control, entry) > 0 ? entry : value;
    }
  }
  return value;
}

std::size_t size(int n) { return static_cast<std::size_t>(n); }

// The columns of value k of a field: a list's values stand one after another.
std::string value_columns(const Field& field, std::string_view line, int k) {
  return columns(line, size(field.first + field.blank_part + k * field.width), size(field.width - field.blank_part));
}

// One value per line, without blanks around it; blank values at the end are
// left out, since the builder writes blank fields for missing lines.
std::string list_text(const Field& field, std::string_view line, int count) {
  const int fitting = (kLineLength - field.first + 1) / field.width;
  std::vector<std::string> values;
  for (int k = 0; k < std::min(count, fitting); ++k) values.push_back(trimmed(value_columns(field, line, k)));
  while (!values.empty() && values.back().empty()) values.pop_back();
  std::string text;
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (k > 0) text += kLineBreak;
    text += values[k];
  }
  return text;
}

void fill_text(ui::Dialog& dialog, const Field& field, std::string_view line) {
  const auto* shape = shape_of(dialog.id(), field.control);
  if (shape && shape->limit > 0) dialog.set_text_limit(field.control, shape->limit);
  dialog.set_text(field.control, shaped(dialog, field.control, shape ? shape->shape : Shape::kAsIs,
                                        value_columns(field, line, 0)));
  if (shape && shape->description > 0) dialog.set_text(shape->description, shape->description_text);
}

}  // namespace

void fill_texts(ui::Dialog& dialog, const RecordDialog& record, std::span<const std::string> lines, int variant) {
  const int count = list_count(record, dialog);
  for (const auto& field : record.fields) {
    if (!applies(field, variant)) continue;
    const auto index = size(field.line - 1);
    const std::string_view line = index < lines.size() ? std::string_view(lines[index]) : std::string_view();
    switch (field.kind) {
      case Kind::kMultiLine:
        dialog.set_text(field.control, list_text(field, line, field.magnitude ? std::abs(count) : count));
        break;
      case Kind::kEdit:
      case Kind::kCombo:
      case Kind::kReadOnly:
        fill_text(dialog, field, line);
        break;
      case Kind::kDropList:
        break;
    }
  }
}

}  // namespace tarnex::tin
