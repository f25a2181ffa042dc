// One record of every record type, built through its dialog as the user fills
// it in, against the line written by hand from the record's column table.
// Each expected line is written field by field, one literal per field.

#include "record_script.h"

namespace tarnex::tin::test {
namespace {

class EveryRecordType : public testing::TestWithParam<RecordCase> {};

TEST_P(EveryRecordType, BuildsItsLinesInTheirColumns) {
  const auto& c = GetParam();
  ui::HeadlessUi ui;
  TinState tin;
  tin.IDEN_LAYOUT = c.iden_layout;
  const auto* record = record_dialog(c.dialog);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(add_record(ui, tin, c.dialog, c.steps), record->add_button);
  expect_lines(tin.records, 1, c.expected);
}

const RecordCase kMiscAndType1[] = {
    {"TITL", 109, {type(1028, "  DEMO BASIN - SUMMARY  ")}, {"TITL" "  DEMO BASIN - SUMMARY"}},
    {"COMM", 112, {choose(1306, "COMM"), type(1030, " Tables for both control points")},
     {"COMM" " Tables for both control points"}},
    {"PAGE", 113, {}, {"PAGE"}},
    {"FILE", 221, {choose(1332, "1"), choose(1333, "-1"), choose(1338, "MAR")},
     {"FILE" "   1" "  -1" " MAR"}},
    {"UNIT", 200, {type(1248, "AC-FT"), type(1029, "MW-HR"), choose(1272, "JUN"), choose(1273, "-1")},
     {"UNIT" "AC-FT" "MW-HR" "  JUN" "   -1"}},
    {"TEST", 216, {}, {"TEST"}},
    {"ENDF", 114, {}, {"ENDF"}},
    {"1CPT", 201, {choose(1251, "7"), choose(1253, "2"), choose(1260, "-1"), type(1261, "CP100")},
     {"1CPT" "   7" "       2" "      -1" "  " " CP100"}},
    {"1LEN", 217, {}, {"1LEN"}},
    {"1REC", 115, {choose(1039, "1"), choose(1038, "3"), type(1041, "CP\nWR\nSV")},
     {"1REC" "   1" "   3" "  CP" "  WR" "  SV"}},
    {"1SRT", 119, {choose(1045, "3"), choose(1046, "1")}, {"1SRT" "   3" "   1"}},
    {"1SUM", 117, {choose(1043, "4")}, {"1SUM" "   4"}},
};
INSTANTIATE_TEST_SUITE_P(MiscAndType1, EveryRecordType, testing::ValuesIn(kMiscAndType1), case_name);

const RecordCase kType2[] = {
    {"IDEN", 223, {type(1346, "CP1"), type(1355, " CP2 "), type(1385, "CP8")},
     {"IDEN" "  " "   CP1" "  " "   CP2" "        " "        " "        " "        " "        " "  " "   CP8"}},
    {"2REL", 131,
     {choose(1084, "6"), choose(1077, "1"), choose(1079, "2"), choose(1086, "-3"), type(1081, "1500.")},
     {"2REL" "   6" "   1" "   2" "  -3" "   1500."}},
    {"2RET", 204, {type(1266, "2500.5")}, {"2RET" "  2500.5"}},
    {"2FRE", 136,
     {choose(1085, "-5"), choose(1089, "0"), choose(1087, "8"), choose(1388, "2"), choose(1389, "3"),
      choose(1390, "1"), type(1391, "12"), type(1392, "1.5"), type(1393, "-10.")},
     {"2FRE" "  -5" "   0" "   8" "   2" "   3" "   1" "  12" "     1.5" "    -10."}},
    {"2FRQ", 138,
     {choose(1090, "2"), choose(1093, "5"), choose(1092, "3"), type(1094, "CP1"), type(1095, "100\n2500.\n30")},
     {"2FRQ" "   2" "   5" "   3" "  " "   CP1" "     100" "   2500." "      30"}},
    {"2RES", 140,
     {choose(1301, "1"), choose(1300, "0"), choose(1097, "1"), type(1099, "RES1"), type(1100, "50000")},
     {"2RES" "   1" "   0" "   1" "  " "  RES1", "2RES" "            " "   50000"}},
    {"2SBA", 129, {choose(1074, "2")}, {"2SBA" "   2"}},
    {"2SCP", 121, {choose(1047, "1"), choose(1048, "2"), type(1049, "CP1\nCP2")},
     {"2SCP" "   1" "   2" "  " "   CP1" "  " "   CP2"}},
    {"2SGP", 125, {choose(1061, "0"), choose(1062, "2"), type(1063, "GROUP1\nGRP2")},
     {"2SGP" "   0" "   2" "  GROUP1" "    GRP2"}},
    {"2SRE", 127, {choose(1068, "0"), choose(1070, "1"), type(1072, "RES1")}, {"2SRE" "   0" "   1" "  " "  RES1"}},
    {"2SWR", 123, {choose(1051, "2"), choose(1052, "2"), type(1053, "WR-ALPHA-000001\nB")},
     {"2SWR" "   2" "   2" " WR-ALPHA-000001" "               B"}},
    {"2BUD", 219,
     {type(1312, "CP2"), type(1320, "1950"), type(1321, "1990"), choose(1323, "1"), choose(1324, "2"),
      choose(1325, "3"), choose(1326, "0"), choose(1327, "-1")},
     {"2BUD" "  " "   CP2" "1950" "1990" "   1" "   2" "   3" "   0" "  -1"}},
};
INSTANTIATE_TEST_SUITE_P(Type2, EveryRecordType, testing::ValuesIn(kType2), case_name);

// The 29 time-series types share dialog 142; the editor writes the type into
// 1181. Each row varies the options, above all ID (which sets the IDEN
// line's fields) and NUM (which decides whether the IDEN line follows).
struct Series {
  std::string code, ta, pt, more, id, num, decimal, mat, time, xf, af, identifiers;
  std::vector<std::string> expected;
};

RecordCase series_case(const Series& s) {
  RecordCase c{s.code, 142, {set(1181, s.code)}, s.expected};
  const std::pair<int, const std::string*> picks[] = {{1101, &s.ta}, {1103, &s.pt}, {1102, &s.more},
                                                      {1107, &s.id}, {1109, &s.num}, {1114, &s.mat}};
  for (const auto& [control, value] : picks) {
    if (!value->empty()) c.steps.push_back(choose(control, *value));
  }
  const std::pair<int, const std::string*> typed[] = {
      {1112, &s.decimal}, {1328, &s.time}, {1308, &s.xf}, {1339, &s.af}, {1111, &s.identifiers}};
  for (const auto& [control, value] : typed) {
    if (!value->empty()) c.steps.push_back(type(control, *value));
  }
  return c;
}

const Series kSeries[] = {
    {"2ASF", "1", "1", "0", "1", "2", "2", "1", "12", "1.5", "0", "WR-A\nWR-B",
     {"2ASF" "   1" "   1" "   0" "   1" "   2" "   2" "   1" "  12" "     1.5" "       0",
      "IDEN" "            WR-A" "            WR-B"}},
    {"2CLC", "0", "0", "0", "0", "3", "", "0", "", "0", "0", "CP1\nCP2\nCP3",
     {"2CLC" "   0" "   0" "   0" "   0" "   3" "    " "   0" "    " "       0" "       0",
      "IDEN" "  " "   CP1" "  " "   CP2" "  " "   CP3"}},
    {"2CLO", "0", "1", "1", "0", "0", "", "", "", "", "", "CP1", {"2CLO" "   0" "   1" "   1" "   0" "   0"}},
    {"2CPI", "0", "2", "0", "0", "-2", "", "", "", "", "", "CP1\nCP2", {"2CPI" "   0" "   2" "   0" "   0" "  -2"}},
    {"2DEP", "1", "0", "0", "1", "1", "0", "", "", "", "", "WR1",
     {"2DEP" "   1" "   0" "   0" "   1" "   1" "   0", "IDEN" "             WR1"}},
    {"2DIV", "0", "3", "0", "1", "8", "", "", "", "", "", "D1\nD2\nD3\nD4\nD5\nD6\nD7\nD8",
     {"2DIV" "   0" "   3" "   0" "   1" "   8",
      "IDEN" "              D1" "              D2" "              D3" "              D4"
             "              D5" "              D6" "              D7" "              D8"}},
    {"2EPD", "0", "4", "0", "2", "2", "", "", "", "", "", "RES1\nRES2",
     {"2EPD" "   0" "   4" "   0" "   2" "   2", "IDEN" "  " "  RES1" "  " "  RES2"}},
    {"2EVA", "1", "5", "1", "2", "1", "3", "2", "24", "", "", "LAKE",
     {"2EVA" "   1" "   5" "   1" "   2" "   1" "   3" "   2" "  24", "IDEN" "  " "  LAKE"}},
    {"2EVR", "0", "0", "0", "2", "", "", "", "", "", "", "LAKE", {"2EVR" "   0" "   0" "   0" "   2" " NUM"}},
    {"2HPE", "0", "0", "0", "2", "3", "", "", "", "", "", "R1\nR2",
     {"2HPE" "   0" "   0" "   0" "   2" "   3", "IDEN" "  " "    R1" "  " "    R2" "  " "      "}},
    {"2HPS", "1", "0", "0", "2", "-1", "", "", "", "", "", "", {"2HPS" "   1" "   0" "   0" "   2" "  -1"}},
    {"2IFS", "0", "0", "0", "1", "1", "", "", "", "", "", "IF-RIGHT-0000001",
     {"2IFS" "   0" "   0" "   0" "   1" "   1", "IDEN" "IF-RIGHT-0000001"}},
    {"2IFT", "0", "0", "0", "1", "2", "", "", "", "", "", "\nIF2",
     {"2IFT" "   0" "   0" "   0" "   1" "   2", "IDEN" "                " "             IF2"}},
    {"2NAT", "0", "1", "0", "0", "2", "", "", "", "", "", "CP1\nCP2",
     {"2NAT" "   0" "   1" "   0" "   0" "   2", "IDEN" "  " "   CP1" "  " "   CP2"}},
    {"2RAH", "0", "0", "0", "2", "0", "", "", "", "", "", "R1", {"2RAH" "   0" "   0" "   0" "   2" "   0"}},
    {"2REG", "0", "0", "0", "0", "1", "", "", "", "", "", "  CP9  ",
     {"2REG" "   0" "   0" "   0" "   0" "   1", "IDEN" "  " "   CP9"}},
    {"2RFL", "0", "0", "0", "1", "2", "", "", "", "", "", "WR1\nWR2",
     {"2RFL" "   0" "   0" "   0" "   1" "   2", "IDEN" "             WR1" "             WR2"}},
    {"2RFR", "0", "0", "0", "0", "4", "", "", "", "", "", "A\nB\nC\nD\nE",
     {"2RFR" "   0" "   0" "   0" "   0" "   4", "IDEN" "  " "     A" "  " "     B" "  " "     C" "  " "     D"}},
    {"2RID", "0", "0", "0", "2", "1", "", "", "", "", "", "RES7",
     {"2RID" "   0" "   0" "   0" "   2" "   1", "IDEN" "  " "  RES7"}},
    {"2RIR", "0", "0", "0", "2", "2", "", "", "", "", "", "R1\r\nR2",
     {"2RIR" "   0" "   0" "   0" "   2" "   2", "IDEN" "  " "    R1" "  " "    R2"}},
    {"2RNA", "0", "0", "0", "2", "-8", "", "", "", "", "", "", {"2RNA" "   0" "   0" "   0" "   2" "  -8"}},
    {"2ROR", "0", "0", "0", "1", "1", "", "", "", "", "", "WR9",
     {"2ROR" "   0" "   0" "   0" "   1" "   1", "IDEN" "             WR9"}},
    {"2SHT", "0", "0", "0", "3", "2", "", "", "", "", "", "GRP1\nGRP2",
     {"2SHT" "   0" "   0" "   0" "   3" "   2", "IDEN" "    GRP1" "    GRP2"}},
    {"2STO", "0", "0", "0", "3", "1", "", "", "", "", "", "LONGGROUPNAME",
     {"2STO" "   0" "   0" "   0" "   3" "   1", "IDEN" "LONGGROU"}},
    {"2TAR", "0", "0", "0", "1", "3", "", "", "", "", "", "A\nB\nC",
     {"2TAR" "   0" "   0" "   0" "   1" "   3", "IDEN" "               A" "               B" "               C"}},
    {"2UNA", "0", "0", "0", "0", "0", "", "", "", "", "", "", {"2UNA" "   0" "   0" "   0" "   0" "   0"}},
    {"2URR", "0", "0", "0", "0", "1", "", "", "", "", "", "CP5",
     {"2URR" "   0" "   0" "   0" "   0" "   1", "IDEN" "  " "   CP5"}},
    {"2WSE", "0", "0", "0", "2", "1", "", "", "", "", "", "DAM",
     {"2WSE" "   0" "   0" "   0" "   2" "   1", "IDEN" "  " "   DAM"}},
    {"2XAV", "0", "0", "0", "1", "1", "", "", "", " ", "", "WR1",
     {"2XAV" "   0" "   0" "   0" "   1" "   1", "IDEN" "             WR1"}},
};

std::vector<RecordCase> series_cases() {
  std::vector<RecordCase> cases;
  for (const auto& s : kSeries) cases.push_back(series_case(s));
  return cases;
}
INSTANTIATE_TEST_SUITE_P(TimeSeries, EveryRecordType, testing::ValuesIn(series_cases()), case_name);

// The six type 3 types share dialog 144; the editor writes the type into 1183.
const RecordCase kType3And4[] = {
    {"3DEP", 144, {set(1183, "3DEP"), type(1114, "DP"), choose(1115, "1"), type(1117, "0.5")},
     {"3DEP" "  DP" "   1" "     0.5"}},
    {"3NAT", 144, {set(1183, "3NAT"), type(1114, "NA"), choose(1115, "0")}, {"3NAT" "  NA" "   0"}},
    {"3REG", 144, {set(1183, "3REG"), choose(1115, "1"), type(1117, "2")}, {"3REG" "    " "   1" "       2"}},
    {"3UNA", 144, {set(1183, "3UNA"), type(1114, "UN")}, {"3UNA" "  UN"}},
    {"3U+D", 144, {set(1183, "3U+D"), type(1114, "UD"), type(1117, "1.25")}, {"3U+D" "  UD" "    " "    1.25"}},
    {"3EPD", 144, {set(1183, "3EPD"), type(1114, "EP"), choose(1115, "0"), type(1117, "1.")},
     {"3EPD" "  EP" "   0" "      1."}},
    {"4SGP", 148, {choose(1123, "1"), choose(1125, "2"), type(1126, "G1\nG2")}, {"4SGP" "   1" "   2" "      G1" "      G2"}},
    {"4SWR", 146, {choose(1117, "0"), choose(1119, "1"), type(1121, "WR7")}, {"4SWR" "   0" "   1" "             WR7"}},
    {"4ZZF", 224, {choose(1394, "2"), choose(1395, "12"), choose(1396, "-8")}, {"4ZZF" "   2" "  12" "  -8"}},
    {"4ZZZ", 226,
     {choose(1402, "1"), choose(1403, "4"), choose(1404, "0"), choose(1405, "1"), choose(1406, "3"),
      type(1407, "BEGIN")},
     {"4ZZZ" "   1" "   4" "   0" "   1" "   3" "           BEGIN"}},
};
INSTANTIATE_TEST_SUITE_P(Type3And4, EveryRecordType, testing::ValuesIn(kType3And4), case_name);

}  // namespace
}  // namespace tarnex::tin::test
