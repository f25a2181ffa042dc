// The option fields of the records as Edit reads them back, dialog by
// dialog. One-character codes are read from their last column alone; the
// rows of each dialog stand together.

#include <algorithm>

#include "resources/dialog_ids.h"
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
    text(ids::record_comm::kDialog, ids::record_comm::kCd, 1, 4),
    // FILE
    {.dialog = ids::record_file::kDialog, .control = ids::record_file::kOutForm, .first = 5, .width = 4,
     .reading = R::kLastDigit, .no_number = 0, .high = 1},
    {.dialog = ids::record_file::kDialog, .control = ids::record_file::kDssMes, .first = 9, .width = 4, .no_number = 2,
     .codes = kDssDefaultLevel, .fallback = 3,
     .fallback_description = "Error or warning message if DSS problems occur"},
    text(ids::record_file::kDialog, ids::record_file::kDssMon, 13, 4),
    // UNIT
    text(ids::record_unit::kDialog, ids::record_unit::kMonth1, 15, 5),
    number(ids::record_unit::kDialog, ids::record_unit::kNewPage, 20, 5, 0, -1, 0),
    // 1CPT
    text(ids::record_1cpt::kDialog, ids::record_1cpt::kKk, 8, 1),
    listed(ids::record_1cpt::kDialog, ids::record_1cpt::kOo, 9, 8, 1),
    number(ids::record_1cpt::kDialog, ids::record_1cpt::kLim, 17, 8, 0, -1, 0),
    // 1REC: any digit but 0 lists all records except those specified
    number(ids::record_1rec::kDialog, ids::record_1rec::kKk, 8, 1, 0, 0, 1),
    listed(ids::record_1rec::kDialog, ids::record_1rec::kNum, 9, 4, 1),
    // 1SUM, 1SRT
    {.dialog = ids::record_1sum::kDialog, .control = ids::record_1sum::kKk, .first = 8, .width = 1, .reading = R::kText,
     .fallback_description = "summary by cp with only totals"},
    text(ids::record_1srt::kDialog, ids::record_1srt::kKk, 8, 1),
    listed(ids::record_1srt::kDialog, ids::record_1srt::kIff, 9, 4, 0),
    // 2SCP, 2SWR, 2SGP, 2SRE, 2SBA
    table_type(ids::record_2scp::kDialog, ids::record_2scp::kMnan, 1),
    summary_count(ids::record_2scp::kDialog, ids::record_2scp::kNum),
    table_type(ids::record_2swr::kDialog, ids::record_2swr::kMnan, 1),
    summary_count(ids::record_2swr::kDialog, ids::record_2swr::kNum),
    table_type(ids::record_2sgp::kDialog, ids::record_2sgp::kMnan, 1),
    summary_count(ids::record_2sgp::kDialog, ids::record_2sgp::kNum),
    table_type(ids::record_2sre::kDialog, ids::record_2sre::kMnan, 1),
    summary_count(ids::record_2sre::kDialog, ids::record_2sre::kNum),
    table_type(ids::record_2sba::kDialog, ids::record_2sba::kMnan, 0),
    // 2REL: a month above 12 is read as every month
    listed(ids::record_2rel::kDialog, ids::record_2rel::kMon, 5, 4, 0),
    text(ids::record_2rel::kDialog, ids::record_2rel::kRFlag, 12, 1),
    text(ids::record_2rel::kDialog, ids::record_2rel::kId, 16, 1),
    number(ids::record_2rel::kDialog, ids::record_2rel::kNum, 18, 3, 0, -8, 8),
    // 2FRE: Variable 0 is Variable 1
    listed(ids::record_2fre::kDialog, ids::record_2fre::kVariable, 7, 2, 1),
    listed(ids::record_2fre::kDialog, ids::record_2fre::kMon, 9, 4, 0),
    number(ids::record_2fre::kDialog, ids::record_2fre::kNum, 14, 3, 8, -8, 8),
    number(ids::record_2fre::kDialog, ids::record_2fre::kTable, 17, 4, 1, 1, 2),
    number(ids::record_2fre::kDialog, ids::record_2fre::kMethod, 21, 4, 1, 1, 3),
    number(ids::record_2fre::kDialog, ids::record_2fre::kMat, 25, 4, 0, 0, 2),
    // 2FRQ
    listed(ids::record_2frq::kDialog, ids::record_2frq::kVariable, 7, 2, 1),
    listed(ids::record_2frq::kDialog, ids::record_2frq::kMonth, 9, 4, 0),
    listed(ids::record_2frq::kDialog, ids::record_2frq::kNm, 14, 3, 7, 7),
    // 2RES: a reservoir count outside 1-20 shows 20
    listed(ids::record_2res::kDialog, ids::record_2res::kTable, 5, 4, 0),
    listed(ids::record_2res::kDialog, ids::record_2res::kMonth, 9, 4, 0),
    listed(ids::record_2res::kDialog, ids::record_2res::kNum, 13, 4, 20, 20),
    // Time series
    text(ids::record_series::kDialog, ids::record_series::kTa, 5, 4),
    text(ids::record_series::kDialog, ids::record_series::kPt, 9, 4, 0),
    text(ids::record_series::kDialog, ids::record_series::kMore, 13, 4),
    listed(ids::record_series::kDialog, ids::record_series::kId, 17, 4, 0),
    number(ids::record_series::kDialog, ids::record_series::kNum, 21, 4, 8, -8, 8),
    number(ids::record_series::kDialog, ids::record_series::kMat, 29, 4, 0, 0, 2),
    // Type 3
    text(ids::record_type3::kDialog, ids::record_type3::kHec, 12, 1),
    // 2BUD
    text(ids::record_2bud::kDialog, ids::record_2bud::kIcpi, 21, kSequenceArray, 2),
    text(ids::record_2bud::kDialog, ids::record_2bud::kBegSto, 25, kBeginningStorage, 3),
    text(ids::record_2bud::kDialog, ids::record_2bud::kNegInf, 29, kNegativeInflows, 3),
    text(ids::record_2bud::kDialog, ids::record_2bud::kCpOut, 33, kControlPointBudget, 3),
    text(ids::record_2bud::kDialog, ids::record_2bud::kBasin, 37, kBasinBudget, 3),
    // 4SWR, 4SGP
    table_type(ids::record_4swr::kDialog, ids::record_4swr::kMnan, 0),
    listed(ids::record_4swr::kDialog, ids::record_4swr::kNum, 9, 4, 5),
    table_type(ids::record_4sgp::kDialog, ids::record_4sgp::kMnan, 0),
    listed(ids::record_4sgp::kDialog, ids::record_4sgp::kNum, 9, 4, 5),
    // 4ZZF, 4ZZZ
    number(ids::record_4zzf::kDialog, ids::record_4zzf::kVar, 5, 4, 0, 0, 2),
    number(ids::record_4zzf::kDialog, ids::record_4zzf::kMon, 9, 4, 0, 0, 12),
    number(ids::record_4zzf::kDialog, ids::record_4zzf::kNum, 13, 4, 0, -8, 8),
    number(ids::record_4zzz::kDialog, ids::record_4zzz::kTa, 5, 4, 0, 0, 1),
    number(ids::record_4zzz::kDialog, ids::record_4zzz::kPt, 9, 4, 0, 0, 5),
    number(ids::record_4zzz::kDialog, ids::record_4zzz::kMore, 13, 4, 0, 0, 1),
    listed(ids::record_4zzz::kDialog, ids::record_4zzz::kVar, 17, 4, 0),
    listed(ids::record_4zzz::kDialog, ids::record_4zzz::kNum, 21, 4, 0),
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
