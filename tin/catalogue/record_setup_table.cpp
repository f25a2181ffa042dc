// The starting values of the record dialogs opened for a new record, dialog
// by dialog: what each list shows first and the words beside it, the starting
// texts, the text limits and the edit boxes that take the caret routine.

#include <algorithm>

#include "resources/dialog_ids.h"
#include "tin/catalogue/record_setup.h"

namespace tarnex::tin {
namespace {

using sv = std::string_view;

constexpr StartingValue pick(int control, int item, int description = 0, sv description_text = {}) {
  return {.control = control, .item = item, .description = description, .description_text = description_text};
}
constexpr StartingValue put(int control, sv text, int description = 0, sv description_text = {}) {
  return {.control = control, .text = text, .description = description, .description_text = description_text};
}
constexpr StartingValue caret(int control, int limit = 0) {
  return {.control = control, .limit = limit, .focus = true};
}

constexpr StartingValue kTitl[] = {caret(ids::record_titl::kTitle, 74)};

constexpr StartingValue kComm[] = {pick(ids::record_comm::kCd, 1), caret(ids::record_comm::kComments, 148)};

constexpr StartingValue kFile[] = {
    pick(ids::record_file::kOutForm, 1, ids::record_file::kOutFormDescription,
         "Default text file version of MOR OUT or CRM file"),
    pick(ids::record_file::kDssMes, 3, ids::record_file::kDssMesDescription,
         "Error or warning messages if DSS problems occur"),
    pick(ids::record_file::kDssMon, 1),
};

constexpr StartingValue kUnit[] = {
    {.control = ids::record_unit::kUnit, .text = "AC-FT", .limit = 5, .focus = true},
    {.control = ids::record_unit::kUnhp, .text = "MW-HR", .limit = 5, .focus = true},
    pick(ids::record_unit::kMonth1, 1),
    pick(ids::record_unit::kNewPage, 1, ids::record_unit::kNewPageDescription, "Each table starts a new page"),
};

constexpr StartingValue k1Cpt[] = {
    pick(ids::record_1cpt::kKk, 1, ids::record_1cpt::kKkDescription, "reproduction of CP records in rearranged order"),
    pick(ids::record_1cpt::kOo, 1, ids::record_1cpt::kOoDescription,
         "order based on listing cp before all downstream cp's"),
    pick(ids::record_1cpt::kLim, 1, ids::record_1cpt::kLimDescription,
         "Include all control points in the output listing"),
    caret(ids::record_1cpt::kCpLim),
};

// The record list holds up to 17 identifiers of four characters, one per
// line: the limit lets the user type everything the builder reads.
constexpr StartingValue k1Rec[] = {
    pick(ids::record_1rec::kKk, 1, ids::record_1rec::kKkDescription, "list specified records"),
    pick(ids::record_1rec::kNum, 1),
    caret(ids::record_1rec::kRec, 256),
};

constexpr StartingValue k1Sum[] = {
    pick(ids::record_1sum::kKk, 1, ids::record_1sum::kKkDescription, "summary by cp with only totals printed"),
};

constexpr StartingValue k1Srt[] = {
    pick(ids::record_1srt::kKk, 1, ids::record_1srt::kKkDescription, "listing of rights in priority order"),
    pick(ids::record_1srt::kIff, 1, ids::record_1srt::kIffDescription, "instream flow rights are not included"),
};

constexpr StartingValue k2Bud[] = {
    caret(ids::record_2bud::kCpBud),
    put(ids::record_2bud::kYrFirst, "0", ids::record_2bud::kYrFirstDescription,
        "First year of MOR simulation is adopted"),
    put(ids::record_2bud::kYrLast, "0", ids::record_2bud::kYrLastDescription, "Last year of MOR simulation is adopted"),
    pick(ids::record_2bud::kIcpi, 1, ids::record_2bud::kIcpiDescription, "1CPT record ICP(I) array is not used"),
    pick(ids::record_2bud::kBegSto, 1, ids::record_2bud::kBegStoDescription,
         "Beginning storage is zero or preceding end-of-year"),
    pick(ids::record_2bud::kNegInf, 1, ids::record_2bud::kNegInfDescription,
         "No adjustments are made to negative inflows"),
    pick(ids::record_2bud::kCpOut, 1, ids::record_2bud::kCpOutDescription,
         "Control point water budget table is not created"),
    pick(ids::record_2bud::kBasin, 2, ids::record_2bud::kBasinDescription,
         "River basin water budget table is created for outlet(s)"),
};

constexpr StartingValue k2Scp[] = {
    pick(ids::record_2scp::kMnan, 1, ids::record_2scp::kMnanDescription, "annual table"),
    pick(ids::record_2scp::kNum, 9, ids::record_2scp::kNumDescription, "develop tables for all control points"),
    caret(ids::record_2scp::kIden),
};

constexpr StartingValue k2Swr[] = {
    pick(ids::record_2swr::kMnan, 1, ids::record_2swr::kMnanDescription, "annual table"),
    pick(ids::record_2swr::kNum, 9, ids::record_2swr::kNumDescription, "develop tables for all water rights"),
    caret(ids::record_2swr::kIden),
};

constexpr StartingValue k2Sgp[] = {
    pick(ids::record_2sgp::kMnan, 1, ids::record_2sgp::kMnanDescription, "annual table"),
    pick(ids::record_2sgp::kNum, 1, ids::record_2sgp::kNumDescription,
         "develop tables for water rights groups to follow"),
    caret(ids::record_2sgp::kIden),
};

constexpr StartingValue k2Sre[] = {
    pick(ids::record_2sre::kMnan, 1, ids::record_2sre::kMnanDescription, "annual table"),
    pick(ids::record_2sre::kNum, 9, ids::record_2sre::kNumDescription, "develop tables for all reservoirs"),
    caret(ids::record_2sre::kIden),
};

constexpr StartingValue k2Sba[] = {
    pick(ids::record_2sba::kMnan, 1, ids::record_2sba::kMnanDescription, "annual table"),
};

constexpr StartingValue k2Rel[] = {
    pick(ids::record_2rel::kMon, 1, ids::record_2rel::kMonDescription, "all months are included in the computations"),
    pick(ids::record_2rel::kRFlag, 1, ids::record_2rel::kRFlagDescription, "N=number of months with non-zero targets"),
    pick(ids::record_2rel::kId, 1, ids::record_2rel::kIdDescription, "table includes selected control points"),
    pick(ids::record_2rel::kNum, 9, ids::record_2rel::kNumDescription, "table includes all type indetifiers"),
    pick(ids::record_2rel::kTar, 1, ids::record_2rel::kTarDescription, "optional supplemental table is not created"),
};

constexpr StartingValue k2Ret[] = {
    pick(ids::record_2ret::kTar, 1, ids::record_2ret::kTarDescription, "enter annual diversion or hydropower target"),
};

constexpr StartingValue k2Fre[] = {
    pick(ids::record_2fre::kVariable, 1, ids::record_2fre::kVariableDescription, "naturalized flows"),
    pick(ids::record_2fre::kMon, 1, ids::record_2fre::kMonDescription, "All months are included in the computations"),
    pick(ids::record_2fre::kNum, 9, ids::record_2fre::kNumDescription,
         "include all control pts, rights or reservoirs in table"),
    pick(ids::record_2fre::kTable, 1, ids::record_2fre::kTableDescription,
         "frequency table is created in standard row format"),
    pick(ids::record_2fre::kMethod, 1, ids::record_2fre::kMethodDescription, "relative frequency P=(n/N) 100%"),
    pick(ids::record_2fre::kMat, 1, ids::record_2fre::kMatDescription, "moving average/total option is not adopted"),
    caret(ids::record_2fre::kTime),
    caret(ids::record_2fre::kXf),
    caret(ids::record_2fre::kAf),
};

// The identifier row is labelled for the starting Variable 1: a
// six-character identifier in columns 17-24, the values from column 25.
constexpr StartingValue k2Frq[] = {
    pick(ids::record_2frq::kMonth, 1, ids::record_2frq::kMonthDescription,
         "All months are included in the computations"),
    pick(ids::record_2frq::kVariable, 1, ids::record_2frq::kVariableDescription, "naturalized flows"),
    pick(ids::record_2frq::kNm, 1),
    caret(ids::record_2frq::kIden),
    caret(ids::record_2frq::kQf),
    put(ids::record_2frq::kIdenColumns, "17 - 24"),
    put(ids::record_2frq::kIdenVariable, "IDEN"),
    put(ids::record_2frq::kIdenFormat, "2x,A6"),
    put(ids::record_2frq::kQfColumns, "25 - 80"),
};

constexpr StartingValue k2Res[] = {
    pick(ids::record_2res::kTable, 1, ids::record_2res::kTableDescription, "All three tables are created"),
    pick(ids::record_2res::kMonth, 1, ids::record_2res::kMonthDescription,
         "All months are included in the computations"),
    pick(ids::record_2res::kNum, 1, ids::record_2res::kNumDescription, "number of reservoirs"),
    caret(ids::record_2res::kIden),
    caret(ids::record_2res::kC1),
    caret(ids::record_2res::kC2),
};

// A new IDEN record starts with control point identifiers; setting the
// button labels the rows for that layout.
constexpr StartingValue kIden[] = {
    {.control = ids::record_iden::kLayoutControlPoints, .check = true},
    caret(ids::record_iden::kValue1), caret(ids::record_iden::kValue2), caret(ids::record_iden::kValue3),
    caret(ids::record_iden::kValue4), caret(ids::record_iden::kValue5), caret(ids::record_iden::kValue6),
    caret(ids::record_iden::kValue7), caret(ids::record_iden::kValue8),
};

constexpr StartingValue kSeries[] = {
    pick(ids::record_series::kTa, 1, ids::record_series::kTaDescription,
         "do not develop annual row/monthly column table"),
    pick(ids::record_series::kPt, 1, ids::record_series::kPtDescription, "do not develop columnar plot table"),
    pick(ids::record_series::kMore, 1, ids::record_series::kMoreDescription,
         "write columns; next record starts a new table"),
    pick(ids::record_series::kId, 1, ids::record_series::kIdDescription, "develop tables for control points"),
    pick(ids::record_series::kNum, 9, ids::record_series::kNumDescription, "include all of type ID's in table"),
    caret(ids::record_series::kIden),
    put(ids::record_series::kIdenColumns, " "),
    put(ids::record_series::kIdenVariable, " "),
    put(ids::record_series::kIdenFormat, " "),
    pick(ids::record_series::kDecimal, 1, ids::record_series::kDecimalDescription, "standard number of digits"),
    pick(ids::record_series::kMat, 1, ids::record_series::kMatDescription,
         "moving average/total option is not adopted"),
    put(ids::record_series::kTime, " ", ids::record_series::kTimeDescription,
        "number of months for moving averages or totals"),
    put(ids::record_series::kXf, "0", ids::record_series::kXfDescription, "default multiplier factor = 1.0"),
    put(ids::record_series::kAf, "0", ids::record_series::kAfDescription, "default addition factor = 0.0"),
};

constexpr StartingValue kType3[] = {
    caret(ids::record_type3::kCdOut),
    pick(ids::record_type3::kHec, 1, ids::record_type3::kHecDescription, "streamflow records grouped by control point"),
    caret(ids::record_type3::kInFac),
};

constexpr StartingValue k4Swr[] = {
    pick(ids::record_4swr::kMnan, 1, ids::record_4swr::kMnanDescription, "annual table"),
    pick(ids::record_4swr::kNum, 1),
    caret(ids::record_4swr::kIden),
};

constexpr StartingValue k4Sgp[] = {
    pick(ids::record_4sgp::kMnan, 1, ids::record_4sgp::kMnanDescription, "annual table"),
    pick(ids::record_4sgp::kNum, 1),
    caret(ids::record_4sgp::kIden),
};

constexpr StartingValue k4Zzf[] = {
    pick(ids::record_4zzf::kVar, 1, ids::record_4zzf::kVarDescription, "Available flows"),
    pick(ids::record_4zzf::kMon, 1, ids::record_4zzf::kMonDescription,
         "All months for which the analysis is performed"),
    pick(ids::record_4zzf::kNum, 1, ids::record_4zzf::kNumDescription,
         "Tables for all control points included in the ZZZ file"),
};

constexpr StartingValue k4Zzz[] = {
    pick(ids::record_4zzz::kTa, 1, ids::record_4zzz::kTaDescription, "Do not develop annual row/monthly column table"),
    pick(ids::record_4zzz::kPt, 1, ids::record_4zzz::kPtDescription, "Do not activate either DSS or text file option"),
    pick(ids::record_4zzz::kMore, 1, ids::record_4zzz::kMoreDescription,
         "Write columns; next record starts a new table"),
    pick(ids::record_4zzz::kVar, 1, ids::record_4zzz::kVarDescription, "Available flows"),
    pick(ids::record_4zzz::kNum, 9, ids::record_4zzz::kNumDescription,
         "Tables for all control points included in ZZZ file"),
    caret(ids::record_4zzz::kRight),
};

constexpr DialogSetup kSetups[] = {
    {ids::record_titl::kDialog, kTitl},
    {ids::record_comm::kDialog, kComm},
    {ids::record_file::kDialog, kFile},
    {ids::record_unit::kDialog, kUnit},
    {ids::record_1cpt::kDialog, k1Cpt},
    {ids::record_1rec::kDialog, k1Rec},
    {ids::record_1sum::kDialog, k1Sum},
    {ids::record_1srt::kDialog, k1Srt},
    {ids::record_2bud::kDialog, k2Bud},
    {ids::record_2scp::kDialog, k2Scp},
    {ids::record_2swr::kDialog, k2Swr},
    {ids::record_2sgp::kDialog, k2Sgp},
    {ids::record_2sre::kDialog, k2Sre},
    {ids::record_2sba::kDialog, k2Sba},
    {ids::record_2rel::kDialog, k2Rel},
    {ids::record_2ret::kDialog, k2Ret},
    {ids::record_2fre::kDialog, k2Fre},
    {ids::record_2frq::kDialog, k2Frq},
    {ids::record_2res::kDialog, k2Res},
    {ids::record_iden::kDialog, kIden},
    {ids::record_series::kDialog, kSeries},
    {ids::record_type3::kDialog, kType3},
    {ids::record_4swr::kDialog, k4Swr},
    {ids::record_4sgp::kDialog, k4Sgp},
    {ids::record_4zzf::kDialog, k4Zzf},
    {ids::record_4zzz::kDialog, k4Zzz},
};

}  // namespace

const DialogSetup* dialog_setup(int dialog_id) {
  auto it = std::ranges::find(kSetups, dialog_id, &DialogSetup::dialog);
  return it == std::end(kSetups) ? nullptr : &*it;
}

}  // namespace tarnex::tin
