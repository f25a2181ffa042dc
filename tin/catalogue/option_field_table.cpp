// The option fields of the records as Edit reads them back, dialog by
// dialog. One-character codes are read from their last column alone; the
// rows of each dialog stand together.

#include <algorithm>

#include "tin/catalogue/option_fields.h"

namespace tarnex::tin {
namespace {

using R = Reading;

// Blank, "0" and "-1" all leave the control point sequence unused.
constexpr CodeItem kSequenceArray[] = {{"", 1}, {"-1", 1}};
constexpr CodeItem kBeginningStorage[] = {{"", 1}};
constexpr CodeItem kNegativeInflows[] = {{"", 1}, {"0", 1}};
constexpr CodeItem kControlPointBudget[] = {{"", 1}, {"-1", 1}};
constexpr CodeItem kBasinBudget[] = {{"", 2}, {"0", 2}};
// A DSS message level of 0 is the default level 2.
constexpr CodeItem kDssDefaultLevel[] = {{"0", 3}};

// A table type (MNAN) in column 8.
constexpr OptionField table_type(int dialog, int control, int fallback) {
  return {.dialog = dialog, .control = control, .first = 8, .width = 1, .reading = R::kText, .fallback = fallback};
}

// The count of a summary table's identifiers: 8 unless columns 10-12 hold
// a number.
constexpr OptionField summary_count(int dialog, int control) {
  return {.dialog = dialog, .control = control, .first = 10, .width = 3, .no_number = 8, .low = 0, .high = 8};
}

constexpr OptionField number(int dialog, int control, int first, int width, int no_number, int low, int high) {
  return {.dialog = dialog, .control = control, .first = first, .width = width, .no_number = no_number,
          .low = low, .high = high};
}

// A number whose values outside the list select the fallback entry.
constexpr OptionField listed(int dialog, int control, int first, int width, int no_number, int fallback = 1) {
  return {.dialog = dialog, .control = control, .first = first, .width = width, .no_number = no_number,
          .fallback = fallback};
}

constexpr OptionField text(int dialog, int control, int first, int width, int fallback = 1) {
  return {.dialog = dialog, .control = control, .first = first, .width = width, .reading = R::kText,
          .fallback = fallback};
}

constexpr OptionField text(int dialog, int control, int first, std::span<const CodeItem> codes, int fallback) {
  return {.dialog = dialog, .control = control, .first = first, .width = 4, .reading = R::kText, .codes = codes,
          .fallback = fallback};
}

constexpr OptionField kFields[] = {
    // COMM: the identifier itself, "  **" read as "**"
    text(112, 1306, 1, 4),
    // FILE
    {.dialog = 221, .control = 1332, .first = 5, .width = 4, .reading = R::kLastDigit, .no_number = 0, .high = 1},
    {.dialog = 221, .control = 1333, .first = 9, .width = 4, .no_number = 2, .codes = kDssDefaultLevel,
     .fallback = 3, .fallback_description = "Error or warning message if DSS problems occur"},
    text(221, 1338, 13, 4),
    // UNIT
    text(200, 1272, 15, 5),
    number(200, 1273, 20, 5, 0, -1, 0),
    // 1CPT
    text(201, 1251, 8, 1),
    listed(201, 1253, 9, 8, 1),
    number(201, 1260, 17, 8, 0, -1, 0),
    // 1REC: any digit but 0 lists all records except those specified
    number(115, 1039, 8, 1, 0, 0, 1),
    listed(115, 1038, 9, 4, 1),
    // 1SUM, 1SRT
    {.dialog = 117, .control = 1043, .first = 8, .width = 1, .reading = R::kText,
     .fallback_description = "summary by cp with only totals"},
    text(119, 1045, 8, 1),
    listed(119, 1046, 9, 4, 0),
    // 2SCP, 2SWR, 2SGP, 2SRE, 2SBA
    table_type(121, 1047, 1),
    summary_count(121, 1048),
    table_type(123, 1051, 1),
    summary_count(123, 1052),
    table_type(125, 1061, 1),
    summary_count(125, 1062),
    table_type(127, 1068, 1),
    summary_count(127, 1070),
    table_type(129, 1074, 0),
    // 2REL: a month above 12 is read as every month
    listed(131, 1084, 5, 4, 0),
    text(131, 1077, 12, 1),
    text(131, 1079, 16, 1),
    number(131, 1086, 18, 3, 0, -8, 8),
    // 2FRE: Variable 0 is Variable 1
    listed(136, 1085, 7, 2, 1),
    listed(136, 1089, 9, 4, 0),
    number(136, 1087, 14, 3, 8, -8, 8),
    number(136, 1388, 17, 4, 1, 1, 2),
    number(136, 1389, 21, 4, 1, 1, 3),
    number(136, 1390, 25, 4, 0, 0, 2),
    // 2FRQ
    listed(138, 1090, 7, 2, 1),
    listed(138, 1093, 9, 4, 0),
    listed(138, 1092, 14, 3, 7, 7),
    // 2RES: a reservoir count outside 1-20 shows 20
    listed(140, 1301, 5, 4, 0),
    listed(140, 1300, 9, 4, 0),
    listed(140, 1097, 13, 4, 20, 20),
    // Time series
    text(142, 1101, 5, 4),
    text(142, 1103, 9, 4, 0),
    text(142, 1102, 13, 4),
    listed(142, 1107, 17, 4, 0),
    number(142, 1109, 21, 4, 8, -8, 8),
    number(142, 1114, 29, 4, 0, 0, 2),
    // Type 3
    text(144, 1115, 12, 1),
    // 2BUD
    text(219, 1323, 21, kSequenceArray, 2),
    text(219, 1324, 25, kBeginningStorage, 3),
    text(219, 1325, 29, kNegativeInflows, 3),
    text(219, 1326, 33, kControlPointBudget, 3),
    text(219, 1327, 37, kBasinBudget, 3),
    // 4SWR, 4SGP
    table_type(146, 1117, 0),
    listed(146, 1119, 9, 4, 5),
    table_type(148, 1123, 0),
    listed(148, 1125, 9, 4, 5),
    // 4ZZF, 4ZZZ
    number(224, 1394, 5, 4, 0, 0, 2),
    number(224, 1395, 9, 4, 0, 0, 12),
    number(224, 1396, 13, 4, 0, -8, 8),
    number(226, 1402, 5, 4, 0, 0, 1),
    number(226, 1403, 9, 4, 0, 0, 5),
    number(226, 1404, 13, 4, 0, 0, 1),
    listed(226, 1405, 17, 4, 0),
    listed(226, 1406, 21, 4, 0),
};

}  // namespace

std::span<const OptionField> option_fields() { return kFields; }

std::span<const OptionField> option_fields_of(int dialog_id) {
  const auto is_of = [dialog_id](const OptionField& field) { return field.dialog == dialog_id; };
  const auto first = std::ranges::find_if(kFields, is_of);
  const auto last = std::find_if_not(first, std::end(kFields), is_of);
  return {first, last};
}

}  // namespace tarnex::tin
