#include "tin/catalogue/iden_layout_buttons.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"

namespace tarnex::tin {
namespace {

using sv = std::string_view;
namespace iden = ids::record_iden;

struct RowControls {
  int columns, variable, format, value, description;
};

constexpr RowControls kRows[] = {
    {iden::kColumns1, iden::kVariable1, iden::kFormat1, iden::kValue1, iden::kDescription1},
    {iden::kColumns2, iden::kVariable2, iden::kFormat2, iden::kValue2, iden::kDescription2},
    {iden::kColumns3, iden::kVariable3, iden::kFormat3, iden::kValue3, iden::kDescription3},
    {iden::kColumns4, iden::kVariable4, iden::kFormat4, iden::kValue4, iden::kDescription4},
    {iden::kColumns5, iden::kVariable5, iden::kFormat5, iden::kValue5, iden::kDescription5},
    {iden::kColumns6, iden::kVariable6, iden::kFormat6, iden::kValue6, iden::kDescription6},
    {iden::kColumns7, iden::kVariable7, iden::kFormat7, iden::kValue7, iden::kDescription7},
    {iden::kColumns8, iden::kVariable8, iden::kFormat8, iden::kValue8, iden::kDescription8},
};
constexpr std::size_t kRowCount = std::size(kRows);

struct RowLabels {
  sv columns, variable, format, description;
};

// Layout 0: the type and the number of identifiers in two I4 fields.
constexpr RowLabels kUnused{" ", " ", " ", "n/a"};
constexpr std::array<RowLabels, kRowCount> kTypeAndNumber{{
    {"5 - 8", "TID", "I4", "Type of Identifiers: CP=0, WR=1, RES=2, WR Groups=3"},
    {"9 - 12", "NUM", "I4", "Number of Identifiers"},
    kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
}};
constexpr std::size_t kTypeAndNumberFields = 2;
constexpr std::size_t kTypeAndNumberWidth = 4;

// Layouts 1 to 3: eight identifiers, each in a field of `width` columns from
// column 5 on, the variables numbered 1 to 8.
struct IdentifierLayout {
  std::size_t width;
  sv variable, format, first_description, description;
};

constexpr IdentifierLayout kIdentifierLayouts[] = {
    {8, "IDCP or IDRES", "2x,A6", "Control Point,Type ID = 0;  or  Reservoir, Type ID = 2",
     "Control Point or Reservoir"},
    {16, "IDEN16", "A16", "Water Right, Type ID = 1", "Water Right"},
    {8, "IDEN8", "A8", "Water Right Group, Type ID = 3", "Water Right Group"},
};

// Position 1 of the identifier text is record column 5.
constexpr std::size_t kFirstColumn = 5;

void write_labels(ui::Dialog& dialog, const RowControls& row, sv columns, sv variable, sv format, sv description) {
  dialog.set_text(row.columns, columns);
  dialog.set_text(row.variable, variable);
  dialog.set_text(row.format, format);
  dialog.set_text(row.description, description);
}

const IdentifierLayout* identifier_layout(int layout) {
  if (layout < 1 || layout > static_cast<int>(std::size(kIdentifierLayouts))) return nullptr;
  return &kIdentifierLayouts[layout - 1];
}

// The record columns of field `field` (from 0), as the row shows them.
std::string field_columns(std::size_t field, std::size_t width) {
  const auto first = kFirstColumn + field * width;
  return std::to_string(first) + " - " + std::to_string(first + width - 1);
}

// The text of field `field` (from 0), right-adjusted in its width.
std::string field_value(std::string_view iden_text, std::size_t field, std::size_t width) {
  return right_adjust(columns(iden_text, field * width + 1, width));
}

}  // namespace

std::optional<int> iden_layout_of_button(int dialog_id, int control_id) {
  if (dialog_id != iden::kDialog) return std::nullopt;
  auto it = std::ranges::find(kIdenLayoutButtons, control_id);
  if (it == kIdenLayoutButtons.end()) return std::nullopt;
  return static_cast<int>(it - kIdenLayoutButtons.begin());
}

void label_iden_rows(ui::Dialog& dialog, int layout) {
  if (layout == 0) {
    for (std::size_t k = 0; k < kRowCount; ++k) {
      const auto& labels = kTypeAndNumber[k];
      write_labels(dialog, kRows[k], labels.columns, labels.variable, labels.format, labels.description);
    }
    return;
  }
  const auto* shape = identifier_layout(layout);
  if (!shape) return;
  for (std::size_t k = 0; k < kRowCount; ++k) {
    const auto variable = std::string(shape->variable) + "(" + std::to_string(k + 1) + ")";
    write_labels(dialog, kRows[k], field_columns(k, shape->width), variable, shape->format,
                 k == 0 ? shape->first_description : shape->description);
  }
}

void cut_iden_text(ui::Dialog& dialog, std::string_view iden_text, int layout) {
  const auto* shape = identifier_layout(layout);
  if (layout != 0 && !shape) return;
  const auto fields = shape ? kRowCount : kTypeAndNumberFields;
  const auto width = shape ? shape->width : kTypeAndNumberWidth;
  for (std::size_t k = 0; k < kRowCount; ++k) {
    dialog.set_text(kRows[k].value, k < fields ? field_value(iden_text, k, width) : std::string(" "));
  }
}

void RADIOBUTTONSELECTION(TinState& tin, ui::Dialog& dialog, int control_id, ui::Event) {
  const auto layout = iden_layout_of_button(dialog.id(), control_id);
  if (!layout) return;
  tin.IDEN_LAYOUT = *layout;
  label_iden_rows(dialog, *layout);
  cut_iden_text(dialog, tin.IDEN_TEXT, *layout);
}

}  // namespace tarnex::tin
