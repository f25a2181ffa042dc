// The starting values of the record dialogs opened for a new record, dialog
// by dialog: what each list shows first and the words beside it, the starting
// texts, the text limits and the edit boxes that take the caret routine.

#include <algorithm>

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

constexpr StartingValue kTitl[] = {caret(1028, 74)};

constexpr StartingValue kComm[] = {pick(1306, 1), caret(1030, 148)};

constexpr StartingValue kFile[] = {
    pick(1332, 1, 1335, "Default text file version of MOR OUT or CRM file"),
    pick(1333, 3, 1336, "Error or warning messages if DSS problems occur"),
    pick(1338, 1),
};

constexpr StartingValue kUnit[] = {
    {.control = 1248, .text = "AC-FT", .limit = 5, .focus = true},
    {.control = 1029, .text = "MW-HR", .limit = 5, .focus = true},
    pick(1272, 1),
    pick(1273, 1, 1274, "Each table starts a new page"),
};

constexpr StartingValue k1Cpt[] = {
    pick(1251, 1, 1252, "reproduction of CP records in rearranged order"),
    pick(1253, 1, 1055, "order based on listing cp before all downstream cp's"),
    pick(1260, 1, 1056, "Include all control points in the output listing"),
    caret(1261),
};

// The record list holds up to 17 identifiers of four characters, one per
// line: the limit lets the user type everything the builder reads.
constexpr StartingValue k1Rec[] = {
    pick(1039, 1, 1054, "list specified records"),
    pick(1038, 1),
    caret(1041, 256),
};

constexpr StartingValue k1Sum[] = {pick(1043, 1, 1055, "summary by cp with only totals printed")};

constexpr StartingValue k1Srt[] = {
    pick(1045, 1, 1056, "listing of rights in priority order"),
    pick(1046, 1, 1057, "instream flow rights are not included"),
};

constexpr StartingValue k2Bud[] = {
    caret(1312),
    put(1320, "0", 1313, "First year of MOR simulation is adopted"),
    put(1321, "0", 1314, "Last year of MOR simulation is adopted"),
    pick(1323, 1, 1315, "1CPT record ICP(I) array is not used"),
    pick(1324, 1, 1316, "Beginning storage is zero or preceding end-of-year"),
    pick(1325, 1, 1317, "No adjustments are made to negative inflows"),
    pick(1326, 1, 1318, "Control point water budget table is not created"),
    pick(1327, 2, 1319, "River basin water budget table is created for outlet(s)"),
};

constexpr StartingValue k2Scp[] = {
    pick(1047, 1, 1057, "annual table"),
    pick(1048, 9, 1058, "develop tables for all control points"),
    caret(1049),
};

constexpr StartingValue k2Swr[] = {
    pick(1051, 1, 1059, "annual table"),
    pick(1052, 9, 1066, "develop tables for all water rights"),
    caret(1053),
};

constexpr StartingValue k2Sgp[] = {
    pick(1061, 1, 1064, "annual table"),
    pick(1062, 1, 1065, "develop tables for water rights groups to follow"),
    caret(1063),
};

constexpr StartingValue k2Sre[] = {
    pick(1068, 1, 1069, "annual table"),
    pick(1070, 9, 1071, "develop tables for all reservoirs"),
    caret(1072),
};

constexpr StartingValue k2Sba[] = {pick(1074, 1, 1075, "annual table")};

constexpr StartingValue k2Rel[] = {
    pick(1084, 1, 1085, "all months are included in the computations"),
    pick(1077, 1, 1078, "N=number of months with non-zero targets"),
    pick(1079, 1, 1080, "table includes selected control points"),
    pick(1086, 9, 1087, "table includes all type indetifiers"),
    pick(1081, 1, 1082, "optional supplemental table is not created"),
};

constexpr StartingValue k2Ret[] = {pick(1266, 1, 1264, "enter annual diversion or hydropower target")};

constexpr StartingValue k2Fre[] = {
    pick(1085, 1, 1086, "naturalized flows"),
    pick(1089, 1, 1090, "All months are included in the computations"),
    pick(1087, 9, 1088, "include all control pts, rights or reservoirs in table"),
    pick(1388, 1, 1091, "frequency table is created in standard row format"),
    pick(1389, 1, 1092, "relative frequency P=(n/N) 100%"),
    pick(1390, 1, 1093, "moving average/total option is not adopted"),
    caret(1391),
    caret(1392),
    caret(1393),
};

// The identifier row is labelled for the starting Variable 1: a
// six-character identifier in columns 17-24, the values from column 25.
constexpr StartingValue k2Frq[] = {
    pick(1093, 1, 1096, "All months are included in the computations"),
    pick(1090, 1, 1091, "naturalized flows"),
    pick(1092, 1),
    caret(1094),
    caret(1095),
    put(1002, "17 - 24"),
    put(1178, "IDEN"),
    put(1001, "2x,A6"),
    put(1003, "25 - 80"),
};

constexpr StartingValue k2Res[] = {
    pick(1301, 1, 1295, "All three tables are created"),
    pick(1300, 1, 1293, "All months are included in the computations"),
    pick(1097, 1, 1180, "number of reservoirs"),
    caret(1099),
    caret(1100),
    caret(1102),
};

// A new IDEN record starts with control point identifiers; setting the
// button labels the rows for that layout.
constexpr StartingValue kIden[] = {
    {.control = 1349, .check = true},
    caret(1346), caret(1355), caret(1360), caret(1365), caret(1370), caret(1375), caret(1380), caret(1385),
};

constexpr StartingValue kSeries[] = {
    pick(1101, 1, 1104, "do not develop annual row/monthly column table"),
    pick(1103, 1, 1105, "do not develop columnar plot table"),
    pick(1102, 1, 1106, "write columns; next record starts a new table"),
    pick(1107, 1, 1108, "develop tables for control points"),
    pick(1109, 9, 1110, "include all of type ID's in table"),
    caret(1111),
    put(1182, " "),
    put(1183, " "),
    put(1184, " "),
    pick(1112, 1, 1113, "standard number of digits"),
    pick(1114, 1, 1115, "moving average/total option is not adopted"),
    put(1328, " ", 1329, "number of months for moving averages or totals"),
    put(1308, "0", 1117, "default multiplier factor = 1.0"),
    put(1339, "0", 1340, "default addition factor = 0.0"),
};

constexpr StartingValue kType3[] = {
    caret(1114),
    pick(1115, 1, 1116, "streamflow records grouped by control point"),
    caret(1117),
};

constexpr StartingValue k4Swr[] = {pick(1117, 1, 1118, "annual table"), pick(1119, 1), caret(1121)};

constexpr StartingValue k4Sgp[] = {pick(1123, 1, 1124, "annual table"), pick(1125, 1), caret(1126)};

constexpr StartingValue k4Zzf[] = {
    pick(1394, 1, 1397, "Available flows"),
    pick(1395, 1, 1398, "All months for which the analysis is performed"),
    pick(1396, 1, 1399, "Tables for all control points included in the ZZZ file"),
};

constexpr StartingValue k4Zzz[] = {
    pick(1402, 1, 1408, "Do not develop annual row/monthly column table"),
    pick(1403, 1, 1409, "Do not activate either DSS or text file option"),
    pick(1404, 1, 1410, "Write columns; next record starts a new table"),
    pick(1405, 1, 1411, "Available flows"),
    pick(1406, 9, 1412, "Tables for all control points included in ZZZ file"),
    caret(1407),
};

constexpr DialogSetup kSetups[] = {
    {109, kTitl},  {112, kComm},  {221, kFile},  {200, kUnit},  {201, k1Cpt},   {115, k1Rec},
    {117, k1Sum},  {119, k1Srt},  {219, k2Bud},  {121, k2Scp},  {123, k2Swr},   {125, k2Sgp},
    {127, k2Sre},  {129, k2Sba},  {131, k2Rel},  {204, k2Ret},  {136, k2Fre},   {138, k2Frq},
    {140, k2Res},  {223, kIden},  {142, kSeries}, {144, kType3}, {146, k4Swr},  {148, k4Sgp},
    {224, k4Zzf},  {226, k4Zzz},
};

}  // namespace

const DialogSetup* dialog_setup(int dialog_id) {
  auto it = std::ranges::find(kSetups, dialog_id, &DialogSetup::dialog);
  return it == std::end(kSetups) ? nullptr : &*it;
}

}  // namespace tarnex::tin
