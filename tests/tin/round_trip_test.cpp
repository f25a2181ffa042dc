// Every record type, made through its dialog as the user makes it, opened
// with Edit and confirmed unchanged, gives back the same lines byte for
// byte, whichever of its lines was selected.

#include <set>

#include "editing_script.h"
#include "resources/dialog_ids.h"
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
    {"TITL", "TITL", {type(ids::record_titl::kTitle, "  DEMO BASIN - SUMMARY  ")}},
    {"COMM", "COMM",
     {choose(ids::record_comm::kCd, "COMM"), type(ids::record_comm::kComments, " Tables for both control points")}},
    {"COMM_stars", "COMM", {choose(ids::record_comm::kCd, "****"), type(ids::record_comm::kComments, "a comment")}},
    {"COMM_two_stars", "COMM",
     {choose(ids::record_comm::kCd, "**"), type(ids::record_comm::kComments, "  indented comment")}},
    {"FILE", "FILE",
     {choose(ids::record_file::kOutForm, "1"), choose(ids::record_file::kDssMes, "-1"),
      choose(ids::record_file::kDssMon, "MAR")}},
    {"FILE_debugging", "FILE", {choose(ids::record_file::kDssMes, "9"), choose(ids::record_file::kDssMon, "DEC")}},
    {"UNIT", "UNIT",
     {type(ids::record_unit::kUnit, " CFS "), type(ids::record_unit::kUnhp, "KW"),
      choose(ids::record_unit::kMonth1, "JUN"), choose(ids::record_unit::kNewPage, "-1")}},
    {"1CPT", "1CPT",
     {choose(ids::record_1cpt::kKk, "7"), choose(ids::record_1cpt::kOo, "2"), choose(ids::record_1cpt::kLim, "-1"),
      type(ids::record_1cpt::kCpLim, "CP100")}},
    {"1REC", "1REC",
     {choose(ids::record_1rec::kKk, "1"), choose(ids::record_1rec::kNum, "3"),
      type(ids::record_1rec::kRec, "CP\nWR\nSV")}},
    {"1REC_seventeen", "1REC",
     {choose(ids::record_1rec::kNum, "17"),
      type(ids::record_1rec::kRec, "T1\nT2\nT3\nT4\nT5\nT6\nT7\nT8\nT9\nCP\nWR\nSV\nSO\nIF\nWS\nOR\nED")}},
    {"1SRT", "1SRT", {choose(ids::record_1srt::kKk, "3"), choose(ids::record_1srt::kIff, "1")}},
    {"1SUM", "1SUM", {choose(ids::record_1sum::kKk, "4")}},
};
INSTANTIATE_TEST_SUITE_P(MiscAndType1, EditUnchanged, testing::ValuesIn(kMiscAndType1), trip_name);

const RoundTrip kType2[] = {
    {"IDEN_type_and_count", "IDEN",
     {click(ids::record_iden::kLayoutTypeAndNumber), type(ids::record_iden::kValue1, "2"),
      type(ids::record_iden::kValue2, "5")}},
    {"IDEN_control_points", "IDEN",
     {type(ids::record_iden::kValue1, "CP1"), type(ids::record_iden::kValue2, "CP2"),
      type(ids::record_iden::kValue3, "CP3")}},
    {"IDEN_reservoirs", "IDEN",
     {type(ids::record_iden::kValue1, "RES1"), type(ids::record_iden::kValue2, "RES2"),
      type(ids::record_iden::kValue8, "RES8")}},
    {"IDEN_water_rights", "IDEN",
     {type(ids::record_iden::kValue1, "WR-ALPHA-000001"), type(ids::record_iden::kValue2, "WR-BETA-02")}},
    {"IDEN_groups", "IDEN",
     {type(ids::record_iden::kValue1, "GROUP001"), type(ids::record_iden::kValue2, "GROUP002"),
      type(ids::record_iden::kValue3, "GROUP003")}},
    {"2REL", "2REL",
     {choose(ids::record_2rel::kMon, "6"), choose(ids::record_2rel::kRFlag, "1"), choose(ids::record_2rel::kId, "2"),
      choose(ids::record_2rel::kNum, "-3"), type(ids::record_2rel::kTar, "1500.")}},
    {"2REL_target_from_MOR", "2REL",
     {choose(ids::record_2rel::kId, "3"), choose(ids::record_2rel::kNum, "8"), choose(ids::record_2rel::kTar, "-1")}},
    {"2RET", "2RET", {type(ids::record_2ret::kTar, "2500.5")}},
    {"2RET_target_from_MOR", "2RET", {choose(ids::record_2ret::kTar, "-1")}},
    {"2FRE", "2FRE",
     {choose(ids::record_2fre::kVariable, "-5"), choose(ids::record_2fre::kMon, "0"),
      choose(ids::record_2fre::kNum, "8"), choose(ids::record_2fre::kTable, "2"),
      choose(ids::record_2fre::kMethod, "3"),
      choose(ids::record_2fre::kMat, "1"), type(ids::record_2fre::kTime, "12"), type(ids::record_2fre::kXf, "1.5"),
      type(ids::record_2fre::kAf, "-10.")}},
    {"2FRQ_six_characters", "2FRQ",
     {choose(ids::record_2frq::kVariable, "2"), choose(ids::record_2frq::kMonth, "5"),
      choose(ids::record_2frq::kNm, "3"), type(ids::record_2frq::kIden, "CP1"),
      type(ids::record_2frq::kQf, "100\n2500.\n30")}},
    {"2FRQ_sixteen_characters", "2FRQ",
     {choose(ids::record_2frq::kVariable, "8"), choose(ids::record_2frq::kMonth, "12"),
      choose(ids::record_2frq::kNm, "7"), type(ids::record_2frq::kIden, "IF-RIGHT-000001"),
      type(ids::record_2frq::kQf, "1\n2\n3\n4\n5\n6\n7")}},
    {"2RES_two_lines", "2RES",
     {choose(ids::record_2res::kTable, "1"), choose(ids::record_2res::kMonth, "0"), choose(ids::record_2res::kNum, "2"),
      type(ids::record_2res::kIden, "RES1\nRES2"), type(ids::record_2res::kC1, "50000\n600")}},
    {"2RES_three_lines", "2RES",
     {choose(ids::record_2res::kTable, "4"), choose(ids::record_2res::kMonth, "7"), choose(ids::record_2res::kNum, "3"),
      type(ids::record_2res::kIden, "R1\nR2\nR3"), type(ids::record_2res::kC1, "1\n2\n3"),
      type(ids::record_2res::kC2, "\n5")}},
    {"2SBA", "2SBA", {choose(ids::record_2sba::kMnan, "2")}},
    {"2SCP", "2SCP",
     {choose(ids::record_2scp::kMnan, "1"), choose(ids::record_2scp::kNum, "2"),
      type(ids::record_2scp::kIden, "CP1\nCP2")}},
    {"2SCP_eight", "2SCP",
     {choose(ids::record_2scp::kNum, "8"), type(ids::record_2scp::kIden, "A\nB\nC\nD\nE\nF\nG\nH")}},
    {"2SGP", "2SGP",
     {choose(ids::record_2sgp::kMnan, "2"), choose(ids::record_2sgp::kNum, "2"),
      type(ids::record_2sgp::kIden, "GROUP1\nGRP2")}},
    {"2SRE", "2SRE",
     {choose(ids::record_2sre::kMnan, "0"), choose(ids::record_2sre::kNum, "1"),
      type(ids::record_2sre::kIden, "RES1")}},
    {"2SWR", "2SWR",
     {choose(ids::record_2swr::kMnan, "2"), choose(ids::record_2swr::kNum, "2"),
      type(ids::record_2swr::kIden, "WR-ALPHA-000001\nB")}},
    {"2BUD", "2BUD",
     {type(ids::record_2bud::kCpBud, "CP2"), type(ids::record_2bud::kYrFirst, "1950"),
      type(ids::record_2bud::kYrLast, "1990"), choose(ids::record_2bud::kIcpi, "1"),
      choose(ids::record_2bud::kBegSto, "2"),
      choose(ids::record_2bud::kNegInf, "3"), choose(ids::record_2bud::kCpOut, "2"),
      choose(ids::record_2bud::kBasin, "-1")}},
    {"2BUD_basin_in_field_9", "2BUD",
     {choose(ids::record_2bud::kBegSto, "1"), choose(ids::record_2bud::kNegInf, "2"),
      choose(ids::record_2bud::kBasin, "2")}},
};
INSTANTIATE_TEST_SUITE_P(Type2, EditUnchanged, testing::ValuesIn(kType2), trip_name);

// The time series, each with one of these fillings in turn: identifiers of
// every type, counts from the previous record, every option.
const std::vector<Step> kSeriesFillings[] = {
    {choose(ids::record_series::kTa, "1"), choose(ids::record_series::kPt, "1"), choose(ids::record_series::kMore, "0"),
     choose(ids::record_series::kNum, "3"), choose(ids::record_series::kId, "0"),
     type(ids::record_series::kIden, "CP1\nCP2\nCP3"), type(ids::record_series::kDecimal, "2"),
     choose(ids::record_series::kMat, "1"), type(ids::record_series::kTime, "12"), type(ids::record_series::kXf, "1.5"),
     type(ids::record_series::kAf, "-3.")},
    {choose(ids::record_series::kNum, "2"), choose(ids::record_series::kId, "1"),
     type(ids::record_series::kIden, "WR-ALPHA-000001\nWR2"), choose(ids::record_series::kPt, "5")},
    {choose(ids::record_series::kNum, "-3"), choose(ids::record_series::kId, "2"),
     choose(ids::record_series::kMore, "1"), choose(ids::record_series::kMat, "2"),
     type(ids::record_series::kTime, "6")},
    {choose(ids::record_series::kNum, "2"), choose(ids::record_series::kId, "3"),
     type(ids::record_series::kIden, "GROUP001\nG2"), choose(ids::record_series::kPt, "4")},
    {choose(ids::record_series::kId, "2"), choose(ids::record_series::kNum, "8"),
     type(ids::record_series::kIden, "R1\nR2\nR3\nR4\nR5\nR6\nR7\nR8"), type(ids::record_series::kDecimal, "0")},
    {choose(ids::record_series::kId, "1"), choose(ids::record_series::kNum, "0"), choose(ids::record_series::kPt, "3"),
     type(ids::record_series::kXf, " "), type(ids::record_series::kAf, "")},
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
    {"3DEP", "3DEP",
     {type(ids::record_type3::kCdOut, "DP"), choose(ids::record_type3::kHec, "1"),
      type(ids::record_type3::kInFac, "0.5")}},
    {"3NAT", "3NAT", {type(ids::record_type3::kCdOut, "NA"), choose(ids::record_type3::kHec, "0")}},
    {"3REG", "3REG", {choose(ids::record_type3::kHec, "1"), type(ids::record_type3::kInFac, "2")}},
    {"3UNA", "3UNA", {type(ids::record_type3::kCdOut, " UN")}},
    {"3UNA_one_character_cdout", "3UNA", {type(ids::record_type3::kCdOut, "A x")}},
    {"3U_D", "3U+D", {type(ids::record_type3::kCdOut, "UD"), type(ids::record_type3::kInFac, "1.25")}},
    {"3EPD", "3EPD", {type(ids::record_type3::kCdOut, "EP"), type(ids::record_type3::kInFac, "1.")}},
    {"4SGP", "4SGP",
     {choose(ids::record_4sgp::kMnan, "1"), choose(ids::record_4sgp::kNum, "2"),
      type(ids::record_4sgp::kIden, "G1\nG2")}},
    {"4SWR", "4SWR",
     {choose(ids::record_4swr::kMnan, "2"), choose(ids::record_4swr::kNum, "5"),
      type(ids::record_4swr::kIden, "WR7\nWR-LONGER-NAME-1\n\nX\nY")}},
    {"4ZZF", "4ZZF",
     {choose(ids::record_4zzf::kVar, "2"), choose(ids::record_4zzf::kMon, "12"), choose(ids::record_4zzf::kNum, "-8")}},
    {"4ZZZ", "4ZZZ",
     {choose(ids::record_4zzz::kTa, "1"), choose(ids::record_4zzz::kPt, "4"), choose(ids::record_4zzz::kMore, "1"),
      choose(ids::record_4zzz::kVar, "1"), choose(ids::record_4zzz::kNum, "3"),
      type(ids::record_4zzz::kRight, "BEGIN")}},
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
