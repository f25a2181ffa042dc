// The record dialogs and their fields, in the columns of the ORBEN input
// records. Column captions are those the dialogs show; where a dialog shows
// other columns than the record holds (FILE, 2RET, the time-series ID, 4SWR)
// the caption keeps the dialog's text and `first`/`width` the record's.

#include <array>

#include "tin/catalogue/catalogue.h"

namespace tarnex::tin {
namespace {

using sv = std::string_view;

constexpr sv kZeroOne[] = {"0", "1"};
constexpr sv kZeroToTwo[] = {"0", "1", "2"};
constexpr sv kZeroToThree[] = {"0", "1", "2", "3"};
constexpr sv kZeroToFour[] = {"0", "1", "2", "3", "4"};
constexpr sv kZeroToFive[] = {"0", "1", "2", "3", "4", "5"};
constexpr sv kZeroToSeven[] = {"0", "1", "2", "3", "4", "5", "6", "7"};
constexpr sv kZeroToTwelve[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
constexpr sv kOneTwo[] = {"1", "2"};
constexpr sv kOneToThree[] = {"1", "2", "3"};
constexpr sv kOneToFive[] = {"1", "2", "3", "4", "5"};
constexpr sv kOneToSeven[] = {"1", "2", "3", "4", "5", "6", "7"};
constexpr sv kOneToEight[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
constexpr sv kOneToSeventeen[] = {"1", "2",  "3",  "4",  "5",  "6",  "7",  "8", "9",
                                  "10", "11", "12", "13", "14", "15", "16", "17"};
constexpr sv kOneToTwenty[] = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                               "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
constexpr sv kEightDownToZero[] = {"8", "7", "6", "5", "4", "3", "2", "1", "0"};
constexpr sv kEightDownToMinusEight[] = {"8",  "7",  "6",  "5",  "4",  "3",  "2",  "1", "0",
                                         "-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8"};
constexpr sv kMinusEightToEight[] = {"-8", "-7", "-6", "-5", "-4", "-3", "-2", "-1", "0",
                                     "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8"};
constexpr sv kZeroMinusOne[] = {"0", "-1"};
constexpr sv kMinusOneOneTwo[] = {"-1", "1", "2"};
constexpr sv kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr sv kDssMessageLevels[] = {"-1", "1", "2", "3", "4", "7", "8", "9"};
constexpr sv kFrequencyVariables[] = {"1", "2", "3", "4", "-4", "5", "-5", "6", "-6", "7", "8"};
constexpr sv kCommentCodes[] = {"COMM", "****", "**"};
constexpr sv kBlankZeroMinusOne[] = {"", "0", "-1"};
constexpr sv kBlankMinusOne[] = {"", "-1"};
constexpr sv kBlankZero[] = {"", "0"};
constexpr sv kBlankCharZero[] = {" ", "0"};
constexpr sv kBlankZeroToFour[] = {"", "0", "1", "2", "3", "4"};

constexpr unsigned variant(int v) { return 1u << v; }

constexpr Field kTitl[] = {
    {.first = 5, .width = 74, .control = 1028, .kind = Kind::kEdit, .read = Read::kAsTyped,
     .columns = "5 - 78", .variable = "TITLE", .format = "A76"},
};

// The comment text reaches column 152, the last the file holds: what the
// user can type and what the editor reads back.
constexpr Field kComm[] = {
    {.first = 1, .width = 4, .control = 1306, .kind = Kind::kDropList, .read = Read::kAsTyped,
     .columns = "1 - 4", .variable = "CD", .format = "A4", .offered = kCommentCodes},
    {.first = 5, .width = 148, .control = 1030, .kind = Kind::kEdit, .read = Read::kAsTyped,
     .columns = "5 - 144", .variable = "Comments", .format = "A140"},
};

constexpr Field kFile[] = {
    {.first = 5, .width = 4, .control = 1332, .columns = "5 - 8", .variable = "OUTFORM", .format = "I4",
     .offered = kZeroOne, .description = 1335},
    {.first = 9, .width = 4, .control = 1333, .columns = "9 - 16", .variable = "DSSMES", .format = "I4",
     .offered = kDssMessageLevels, .description = 1336},
    {.first = 13, .width = 4, .blank_part = 1, .control = 1338, .columns = "17 - 20", .variable = "DSSMON",
     .format = "1x,A3", .offered = kMonths},
};

constexpr Field kUnit[] = {
    {.first = 5, .width = 5, .control = 1248, .kind = Kind::kEdit, .read = Read::kAsTyped,
     .columns = "5 - 9", .variable = "UNIT", .format = "A5"},
    {.first = 10, .width = 5, .control = 1029, .kind = Kind::kEdit, .read = Read::kAsTyped,
     .columns = "10 - 14", .variable = "UNHP", .format = "A5"},
    {.first = 15, .width = 5, .control = 1272, .columns = "15 - 19", .variable = "MONTH1", .format = "A5",
     .offered = kMonths},
    {.first = 20, .width = 5, .control = 1273, .columns = "20 - 24", .variable = "NEWPAGE", .format = "I5",
     .offered = kZeroMinusOne, .description = 1274},
};

constexpr Field k1Cpt[] = {
    {.first = 5, .width = 4, .control = 1251, .columns = "5 - 8", .variable = "KK", .format = "I4",
     .offered = kZeroToSeven, .description = 1252},
    {.first = 9, .width = 8, .control = 1253, .columns = "9 - 16", .variable = "OO", .format = "I8",
     .offered = kOneTwo, .description = 1055},
    {.first = 17, .width = 8, .control = 1260, .columns = "17 - 24", .variable = "LIM", .format = "I8",
     .offered = kZeroMinusOne, .description = 1056},
    {.first = 25, .width = 8, .blank_part = 2, .control = 1261, .kind = Kind::kEdit, .first_chars = 6,
     .columns = "25 - 32", .variable = "CPLIM", .format = "2x,A6"},
};

constexpr Field k1Rec[] = {
    {.first = 5, .width = 4, .control = 1039, .columns = "5 - 8", .variable = "KK", .format = "I4",
     .offered = kZeroOne, .description = 1054},
    {.first = 9, .width = 4, .control = 1038, .blank = " NUM", .columns = "9 - 12", .variable = "NUM",
     .format = "I4", .offered = kOneToSeventeen},
    {.first = 13, .width = 4, .control = 1041, .kind = Kind::kMultiLine, .columns = "13 - 80", .variable = "REC",
     .format = "17A4"},
};

constexpr Field k1Sum[] = {
    {.first = 5, .width = 4, .control = 1043, .columns = "5 - 8", .variable = "KK", .format = "I4",
     .offered = kZeroToFour, .description = 1055},
};

constexpr Field k1Srt[] = {
    {.first = 5, .width = 4, .control = 1045, .columns = "5 - 8", .variable = "KK", .format = "I4",
     .offered = kZeroToFour, .description = 1056},
    {.first = 9, .width = 4, .control = 1046, .columns = "9 - 12", .variable = "IFF", .format = "I4",
     .offered = kZeroOne, .description = 1057},
};

// The summary tables share one layout: MNAN, NUM and NUM identifiers.
struct SummaryControls {
  int mnan, mnan_description, num, num_description, list;
};

constexpr std::array<Field, 3> summary(SummaryControls c, std::span<const sv> num_offered, int width,
                                       int blank_part, sv columns, sv format) {
  return {{
      {.first = 5, .width = 4, .control = c.mnan, .columns = "5 - 8", .variable = "MNAN", .format = "I4",
       .offered = kZeroToTwo, .description = c.mnan_description},
      {.first = 9, .width = 4, .control = c.num, .blank = " NUM", .columns = "9 - 12", .variable = "NUM",
       .format = "I4", .offered = num_offered, .description = c.num_description},
      {.first = 13, .width = width, .blank_part = blank_part, .control = c.list, .kind = Kind::kMultiLine,
       .columns = columns, .variable = "IDEN(I)", .format = format},
  }};
}

constexpr auto k2Scp = summary({1047, 1057, 1048, 1058, 1049}, kEightDownToZero, 8, 2, "13 - 76", "8(2x,A6)");
constexpr auto k2Swr = summary({1051, 1059, 1052, 1066, 1053}, kEightDownToZero, 16, 0, "13 - 140", "8A16");
constexpr auto k2Sgp = summary({1061, 1064, 1062, 1065, 1063}, kOneToEight, 8, 0, "13 - 76", "8A8");
constexpr auto k2Sre = summary({1068, 1069, 1070, 1071, 1072}, kEightDownToZero, 8, 2, "13 - 76", "8(2x,A6)");

constexpr Field k2Sba[] = {
    {.first = 5, .width = 4, .control = 1074, .columns = "5 - 8", .variable = "MNAN", .format = "I4",
     .offered = kZeroToTwo, .description = 1075},
};

constexpr Field k2Rel[] = {
    {.first = 5, .width = 4, .control = 1084, .columns = "5 - 8", .variable = "MON", .format = "I4",
     .offered = kZeroToTwelve, .description = 1085},
    {.first = 9, .width = 4, .control = 1077, .columns = "9 - 12", .variable = "RFLAG", .format = "I4",
     .offered = kZeroOne, .description = 1078},
    {.first = 13, .width = 4, .control = 1079, .columns = "13 - 16", .variable = "ID", .format = "I4",
     .offered = kZeroToThree, .description = 1080},
    {.first = 17, .width = 4, .control = 1086, .columns = "17 - 20", .variable = "NUM", .format = "I4",
     .offered = kEightDownToMinusEight, .description = 1087},
    {.first = 21, .width = 8, .control = 1081, .kind = Kind::kCombo, .blank = "0", .columns = "21 - 28",
     .variable = "TAR", .format = "F8.0", .offered = kBlankZeroMinusOne, .description = 1082},
};

constexpr Field k2Ret[] = {
    {.first = 5, .width = 8, .control = 1266, .kind = Kind::kCombo, .first_chars = 8, .columns = "8",
     .variable = "TAR", .format = "F8.0", .offered = kBlankMinusOne, .description = 1264},
};

constexpr Field k2Fre[] = {
    {.first = 5, .width = 4, .control = 1085, .columns = "5 - 8", .variable = "Variable", .format = "I4",
     .offered = kFrequencyVariables, .description = 1086},
    {.first = 9, .width = 4, .control = 1089, .columns = "9 - 12", .variable = "MON", .format = "I4",
     .offered = kZeroToTwelve, .description = 1090},
    {.first = 13, .width = 4, .control = 1087, .columns = "13 - 16", .variable = "NUM", .format = "I4",
     .offered = kEightDownToMinusEight, .description = 1088},
    {.first = 17, .width = 4, .control = 1388, .columns = "17 - 20", .variable = "TABLE", .format = "I4",
     .offered = kOneTwo, .description = 1091},
    {.first = 21, .width = 4, .control = 1389, .columns = "21 - 24", .variable = "METHOD", .format = "I4",
     .offered = kOneToThree, .description = 1092},
    {.first = 25, .width = 4, .control = 1390, .columns = "25 - 28", .variable = "MAT", .format = "I4",
     .offered = kZeroToTwo, .description = 1093},
    {.first = 29, .width = 4, .control = 1391, .kind = Kind::kEdit, .columns = "29 - 32", .variable = "TIME",
     .format = "I4"},
    {.first = 33, .width = 8, .control = 1392, .kind = Kind::kEdit, .columns = "33 - 40", .variable = "XF",
     .format = "F8.0"},
    {.first = 41, .width = 8, .control = 1393, .kind = Kind::kEdit, .columns = "41 - 48", .variable = "AF",
     .format = "F8.0"},
};

// Variant 0: a six-character identifier in 17-24 and the values from 25;
// variant 1: a sixteen-character one in 17-32 and the values from 33. The
// dialog relabels the identifier row by Variable.
constexpr Field k2Frq[] = {
    {.first = 5, .width = 4, .control = 1090, .columns = "5 - 8", .variable = "Variable", .format = "I4",
     .offered = kOneToEight, .description = 1091},
    {.first = 9, .width = 4, .control = 1093, .first_chars = 4, .columns = "9 - 12", .variable = "MONTH",
     .format = "I4", .offered = kZeroToTwelve, .description = 1096},
    {.first = 13, .width = 4, .control = 1092, .columns = "13 - 16", .variable = "NM", .format = "I4",
     .offered = kOneToSeven},
    {.first = 17, .width = 8, .blank_part = 2, .control = 1094, .kind = Kind::kEdit, .only = variant(0)},
    {.first = 17, .width = 16, .control = 1094, .kind = Kind::kEdit, .only = variant(1)},
    {.first = 25, .width = 8, .control = 1095, .kind = Kind::kMultiLine, .only = variant(0)},
    {.first = 33, .width = 8, .control = 1095, .kind = Kind::kMultiLine, .only = variant(1)},
};

// Three lines, each beginning with 2RES: the settings and the reservoirs,
// the total storages and the inactive storages.
constexpr Field k2Res[] = {
    {.first = 5, .width = 4, .control = 1301, .first_chars = 4, .columns = "5 - 8", .variable = "TABLE",
     .format = "I4", .offered = kZeroToFour, .description = 1295},
    {.first = 9, .width = 4, .control = 1300, .first_chars = 4, .columns = "9 - 12", .variable = "MONTH",
     .format = "I4", .offered = kZeroToTwelve, .description = 1293},
    {.first = 13, .width = 4, .control = 1097, .columns = "13 - 16", .variable = "NUM", .format = "I4",
     .offered = kOneToTwenty, .description = 1180},
    {.first = 17, .width = 8, .blank_part = 2, .control = 1099, .kind = Kind::kMultiLine, .columns = "17 - 176",
     .variable = "IDEN(res)", .format = "20(2x,A6)"},
    {.line = 2, .first = 17, .width = 8, .control = 1100, .kind = Kind::kMultiLine, .magnitude = true,
     .columns = "17 - 176", .variable = "C1(res)", .format = "20F8.0"},
    {.line = 3, .first = 17, .width = 8, .control = 1102, .kind = Kind::kMultiLine, .magnitude = true,
     .columns = "17 - 176", .variable = "C2(res)", .format = "20F8.0"},
};
constexpr ExtraLine k2ResLines[] = {{"2RES", Keep::kAlways}, {"2RES", Keep::kWhenFilled}};

// The 29 time-series records. The IDEN line's identifiers follow the ID:
// control points and reservoirs 2x,A6, water rights A16, water right groups A8.
constexpr Field kSeries[] = {
    {.first = 1, .width = 4, .control = 1181, .kind = Kind::kReadOnly, .read = Read::kAsTyped,
     .columns = "1 - 4", .variable = "CD", .format = "A4"},
    {.first = 5, .width = 4, .control = 1101, .first_chars = 4, .columns = "5 - 8", .variable = "TA",
     .format = "I4", .offered = kZeroOne, .description = 1104},
    {.first = 9, .width = 4, .control = 1103, .first_chars = 4, .columns = "9 - 12", .variable = "PT",
     .format = "I4", .offered = kZeroToFive, .description = 1105},
    {.first = 13, .width = 4, .control = 1102, .first_chars = 4, .columns = "13 - 16", .variable = "MORE",
     .format = "I4", .offered = kZeroOne, .description = 1106},
    {.first = 17, .width = 4, .control = 1107, .first_chars = 4, .columns = "15 - 20", .variable = "ID",
     .format = "I4", .offered = kZeroToThree, .description = 1108},
    {.first = 21, .width = 4, .control = 1109, .first_chars = 4, .blank = " NUM", .columns = "21 - 24",
     .variable = "NUM", .format = "I4", .offered = kMinusEightToEight, .description = 1110},
    {.line = 2, .first = 5, .width = 8, .blank_part = 2, .control = 1111, .kind = Kind::kMultiLine,
     .only = variant(0) | variant(2)},
    {.line = 2, .first = 5, .width = 16, .control = 1111, .kind = Kind::kMultiLine, .only = variant(1)},
    {.line = 2, .first = 5, .width = 8, .control = 1111, .kind = Kind::kMultiLine, .only = variant(3)},
    {.first = 25, .width = 4, .blank_part = 3, .control = 1112, .kind = Kind::kCombo, .first_chars = 4,
     .columns = "25 - 28", .variable = "DECIMAL", .format = "3x,A1", .offered = kBlankZeroToFour,
     .description = 1113},
    {.first = 29, .width = 4, .control = 1114, .first_chars = 4, .columns = "29 - 32", .variable = "MAT",
     .format = "I4", .offered = kZeroToTwo, .description = 1115},
    {.first = 33, .width = 4, .control = 1328, .kind = Kind::kEdit, .first_chars = 4, .columns = "33 - 36",
     .variable = "TIME", .format = "I4", .description = 1329},
    {.first = 37, .width = 8, .control = 1308, .kind = Kind::kCombo, .first_chars = 8, .columns = "37 - 44",
     .variable = "XF", .format = "F8.0", .offered = kBlankCharZero, .description = 1117},
    {.first = 45, .width = 8, .control = 1339, .kind = Kind::kCombo, .first_chars = 8, .columns = "45 - 52",
     .variable = "AF", .format = "F8.0", .offered = kBlankZero, .description = 1340},
};
constexpr ExtraLine kSeriesLines[] = {{"IDEN", Keep::kWhenListed}};

constexpr Field kType3[] = {
    {.first = 1, .width = 4, .control = 1183, .kind = Kind::kReadOnly, .read = Read::kAsTyped,
     .columns = "1 - 4", .variable = "CD", .format = "A4"},
    {.first = 5, .width = 4, .blank_part = 2, .control = 1114, .kind = Kind::kEdit, .read = Read::kWhenFull,
     .columns = "5 - 8", .variable = "CDOUT", .format = "2x,A2"},
    {.first = 9, .width = 4, .control = 1115, .first_chars = 4, .columns = "9 - 12", .variable = "HEC",
     .format = "I4", .offered = kZeroOne, .description = 1116},
    {.first = 13, .width = 8, .control = 1117, .kind = Kind::kEdit, .first_chars = 8, .columns = "13 - 20",
     .variable = "INFAC", .format = "F8.0"},
};

constexpr Field k2Bud[] = {
    {.first = 5, .width = 8, .blank_part = 2, .control = 1312, .kind = Kind::kEdit, .first_chars = 6,
     .columns = "5 - 12", .variable = "CPBUD", .format = "2x,A6"},
    {.first = 13, .width = 4, .control = 1320, .kind = Kind::kCombo, .first_chars = 4, .blank = "0",
     .columns = "13 - 16", .variable = "YRFIRST", .format = "I4", .offered = kBlankZero, .description = 1313},
    {.first = 17, .width = 4, .control = 1321, .kind = Kind::kCombo, .first_chars = 4, .blank = "0",
     .columns = "17 - 20", .variable = "YRLAST", .format = "I4", .offered = kBlankZero, .description = 1314},
    {.first = 21, .width = 4, .control = 1323, .first_chars = 4, .columns = "21 - 24", .variable = "ICPI",
     .format = "I4", .offered = kZeroOne, .description = 1315},
    {.first = 25, .width = 4, .control = 1324, .first_chars = 4, .columns = "25 - 28", .variable = "BEGSTO",
     .format = "I4", .offered = kZeroToTwo, .description = 1316},
    {.first = 29, .width = 4, .control = 1325, .first_chars = 4, .columns = "29 - 32", .variable = "NEGINF",
     .format = "I4", .offered = kOneToThree, .description = 1317},
    {.first = 33, .width = 4, .control = 1326, .first_chars = 4, .columns = "33 - 36", .variable = "CPOUT",
     .format = "I4", .offered = kZeroToTwo, .description = 1318},
    {.first = 37, .width = 4, .control = 1327, .first_chars = 4, .columns = "37 - 40", .variable = "BASIN",
     .format = "I4", .offered = kMinusOneOneTwo, .description = 1319},
};

// IDEN: layout 0 takes two I4 values from the first two boxes; layouts 1 to
// 3 take one identifier from each of the eight boxes. The dialog labels the
// rows by layout.
constexpr int kIdenValueBoxes[] = {1346, 1355, 1360, 1365, 1370, 1375, 1380, 1385};
struct IdenLayout {
  int width;
  int blank_part;
};
constexpr IdenLayout kIdenLayouts[] = {{8, 2}, {16, 0}, {8, 0}};  // layouts 1, 2, 3

constexpr std::array<Field, 26> iden_fields() {
  std::array<Field, 26> fields{{
      {.first = 5, .width = 4, .control = kIdenValueBoxes[0], .kind = Kind::kEdit, .blank = "0",
       .only = variant(0)},
      {.first = 9, .width = 4, .control = kIdenValueBoxes[1], .kind = Kind::kEdit, .blank = "1",
       .only = variant(0)},
  }};
  std::size_t n = 2;
  for (int layout = 1; layout <= 3; ++layout) {
    const auto& shape = kIdenLayouts[layout - 1];
    for (int box = 0; box < 8; ++box) {
      fields[n++] = {.first = 5 + box * shape.width, .width = shape.width, .blank_part = shape.blank_part,
                     .control = kIdenValueBoxes[box], .kind = Kind::kEdit, .only = variant(layout)};
    }
  }
  return fields;
}
constexpr auto kIden = iden_fields();

constexpr Field k4Swr[] = {
    {.first = 5, .width = 4, .control = 1117, .columns = "5 - 8", .variable = "MNAN", .format = "I4",
     .offered = kZeroToTwo, .description = 1118},
    {.first = 9, .width = 4, .control = 1119, .blank = " NUM", .columns = "9 - 12", .variable = "NUM",
     .format = "I4", .offered = kOneToFive},
    {.first = 13, .width = 16, .control = 1121, .kind = Kind::kMultiLine, .columns = "13 - 80",
     .variable = "IDEN(I)", .format = "A16"},
};

constexpr Field k4Sgp[] = {
    {.first = 5, .width = 4, .control = 1123, .columns = "5 - 8", .variable = "MNAN", .format = "I4",
     .offered = kZeroToTwo, .description = 1124},
    {.first = 9, .width = 4, .control = 1125, .blank = " NUM", .columns = "9 - 12", .variable = "NUM",
     .format = "I4", .offered = kOneToFive},
    {.first = 13, .width = 8, .control = 1126, .kind = Kind::kMultiLine, .columns = "13 - 52",
     .variable = "IDEN(I)", .format = "A8"},
};

constexpr Field k4Zzf[] = {
    {.first = 5, .width = 4, .control = 1394, .columns = "5 - 8", .variable = "VAR", .format = "I4",
     .offered = kZeroToTwo, .description = 1397},
    {.first = 9, .width = 4, .control = 1395, .columns = "9 - 12", .variable = "MON", .format = "I4",
     .offered = kZeroToTwelve, .description = 1398},
    {.first = 13, .width = 4, .control = 1396, .columns = "13 - 16", .variable = "NUM", .format = "I4",
     .offered = kMinusEightToEight, .description = 1399},
};

constexpr Field k4Zzz[] = {
    {.first = 5, .width = 4, .control = 1402, .columns = "5 - 8", .variable = "TA", .format = "I4",
     .offered = kZeroOne, .description = 1408},
    {.first = 9, .width = 4, .control = 1403, .columns = "9 - 12", .variable = "PT", .format = "I4",
     .offered = kZeroToFive, .description = 1409},
    {.first = 13, .width = 4, .control = 1404, .columns = "13 - 16", .variable = "MORE", .format = "I4",
     .offered = kZeroOne, .description = 1410},
    {.first = 17, .width = 4, .control = 1405, .columns = "17 - 20", .variable = "VAR", .format = "I4",
     .offered = kZeroToTwo, .description = 1411},
    {.first = 21, .width = 4, .control = 1406, .columns = "21 - 24", .variable = "NUM", .format = "I4",
     .offered = kMinusEightToEight, .description = 1412},
    {.first = 25, .width = 16, .control = 1407, .kind = Kind::kEdit, .columns = "25 - 40", .variable = "RIGHT",
     .format = "A16"},
};

constexpr RecordDialog kRecordDialogs[] = {
    {.dialog = 109, .title = "TITL record - Titles or Headings", .add_button = 1133, .code = "TITL",
     .fields = kTitl},
    {.dialog = 112, .title = "COMM record - Comments", .add_button = 1154, .fields = kComm},
    {.dialog = 113, .title = "PAGE record - Title Page", .add_button = 1152, .code = "PAGE"},
    {.dialog = 114, .title = "ENDF record - End of Input File", .add_button = 1153, .code = "ENDF"},
    {.dialog = 221, .title = "FILE record - Output File Options", .add_button = 1330, .code = "FILE",
     .fields = kFile},
    {.dialog = 200, .title = "UNIT record - Units for Table Headings", .add_button = 1249, .code = "UNIT",
     .fields = kUnit},
    {.dialog = 216, .title = "TEST record - Test of MOR Output File for Problems", .add_button = 1302,
     .code = "TEST"},
    {.dialog = 201, .title = "1CPT record - Upstream to Downstream Sequencing of Control Points",
     .add_button = 1254, .code = "1CPT", .fields = k1Cpt},
    {.dialog = 217, .title = "1LEN record - Listing of Sorted Water Rights", .add_button = 1303, .code = "1LEN"},
    {.dialog = 115, .title = "1REC record - Listing of Specified QARN Input Records", .add_button = 1170,
     .code = "1REC", .fields = k1Rec, .count_control = 1038},
    {.dialog = 119, .title = "1SRT record - Listing of Sorted Water Rights", .add_button = 1169, .code = "1SRT",
     .fields = k1Srt},
    {.dialog = 117, .title = "1SUM record - Water Rights Summary", .add_button = 1168, .code = "1SUM",
     .fields = k1Sum},
    {.dialog = 223,
     .title = "IDEN Record - Identifiers of Control Points, Water Rights, Water Right Groups, or Reservoirs",
     .add_button = 1341, .code = "IDEN", .fields = kIden, .variant = Variant::kIdenLayout},
    {.dialog = 142, .add_button = 1165, .fields = kSeries, .count_control = 1109,
     .variant = Variant::kSeriesIdentifierType, .selector_control = 1107, .extra_lines = kSeriesLines},
    {.dialog = 131, .title = "2REL record - Water Supply Diversion or Hydroelectric Energy Reliability Summary",
     .add_button = 1163, .code = "2REL", .fields = k2Rel},
    {.dialog = 204, .title = "2RET record - Supplemental 2REL Summary Table", .add_button = 1265, .code = "2RET",
     .fields = k2Ret},
    {.dialog = 136, .title = "2FRE record - Flow-Frequency or Storage-Frequency Relationships",
     .add_button = 1167, .code = "2FRE", .fields = k2Fre},
    {.dialog = 138, .title = "2FRQ record - Frequnecy for Specified Flow or Storage", .add_button = 1166,
     .code = "2FRQ", .fields = k2Frq, .count_control = 1092, .variant = Variant::kFrqIdentifier,
     .selector_control = 1090},
    {.dialog = 140, .title = "2RES record - Reservoir Storage Tables", .add_button = 1164, .code = "2RES",
     .fields = k2Res, .count_control = 1097, .extra_lines = k2ResLines},
    {.dialog = 129, .title = "2SBA record - Aggregate Summary Table for the Entire River Basin",
     .add_button = 1162, .code = "2SBA", .fields = k2Sba},
    {.dialog = 121, .title = "2SCP record - Summary Tables for Control Points", .add_button = 1161,
     .code = "2SCP", .fields = k2Scp, .count_control = 1048},
    {.dialog = 125, .title = "2SGP record - Summary Tables for Water Rights Groups", .add_button = 1160,
     .code = "2SGP", .fields = k2Sgp, .count_control = 1062},
    {.dialog = 127, .title = "2SRE record - Summary Tables for Reservoirs", .add_button = 1159, .code = "2SRE",
     .fields = k2Sre, .count_control = 1070},
    {.dialog = 123, .title = "2SWR record - Summary Table for Water Rights", .add_button = 1158, .code = "2SWR",
     .fields = k2Swr, .count_control = 1052},
    {.dialog = 219, .title = "2BUD record - Water Budgets for Control Points and the Entire River Basin",
     .add_button = 1309, .code = "2BUD", .fields = k2Bud},
    {.dialog = 144, .add_button = 1157, .fields = kType3},
    {.dialog = 148, .title = "4SGP record - Multiple Reservoir System Release Table for a Water Right Group",
     .add_button = 1156, .code = "4SGP", .fields = k4Sgp, .count_control = 1125, .count_when_blank = 1},
    {.dialog = 146, .title = "4SWR record - Multiple Reservoir System Release Table for a Water Right",
     .add_button = 1155, .code = "4SWR", .fields = k4Swr, .count_control = 1119, .count_when_blank = 1},
    {.dialog = 224, .title = "4ZZF record - Frequency Table for Flows in Water Rights Priority Loop",
     .add_button = 1392, .code = "4ZZF", .fields = k4Zzf},
    {.dialog = 226, .title = "4ZZZ record - Flows in Water Rights Priority Loop", .add_button = 1400,
     .add_caption = "OK", .code = "4ZZZ", .fields = k4Zzz},
};

}  // namespace

std::span<const RecordDialog> record_dialogs() { return kRecordDialogs; }

}  // namespace tarnex::tin
