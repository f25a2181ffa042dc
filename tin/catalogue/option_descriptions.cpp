#include "tin/catalogue/option_descriptions.h"

#include <algorithm>

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/frequency_identifier_row.h"
#include "tin/catalogue/iden_layout_buttons.h"
#include "tin/catalogue/option_description_table.h"
#include "tin/catalogue/record_type_titles.h"
#include "tin/catalogue/series_identifier_preview.h"

namespace tarnex::tin {
namespace {

// The editor dialog's record-type lists, the field holding the type picked
// last, and the field showing its title.
constexpr int kRecordTypeLists[] = {ids::tin_editor::kMiscList, ids::tin_editor::kType1List, ids::tin_editor::kType2List,
                                     ids::tin_editor::kType3List, ids::tin_editor::kType4List};
constexpr int kRecordTypeField = ids::tin_editor::kCurrentRecordType;
constexpr int kRecordTypeTitle = ids::tin_editor::kRecordTypeDescription;

void record_type_chosen(ui::Dialog& dialog, int list) {
  for (int other : kRecordTypeLists) {
    if (other != list) dialog.set_selected(other, 1);
  }
  const auto code = remove_leading_blanks(fit(dialog.text(list), 4));
  dialog.set_text(kRecordTypeField, code);
  if (const auto title = record_type_title(code)) dialog.set_text(kRecordTypeTitle, *title);
}

void describe(ui::Dialog& dialog, const OptionControl& option, std::string_view text) {
  if (const auto description = option_description(option, text)) dialog.set_text(option.description, *description);
}

void option_chosen(ui::Dialog& dialog, const OptionControl& option) {
  const auto text = dialog.text(option.control);
  switch (option.rule) {
    case Rule::kDescribe:
      describe(dialog, option, text);
      return;
    case Rule::kFrequencyIdentifierRow:
      describe(dialog, option, text);
      if (const auto variable = option_number(option, text)) label_frequency_identifier_row(dialog, *variable);
      return;
    case Rule::kSeriesIdentifierType:
      series_identifier_type_chosen(dialog);
      return;
    case Rule::kSeriesIdentifierCount:
      series_identifier_count_chosen(dialog);
      return;
  }
}

}  // namespace

void DROPLISTSELECTION(TinState& tin, ui::Dialog& dialog, int control_id, ui::Event) {
  if (std::ranges::find(kRecordTypeLists, control_id) != std::end(kRecordTypeLists)) {
    record_type_chosen(dialog, control_id);
  } else if (const auto layout = iden_layout_of_button(dialog.id(), control_id)) {
    tin.IDEN_LAYOUT = *layout;
    label_iden_rows(dialog, *layout);
  } else if (const auto* option = option_control(dialog.id(), control_id)) {
    option_chosen(dialog, *option);
  }
}

}  // namespace tarnex::tin
