// Every option control of every record dialog: each value it describes, and
// one value it does not know, for which the box keeps what it showed.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "described_dialog.h"

namespace tarnex::tin::test {
namespace {

struct OptionCase {
  int dialog;
  int control;
  Act act;
  std::string value;
  int box;
  std::string expected;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
  *os << c.dialog << "/" << c.control << " \"" << c.value << "\"";
}

OptionCase chosen(int dialog, int control, std::string value, int box, std::string_view expected) {
  return {dialog, control, Act::kChoose, std::move(value), box, std::string(expected)};
}

OptionCase typed(int dialog, int control, std::string value, int box, std::string_view expected) {
  return {dialog, control, Act::kType, std::move(value), box, std::string(expected)};
}

class OptionDescription : public testing::TestWithParam<OptionCase> {};

TEST_P(OptionDescription, ShowsTheMeaningOfTheChosenValue) {
  const auto& c = GetParam();
  DescribedDialog opened(c.dialog);
  opened.dialog->set_text(c.box, kUntouched);
  opened.act(c.act, c.control, c.value);
  EXPECT_EQ(opened.dialog->text(c.box), c.expected);
}

constexpr std::string_view kDefaultDssMessage = "Error or warning message if DSS problems occur";

INSTANTIATE_TEST_SUITE_P(File, OptionDescription, testing::Values(
    chosen(221, 1332, "0", 1335, "Default text file version of MOR OUT or CRM file"),
    chosen(221, 1332, "1", 1335, "Binary machine language version of OUT or CRM file"),
    chosen(221, 1332, "5", 1335, "Default text file version of MOR OUT or CRM file"),
    chosen(221, 1333, "-1", 1336, "Messages written only if ORBEN terminated due to DSS problem"),
    chosen(221, 1333, "1", 1336, "Message that DSS file has been opened or closed"),
    chosen(221, 1333, "2", 1336, "Error or warning messages if DSS problems occur"),
    chosen(221, 1333, "3", 1336, "Trace of all DSS records written to DSS file"),
    chosen(221, 1333, "4", 1336, "Trace of all DSS records read from DSS files"),
    chosen(221, 1333, "7", 1336, "Beginning level of debugging messages"),
    chosen(221, 1333, "8", 1336, "Intermediate level of debugging messages"),
    chosen(221, 1333, "9", 1336, "Maximum level of debugging messages"),
    chosen(221, 1333, "5", 1336, kDefaultDssMessage)));

INSTANTIATE_TEST_SUITE_P(Unit, OptionDescription, testing::Values(
    chosen(200, 1273, "0", 1274, "Each table starts a new page"),
    chosen(200, 1273, "-1", 1274, "No page breaks"),
    chosen(200, 1273, "x", 1274, kUntouched)));

INSTANTIATE_TEST_SUITE_P(TypeOne, OptionDescription, testing::Values(
    chosen(115, 1039, "0", 1054, "list specified records"),
    chosen(115, 1039, "1", 1054, "list all records except those specified"),
    chosen(115, 1039, "2", 1054, kUntouched),
    chosen(201, 1251, "0", 1252, "reproduction of CP records in rearranged order"),
    chosen(201, 1251, "1", 1252, "listing of only control point identifiers, CPID(cp,1)"),
    chosen(201, 1251, "2", 1252, "listing of cp and next downstream cp identifier"),
    chosen(201, 1251, "3", 1252, "listing of cp and next upstream cp identifiers"),
    chosen(201, 1251, "4", 1252, "listing of INMETHOD and CL from CP records"),
    chosen(201, 1251, "5", 1252, "option 4 listing with DA from WP records added"),
    chosen(201, 1251, "6", 1252, "data from options 2-5 combined"),
    chosen(201, 1251, "7", 1252, "no written output"),
    chosen(201, 1251, "8", 1252, kUntouched),
    chosen(201, 1253, "1", 1055, "order based on listing cp before all downstream cp's"),
    chosen(201, 1253, "2", 1055, "order based on full-length stream tributaries"),
    chosen(201, 1253, "3", 1055, kUntouched),
    chosen(201, 1260, "0", 1056, "Include all control points in the output listing"),
    chosen(201, 1260, "-1", 1056, "List only control points with INMETHOD=0 or 1"),
    chosen(201, 1260, "x", 1056, kUntouched),
    chosen(117, 1043, "0", 1055, "summary by cp with only totals printed"),
    chosen(117, 1043, "1", 1055, "summary by control point"),
    chosen(117, 1043, "2", 1055, "summary by type-of-use"),
    chosen(117, 1043, "3", 1055, "summary by water right type"),
    chosen(117, 1043, "4", 1055, "summary by GO group"),
    chosen(117, 1043, "5", 1055, kUntouched),
    chosen(119, 1045, "0", 1056, "listing of rights in priority order"),
    chosen(119, 1045, "1", 1056, "listing of rights by control point in priority order"),
    chosen(119, 1045, "2", 1056, "listing of rights by type-of-use in priority order"),
    chosen(119, 1045, "3", 1056, "listing of rights by water right type in priority order"),
    chosen(119, 1045, "4", 1056, "listing of rights by GO group in priority order"),
    chosen(119, 1045, "5", 1056, kUntouched),
    chosen(119, 1046, "0", 1057, "instream flow rights are not included"),
    chosen(119, 1046, "1", 1057, "instream flow rights are included"),
    chosen(119, 1046, "2", 1057, kUntouched)));

INSTANTIATE_TEST_SUITE_P(WaterBudget, OptionDescription, testing::Values(
    typed(219, 1320, "0", 1313, "First year of MOR simulation is adopted"),
    typed(219, 1320, "1995", 1313, "First year of water budget computations"),
    chosen(219, 1320, "", 1313, "First year of water budget computations"),
    chosen(219, 1320, "0", 1313, "First year of MOR simulation is adopted"),
    typed(219, 1321, "0", 1314, "Last year of MOR simulation is adopted"),
    typed(219, 1321, "2010", 1314, "Last year of water budget computations"),
    chosen(219, 1321, "", 1314, "Last year of water budget computations"),
    chosen(219, 1323, "0", 1315, "1CPT record ICP(I) array is not used"),
    chosen(219, 1323, "-1", 1315, "1CPT record ICP(I) array is not used"),
    chosen(219, 1323, "", 1315, "1CPT record ICP(I) array is not used"),
    chosen(219, 1323, "1", 1315, "ICP(I) array is created by preceeding 1CPT record"),
    chosen(219, 1323, "2", 1315, kUntouched),
    chosen(219, 1324, "0", 1316, "Beginning storage is zero or preceding end-of-year"),
    chosen(219, 1324, "", 1316, "Beginning storage is zero or preceding end-of-year"),
    chosen(219, 1324, "1", 1316, "MOR beginning reservoir storage BRS file is created"),
    chosen(219, 1324, "2", 1316, "Storage is estimated from MOR output file variables"),
    chosen(219, 1324, "3", 1316, kUntouched),
    chosen(219, 1325, "1", 1317, "No adjustments are made to negative inflows"),
    chosen(219, 1325, "0", 1317, "No adjustments are made to negative inflows"),
    chosen(219, 1325, "", 1317, "No adjustments are made to negative inflows"),
    chosen(219, 1325, "2", 1317, "Adjustments based on beginning-of-period storage"),
    chosen(219, 1325, "3", 1317, "Negative inflow volumes are set to zero"),
    chosen(219, 1325, "4", 1317, kUntouched),
    chosen(219, 1326, "0", 1318, "Control point water budget table is not created"),
    chosen(219, 1326, "-1", 1318, "Control point water budget table is not created"),
    chosen(219, 1326, "", 1318, "Control point water budget table is not created"),
    chosen(219, 1326, "1", 1318, "Water budget table is created for one control point"),
    chosen(219, 1326, "2", 1318, "Water budget table is created for all control points"),
    chosen(219, 1326, "3", 1318, kUntouched),
    chosen(219, 1327, "1", 1319, "River basin water budget table is created for outlet(s)"),
    chosen(219, 1327, "0", 1319, "River basin water budget table is created for outlet(s)"),
    chosen(219, 1327, "", 1319, "River basin water budget table is created for outlet(s)"),
    chosen(219, 1327, "2", 1319, "Basin budget table for control point in field 9"),
    chosen(219, 1327, "-1", 1319, "River basin water budget table is not created"),
    chosen(219, 1327, "3", 1319, kUntouched)));

// The table kind MNAN of the summary and system release tables.
INSTANTIATE_TEST_SUITE_P(TableKind, OptionDescription, testing::Values(
    chosen(121, 1047, "0", 1057, "annual table"),
    chosen(121, 1047, "1", 1057, "monthly table"),
    chosen(121, 1047, "2", 1057, "both annual and monthly tables"),
    chosen(121, 1047, "3", 1057, kUntouched),
    chosen(123, 1051, "0", 1059, "annual table"),
    chosen(123, 1051, "1", 1059, "monthly table"),
    chosen(123, 1051, "2", 1059, "both annual and monthly tables"),
    chosen(123, 1051, "3", 1059, kUntouched),
    chosen(125, 1061, "0", 1064, "annual table"),
    chosen(125, 1061, "1", 1064, "monthly table"),
    chosen(125, 1061, "2", 1064, "both annual and monthly tables"),
    chosen(125, 1061, "3", 1064, kUntouched),
    chosen(127, 1068, "0", 1069, "annual table"),
    chosen(127, 1068, "1", 1069, "monthly table"),
    chosen(127, 1068, "2", 1069, "both annual and monthly tables"),
    chosen(127, 1068, "3", 1069, kUntouched),
    chosen(129, 1074, "0", 1075, "annual table"),
    chosen(129, 1074, "1", 1075, "monthly table"),
    chosen(129, 1074, "2", 1075, "both annual and monthly tables"),
    chosen(129, 1074, "3", 1075, kUntouched),
    chosen(146, 1117, "0", 1118, "annual table"),
    chosen(146, 1117, "1", 1118, "monthly table"),
    chosen(146, 1117, "2", 1118, "both annual and monthly tables"),
    chosen(146, 1117, "3", 1118, kUntouched),
    chosen(148, 1123, "0", 1124, "annual table"),
    chosen(148, 1123, "1", 1124, "monthly table"),
    chosen(148, 1123, "2", 1124, "both annual and monthly tables"),
    chosen(148, 1123, "3", 1124, kUntouched)));

INSTANTIATE_TEST_SUITE_P(SummaryCount, OptionDescription, testing::Values(
    chosen(121, 1048, "0", 1058, "develop tables for all control points"),
    chosen(121, 1048, "1", 1058, "develop tables for control points to follow"),
    chosen(121, 1048, "8", 1058, "develop tables for control points to follow"),
    chosen(121, 1048, "-1", 1058, kUntouched),
    chosen(123, 1052, "0", 1066, "develop tables for all water rights"),
    chosen(123, 1052, "-3", 1066, "develop tables for all water rights"),
    chosen(123, 1052, "5", 1066, "develop tables for water rights to follow"),
    chosen(123, 1052, "x", 1066, kUntouched),
    chosen(125, 1062, "1", 1065, "develop tables for water rights groups to follow"),
    chosen(125, 1062, "0", 1065, "develop tables for ABS(NUM) water rights groups of previous record"),
    chosen(125, 1062, "-2", 1065, "develop tables for ABS(NUM) water rights groups of previous record"),
    chosen(125, 1062, "x", 1065, kUntouched),
    chosen(127, 1070, "0", 1071, "develop tables for all reservoirs"),
    chosen(127, 1070, "4", 1071, "develop tables for reservoirs to follow"),
    chosen(127, 1070, "x", 1071, kUntouched)));

INSTANTIATE_TEST_SUITE_P(Reliability, OptionDescription, testing::Values(
    chosen(131, 1084, "0", 1085, "All months are included in the computations"),
    chosen(131, 1084, "12", 1085, "The month for which the analysis is performed"),
    chosen(131, 1084, "x", 1085, kUntouched),
    chosen(131, 1077, "0", 1078, "N=number of months with non-zero targets"),
    chosen(131, 1077, "1", 1078, "N=NYRS*12 for Rp=(n/N)*100%"),
    chosen(131, 1077, "2", 1078, kUntouched),
    chosen(131, 1079, "0", 1080, "table includes selected control points"),
    chosen(131, 1079, "1", 1080, "table includes selected water rights"),
    chosen(131, 1079, "2", 1080, "table includes selected hydropower reservoirs"),
    chosen(131, 1079, "3", 1080, "table includes selected water right groups"),
    chosen(131, 1079, "4", 1080, kUntouched),
    chosen(131, 1086, "8", 1087, "number of type identifiers to follow"),
    chosen(131, 1086, "0", 1087, "table includes all type indetifiers"),
    chosen(131, 1086, "-8", 1087, "NUM identifiers from previous record"),
    chosen(131, 1086, "x", 1087, kUntouched),
    chosen(131, 1081, "-1", 1082, "adopt total of targets from MOR output file"),
    chosen(131, 1081, "0", 1082, "optional supplemental table is not created"),
    chosen(131, 1081, "", 1082, "optional supplemental table is not created"),
    typed(131, 1081, "250", 1082, "annual diversion or hydropower target"),
    chosen(204, 1266, "-1", 1264, "adopt target from QARN-MOR output file"),
    chosen(204, 1266, "", 1264, "enter annual diversion or hydropower target"),
    typed(204, 1266, "1500", 1264, "enter annual diversion or hydropower target")));

INSTANTIATE_TEST_SUITE_P(Frequency, OptionDescription, testing::Values(
    chosen(136, 1085, "1", 1086, "naturalized flows"),
    chosen(136, 1085, "2", 1086, "regulated flows"),
    chosen(136, 1085, "3", 1086, "unappropriated flows"),
    chosen(136, 1085, "4", 1086, "reservoir storage associated with a control point"),
    chosen(136, 1085, "5", 1086, "reservoir storage associated with a water right"),
    chosen(136, 1085, "6", 1086, "reservoir storage associated with a reservoir"),
    chosen(136, 1085, "-4", 1086, "reservoir storage with only totals included in table"),
    chosen(136, 1085, "-5", 1086, "reservoir storage with only totals included in table"),
    chosen(136, 1085, "-6", 1086, "reservoir storage with only totals included in table"),
    chosen(136, 1085, "7", 1086, "reservoir water surface elevation"),
    chosen(136, 1085, "8", 1086, "instream flow shortage for an IF record right"),
    chosen(136, 1085, "9", 1086, kUntouched),
    chosen(136, 1089, "0", 1090, "All months included in the computations"),
    chosen(136, 1089, "6", 1090, "The month for which the analysis is performed"),
    chosen(136, 1089, "x", 1090, kUntouched),
    chosen(136, 1087, "3", 1088, "number of control points or reservoirs to follow"),
    chosen(136, 1087, "0", 1088, "include all control pts, rights or reservoirs in table"),
    chosen(136, 1087, "-2", 1088, "NUM identifiers from previous records are repeated"),
    chosen(136, 1087, "x", 1088, kUntouched),
    chosen(136, 1388, "1", 1091, "frequency table is created in standard row format"),
    chosen(136, 1388, "2", 1091, "frequency results are tabulated as columns"),
    chosen(136, 1388, "x", 1091, kUntouched),
    chosen(136, 1389, "1", 1092, "relative frequency P=(n/N) 100%"),
    chosen(136, 1389, "2", 1092, "log-normal probability distribution"),
    chosen(136, 1389, "3", 1092, "normal probability distribution"),
    chosen(136, 1389, "x", 1092, kUntouched),
    chosen(136, 1390, "0", 1093, "moving average/total option is not adopted"),
    chosen(136, 1390, "1", 1093, "moving averages are computed for TIME months"),
    chosen(136, 1390, "2", 1093, "moving totals are computed for TIME months"),
    chosen(136, 1390, "x", 1093, kUntouched),
    chosen(138, 1090, "1", 1091, "naturalized flows"),
    chosen(138, 1090, "2", 1091, "regulated flows"),
    chosen(138, 1090, "3", 1091, "unappropriated flows"),
    chosen(138, 1090, "4", 1091, "reservoir storage associated with a control point"),
    chosen(138, 1090, "5", 1091, "reservoir storage associated with a water right"),
    chosen(138, 1090, "6", 1091, "reservoir storage associated with a reservoir"),
    chosen(138, 1090, "7", 1091, "water surface elevation associated with a reservoir storage"),
    chosen(138, 1090, "8", 1091, "instream flow shortage associated with an IF record right"),
    chosen(138, 1090, "9", 1091, kUntouched),
    chosen(138, 1093, "0", 1096, "All months included in the computations"),
    chosen(138, 1093, "12", 1096, "The month for which the analysis is performed"),
    chosen(138, 1093, "x", 1096, kUntouched)));

INSTANTIATE_TEST_SUITE_P(ReservoirStorage, OptionDescription, testing::Values(
    chosen(140, 1301, "0", 1295, "All three tables are created"),
    chosen(140, 1301, "1", 1295, "Storage contents as a percentage of capacity table"),
    chosen(140, 1301, "2", 1295, "Storage draw-down duration table is created"),
    chosen(140, 1301, "3", 1295, "Storage reliability table is created"),
    chosen(140, 1301, "4", 1295, "Both draw-down and reliability tables are created"),
    chosen(140, 1301, "x", 1295, kUntouched),
    chosen(140, 1300, "0", 1293, "All months are included in the computations"),
    chosen(140, 1300, "3", 1293, "The month for which the analysis is performed"),
    chosen(140, 1300, "x", 1293, kUntouched),
    chosen(140, 1097, "1", 1180, "number of reservoirs"),
    chosen(140, 1097, "20", 1180, "number of reservoirs"),
    chosen(140, 1097, "-1", 1180, "reservoir IDs previously entered"),
    chosen(140, 1097, "0", 1180, kUntouched)));

INSTANTIATE_TEST_SUITE_P(TimeSeries, OptionDescription, testing::Values(
    chosen(142, 1101, "0", 1104, "do not develop annual row/monthly column table"),
    chosen(142, 1101, "1", 1104, "develop table in annual row and monthly format"),
    chosen(142, 1101, "2", 1104, kUntouched),
    chosen(142, 1103, "0", 1105, "do not develop columnar plot table"),
    chosen(142, 1103, "1", 1105, "develop columns of monthly data"),
    chosen(142, 1103, "2", 1105, "columns of annual totals or means"),
    chosen(142, 1103, "3", 1105, "columns of 12 monthly means"),
    chosen(142, 1103, "4", 1105, "develop HEC-DSS monthly time series records"),
    chosen(142, 1103, "5", 1105, "develop HEC-DSS annual time series records"),
    chosen(142, 1103, "6", 1105, kUntouched),
    chosen(142, 1102, "0", 1106, "write columns; next record starts a new table"),
    chosen(142, 1102, "1", 1106, "add more columns to existing table or start first table"),
    chosen(142, 1102, "2", 1106, kUntouched),
    chosen(142, 1112, "", 1113, "standard number of digits"),
    chosen(142, 1112, "0", 1113, "number of digits to the right of the decimal"),
    chosen(142, 1112, "4", 1113, "number of digits to the right of the decimal"),
    typed(142, 1112, "-1", 1113, "standard number of digits"),
    typed(142, 1112, "x", 1113, kUntouched),
    chosen(142, 1114, "0", 1115, "moving average/total option is not adopted"),
    chosen(142, 1114, "1", 1115, "moving averages are computed for TIME months"),
    chosen(142, 1114, "2", 1115, "moving totals are computed for TIME months"),
    chosen(142, 1114, "", 1115, "moving average/total option is not adopted"),
    chosen(142, 1114, "3", 1115, "moving average/total option is not adopted"),
    typed(142, 1308, "0", 1117, "default multiplier factor = 1.0"),
    typed(142, 1308, "0.", 1117, "default multiplier factor = 1.0"),
    typed(142, 1308, "0.0", 1117, "default multiplier factor = 1.0"),
    chosen(142, 1308, "0", 1117, "default multiplier factor = 1.0"),
    chosen(142, 1308, " ", 1117, "multiplier factor"),
    typed(142, 1308, "1.5", 1117, "multiplier factor"),
    typed(142, 1339, "0", 1340, "default addition factor = 0.0"),
    typed(142, 1339, "0.", 1340, "default addition factor = 0.0"),
    typed(142, 1339, "0.0", 1340, "default addition factor = 0.0"),
    chosen(142, 1339, "", 1340, "addition factor"),
    typed(142, 1339, "-2.5", 1340, "addition factor")));

INSTANTIATE_TEST_SUITE_P(TypeThreeAndFour, OptionDescription, testing::Values(
    chosen(144, 1115, "0", 1116, "streamflow records grouped by control point"),
    chosen(144, 1115, "1", 1116, "streamflow records grouped by year"),
    chosen(144, 1115, "2", 1116, kUntouched),
    chosen(224, 1394, "0", 1397, "Available flows"),
    chosen(224, 1394, "1", 1397, "Reservoir releases"),
    chosen(224, 1394, "2", 1397, "Regulated flows"),
    chosen(224, 1394, "3", 1397, kUntouched),
    chosen(224, 1395, "0", 1398, "All months are included in the computations"),
    chosen(224, 1395, "7", 1398, "The month for which the analysis is performed"),
    chosen(224, 1395, "-1", 1398, kUntouched),
    chosen(224, 1396, "0", 1399, "Tables for all control points included in the ZZZ file"),
    chosen(224, 1396, "5", 1399, "Number of control points to follow on IDEN records"),
    chosen(224, 1396, "-5", 1399, "Tables for the NUM control points on preceding record"),
    chosen(224, 1396, "x", 1399, kUntouched),
    chosen(226, 1402, "0", 1408, "Do not develop annual row/monthly column table"),
    chosen(226, 1402, "1", 1408, "Table with annual rows and monthly columns"),
    chosen(226, 1402, "2", 1408, kUntouched),
    chosen(226, 1403, "0", 1409, "Do not activate either DSS or text file option"),
    chosen(226, 1403, "1", 1409, "Develop columns of monthly data in text file"),
    chosen(226, 1403, "2", 1409, "Columns of annual totals or means in text file"),
    chosen(226, 1403, "3", 1409, "Develop columns of 12 monthly means in text file"),
    chosen(226, 1403, "4", 1409, "Develop DSS monthly time series records"),
    chosen(226, 1403, "5", 1409, "Develop DSS annual time series records"),
    chosen(226, 1403, "6", 1409, kUntouched),
    chosen(226, 1404, "0", 1410, "Write columns; next record starts a new table"),
    chosen(226, 1404, "1", 1410, "Add columns to existing table or start first table"),
    chosen(226, 1404, "2", 1410, kUntouched),
    chosen(226, 1405, "0", 1411, "Available flows"),
    chosen(226, 1405, "1", 1411, "Reservoir releases"),
    chosen(226, 1405, "2", 1411, "Regulated flows"),
    chosen(226, 1405, "3", 1411, kUntouched),
    chosen(226, 1406, "0", 1412, "Table for all control points included in ZZZ file"),
    chosen(226, 1406, "8", 1412, "Number of control points to follow on IDEN records"),
    chosen(226, 1406, "-8", 1412, "Tables for the NUM control points on preceding record"),
    chosen(226, 1406, "x", 1412, kUntouched)));

}  // namespace
}  // namespace tarnex::tin::test
