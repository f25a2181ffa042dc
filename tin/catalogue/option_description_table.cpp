// The descriptions of the record dialogs' options, dialog by dialog. The
// texts are those the users of the ORBEN input know, their spelling included.

#include <algorithm>
#include <limits>

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
    {.dialog = 221, .control = 1332, .description = 1335, .width = 2, .rows = kOutputForm},
    {.dialog = 221, .control = 1333, .description = 1336, .width = 2, .rows = kDssMessages},
    {.dialog = 200, .control = 1273, .description = 1274, .width = 5, .rows = kNewPage},
    {.dialog = 115, .control = 1039, .description = 1054, .rows = kRecordListing},
    {.dialog = 201, .control = 1251, .description = 1252, .rows = kControlPointListing},
    {.dialog = 201, .control = 1253, .description = 1055, .rows = kControlPointOrder},
    {.dialog = 201, .control = 1260, .description = 1056, .width = 8, .rows = kControlPointLimit},
    {.dialog = 117, .control = 1043, .description = 1055, .rows = kRightsSummary},
    {.dialog = 119, .control = 1045, .description = 1056, .rows = kRightsSort},
    {.dialog = 119, .control = 1046, .description = 1057, .rows = kInstreamRights},
    {.dialog = 219, .control = 1320, .description = 1313, .rows = kFirstYear},
    {.dialog = 219, .control = 1321, .description = 1314, .rows = kLastYear},
    {.dialog = 219, .control = 1323, .description = 1315, .rows = kSequenceArray},
    {.dialog = 219, .control = 1324, .description = 1316, .rows = kBeginningStorage},
    {.dialog = 219, .control = 1325, .description = 1317, .rows = kNegativeInflows},
    {.dialog = 219, .control = 1326, .description = 1318, .rows = kControlPointBudget},
    {.dialog = 219, .control = 1327, .description = 1319, .rows = kBasinBudget},
    {.dialog = 121, .control = 1047, .description = 1057, .rows = kTableKind},
    {.dialog = 123, .control = 1051, .description = 1059, .rows = kTableKind},
    {.dialog = 125, .control = 1061, .description = 1064, .rows = kTableKind},
    {.dialog = 127, .control = 1068, .description = 1069, .rows = kTableKind},
    {.dialog = 129, .control = 1074, .description = 1075, .rows = kTableKind},
    {.dialog = 146, .control = 1117, .description = 1118, .rows = kTableKind},
    {.dialog = 148, .control = 1123, .description = 1124, .rows = kTableKind},
    {.dialog = 121, .control = 1048, .description = 1058, .rows = kControlPointCount},
    {.dialog = 123, .control = 1052, .description = 1066, .rows = kWaterRightCount},
    {.dialog = 125, .control = 1062, .description = 1065, .rows = kRightGroupCount},
    {.dialog = 127, .control = 1070, .description = 1071, .rows = kReservoirCount},
    {.dialog = 131, .control = 1084, .description = 1085, .width = 2, .rows = kMonthsAreIncluded},
    {.dialog = 131, .control = 1077, .description = 1078, .width = 2, .rows = kReliabilityCount},
    {.dialog = 131, .control = 1079, .description = 1080, .rows = kReliabilityIdentifiers},
    {.dialog = 131, .control = 1086, .description = 1087, .rows = kReliabilityCountOfIdentifiers},
    {.dialog = 131, .control = 1081, .description = 1082, .width = 8, .number = Number::kTargetSign,
     .rows = kReliabilityTarget},
    {.dialog = 204, .control = 1266, .description = 1264, .width = 16, .rows = kSupplementTarget},
    {.dialog = 136, .control = 1085, .description = 1086, .rows = kFrequencyVariable},
    {.dialog = 136, .control = 1089, .description = 1090, .rows = kMonthsIncluded},
    {.dialog = 136, .control = 1087, .description = 1088, .rows = kFrequencyCount},
    {.dialog = 136, .control = 1388, .description = 1091, .rows = kFrequencyTable},
    {.dialog = 136, .control = 1389, .description = 1092, .rows = kFrequencyMethod},
    {.dialog = 136, .control = 1390, .description = 1093, .rows = kFrequencyMovingValues},
    {.dialog = 138, .control = 1090, .description = 1091, .rows = kFlowOrStorage,
     .rule = Rule::kFrequencyIdentifierRow},
    {.dialog = 138, .control = 1093, .description = 1096, .rows = kMonthsIncluded},
    {.dialog = 140, .control = 1301, .description = 1295, .rows = kStorageTables},
    {.dialog = 140, .control = 1300, .description = 1293, .rows = kMonthsAreIncluded},
    {.dialog = 140, .control = 1097, .description = 1180, .rows = kStorageReservoirs},
    {.dialog = 142, .control = 1101, .description = 1104, .rows = kSeriesAnnualTable},
    {.dialog = 142, .control = 1103, .description = 1105, .rows = kSeriesColumns},
    {.dialog = 142, .control = 1102, .description = 1106, .rows = kSeriesMore},
    {.dialog = 142, .control = 1107, .description = 1108, .rule = Rule::kSeriesIdentifierType},
    {.dialog = 142, .control = 1109, .description = 1110, .rule = Rule::kSeriesIdentifierCount},
    {.dialog = 142, .control = 1112, .description = 1113, .rows = kSeriesDecimals},
    {.dialog = 142, .control = 1114, .description = 1115, .width = 16, .rows = kSeriesMovingValues},
    {.dialog = 142, .control = 1308, .description = 1117, .width = 16, .rows = kSeriesMultiplier},
    {.dialog = 142, .control = 1339, .description = 1340, .width = 16, .rows = kSeriesAddition},
    {.dialog = 144, .control = 1115, .description = 1116, .rows = kRecordGrouping},
    {.dialog = 224, .control = 1394, .description = 1397, .rows = kLoopVariable},
    {.dialog = 224, .control = 1395, .description = 1398, .rows = kLoopMonth},
    {.dialog = 224, .control = 1396, .description = 1399, .rows = kLoopFrequencyCount},
    {.dialog = 226, .control = 1402, .description = 1408, .rows = kLoopAnnualTable},
    {.dialog = 226, .control = 1403, .description = 1409, .rows = kLoopColumns},
    {.dialog = 226, .control = 1404, .description = 1410, .rows = kLoopMore},
    {.dialog = 226, .control = 1405, .description = 1411, .rows = kLoopVariable},
    {.dialog = 226, .control = 1406, .description = 1412, .rows = kLoopCount},
};

}  // namespace

std::span<const OptionControl> option_controls() { return kOptions; }

const OptionControl* option_control(int dialog_id, int control_id) {
  auto it = std::ranges::find_if(
      kOptions, [&](const OptionControl& option) { return option.dialog == dialog_id && option.control == control_id; });
  return it == std::end(kOptions) ? nullptr : &*it;
}

}  // namespace tarnex::tin
