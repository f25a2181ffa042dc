#include "tin/catalogue/edited_record.h"

#include <algorithm>

#include "base/fixed_text.h"

namespace tarnex::tin {
namespace {

// A dialog whose columns 1-4 are picked from a list serves every identifier
// of that list.
const RecordDialog* dialog_offering(std::string_view identifier) {
  for (const auto& record : record_dialogs()) {
    for (const auto& field : record.fields) {
      if (field.first == 1 && field.kind == Kind::kDropList &&
          std::ranges::find(field.offered, identifier) != field.offered.end()) {
        return &record;
      }
    }
  }
  return nullptr;
}

}  // namespace

const RecordDialog* dialog_to_edit(std::string_view line) {
  const auto code = columns(line, 1, 4);
  const auto* record = dialog_offering(without_trailing_blanks(remove_leading_blanks(code)));
  if (!record) {
    const auto* type = record_type(code);
    record = type ? record_dialog(type->dialog) : nullptr;
  }
  return record && !record->fields.empty() ? record : nullptr;
}

}  // namespace tarnex::tin
