#include "tin/catalogue/record_fill.h"

#include <algorithm>
#include <vector>

#include "base/fixed_text.h"
#include "tin/catalogue/iden_format.h"
#include "tin/catalogue/iden_layout_buttons.h"
#include "tin/catalogue/option_description_table.h"
#include "tin/catalogue/option_descriptions.h"
#include "tin/catalogue/option_fields.h"
#include "tin/catalogue/record_builder.h"
#include "tin/catalogue/record_fill_texts.h"
#include "tin/catalogue/record_list.h"
#include "tin/catalogue/shared_dialog_titles.h"

namespace tarnex::tin {
namespace {

constexpr std::size_t kIdenFirst = 5;
constexpr std::size_t kIdenLength = 252;

// The options that fell back, whose descriptions may differ from their
// entries' own.
std::vector<const OptionField*> fill_options(ui::Dialog& dialog, std::string_view line) {
  std::vector<const OptionField*> fell_back;
  for (const auto& field : option_fields_of(dialog.id())) {
    const auto choice = read_option(field, line, dialog);
    if (choice.item > 0) dialog.set_selected(field.control, choice.item);
    if (choice.fallback && choice.item > 0) fell_back.push_back(&field);
  }
  return fell_back;
}

// The layout that IDENFORMAT guesses from the identifier text, unless the
// record would not stand in it unchanged (an identifier cut short, or lost
// beyond the layout's fields): then the first layout in which it does, so
// that OK never changes what the user left alone. A record that stands in
// none keeps the guess.
int layout_to_show(const TinState& tin, ui::Dialog& dialog, const RecordDialog& record, std::string_view line) {
  const int guess = IDENFORMAT(tin.IDEN_TEXT);
  const auto record_line = fit(line, kLineLength);
  for (int layout : {guess, 3, 2, 1, 0}) {
    cut_iden_text(dialog, tin.IDEN_TEXT, layout);
    if (build_record(record, dialog, layout).front() == record_line) return layout;
  }
  return guess;
}

// The record is cut into the value boxes by its layout; the layout buttons
// re-cut the same text.
void fill_iden(TinState& tin, ui::Dialog& dialog, const RecordDialog& record, std::string_view line) {
  tin.IDEN_TEXT = columns(line, kIdenFirst, kIdenLength);
  tin.IDEN_LAYOUT = layout_to_show(tin, dialog, record, line);
  dialog.set_checked(kIdenLayoutButtons[static_cast<std::size_t>(tin.IDEN_LAYOUT)], true);
  label_iden_rows(dialog, tin.IDEN_LAYOUT);
  cut_iden_text(dialog, tin.IDEN_TEXT, tin.IDEN_LAYOUT);
}

// Where the value read from the record is described otherwise than a value
// the user picks or types.
void describe_as_read(ui::Dialog& dialog, int control) {
  const auto* option = option_control(dialog.id(), control);
  if (!option) return;
  if (const auto description = read_description(*option, dialog.text(control))) {
    dialog.set_text(option->description, *description);
  }
}

// Each option is described as its own callback describes it when the user
// picks it, unless it says otherwise of a value read from the record, then
// the fallbacks that say more than their entry.
void describe_options(TinState& tin, ui::Dialog& dialog, const RecordDialog& record,
                      const std::vector<const OptionField*>& fell_back) {
  for (const auto& field : record.fields) {
    if (field.kind == Kind::kDropList || field.kind == Kind::kCombo) {
      DROPLISTSELECTION(tin, dialog, field.control, ui::Event::SelectionChange);
      describe_as_read(dialog, field.control);
    }
  }
  for (const auto* option : fell_back) {
    if (option->fallback_description.empty()) continue;
    auto field = std::ranges::find(record.fields, option->control, &Field::control);
    if (field != record.fields.end() && field->description > 0) {
      dialog.set_text(field->description, option->fallback_description);
    }
  }
}

}  // namespace

void fill_record_dialog(TinState& tin, ui::Dialog& dialog, const RecordDialog& record,
                        std::span<const std::string> lines) {
  const std::string_view line = lines.empty() ? std::string_view() : std::string_view(lines.front());
  show_record_type(dialog, record, columns(line, 1, 4));
  const auto fell_back = fill_options(dialog, line);
  if (record.variant == Variant::kIdenLayout) {
    fill_iden(tin, dialog, record, line);
  } else {
    fill_texts(dialog, record, lines, variant_of(record, dialog, tin.IDEN_LAYOUT));
  }
  describe_options(tin, dialog, record, fell_back);
}

}  // namespace tarnex::tin
