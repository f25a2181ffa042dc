// One record of every record type, built through its dialog as the user fills
// it in, against the line written by hand from the record's column table.
// Each expected line is written field by field, one literal per field.

#include "record_script.h"
#include "resources/dialog_ids.h"

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
    {"TITL", ids::record_titl::kDialog, {type(ids::record_titl::kTitle, "  DEMO BASIN - SUMMARY  ")},
     {"TITL" "  DEMO BASIN - SUMMARY"}},
    {"COMM", ids::record_comm::kDialog,
     {choose(ids::record_comm::kCd, "COMM"), type(ids::record_comm::kComments, " Tables for both control points")},
     {"COMM" " Tables for both control points"}},
    {"PAGE", ids::record_page::kDialog, {}, {"PAGE"}},
    {"FILE", ids::record_file::kDialog,
     {choose(ids::record_file::kOutForm, "1"), choose(ids::record_file::kDssMes, "-1"),
      choose(ids::record_file::kDssMon, "MAR")},
     {"FILE" "   1" "  -1" " MAR"}},
    {"UNIT", ids::record_unit::kDialog,
     {type(ids::record_unit::kUnit, "AC-FT"), type(ids::record_unit::kUnhp, "MW-HR"),
      choose(ids::record_unit::kMonth1, "JUN"), choose(ids::record_unit::kNewPage, "-1")},
     {"UNIT" "AC-FT" "MW-HR" "  JUN" "   -1"}},
    {"TEST", ids::record_test::kDialog, {}, {"TEST"}},
    {"ENDF", ids::record_endf::kDialog, {}, {"ENDF"}},
    {"1CPT", ids::record_1cpt::kDialog,
     {choose(ids::record_1cpt::kKk, "7"), choose(ids::record_1cpt::kOo, "2"), choose(ids::record_1cpt::kLim, "-1"),
      type(ids::record_1cpt::kCpLim, "CP100")},
     {"1CPT" "   7" "       2" "      -1" "  " " CP100"}},
    {"1LEN", ids::record_1len::kDialog, {}, {"1LEN"}},
    {"1REC", ids::record_1rec::kDialog,
     {choose(ids::record_1rec::kKk, "1"), choose(ids::record_1rec::kNum, "3"),
      type(ids::record_1rec::kRec, "CP\nWR\nSV")},
     {"1REC" "   1" "   3" "  CP" "  WR" "  SV"}},
    {"1SRT", ids::record_1srt::kDialog, {choose(ids::record_1srt::kKk, "3"), choose(ids::record_1srt::kIff, "1")},
     {"1SRT" "   3" "   1"}},
    {"1SUM", ids::record_1sum::kDialog, {choose(ids::record_1sum::kKk, "4")}, {"1SUM" "   4"}},
};
INSTANTIATE_TEST_SUITE_P(MiscAndType1, EveryRecordType, testing::ValuesIn(kMiscAndType1), case_name);

const RecordCase kType2[] = {
    {"IDEN", ids::record_iden::kDialog,
     {type(ids::record_iden::kValue1, "CP1"), type(ids::record_iden::kValue2, " CP2 "),
      type(ids::record_iden::kValue8, "CP8")},
     {"IDEN" "  " "   CP1" "  " "   CP2" "        " "        " "        " "        " "        " "  " "   CP8"}},
    {"2REL", ids::record_2rel::kDialog,
     {choose(ids::record_2rel::kMon, "6"), choose(ids::record_2rel::kRFlag, "1"), choose(ids::record_2rel::kId, "2"),
      choose(ids::record_2rel::kNum, "-3"), type(ids::record_2rel::kTar, "1500.")},
     {"2REL" "   6" "   1" "   2" "  -3" "   1500."}},
    {"2RET", ids::record_2ret::kDialog, {type(ids::record_2ret::kTar, "2500.5")}, {"2RET" "  2500.5"}},
    {"2FRE", ids::record_2fre::kDialog,
     {choose(ids::record_2fre::kVariable, "-5"), choose(ids::record_2fre::kMon, "0"),
      choose(ids::record_2fre::kNum, "8"), choose(ids::record_2fre::kTable, "2"),
      choose(ids::record_2fre::kMethod, "3"),
      choose(ids::record_2fre::kMat, "1"), type(ids::record_2fre::kTime, "12"), type(ids::record_2fre::kXf, "1.5"),
      type(ids::record_2fre::kAf, "-10.")},
     {"2FRE" "  -5" "   0" "   8" "   2" "   3" "   1" "  12" "     1.5" "    -10."}},
    {"2FRQ", ids::record_2frq::kDialog,
     {choose(ids::record_2frq::kVariable, "2"), choose(ids::record_2frq::kMonth, "5"),
      choose(ids::record_2frq::kNm, "3"), type(ids::record_2frq::kIden, "CP1"),
      type(ids::record_2frq::kQf, "100\n2500.\n30")},
     {"2FRQ" "   2" "   5" "   3" "  " "   CP1" "     100" "   2500." "      30"}},
    {"2RES", ids::record_2res::kDialog,
     {choose(ids::record_2res::kTable, "1"), choose(ids::record_2res::kMonth, "0"), choose(ids::record_2res::kNum, "1"),
      type(ids::record_2res::kIden, "RES1"), type(ids::record_2res::kC1, "50000")},
     {"2RES" "   1" "   0" "   1" "  " "  RES1", "2RES" "            " "   50000"}},
    {"2SBA", ids::record_2sba::kDialog, {choose(ids::record_2sba::kMnan, "2")}, {"2SBA" "   2"}},
    {"2SCP", ids::record_2scp::kDialog,
     {choose(ids::record_2scp::kMnan, "1"), choose(ids::record_2scp::kNum, "2"),
      type(ids::record_2scp::kIden, "CP1\nCP2")},
     {"2SCP" "   1" "   2" "  " "   CP1" "  " "   CP2"}},
    {"2SGP", ids::record_2sgp::kDialog,
     {choose(ids::record_2sgp::kMnan, "0"), choose(ids::record_2sgp::kNum, "2"),
      type(ids::record_2sgp::kIden, "GROUP1\nGRP2")},
     {"2SGP" "   0" "   2" "  GROUP1" "    GRP2"}},
    {"2SRE", ids::record_2sre::kDialog,
     {choose(ids::record_2sre::kMnan, "0"), choose(ids::record_2sre::kNum, "1"), type(ids::record_2sre::kIden, "RES1")},
     {"2SRE" "   0" "   1" "  " "  RES1"}},
    {"2SWR", ids::record_2swr::kDialog,
     {choose(ids::record_2swr::kMnan, "2"), choose(ids::record_2swr::kNum, "2"),
      type(ids::record_2swr::kIden, "WR-ALPHA-000001\nB")},
     {"2SWR" "   2" "   2" " WR-ALPHA-000001" "               B"}},
    {"2BUD", ids::record_2bud::kDialog,
     {type(ids::record_2bud::kCpBud, "CP2"), type(ids::record_2bud::kYrFirst, "1950"),
      type(ids::record_2bud::kYrLast, "1990"), choose(ids::record_2bud::kIcpi, "1"),
      choose(ids::record_2bud::kBegSto, "2"),
      choose(ids::record_2bud::kNegInf, "3"), choose(ids::record_2bud::kCpOut, "0"),
      choose(ids::record_2bud::kBasin, "-1")},
     {"2BUD" "  " "   CP2" "1950" "1990" "   1" "   2" "   3" "   0" "  -1"}},
};
INSTANTIATE_TEST_SUITE_P(Type2, EveryRecordType, testing::ValuesIn(kType2), case_name);

// The 29 time-series types share one dialog; the editor writes the type into
// its CD box. Each row varies the options, above all ID (which sets the IDEN
// line's fields) and NUM (which decides whether the IDEN line follows).
struct Series {
  std::string code, ta, pt, more, id, num, decimal, mat, time, xf, af, identifiers;
  std::vector<std::string> expected;
};

RecordCase series_case(const Series& s) {
  RecordCase c{s.code, ids::record_series::kDialog, {set(ids::record_series::kCd, s.code)}, s.expected};
  const std::pair<int, const std::string*> picks[] = {{ids::record_series::kTa, &s.ta},
                                                      {ids::record_series::kPt, &s.pt},
                                                      {ids::record_series::kMore, &s.more},
                                                      {ids::record_series::kId, &s.id},
                                                      {ids::record_series::kNum, &s.num},
                                                      {ids::record_series::kMat, &s.mat}};
  for (const auto& [control, value] : picks) {
    if (!value->empty()) c.steps.push_back(choose(control, *value));
  }
  const std::pair<int, const std::string*> typed[] = {
      {ids::record_series::kDecimal, &s.decimal}, {ids::record_series::kTime, &s.time}, {ids::record_series::kXf,
          &s.xf}, {ids::record_series::kAf, &s.af}, {ids::record_series::kIden, &s.identifiers}};
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

// The six type 3 types share one dialog; the editor writes the type into its CD box.
const RecordCase kType3And4[] = {
    {"3DEP", ids::record_type3::kDialog,
     {set(ids::record_type3::kCd, "3DEP"), type(ids::record_type3::kCdOut, "DP"), choose(ids::record_type3::kHec, "1"),
      type(ids::record_type3::kInFac, "0.5")},
     {"3DEP" "  DP" "   1" "     0.5"}},
    {"3NAT", ids::record_type3::kDialog,
     {set(ids::record_type3::kCd, "3NAT"), type(ids::record_type3::kCdOut, "NA"), choose(ids::record_type3::kHec, "0")},
     {"3NAT" "  NA" "   0"}},
    {"3REG", ids::record_type3::kDialog,
     {set(ids::record_type3::kCd, "3REG"), choose(ids::record_type3::kHec, "1"), type(ids::record_type3::kInFac, "2")},
     {"3REG" "    " "   1" "       2"}},
    {"3UNA", ids::record_type3::kDialog, {set(ids::record_type3::kCd, "3UNA"), type(ids::record_type3::kCdOut, "UN")},
     {"3UNA" "  UN"}},
    {"3U+D", ids::record_type3::kDialog,
     {set(ids::record_type3::kCd, "3U+D"), type(ids::record_type3::kCdOut, "UD"),
      type(ids::record_type3::kInFac, "1.25")}, {"3U+D" "  UD" "    " "    1.25"}},
    {"3EPD", ids::record_type3::kDialog,
     {set(ids::record_type3::kCd, "3EPD"), type(ids::record_type3::kCdOut, "EP"), choose(ids::record_type3::kHec, "0"),
      type(ids::record_type3::kInFac, "1.")},
     {"3EPD" "  EP" "   0" "      1."}},
    {"4SGP", ids::record_4sgp::kDialog,
     {choose(ids::record_4sgp::kMnan, "1"), choose(ids::record_4sgp::kNum, "2"),
      type(ids::record_4sgp::kIden, "G1\nG2")}, {"4SGP" "   1" "   2" "      G1" "      G2"}},
    {"4SWR", ids::record_4swr::kDialog,
     {choose(ids::record_4swr::kMnan, "0"), choose(ids::record_4swr::kNum, "1"), type(ids::record_4swr::kIden, "WR7")},
     {"4SWR" "   0" "   1" "             WR7"}},
    {"4ZZF", ids::record_4zzf::kDialog,
     {choose(ids::record_4zzf::kVar, "2"), choose(ids::record_4zzf::kMon, "12"), choose(ids::record_4zzf::kNum, "-8")},
     {"4ZZF" "   2" "  12" "  -8"}},
    {"4ZZZ", ids::record_4zzz::kDialog,
     {choose(ids::record_4zzz::kTa, "1"), choose(ids::record_4zzz::kPt, "4"), choose(ids::record_4zzz::kMore, "0"),
      choose(ids::record_4zzz::kVar, "1"), choose(ids::record_4zzz::kNum, "3"),
      type(ids::record_4zzz::kRight, "BEGIN")},
     {"4ZZZ" "   1" "   4" "   0" "   1" "   3" "           BEGIN"}},
};
INSTANTIATE_TEST_SUITE_P(Type3And4, EveryRecordType, testing::ValuesIn(kType3And4), case_name);

}  // namespace
}  // namespace tarnex::tin::test
