#include "tin/catalogue/record_builder.h"

#include <algorithm>
#include <cstdlib>

#include "base/fixed_text.h"
#include "tin/catalogue/field_value.h"
#include "tin/catalogue/free_format_integer.h"
#include "tin/catalogue/message_dialog.h"
#include "tin/catalogue/value_list.h"

namespace tarnex::tin {
namespace {

std::size_t size(int n) { return static_cast<std::size_t>(n); }

const Field* field_of(const RecordDialog& record, int control_id) {
  auto it = std::ranges::find(record.fields, control_id, &Field::control);
  return it == record.fields.end() ? nullptr : &*it;
}

// The control's value, by its field's read rule, as an integer (0 when it is
// blank or not a number).
int integer_of(const RecordDialog& record, int control_id, const ui::Dialog& dialog) {
  const auto* field = field_of(record, control_id);
  return field ? free_format_integer(read_value(*field, dialog.text(control_id))) : 0;
}

// Writes the list's values one after another from the field's columns on;
// true when it wrote any.
bool put_list(std::string& line, const Field& field, int count, const ui::Dialog& dialog) {
  const int fitting = (kLineLength - field.first + 1) / field.width;
  const auto values = list_values(dialog.text(field.control), std::min(count, fitting));
  const auto width = size(field.width - field.blank_part);
  for (std::size_t k = 0; k < values.size(); ++k) {
    put_columns(line, size(field.first + field.blank_part) + k * size(field.width), width, justified(values[k], width));
  }
  return !values.empty();
}

bool kept(const ExtraLine& extra, const std::string& line, bool listed) {
  switch (extra.keep) {
    case Keep::kAlways:
      return true;
    case Keep::kWhenListed:
      return listed;
    case Keep::kWhenFilled:
      return !is_blank(std::string_view(line).substr(4));
  }
  return false;
}

std::string full_list_text(int count, std::size_t needed) {
  return "\r\nThe ORBEN file already holds " + std::to_string(count) + " records, and it can hold no more than " +
         std::to_string(kSlots) + ".\r\nThis record needs " + std::to_string(needed) +
         (needed == 1 ? " line" : " lines") + ", so it was not added.";
}

}  // namespace

int variant_of(const RecordDialog& record, const ui::Dialog& dialog, int iden_layout) {
  switch (record.variant) {
    case Variant::kNone:
      return 0;
    case Variant::kFrqIdentifier: {
      const int v = integer_of(record, record.selector_control, dialog);
      return std::abs(v) <= 4 || std::abs(v) == 6 || v == 7 ? 0 : 1;
    }
    case Variant::kSeriesIdentifierType: {
      const int id = integer_of(record, record.selector_control, dialog);
      return id >= 0 && id <= 3 ? id : kNoVariant;
    }
    case Variant::kIdenLayout:
      return iden_layout >= 0 && iden_layout <= 3 ? iden_layout : kNoVariant;
  }
  return kNoVariant;
}

bool applies(const Field& field, int variant) {
  return field.only == 0 || (variant != kNoVariant && (field.only >> variant & 1u) != 0);
}

// A blank count control gives the record's own count.
int list_count(const RecordDialog& record, const ui::Dialog& dialog) {
  const auto* field = field_of(record, record.count_control);
  if (!field) return 0;
  const auto value = read_value(*field, dialog.text(record.count_control));
  return is_blank(value) ? record.count_when_blank : free_format_integer(value);
}

std::vector<std::string> build_record(const RecordDialog& record, const ui::Dialog& dialog, int iden_layout) {
  std::vector<std::string> lines(1 + record.extra_lines.size(), std::string(kLineLength, ' '));
  put_columns(lines[0], 1, 4, record.code);
  for (std::size_t i = 0; i < record.extra_lines.size(); ++i) {
    put_columns(lines[i + 1], 1, 4, record.extra_lines[i].code);
  }

  const int variant = variant_of(record, dialog, iden_layout);
  const int count = list_count(record, dialog);
  std::vector<bool> listed(lines.size(), false);
  for (const auto& field : record.fields) {
    const auto index = size(field.line - 1);
    if (!applies(field, variant) || index >= lines.size()) continue;
    if (field.kind == Kind::kMultiLine) {
      if (put_list(lines[index], field, field.magnitude ? std::abs(count) : count, dialog)) listed[index] = true;
    } else {
      put_columns(lines[index], size(field.first + field.blank_part), size(field.width - field.blank_part),
                  field_value(field, dialog.text(field.control)));
    }
  }

  std::vector<std::string> record_lines{lines[0]};
  for (std::size_t i = 0; i < record.extra_lines.size(); ++i) {
    if (kept(record.extra_lines[i], lines[i + 1], listed[i + 1])) record_lines.push_back(lines[i + 1]);
  }
  return record_lines;
}

std::vector<std::string> build_on_click(const TinState& tin, const ui::Dialog& dialog, int control_id) {
  // Add button ids are unique among the Add buttons only (the 4ZZF Add
  // button has the id of the 2FRE XF box), so the dialog must match too.
  const auto* record = dialog_of_add_button(control_id);
  if (!record || record->dialog != dialog.id()) return {};
  return build_record(*record, dialog, tin.IDEN_LAYOUT);
}

void RECORDBUILDER(TinState& tin, ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event) {
  const auto lines = build_on_click(tin, dialog, control_id);
  if (lines.empty()) return;
  const int count = tin.records.count();
  // The list never grows past its slots; a record that does not fit is not
  // split, and the user is told rather than losing the typed record unseen.
  if (!tin.records.append(lines)) show_message(ui, "ERROR", full_list_text(count, lines.size()));
  dialog.end(control_id);
}

ui::Callback record_builder(TinState& tin, ui::Ui& ui) {
  return [&tin, &ui](ui::Dialog& dialog, int control_id, ui::Event event) {
    RECORDBUILDER(tin, ui, dialog, control_id, event);
  };
}

}  // namespace tarnex::tin
