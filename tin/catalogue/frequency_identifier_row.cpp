// The 2FRQ identifier row follows Variable, as the record's columns do:
// water rights and instream flow rights are named in sixteen characters,
// control points and reservoirs in six.

#include "tin/catalogue/frequency_identifier_row.h"

#include <algorithm>
#include <string_view>

#include "resources/dialog_ids.h"

namespace tarnex::tin {
namespace {

namespace frq = ids::record_2frq;

struct RowLabels {
  std::string_view columns, variable, format, value_columns;
};

constexpr RowLabels kSixCharacters{"17 - 24", "IDEN", "2x,A6", "25 - 80"};
constexpr RowLabels kSixteenCharacters{"17 - 32", "IDEN16", "A16", "33 - 88"};

struct VariableLabels {
  int variable;
  const RowLabels* labels;
};

constexpr VariableLabels kByVariable[] = {
    {1, &kSixCharacters},     {2, &kSixCharacters}, {3, &kSixCharacters}, {4, &kSixCharacters},
    {5, &kSixteenCharacters}, {6, &kSixCharacters}, {7, &kSixCharacters}, {8, &kSixteenCharacters},
};

}  // namespace

void label_frequency_identifier_row(ui::Dialog& dialog, int variable) {
  auto it = std::ranges::find(kByVariable, variable, &VariableLabels::variable);
  if (it == std::end(kByVariable)) return;
  dialog.set_text(frq::kIdenColumns, it->labels->columns);
  dialog.set_text(frq::kIdenVariable, it->labels->variable);
  dialog.set_text(frq::kIdenFormat, it->labels->format);
  dialog.set_text(frq::kQfColumns, it->labels->value_columns);
}

}  // namespace tarnex::tin
