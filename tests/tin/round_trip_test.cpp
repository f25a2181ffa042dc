// Every record type, made through its dialog as the user makes it, opened
// with Edit and confirmed unchanged, gives back the same lines byte for
// byte, whichever of its lines was selected.

#include <set>

#include "editing_script.h"
#include "tin/catalogue/edited_record.h"

namespace tarnex::tin::test {
namespace {

struct RoundTrip {
  std::string name;
  std::string code;
  std::vector<Step> steps;
};

void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

std::string trip_name(const testing::TestParamInfo<RoundTrip>& info) { return test_name(info.param.name); }

class EditUnchanged : public testing::TestWithParam<RoundTrip> {};

TEST_P(EditUnchanged, GivesBackTheSameLines) {
  const auto& c = GetParam();
  const auto record = created(c.code, c.steps);
  ASSERT_FALSE(record.empty()) << "the dialog built nothing";
  std::vector<std::string> list{"TITL  before"};
  list.insert(list.end(), record.begin(), record.end());
  list.push_back("ENDF");
  std::vector<std::string> expected;
  for (const auto& line : list) expected.push_back(without_trailing_blanks(line));

  for (std::size_t k = 0; k < record.size(); ++k) {
    SCOPED_TRACE("line " + std::to_string(k + 1) + " of the record selected");
    const auto* dialog = dialog_to_edit(record[k]);
    ASSERT_NE(dialog, nullptr);
    Editing editing;
    editing.load(list);
    const int selected = 2 + static_cast<int>(k);
    EXPECT_TRUE(editing.edit_unchanged(selected, dialog->dialog, dialog->add_button));
    EXPECT_EQ(editing.ui.dialogs_run(), std::vector<int>{dialog->dialog});
    const auto got = editing.lines();
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i], expected[i]) << "slot " << i + 1 << " differs from column "
                                     << first_difference(got[i], expected[i]);
    }
  }
}

const RoundTrip kMiscAndType1[] = {
    {"TITL", "TITL", {type(1028, "  DEMO BASIN - SUMMARY  ")}},
    {"COMM", "COMM", {choose(1306, "COMM"), type(1030, " Tables for both control points")}},
    {"COMM_stars", "COMM", {choose(1306, "****"), type(1030, "a comment")}},
    {"COMM_two_stars", "COMM", {choose(1306, "**"), type(1030, "  indented comment")}},
    {"FILE", "FILE", {choose(1332, "1"), choose(1333, "-1"), choose(1338, "MAR")}},
    {"FILE_debugging", "FILE", {choose(1333, "9"), choose(1338, "DEC")}},
    {"UNIT", "UNIT", {type(1248, " CFS "), type(1029, "KW"), choose(1272, "JUN"), choose(1273, "-1")}},
    {"1CPT", "1CPT", {choose(1251, "7"), choose(1253, "2"), choose(1260, "-1"), type(1261, "CP100")}},
    {"1REC", "1REC", {choose(1039, "1"), choose(1038, "3"), type(1041, "CP\nWR\nSV")}},
    {"1REC_seventeen", "1REC",
     {choose(1038, "17"), type(1041, "T1\nT2\nT3\nT4\nT5\nT6\nT7\nT8\nT9\nCP\nWR\nSV\nSO\nIF\nWS\nOR\nED")}},
    {"1SRT", "1SRT", {choose(1045, "3"), choose(1046, "1")}},
    {"1SUM", "1SUM", {choose(1043, "4")}},
};
INSTANTIATE_TEST_SUITE_P(MiscAndType1, EditUnchanged, testing::ValuesIn(kMiscAndType1), trip_name);

const RoundTrip kType2[] = {
    {"IDEN_type_and_count", "IDEN", {click(1348), type(1346, "2"), type(1355, "5")}},
    {"IDEN_control_points", "IDEN", {type(1346, "CP1"), type(1355, "CP2"), type(1360, "CP3")}},
    {"IDEN_reservoirs", "IDEN", {type(1346, "RES1"), type(1355, "RES2"), type(1385, "RES8")}},
    {"IDEN_water_rights", "IDEN", {type(1346, "WR-ALPHA-000001"), type(1355, "WR-BETA-02")}},
    {"IDEN_groups", "IDEN", {type(1346, "GROUP001"), type(1355, "GROUP002"), type(1360, "GROUP003")}},
    {"2REL", "2REL",
     {choose(1084, "6"), choose(1077, "1"), choose(1079, "2"), choose(1086, "-3"), type(1081, "1500.")}},
    {"2REL_target_from_MOR", "2REL", {choose(1079, "3"), choose(1086, "8"), choose(1081, "-1")}},
    {"2RET", "2RET", {type(1266, "2500.5")}},
    {"2RET_target_from_MOR", "2RET", {choose(1266, "-1")}},
    {"2FRE", "2FRE",
     {choose(1085, "-5"), choose(1089, "0"), choose(1087, "8"), choose(1388, "2"), choose(1389, "3"),
      choose(1390, "1"), type(1391, "12"), type(1392, "1.5"), type(1393, "-10.")}},
    {"2FRQ_six_characters", "2FRQ",
     {choose(1090, "2"), choose(1093, "5"), choose(1092, "3"), type(1094, "CP1"), type(1095, "100\n2500.\n30")}},
    {"2FRQ_sixteen_characters", "2FRQ",
     {choose(1090, "8"), choose(1093, "12"), choose(1092, "7"), type(1094, "IF-RIGHT-000001"),
      type(1095, "1\n2\n3\n4\n5\n6\n7")}},
    {"2RES_two_lines", "2RES",
     {choose(1301, "1"), choose(1300, "0"), choose(1097, "2"), type(1099, "RES1\nRES2"), type(1100, "50000\n600")}},
    {"2RES_three_lines", "2RES",
     {choose(1301, "4"), choose(1300, "7"), choose(1097, "3"), type(1099, "R1\nR2\nR3"), type(1100, "1\n2\n3"),
      type(1102, "\n5")}},
    {"2SBA", "2SBA", {choose(1074, "2")}},
    {"2SCP", "2SCP", {choose(1047, "1"), choose(1048, "2"), type(1049, "CP1\nCP2")}},
    {"2SCP_eight", "2SCP", {choose(1048, "8"), type(1049, "A\nB\nC\nD\nE\nF\nG\nH")}},
    {"2SGP", "2SGP", {choose(1061, "2"), choose(1062, "2"), type(1063, "GROUP1\nGRP2")}},
    {"2SRE", "2SRE", {choose(1068, "0"), choose(1070, "1"), type(1072, "RES1")}},
    {"2SWR", "2SWR", {choose(1051, "2"), choose(1052, "2"), type(1053, "WR-ALPHA-000001\nB")}},
    {"2BUD", "2BUD",
     {type(1312, "CP2"), type(1320, "1950"), type(1321, "1990"), choose(1323, "1"), choose(1324, "2"),
      choose(1325, "3"), choose(1326, "2"), choose(1327, "-1")}},
    {"2BUD_basin_in_field_9", "2BUD", {choose(1324, "1"), choose(1325, "2"), choose(1327, "2")}},
};
INSTANTIATE_TEST_SUITE_P(Type2, EditUnchanged, testing::ValuesIn(kType2), trip_name);

// The time series, each with one of these fillings in turn: identifiers of
// every type, counts from the previous record, every option.
const std::vector<Step> kSeriesFillings[] = {
    {choose(1101, "1"), choose(1103, "1"), choose(1102, "0"), choose(1109, "3"), choose(1107, "0"),
     type(1111, "CP1\nCP2\nCP3"), type(1112, "2"), choose(1114, "1"), type(1328, "12"), type(1308, "1.5"),
     type(1339, "-3.")},
    {choose(1109, "2"), choose(1107, "1"), type(1111, "WR-ALPHA-000001\nWR2"), choose(1103, "5")},
    {choose(1109, "-3"), choose(1107, "2"), choose(1102, "1"), choose(1114, "2"), type(1328, "6")},
    {choose(1109, "2"), choose(1107, "3"), type(1111, "GROUP001\nG2"), choose(1103, "4")},
    {choose(1107, "2"), choose(1109, "8"), type(1111, "R1\nR2\nR3\nR4\nR5\nR6\nR7\nR8"), type(1112, "0")},
    {choose(1107, "1"), choose(1109, "0"), choose(1103, "3"), type(1308, " "), type(1339, "")},
};

const char* const kSeriesTypes[] = {"2NAT", "2REG", "2UNA", "2CLO", "2CLC", "2RFR", "2URR", "2CPI",
                                    "2STO", "2EVA", "2DEP", "2TAR", "2SHT", "2DIV", "2RFL", "2XAV",
                                    "2ASF", "2ROR", "2IFT", "2IFS", "2HPS", "2HPE", "2RID", "2RIR",
                                    "2RAH", "2RNA", "2EPD", "2EVR", "2WSE"};

std::vector<RoundTrip> series_trips() {
  std::vector<RoundTrip> trips;
  std::size_t k = 0;
  for (const char* code : kSeriesTypes) {
    trips.push_back({code, code, kSeriesFillings[k++ % std::size(kSeriesFillings)]});
  }
  return trips;
}
INSTANTIATE_TEST_SUITE_P(TimeSeries, EditUnchanged, testing::ValuesIn(series_trips()), trip_name);

const RoundTrip kType3And4[] = {
    {"3DEP", "3DEP", {type(1114, "DP"), choose(1115, "1"), type(1117, "0.5")}},
    {"3NAT", "3NAT", {type(1114, "NA"), choose(1115, "0")}},
    {"3REG", "3REG", {choose(1115, "1"), type(1117, "2")}},
    {"3UNA", "3UNA", {type(1114, " UN")}},
    {"3U_D", "3U+D", {type(1114, "UD"), type(1117, "1.25")}},
    {"3EPD", "3EPD", {type(1114, "EP"), type(1117, "1.")}},
    {"4SGP", "4SGP", {choose(1123, "1"), choose(1125, "2"), type(1126, "G1\nG2")}},
    {"4SWR", "4SWR", {choose(1117, "2"), choose(1119, "5"), type(1121, "WR7\nWR-LONGER-NAME-1\n\nX\nY")}},
    {"4ZZF", "4ZZF", {choose(1394, "2"), choose(1395, "12"), choose(1396, "-8")}},
    {"4ZZZ", "4ZZZ",
     {choose(1402, "1"), choose(1403, "4"), choose(1404, "1"), choose(1405, "1"), choose(1406, "3"),
      type(1407, "BEGIN")}},
};
INSTANTIATE_TEST_SUITE_P(Type3And4, EditUnchanged, testing::ValuesIn(kType3And4), trip_name);

// Every record type that has fields, as its dialog starts.
std::vector<RoundTrip> as_they_start() {
  std::vector<RoundTrip> trips;
  for (const auto& type : record_types()) {
    const auto* record = record_dialog(type.dialog);
    if (record && !record->fields.empty()) {
      trips.push_back({std::string(type.code) + "_as_it_starts", std::string(type.code), {}});
    }
  }
  return trips;
}
INSTANTIATE_TEST_SUITE_P(AsTheyStart, EditUnchanged, testing::ValuesIn(as_they_start()), trip_name);

TEST(EditUnchangedCorpus, HoldsEveryRecordTypeWithFields) {
  std::set<std::string> covered;
  for (const auto& c : kMiscAndType1) covered.insert(c.code);
  for (const auto& c : kType2) covered.insert(c.code);
  for (const auto& c : kType3And4) covered.insert(c.code);
  for (const auto& c : series_trips()) covered.insert(c.code);
  for (const auto& type : record_types()) {
    const auto* record = record_dialog(type.dialog);
    if (!record || record->fields.empty()) continue;
    EXPECT_TRUE(covered.count(std::string(type.code))) << type.code;
  }
}

}  // namespace
}  // namespace tarnex::tin::test
