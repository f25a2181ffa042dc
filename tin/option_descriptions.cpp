#include "tin/option_descriptions.h"

#include <algorithm>

#include "tin/record_type_titles.h"
#include "ui/fixed_text.h"

namespace tarnex::tin {
namespace {

// The editor dialog's record-type lists, the field holding the type picked
// last, and the field showing its title.
constexpr int kRecordTypeLists[] = {1257, 1262, 1263, 1264, 1265};
constexpr int kRecordTypeField = 1186;
constexpr int kRecordTypeTitle = 1259;

void record_type_chosen(ui::Dialog& dialog, int list) {
  for (int other : kRecordTypeLists) {
    if (other != list) dialog.set_selected(other, 1);
  }
  const auto code = remove_leading_blanks(fit(dialog.text(list), 4));
  dialog.set_text(kRecordTypeField, code);
  if (const auto title = record_type_title(code)) dialog.set_text(kRecordTypeTitle, *title);
}

}  // namespace

void DROPLISTSELECTION(TinState&, ui::Dialog& dialog, int control_id, ui::Event) {
  if (std::find(std::begin(kRecordTypeLists), std::end(kRecordTypeLists), control_id) != std::end(kRecordTypeLists)) {
    record_type_chosen(dialog, control_id);
  }
}

}  // namespace tarnex::tin
