#include "tin/catalogue/series_identifier_preview.h"

#include <optional>
#include <string_view>

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/free_format_integer.h"

namespace tarnex::tin {
namespace {

namespace series = ids::record_series;

constexpr std::string_view kToFollow = "number of identifiers to follow";
constexpr std::string_view kFromPreviousRecord = "table includes ABS(NUM) of type ID's of previous record";
constexpr std::string_view kAllOfType = "include all of type ID's in table";
constexpr std::string_view kNoLine = " ";

struct TypeLabels {
  std::string_view description, columns, variable, format;
  bool needs_count;  // a table of every identifier of the type is not offered
};

// By ID 0 to 3.
constexpr TypeLabels kTypes[] = {
    {"develop tables for control points", "25 - 88", "IDEN", "8(2x,A6)", false},
    {"develop tables for water rights", "25 - 152", "IDEN16", "8A16", false},
    {"develop tables for reservoirs", "25 - 88", "IDEN", "8(2x,A6)", false},
    {"develop tables for water right groups", "25 - 88", "IDEN8", "8A8", true},
};

std::optional<int> integer_in(const ui::Dialog& dialog, int control) {
  return free_format_integer_if_any(fit(dialog.text(control), 4));
}

// Null for an ID outside 0 to 3 or one that is not a number.
const TypeLabels* type_labels(const ui::Dialog& dialog) {
  const auto id = integer_in(dialog, series::kId);
  return id && *id >= 0 && *id < static_cast<int>(std::size(kTypes)) ? &kTypes[*id] : nullptr;
}

void preview(ui::Dialog& dialog, const TypeLabels& labels) {
  dialog.set_text(series::kIdDescription, labels.description);
  dialog.set_text(series::kIdenColumns, labels.columns);
  dialog.set_text(series::kIdenVariable, labels.variable);
  dialog.set_text(series::kIdenFormat, labels.format);
}

void no_line(ui::Dialog& dialog) {
  dialog.set_text(series::kIdenColumns, kNoLine);
  dialog.set_text(series::kIdenVariable, kNoLine);
  dialog.set_text(series::kIdenFormat, kNoLine);
}

void blank_preview(ui::Dialog& dialog) {
  dialog.set_text(series::kIdDescription, kNoLine);
  no_line(dialog);
}

void from_previous_record(ui::Dialog& dialog) {
  dialog.set_text(series::kNumDescription, kFromPreviousRecord);
  no_line(dialog);
}

// A count of 0 asks for every identifier of the type: no IDEN line.
void all_of_type(ui::Dialog& dialog, const TypeLabels& labels) {
  dialog.set_text(series::kIdDescription, labels.description);
  dialog.set_text(series::kNumDescription, kAllOfType);
  no_line(dialog);
}

// Water right groups must be listed: the count becomes 1, and says so.
void one_to_follow(ui::Dialog& dialog, const TypeLabels& labels) {
  dialog.set_text(series::kNum, "1");
  dialog.set_text(series::kNumDescription, kToFollow);
  preview(dialog, labels);
}

}  // namespace

void series_identifier_type_chosen(ui::Dialog& dialog) {
  const auto* labels = type_labels(dialog);
  const auto count = integer_in(dialog, series::kNum);
  if (!labels || !count) return;
  if (*count < 0) {
    // The previous record's identifiers are of this type all the same.
    dialog.set_text(series::kIdDescription, labels->description);
    from_previous_record(dialog);
  } else if (*count >= 1) {
    preview(dialog, *labels);
  } else if (labels->needs_count) {
    one_to_follow(dialog, *labels);
  } else {
    all_of_type(dialog, *labels);
  }
}

void series_identifier_count_chosen(ui::Dialog& dialog) {
  const auto count = integer_in(dialog, series::kNum);
  if (!count) return;
  const auto* labels = type_labels(dialog);
  if (*count >= 1) {
    dialog.set_text(series::kNumDescription, kToFollow);
    if (labels) {
      preview(dialog, *labels);
    } else {
      blank_preview(dialog);
    }
  } else if (*count < 0) {
    from_previous_record(dialog);
  } else if (labels && labels->needs_count) {
    one_to_follow(dialog, *labels);
  } else {
    dialog.set_text(series::kNumDescription, kAllOfType);
    no_line(dialog);
  }
}

}  // namespace tarnex::tin
