// The descriptions of the record dialogs' options, dialog by dialog. The
// texts are those the users of the ORBEN input know, their spelling included.

#include <algorithm>
#include <limits>

#include "resources/dialog_ids.h"
#include "tin/catalogue/option_description_table.h"

namespace tarnex::tin {
namespace {

using sv = std::string_view;

constexpr int kLowest = std::numeric_limits<int>::min();
constexpr int kHighest = std::numeric_limits<int>::max();

constexpr OptionRow when_text(sv value, sv description) { return {Match::kText, value, 0, 0, description}; }
constexpr OptionRow when_first(sv character, sv description) {
  return {Match::kFirstCharacter, character, 0, 0, description};
}
constexpr OptionRow when(int value, sv description) { return {Match::kNumber, {}, value, value, description}; }
constexpr OptionRow when_between(int low, int high, sv description) {
  return {Match::kNumber, {}, low, high, description};
}
constexpr OptionRow when_at_least(int value, sv description) { return when_between(value, kHighest, description); }
constexpr OptionRow when_at_most(int value, sv description) { return when_between(kLowest, value, description); }
constexpr OptionRow otherwise(sv description) { return {Match::kAny, {}, 0, 0, description}; }

// FILE
constexpr OptionRow kOutputForm[] = {
    when(1, "Binary machine language version of OUT or CRM file"),
    otherwise("Default text file version of MOR OUT or CRM file"),
};
constexpr OptionRow kDssMessages[] = {
    when(-1, "Messages written only if ORBEN terminated due to DSS problem"),
    when(1, "Message that DSS file has been opened or closed"),
    when(2, "Error or warning messages if DSS problems occur"),
    when(3, "Trace of all DSS records written to DSS file"),
    when(4, "Trace of all DSS records read from DSS files"),
    when(7, "Beginning level of debugging messages"),
    when(8, "Intermediate level of debugging messages"),
    when(9, "Maximum level of debugging messages"),
    otherwise("Error or warning message if DSS problems occur"),
};

// UNIT
constexpr OptionRow kNewPage[] = {
    when_at_least(0, "Each table starts a new page"),
    when_at_most(-1, "No page breaks"),
};

// 1REC, 1CPT, 1SUM, 1SRT
constexpr OptionRow kRecordListing[] = {
    when_text("0", "list specified records"),
    when_text("1", "list all records except those specified"),
};
constexpr OptionRow kControlPointListing[] = {
    when_text("0", "reproduction of CP records in rearranged order"),
    when_text("1", "listing of only control point identifiers, CPID(cp,1)"),
    when_text("2", "listing of cp and next downstream cp identifier"),
    when_text("3", "listing of cp and next upstream cp identifiers"),
    when_text("4", "listing of INMETHOD and CL from CP records"),
    when_text("5", "option 4 listing with DA from WP records added"),
    when_text("6", "data from options 2-5 combined"),
    when_text("7", "no written output"),
};
constexpr OptionRow kControlPointOrder[] = {
    when_text("1", "order based on listing cp before all downstream cp's"),
    when_text("2", "order based on full-length stream tributaries"),
};
constexpr OptionRow kControlPointLimit[] = {
    when_at_least(0, "Include all control points in the output listing"),
    when_at_most(-1, "List only control points with INMETHOD=0 or 1"),
};
constexpr OptionRow kRightsSummary[] = {
    when_text("0", "summary by cp with only totals printed"),
    when_text("1", "summary by control point"),
    when_text("2", "summary by type-of-use"),
    when_text("3", "summary by water right type"),
    when_text("4", "summary by GO group"),
};
constexpr OptionRow kRightsSort[] = {
    when_text("0", "listing of rights in priority order"),
    when_text("1", "listing of rights by control point in priority order"),
    when_text("2", "listing of rights by type-of-use in priority order"),
    when_text("3", "listing of rights by water right type in priority order"),
    when_text("4", "listing of rights by GO group in priority order"),
};
constexpr OptionRow kInstreamRights[] = {
    when_text("0", "instream flow rights are not included"),
    when_text("1", "instream flow rights are included"),
};

// 2BUD
constexpr OptionRow kFirstYear[] = {
    when_text("0", "First year of MOR simulation is adopted"),
    otherwise("First year of water budget computations"),
};
constexpr OptionRow kLastYear[] = {
    when_text("0", "Last year of MOR simulation is adopted"),
    otherwise("Last year of water budget computations"),
};
constexpr OptionRow kSequenceArray[] = {
    when_text("", "1CPT record ICP(I) array is not used"),
    when_text("0", "1CPT record ICP(I) array is not used"),
    when_text("-1", "1CPT record ICP(I) array is not used"),
    when_text("1", "ICP(I) array is created by preceeding 1CPT record"),
};
constexpr OptionRow kBeginningStorage[] = {
    when_text("", "Beginning storage is zero or preceding end-of-year"),
    when_text("0", "Beginning storage is zero or preceding end-of-year"),
    when_text("1", "MOR beginning reservoir storage BRS file is created"),
    when_text("2", "Storage is estimated from MOR output file variables"),
};
constexpr OptionRow kNegativeInflows[] = {
    when_text("", "No adjustments are made to negative inflows"),
    when_text("0", "No adjustments are made to negative inflows"),
    when_text("1", "No adjustments are made to negative inflows"),
    when_text("2", "Adjustments based on beginning-of-period storage"),
    when_text("3", "Negative inflow volumes are set to zero"),
};
constexpr OptionRow kControlPointBudget[] = {
    when_text("", "Control point water budget table is not created"),
    when_text("0", "Control point water budget table is not created"),
    when_text("-1", "Control point water budget table is not created"),
    when_text("1", "Water budget table is created for one control point"),
    when_text("2", "Water budget table is created for all control points"),
};
constexpr OptionRow kBasinBudget[] = {
    when_text("", "River basin water budget table is created for outlet(s)"),
    when_text("0", "River basin water budget table is created for outlet(s)"),
    when_text("1", "River basin water budget table is created for outlet(s)"),
    when_text("2", "Basin budget table for control point in field 9"),
    when_text("-1", "River basin water budget table is not created"),
};

// The summary tables and the system release tables
constexpr OptionRow kTableKind[] = {
    when_text("0", "annual table"),
    when_text("1", "monthly table"),
    when_text("2", "both annual and monthly tables"),
};
constexpr OptionRow kControlPointCount[] = {
    when(0, "develop tables for all control points"),
    when_at_least(1, "develop tables for control points to follow"),
};
constexpr OptionRow kWaterRightCount[] = {
    when_at_most(0, "develop tables for all water rights"),
    when_at_least(1, "develop tables for water rights to follow"),
};
constexpr OptionRow kRightGroupCount[] = {
    when_at_least(1, "develop tables for water rights groups to follow"),
    when_at_most(0, "develop tables for ABS(NUM) water rights groups of previous record"),
};
constexpr OptionRow kReservoirCount[] = {
    when_at_most(0, "develop tables for all reservoirs"),
    when_at_least(1, "develop tables for reservoirs to follow"),
};

// 2REL, 2RET
constexpr OptionRow kMonthsAreIncluded[] = {
    when_at_least(1, "The month for which the analysis is performed"),
    when_at_most(0, "All months are included in the computations"),
};
constexpr OptionRow kReliabilityCount[] = {
    when_text("0", "N=number of months with non-zero targets"),
    when_text("1", "N=NYRS*12 for Rp=(n/N)*100%"),
};
constexpr OptionRow kReliabilityIdentifiers[] = {
    when(0, "table includes selected control points"),
    when(1, "table includes selected water rights"),
    when(2, "table includes selected hydropower reservoirs"),
    when(3, "table includes selected water right groups"),
};
constexpr OptionRow kReliabilityCountOfIdentifiers[] = {
    when_at_least(1, "number of type identifiers to follow"),
    when(0, "table includes all type indetifiers"),
    when_at_most(-1, "NUM identifiers from previous record"),
};
constexpr OptionRow kReliabilityTarget[] = {
    when_at_most(-1, "adopt total of targets from MOR output file"),
    when(0, "optional supplemental table is not created"),
    when_at_least(1, "annual diversion or hydropower target"),
};
constexpr OptionRow kSupplementTarget[] = {
    when_text("-1", "adopt target from QARN-MOR output file"),
    otherwise("enter annual diversion or hydropower target"),
};

// 2FRE, 2FRQ
constexpr OptionRow kFrequencyVariable[] = {
    when(1, "naturalized flows"),
    when(2, "regulated flows"),
    when(3, "unappropriated flows"),
    when(4, "reservoir storage associated with a control point"),
    when(5, "reservoir storage associated with a water right"),
    when(6, "reservoir storage associated with a reservoir"),
    when_between(-6, -4, "reservoir storage with only totals included in table"),
    when(7, "reservoir water surface elevation"),
    when(8, "instream flow shortage for an IF record right"),
};
constexpr OptionRow kMonthsIncluded[] = {
    when_at_least(1, "The month for which the analysis is performed"),
    when_at_most(0, "All months included in the computations"),
};
constexpr OptionRow kFrequencyCount[] = {
    when_at_least(1, "number of control points or reservoirs to follow"),
    when(0, "include all control pts, rights or reservoirs in table"),
    when_at_most(-1, "NUM identifiers from previous records are repeated"),
};
constexpr OptionRow kFrequencyTable[] = {
    when_at_most(1, "frequency table is created in standard row format"),
    when_at_least(2, "frequency results are tabulated as columns"),
};
constexpr OptionRow kFrequencyMethod[] = {
    when_at_most(1, "relative frequency P=(n/N) 100%"),
    when(2, "log-normal probability distribution"),
    when_at_least(3, "normal probability distribution"),
};
constexpr OptionRow kFrequencyMovingValues[] = {
    when_at_most(0, "moving average/total option is not adopted"),
    when(1, "moving averages are computed for TIME months"),
    when_at_least(2, "moving totals are computed for TIME months"),
};
constexpr OptionRow kFlowOrStorage[] = {
    when(1, "naturalized flows"),
    when(2, "regulated flows"),
    when(3, "unappropriated flows"),
    when(4, "reservoir storage associated with a control point"),
    when(5, "reservoir storage associated with a water right"),
    when(6, "reservoir storage associated with a reservoir"),
    when(7, "water surface elevation associated with a reservoir storage"),
    when(8, "instream flow shortage associated with an IF record right"),
};

// 2RES
constexpr OptionRow kStorageTables[] = {
    when_at_most(0, "All three tables are created"),
    when(1, "Storage contents as a percentage of capacity table"),
    when(2, "Storage draw-down duration table is created"),
    when(3, "Storage reliability table is created"),
    when_at_least(4, "Both draw-down and reliability tables are created"),
};
constexpr OptionRow kStorageReservoirs[] = {
    when_at_least(1, "number of reservoirs"),
    when_at_most(-1, "reservoir IDs previously entered"),
};

// Time series
constexpr OptionRow kSeriesAnnualTable[] = {
    when_text("0", "do not develop annual row/monthly column table"),
    when_text("1", "develop table in annual row and monthly format"),
};
constexpr OptionRow kSeriesColumns[] = {
    when_text("0", "do not develop columnar plot table"),
    when_text("1", "develop columns of monthly data"),
    when_text("2", "columns of annual totals or means"),
    when_text("3", "columns of 12 monthly means"),
    when_text("4", "develop HEC-DSS monthly time series records"),
    when_text("5", "develop HEC-DSS annual time series records"),
};
constexpr OptionRow kSeriesMore[] = {
    when_text("0", "write columns; next record starts a new table"),
    when_text("1", "add more columns to existing table or start first table"),
};
constexpr OptionRow kSeriesDecimals[] = {
    when_text("", "standard number of digits"),
    when_at_most(-1, "standard number of digits"),
    when_at_least(0, "number of digits to the right of the decimal"),
};
constexpr OptionRow kSeriesMovingValues[] = {
    when_text("", "moving average/total option is not adopted"),
    when_text("0", "moving average/total option is not adopted"),
    when_first("1", "moving averages are computed for TIME months"),
    when_first("2", "moving totals are computed for TIME months"),
    otherwise("moving average/total option is not adopted"),
};
constexpr OptionRow kSeriesMultiplier[] = {
    when_text("0", "default multiplier factor = 1.0"),
    when_text("0.", "default multiplier factor = 1.0"),
    when_text("0.0", "default multiplier factor = 1.0"),
    otherwise("multiplier factor"),
};
constexpr OptionRow kSeriesAddition[] = {
    when_text("0", "default addition factor = 0.0"),
    when_text("0.", "default addition factor = 0.0"),
    when_text("0.0", "default addition factor = 0.0"),
    otherwise("addition factor"),
};
// A record's factors are described by the number they hold: the model
// programs read every zero, however written, and a blank field as the default.
constexpr OptionRow kSeriesMultiplierRead[] = {
    when(0, "default multiplier factor = 1.0"),
    otherwise("multiplier factor"),
};
constexpr OptionRow kSeriesAdditionRead[] = {
    when(0, "default addition factor = 0.0"),
    otherwise("addition factor"),
};

// Type 3
constexpr OptionRow kRecordGrouping[] = {
    when(0, "streamflow records grouped by control point"),
    when(1, "streamflow records grouped by year"),
};

// 4ZZF, 4ZZZ
constexpr OptionRow kLoopVariable[] = {
    when(0, "Available flows"),
    when(1, "Reservoir releases"),
    when(2, "Regulated flows"),
};
constexpr OptionRow kLoopMonth[] = {
    when(0, "All months are included in the computations"),
    when_at_least(1, "The month for which the analysis is performed"),
};
constexpr OptionRow kLoopFrequencyCount[] = {
    when(0, "Tables for all control points included in the ZZZ file"),
    when_at_least(1, "Number of control points to follow on IDEN records"),
    when_at_most(-1, "Tables for the NUM control points on preceding record"),
};
constexpr OptionRow kLoopAnnualTable[] = {
    when(0, "Do not develop annual row/monthly column table"),
    when(1, "Table with annual rows and monthly columns"),
};
constexpr OptionRow kLoopColumns[] = {
    when(0, "Do not activate either DSS or text file option"),
    when(1, "Develop columns of monthly data in text file"),
    when(2, "Columns of annual totals or means in text file"),
    when(3, "Develop columns of 12 monthly means in text file"),
    when(4, "Develop DSS monthly time series records"),
    when(5, "Develop DSS annual time series records"),
};
constexpr OptionRow kLoopMore[] = {
    when(0, "Write columns; next record starts a new table"),
    when(1, "Add columns to existing table or start first table"),
};
constexpr OptionRow kLoopCount[] = {
    when(0, "Table for all control points included in ZZZ file"),
    when_at_least(1, "Number of control points to follow on IDEN records"),
    when_at_most(-1, "Tables for the NUM control points on preceding record"),
};

constexpr OptionControl kOptions[] = {
    {.dialog = ids::record_file::kDialog, .control = ids::record_file::kOutForm,
     .description = ids::record_file::kOutFormDescription, .width = 2, .rows = kOutputForm},
    {.dialog = ids::record_file::kDialog, .control = ids::record_file::kDssMes,
     .description = ids::record_file::kDssMesDescription, .width = 2, .rows = kDssMessages},
    {.dialog = ids::record_unit::kDialog, .control = ids::record_unit::kNewPage,
     .description = ids::record_unit::kNewPageDescription, .width = 5, .rows = kNewPage},
    {.dialog = ids::record_1rec::kDialog, .control = ids::record_1rec::kKk,
     .description = ids::record_1rec::kKkDescription, .rows = kRecordListing},
    {.dialog = ids::record_1cpt::kDialog, .control = ids::record_1cpt::kKk,
     .description = ids::record_1cpt::kKkDescription, .rows = kControlPointListing},
    {.dialog = ids::record_1cpt::kDialog, .control = ids::record_1cpt::kOo,
     .description = ids::record_1cpt::kOoDescription, .rows = kControlPointOrder},
    {.dialog = ids::record_1cpt::kDialog, .control = ids::record_1cpt::kLim,
     .description = ids::record_1cpt::kLimDescription, .width = 8, .rows = kControlPointLimit},
    {.dialog = ids::record_1sum::kDialog, .control = ids::record_1sum::kKk,
     .description = ids::record_1sum::kKkDescription, .rows = kRightsSummary},
    {.dialog = ids::record_1srt::kDialog, .control = ids::record_1srt::kKk,
     .description = ids::record_1srt::kKkDescription, .rows = kRightsSort},
    {.dialog = ids::record_1srt::kDialog, .control = ids::record_1srt::kIff,
     .description = ids::record_1srt::kIffDescription, .rows = kInstreamRights},
    {.dialog = ids::record_2bud::kDialog, .control = ids::record_2bud::kYrFirst,
     .description = ids::record_2bud::kYrFirstDescription, .rows = kFirstYear},
    {.dialog = ids::record_2bud::kDialog, .control = ids::record_2bud::kYrLast,
     .description = ids::record_2bud::kYrLastDescription, .rows = kLastYear},
    {.dialog = ids::record_2bud::kDialog, .control = ids::record_2bud::kIcpi,
     .description = ids::record_2bud::kIcpiDescription, .rows = kSequenceArray},
    {.dialog = ids::record_2bud::kDialog, .control = ids::record_2bud::kBegSto,
     .description = ids::record_2bud::kBegStoDescription, .rows = kBeginningStorage},
    {.dialog = ids::record_2bud::kDialog, .control = ids::record_2bud::kNegInf,
     .description = ids::record_2bud::kNegInfDescription, .rows = kNegativeInflows},
    {.dialog = ids::record_2bud::kDialog, .control = ids::record_2bud::kCpOut,
     .description = ids::record_2bud::kCpOutDescription, .rows = kControlPointBudget},
    {.dialog = ids::record_2bud::kDialog, .control = ids::record_2bud::kBasin,
     .description = ids::record_2bud::kBasinDescription, .rows = kBasinBudget},
    {.dialog = ids::record_2scp::kDialog, .control = ids::record_2scp::kMnan,
     .description = ids::record_2scp::kMnanDescription, .rows = kTableKind},
    {.dialog = ids::record_2swr::kDialog, .control = ids::record_2swr::kMnan,
     .description = ids::record_2swr::kMnanDescription, .rows = kTableKind},
    {.dialog = ids::record_2sgp::kDialog, .control = ids::record_2sgp::kMnan,
     .description = ids::record_2sgp::kMnanDescription, .rows = kTableKind},
    {.dialog = ids::record_2sre::kDialog, .control = ids::record_2sre::kMnan,
     .description = ids::record_2sre::kMnanDescription, .rows = kTableKind},
    {.dialog = ids::record_2sba::kDialog, .control = ids::record_2sba::kMnan,
     .description = ids::record_2sba::kMnanDescription, .rows = kTableKind},
    {.dialog = ids::record_4swr::kDialog, .control = ids::record_4swr::kMnan,
     .description = ids::record_4swr::kMnanDescription, .rows = kTableKind},
    {.dialog = ids::record_4sgp::kDialog, .control = ids::record_4sgp::kMnan,
     .description = ids::record_4sgp::kMnanDescription, .rows = kTableKind},
    {.dialog = ids::record_2scp::kDialog, .control = ids::record_2scp::kNum,
     .description = ids::record_2scp::kNumDescription, .rows = kControlPointCount},
    {.dialog = ids::record_2swr::kDialog, .control = ids::record_2swr::kNum,
     .description = ids::record_2swr::kNumDescription, .rows = kWaterRightCount},
    {.dialog = ids::record_2sgp::kDialog, .control = ids::record_2sgp::kNum,
     .description = ids::record_2sgp::kNumDescription, .rows = kRightGroupCount},
    {.dialog = ids::record_2sre::kDialog, .control = ids::record_2sre::kNum,
     .description = ids::record_2sre::kNumDescription, .rows = kReservoirCount},
    {.dialog = ids::record_2rel::kDialog, .control = ids::record_2rel::kMon,
     .description = ids::record_2rel::kMonDescription, .width = 2, .rows = kMonthsAreIncluded},
    {.dialog = ids::record_2rel::kDialog, .control = ids::record_2rel::kRFlag,
     .description = ids::record_2rel::kRFlagDescription, .width = 2, .rows = kReliabilityCount},
    {.dialog = ids::record_2rel::kDialog, .control = ids::record_2rel::kId,
     .description = ids::record_2rel::kIdDescription, .rows = kReliabilityIdentifiers},
    {.dialog = ids::record_2rel::kDialog, .control = ids::record_2rel::kNum,
     .description = ids::record_2rel::kNumDescription, .rows = kReliabilityCountOfIdentifiers},
    {.dialog = ids::record_2rel::kDialog, .control = ids::record_2rel::kTar,
     .description = ids::record_2rel::kTarDescription, .width = 8, .number = Number::kRealSign,
     .rows = kReliabilityTarget},
    {.dialog = ids::record_2ret::kDialog, .control = ids::record_2ret::kTar,
     .description = ids::record_2ret::kTarDescription, .width = 16, .rows = kSupplementTarget},
    {.dialog = ids::record_2fre::kDialog, .control = ids::record_2fre::kVariable,
     .description = ids::record_2fre::kVariableDescription, .rows = kFrequencyVariable},
    {.dialog = ids::record_2fre::kDialog, .control = ids::record_2fre::kMon,
     .description = ids::record_2fre::kMonDescription, .rows = kMonthsIncluded},
    {.dialog = ids::record_2fre::kDialog, .control = ids::record_2fre::kNum,
     .description = ids::record_2fre::kNumDescription, .rows = kFrequencyCount},
    {.dialog = ids::record_2fre::kDialog, .control = ids::record_2fre::kTable,
     .description = ids::record_2fre::kTableDescription, .rows = kFrequencyTable},
    {.dialog = ids::record_2fre::kDialog, .control = ids::record_2fre::kMethod,
     .description = ids::record_2fre::kMethodDescription, .rows = kFrequencyMethod},
    {.dialog = ids::record_2fre::kDialog, .control = ids::record_2fre::kMat,
     .description = ids::record_2fre::kMatDescription, .rows = kFrequencyMovingValues},
    {.dialog = ids::record_2frq::kDialog, .control = ids::record_2frq::kVariable,
     .description = ids::record_2frq::kVariableDescription, .rows = kFlowOrStorage,
     .rule = Rule::kFrequencyIdentifierRow},
    {.dialog = ids::record_2frq::kDialog, .control = ids::record_2frq::kMonth,
     .description = ids::record_2frq::kMonthDescription, .rows = kMonthsIncluded},
    {.dialog = ids::record_2res::kDialog, .control = ids::record_2res::kTable,
     .description = ids::record_2res::kTableDescription, .rows = kStorageTables},
    {.dialog = ids::record_2res::kDialog, .control = ids::record_2res::kMonth,
     .description = ids::record_2res::kMonthDescription, .rows = kMonthsAreIncluded},
    {.dialog = ids::record_2res::kDialog, .control = ids::record_2res::kNum,
     .description = ids::record_2res::kNumDescription, .rows = kStorageReservoirs},
    {.dialog = ids::record_series::kDialog, .control = ids::record_series::kTa,
     .description = ids::record_series::kTaDescription, .rows = kSeriesAnnualTable},
    {.dialog = ids::record_series::kDialog, .control = ids::record_series::kPt,
     .description = ids::record_series::kPtDescription, .rows = kSeriesColumns},
    {.dialog = ids::record_series::kDialog, .control = ids::record_series::kMore,
     .description = ids::record_series::kMoreDescription, .rows = kSeriesMore},
    {.dialog = ids::record_series::kDialog, .control = ids::record_series::kId,
     .description = ids::record_series::kIdDescription, .rule = Rule::kSeriesIdentifierType},
    {.dialog = ids::record_series::kDialog, .control = ids::record_series::kNum,
     .description = ids::record_series::kNumDescription, .rule = Rule::kSeriesIdentifierCount},
    {.dialog = ids::record_series::kDialog, .control = ids::record_series::kDecimal,
     .description = ids::record_series::kDecimalDescription, .rows = kSeriesDecimals},
    {.dialog = ids::record_series::kDialog, .control = ids::record_series::kMat,
     .description = ids::record_series::kMatDescription, .width = 16, .rows = kSeriesMovingValues},
    {.dialog = ids::record_series::kDialog, .control = ids::record_series::kXf,
     .description = ids::record_series::kXfDescription, .width = 16, .number = Number::kRealSign,
     .rows = kSeriesMultiplier, .read_rows = kSeriesMultiplierRead},
    {.dialog = ids::record_series::kDialog, .control = ids::record_series::kAf,
     .description = ids::record_series::kAfDescription, .width = 16, .number = Number::kRealSign,
     .rows = kSeriesAddition, .read_rows = kSeriesAdditionRead},
    {.dialog = ids::record_type3::kDialog, .control = ids::record_type3::kHec,
     .description = ids::record_type3::kHecDescription, .rows = kRecordGrouping},
    {.dialog = ids::record_4zzf::kDialog, .control = ids::record_4zzf::kVar,
     .description = ids::record_4zzf::kVarDescription, .rows = kLoopVariable},
    {.dialog = ids::record_4zzf::kDialog, .control = ids::record_4zzf::kMon,
     .description = ids::record_4zzf::kMonDescription, .rows = kLoopMonth},
    {.dialog = ids::record_4zzf::kDialog, .control = ids::record_4zzf::kNum,
     .description = ids::record_4zzf::kNumDescription, .rows = kLoopFrequencyCount},
    {.dialog = ids::record_4zzz::kDialog, .control = ids::record_4zzz::kTa,
     .description = ids::record_4zzz::kTaDescription, .rows = kLoopAnnualTable},
    {.dialog = ids::record_4zzz::kDialog, .control = ids::record_4zzz::kPt,
     .description = ids::record_4zzz::kPtDescription, .rows = kLoopColumns},
    {.dialog = ids::record_4zzz::kDialog, .control = ids::record_4zzz::kMore,
     .description = ids::record_4zzz::kMoreDescription, .rows = kLoopMore},
    {.dialog = ids::record_4zzz::kDialog, .control = ids::record_4zzz::kVar,
     .description = ids::record_4zzz::kVarDescription, .rows = kLoopVariable},
    {.dialog = ids::record_4zzz::kDialog, .control = ids::record_4zzz::kNum,
     .description = ids::record_4zzz::kNumDescription, .rows = kLoopCount},
};

}  // namespace

std::span<const OptionControl> option_controls() { return kOptions; }

const OptionControl* option_control(int dialog_id, int control_id) {
  auto it = std::ranges::find_if(
      kOptions, [&](const OptionControl& option) { return option.dialog == dialog_id && option.control == control_id; });
  return it == std::end(kOptions) ? nullptr : &*it;
}

}  // namespace tarnex::tin
