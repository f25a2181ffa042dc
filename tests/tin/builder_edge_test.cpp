// The builder's exceptions and edge cases: blank defaults, identifier counts,
// value lists from multi-line edits, text too long for its field, the IDEN
// layouts, and the room rules of the record list.

#include "record_script.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/message_dialog.h"

namespace tarnex::tin::test {
namespace {

class BuilderEdgeCase : public testing::TestWithParam<RecordCase> {};

TEST_P(BuilderEdgeCase, BuildsTheLinesWrittenByHand) {
  const auto& c = GetParam();
  ui::HeadlessUi ui;
  TinState tin;
  tin.IDEN_LAYOUT = c.iden_layout;
  add_record(ui, tin, c.dialog, c.steps);
  expect_lines(tin.records, 1, c.expected);
}

const RecordCase kCountsAndLists[] = {
    {"BlankNumIn2SCP", ids::record_2scp::kDialog,
     {choose(ids::record_2scp::kMnan, "1"), type(ids::record_2scp::kIden, "CP1\nCP2")}, {"2SCP" "   1" " NUM"}},
    {"ThreeLinesForNum5", ids::record_2scp::kDialog,
     {choose(ids::record_2scp::kMnan, "0"), choose(ids::record_2scp::kNum, "5"),
      type(ids::record_2scp::kIden, "CP1\nCP2\nCP3")},
     {"2SCP" "   0" "   5" "  " "   CP1" "  " "   CP2" "  " "   CP3" "        " "        "}},
    {"BlankFirstIdentifierLine", ids::record_2scp::kDialog,
     {choose(ids::record_2scp::kNum, "2"), type(ids::record_2scp::kIden, "\nCP2\nCP3")},
     {"2SCP" "    " "   2" "        " "  " "   CP2"}},
    {"EmptyLinesInsideTheList", ids::record_2swr::kDialog,
     {choose(ids::record_2swr::kNum, "3"), type(ids::record_2swr::kIden, "WR1\n\n\nWR4")},
     {"2SWR" "    " "   3" "             WR1" "                " "                "}},
    {"CrLfLineEnds", ids::record_2sgp::kDialog,
     {choose(ids::record_2sgp::kNum, "3"), type(ids::record_2sgp::kIden, "G1\r\nG2\r\n\r\nG4")},
     {"2SGP" "    " "   3" "      G1" "      G2" "        "}},
    {"LeadingBlanksOfLinesDropped", ids::record_2sre::kDialog,
     {choose(ids::record_2sre::kNum, "2"), type(ids::record_2sre::kIden, "   R1  \n     R2")},
     {"2SRE" "    " "   2" "  " "    R1" "  " "    R2"}},
    {"NumZeroWritesNoIdentifiers", ids::record_2scp::kDialog,
     {choose(ids::record_2scp::kNum, "0"), type(ids::record_2scp::kIden, "CP1")}, {"2SCP" "    " "   0"}},
    {"BlankNumIn1REC", ids::record_1rec::kDialog,
     {choose(ids::record_1rec::kKk, "0"), type(ids::record_1rec::kRec, "CP\nWR")}, {"1REC" "   0" " NUM"}},
    {"SeventeenRecordsIn1REC", ids::record_1rec::kDialog,
     {choose(ids::record_1rec::kNum, "17"),
      type(ids::record_1rec::kRec, "A\nB\nC\nD\nE\nF\nG\nH\nI\nJ\nK\nL\nM\nN\nO\nP\nQ\nR")},
     {"1REC" "    " "  17" "   A" "   B" "   C" "   D" "   E" "   F" "   G" "   H" "   I" "   J" "   K" "   L" "   M"
      "   N" "   O" "   P" "   Q"}},
    {"BlankNumIn4SWRTakesOneIdentifier", ids::record_4swr::kDialog,
     {choose(ids::record_4swr::kMnan, "1"), type(ids::record_4swr::kIden, "WR1\nWR2")},
     {"4SWR" "   1" " NUM" "             WR1"}},
    {"BlankNumIn4SGPTakesOneIdentifier", ids::record_4sgp::kDialog, {type(ids::record_4sgp::kIden, "G1\nG2")},
     {"4SGP" "    " " NUM" "      G1"}},
    {"FiveRightsIn4SWR", ids::record_4swr::kDialog,
     {choose(ids::record_4swr::kNum, "5"), type(ids::record_4swr::kIden, "A\nB\nC\nD\nE")},
     {"4SWR" "    " "   5" "               A" "               B" "               C" "               D"
      "               E"}},
};
INSTANTIATE_TEST_SUITE_P(CountsAndLists, BuilderEdgeCase, testing::ValuesIn(kCountsAndLists), case_name);

const RecordCase kMultiLineRecords[] = {
    {"ReservoirsWithoutInactiveStorageTwoLines", ids::record_2res::kDialog,
     {choose(ids::record_2res::kTable, "0"), choose(ids::record_2res::kMonth, "3"), choose(ids::record_2res::kNum, "2"),
      type(ids::record_2res::kIden, "RES1\nRES2"), type(ids::record_2res::kC1, "500\n600"),
      type(ids::record_2res::kC2, "\n\n")},
     {"2RES" "   0" "   3" "   2" "  " "  RES1" "  " "  RES2", "2RES" "            " "     500" "     600"}},
    {"ReservoirsWithOneInactiveStorageThreeLines", ids::record_2res::kDialog,
     {choose(ids::record_2res::kTable, "4"), choose(ids::record_2res::kMonth, "12"),
      choose(ids::record_2res::kNum, "2"), type(ids::record_2res::kIden, "RES1\nRES2"),
      type(ids::record_2res::kC1, "500\n600"),
      type(ids::record_2res::kC2, "\n50")},
     {"2RES" "   4" "  12" "   2" "  " "  RES1" "  " "  RES2", "2RES" "            " "     500" "     600",
      "2RES" "            " "        " "      50"}},
    {"TwentyReservoirs", ids::record_2res::kDialog,
     {choose(ids::record_2res::kNum, "20"),
      type(ids::record_2res::kIden, "A\nB\nC\nD\nE\nF\nG\nH\nI\nJ\nK\nL\nM\nN\nO\nP\nQ\nR\nS\nT"),
      type(ids::record_2res::kC2, "1")},
     {"2RES" "    " "    " "  20"
      "       A" "       B" "       C" "       D" "       E" "       F" "       G" "       H" "       I" "       J"
      "       K" "       L" "       M" "       N" "       O" "       P" "       Q" "       R" "       S" "       T",
      "2RES", "2RES" "            " "       1"}},
    {"ReservoirsWithBlankCount", ids::record_2res::kDialog,
     {choose(ids::record_2res::kTable, "1"), choose(ids::record_2res::kMonth, "0"),
      type(ids::record_2res::kIden, "RES1"), type(ids::record_2res::kC2, "9")},
     {"2RES" "   1" "   0", "2RES"}},
    {"SeriesWithNegativeNumHasNoIdenLine", ids::record_series::kDialog,
     {set(ids::record_series::kCd, "2REG"), choose(ids::record_series::kId, "0"),
      choose(ids::record_series::kNum, "-3"), type(ids::record_series::kIden, "CP1\nCP2\nCP3")},
     {"2REG" "    " "    " "    " "   0" "  -3"}},
    {"SeriesWithBlankNumHasNoIdenLine", ids::record_series::kDialog,
     {set(ids::record_series::kCd, "2NAT"), choose(ids::record_series::kId, "1"),
      type(ids::record_series::kIden, "WR1")},
     {"2NAT" "    " "    " "    " "   1" " NUM"}},
    {"SeriesWithBlankIdTakesControlPoints", ids::record_series::kDialog,
     {set(ids::record_series::kCd, "2NAT"), choose(ids::record_series::kNum, "1"),
      type(ids::record_series::kIden, "CP1")},
     {"2NAT" "    " "    " "    " "    " "   1", "IDEN" "  " "   CP1"}},
    {"SeriesIdenLineWithNoIdentifiersTyped", ids::record_series::kDialog,
     {set(ids::record_series::kCd, "2DIV"), choose(ids::record_series::kId, "3"),
      choose(ids::record_series::kNum, "2")},
     {"2DIV" "    " "    " "    " "   3" "   2", "IDEN"}},
};
INSTANTIATE_TEST_SUITE_P(MultiLineRecords, BuilderEdgeCase, testing::ValuesIn(kMultiLineRecords), case_name);

const RecordCase kFieldRules[] = {
    {"BlankBudget", ids::record_2bud::kDialog, {}, {"2BUD" "        " "   0" "   0"}},
    {"BudgetFirstCharactersCountLeadingBlanks", ids::record_2bud::kDialog,
     {type(ids::record_2bud::kCpBud, "    ABCDEF"), type(ids::record_2bud::kYrFirst, "  1950"),
      type(ids::record_2bud::kYrLast, "0")},
     {"2BUD" "  " "    AB" "  19" "   0"}},
    {"FiveCharacterUnitWithTwoCharacterUnhp", ids::record_unit::kDialog,
     {type(ids::record_unit::kUnit, "ACRFT"), type(ids::record_unit::kUnhp, "MW"),
      choose(ids::record_unit::kMonth1, "JAN")},
     {"UNIT" "ACRFT" "MW   " "  JAN"}},
    {"UnitKeepsItsBlanksAndFirstFiveCharacters", ids::record_unit::kDialog,
     {type(ids::record_unit::kUnit, " AF"), type(ids::record_unit::kUnhp, "KILOWATT"),
      choose(ids::record_unit::kNewPage, "0")},
     {"UNIT" " AF  " "KILOW" "     " "    0"}},
    {"TitleKeepsLeadingBlanksAndEndsAtColumn78", ids::record_titl::kDialog,
     {type(ids::record_titl::kTitle, "   " + std::string(70, 'T') + "XYZ")},
     {"TITL" "   " + std::string(70, 'T') + "X"}},
    {"CommentWithTwoAsterisks", ids::record_comm::kDialog,
     {choose(ids::record_comm::kCd, "**"), type(ids::record_comm::kComments, "  note")}, {"**  " "  note"}},
    {"CommentWithFourAsterisks", ids::record_comm::kDialog,
     {choose(ids::record_comm::kCd, "****"), type(ids::record_comm::kComments, "x")}, {"****" "x"}},
    {"CommentEndsAtColumn152", ids::record_comm::kDialog,
     {choose(ids::record_comm::kCd, "COMM"), type(ids::record_comm::kComments, std::string(150, 'C'))},
     {"COMM" + std::string(148, 'C')}},
    {"CdoutOfOneCharacterLeavesBlank", ids::record_type3::kDialog,
     {set(ids::record_type3::kCd, "3NAT"), type(ids::record_type3::kCdOut, "N"), choose(ids::record_type3::kHec, "0")},
     {"3NAT" "    " "   0"}},
    {"CdoutOfOneCharacterAndABlankIsWritten", ids::record_type3::kDialog,
     {set(ids::record_type3::kCd, "3NAT"), type(ids::record_type3::kCdOut, " N ")}, {"3NAT" "  N "}},
    {"CdoutTakesFirstTwoCharactersAfterBlanks", ids::record_type3::kDialog,
     {set(ids::record_type3::kCd, "3REG"), type(ids::record_type3::kCdOut, "  ABC")}, {"3REG" "  AB"}},
    {"BlankTargetOf2RELIsZero", ids::record_2rel::kDialog, {choose(ids::record_2rel::kMon, "0")},
     {"2REL" "   0" "    " "    " "    " "       0"}},
    {"TargetOf2RETTakesFirstEightCharacters", ids::record_2ret::kDialog, {type(ids::record_2ret::kTar, "   123456789")},
     {"2RET" "   12345"}},
    {"TargetOf2RETPicked", ids::record_2ret::kDialog, {choose(ids::record_2ret::kTar, "-1")}, {"2RET" "      -1"}},
    {"CpLimitTakesFirstSixCharacters", ids::record_1cpt::kDialog, {type(ids::record_1cpt::kCpLim, "  CP1234567")},
     {"1CPT" "    " "        " "        " "  " "  CP12"}},
    {"LongIdentifierKeepsItsFirstCharacters", ids::record_2scp::kDialog,
     {choose(ids::record_2scp::kNum, "1"), type(ids::record_2scp::kIden, "LONGNAME")},
     {"2SCP" "    " "   1" "  " "LONGNA"}},
    {"DecimalKeepsItsFirstCharacter", ids::record_series::kDialog,
     {set(ids::record_series::kCd, "2NAT"), type(ids::record_series::kDecimal, "12")},
     {"2NAT" "    " "    " "    " "    " " NUM" "   1"}},
    {"FrequencyOfWaterRightStorageUsesSixteenColumns", ids::record_2frq::kDialog,
     {choose(ids::record_2frq::kVariable, "5"), choose(ids::record_2frq::kNm, "2"),
      type(ids::record_2frq::kIden, "WATER-RIGHT-0001"), type(ids::record_2frq::kQf, "10\n20")},
     {"2FRQ" "   5" "    " "   2" "WATER-RIGHT-0001" "      10" "      20"}},
    {"FrequencyOfStorageAtAControlPointUsesSixColumns", ids::record_2frq::kDialog,
     {choose(ids::record_2frq::kVariable, "4"), choose(ids::record_2frq::kNm, "1"),
      type(ids::record_2frq::kIden, "CP1"), type(ids::record_2frq::kQf, "9")},
     {"2FRQ" "   4" "    " "   1" "  " "   CP1" "       9"}},
    {"FrequencyOfStorageAtAReservoirUsesSixColumns", ids::record_2frq::kDialog,
     {choose(ids::record_2frq::kVariable, "6"), choose(ids::record_2frq::kNm, "1"),
      type(ids::record_2frq::kIden, "RES1"), type(ids::record_2frq::kQf, "9")},
     {"2FRQ" "   6" "    " "   1" "  " "  RES1" "       9"}},
    {"FrequencyOfElevationUsesSixColumns", ids::record_2frq::kDialog,
     {choose(ids::record_2frq::kVariable, "7"), choose(ids::record_2frq::kNm, "1"),
      type(ids::record_2frq::kIden, "RES1"), type(ids::record_2frq::kQf, "1.5")},
     {"2FRQ" "   7" "    " "   1" "  " "  RES1" "     1.5"}},
    {"FrequencyOfInstreamShortageUsesSixteenColumns", ids::record_2frq::kDialog,
     {choose(ids::record_2frq::kVariable, "8"), choose(ids::record_2frq::kNm, "1"),
      type(ids::record_2frq::kIden, "IF1"), type(ids::record_2frq::kQf, "7")},
     {"2FRQ" "   8" "    " "   1" "             IF1" "       7"}},
    {"FrequencyWithBlankCountHasNoValues", ids::record_2frq::kDialog,
     {choose(ids::record_2frq::kVariable, "1"), type(ids::record_2frq::kIden, "CP1"), type(ids::record_2frq::kQf, "5")},
     {"2FRQ" "   1" "    " "    " "  " "   CP1"}},
};
INSTANTIATE_TEST_SUITE_P(FieldRules, BuilderEdgeCase, testing::ValuesIn(kFieldRules), case_name);

const RecordCase kIdenLayouts[] = {
    {"TypeAndCount", ids::record_iden::kDialog,
     {type(ids::record_iden::kValue1, "2"), type(ids::record_iden::kValue2, "5"),
      type(ids::record_iden::kValue3, "ignored")}, {"IDEN" "   2" "   5"}, 0},
    {"TypeAndCountBlankDefaults", ids::record_iden::kDialog, {}, {"IDEN" "   0" "   1"}, 0},
    {"ControlPoints", ids::record_iden::kDialog,
     {type(ids::record_iden::kValue1, "CP1"), type(ids::record_iden::kValue3, "CP3LONG")},
     {"IDEN" "  " "   CP1" "        " "  " "CP3LON"}, 1},
    {"WaterRights", ids::record_iden::kDialog,
     {type(ids::record_iden::kValue1, "WR1"), type(ids::record_iden::kValue8, "WATER-RIGHT-00008")},
     {"IDEN" "             WR1" + std::string(96, ' ') + "WATER-RIGHT-0000"}, 2},
    {"WaterRightGroups", ids::record_iden::kDialog,
     {type(ids::record_iden::kValue1, "G1"), type(ids::record_iden::kValue2, "GROUP-TWO")},
     {"IDEN" "      G1" "GROUP-TW"}, 3},
};
INSTANTIATE_TEST_SUITE_P(IdenLayouts, BuilderEdgeCase, testing::ValuesIn(kIdenLayouts), case_name);

// The list holds 256 lines; a record goes in whole or not at all, the user
// is told when it does not, and the dialog closes either way.
struct Room {
  std::string name;
  int lines_before;
  RecordCase record;
  bool added;
};

class RecordListRoom : public testing::TestWithParam<Room> {};

TEST_P(RecordListRoom, AppendsOnlyWholeRecords) {
  const auto& c = GetParam();
  ui::HeadlessUi ui;
  TinState tin;
  for (int k = 1; k <= c.lines_before; ++k) ASSERT_TRUE(tin.records.append(std::vector<std::string>{"COMM " + std::to_string(k)}));
  std::string report_title, report;
  ui.on_modal(ids::tin_message::kDialog, [&](ui::HeadlessDialog& d) {
    report_title = d.caption();
    report = d.text(ids::tin_message::kText);
    d.user_click(ui::kOk);
  });
  const auto* record = record_dialog(c.record.dialog);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(add_record(ui, tin, c.record.dialog, c.record.steps), record->add_button);
  const int needed = static_cast<int>(c.record.expected.size());
  if (c.added) {
    expect_lines(tin.records, c.lines_before + 1, c.record.expected);
    EXPECT_EQ(report, "");
  } else {
    EXPECT_EQ(tin.records.count(), c.lines_before);
    EXPECT_EQ(tin.records.line(c.lines_before + 1), std::string(kLineLength, ' '));
    EXPECT_EQ(report_title, "ERROR");
    EXPECT_EQ(report, "\r\nThe ORBEN file already holds " + std::to_string(c.lines_before) +
                          " records, and it can hold no more than 256.\r\nThis record needs " +
                          std::to_string(needed) + (needed == 1 ? " line" : " lines") + ", so it was not added.");
  }
  EXPECT_EQ(tin.records.line(c.lines_before), fit("COMM " + std::to_string(c.lines_before), kLineLength));
}

const RecordCase kOneLine = {"TITL", ids::record_titl::kDialog, {type(ids::record_titl::kTitle, "T")}, {"TITL" "T"}};
const RecordCase kSeriesPair = {"2NAT", ids::record_series::kDialog,
                                {set(ids::record_series::kCd, "2NAT"), choose(ids::record_series::kId, "0"),
                                 choose(ids::record_series::kNum, "1"), type(ids::record_series::kIden, "CP1")},
                                {"2NAT" "    " "    " "    " "   0" "   1", "IDEN" "  " "   CP1"}};
const RecordCase kTwoReservoirLines = {"2RES", ids::record_2res::kDialog,
                                       {choose(ids::record_2res::kNum, "1"), type(ids::record_2res::kIden, "R"),
                                        type(ids::record_2res::kC1, "9")},
                                       {"2RES" "    " "    " "   1" "       R", "2RES" "            " "       9"}};
const RecordCase kThreeReservoirLines = {
    "2RES", 140, {choose(ids::record_2res::kNum, "1"), type(ids::record_2res::kIden, "R"),
                  type(ids::record_2res::kC1, "9"), type(ids::record_2res::kC2, "1")},
    {"2RES" "    " "    " "   1" "       R", "2RES" "            " "       9", "2RES" "            " "       1"}};

const Room kRoom[] = {
    {"OneLineInto255", 255, kOneLine, true},
    {"OneLineInto256", 256, kOneLine, false},
    {"PairInto254", 254, kSeriesPair, true},
    {"PairInto255", 255, kSeriesPair, false},
    {"TwoReservoirLinesInto254", 254, kTwoReservoirLines, true},
    {"TwoReservoirLinesInto255", 255, kTwoReservoirLines, false},
    {"ThreeReservoirLinesInto253", 253, kThreeReservoirLines, true},
    {"ThreeReservoirLinesInto254", 254, kThreeReservoirLines, false},
};
INSTANTIATE_TEST_SUITE_P(Delivery, RecordListRoom, testing::ValuesIn(kRoom),
                         [](const testing::TestParamInfo<Room>& info) { return info.param.name; });

// The 2RES count list offers 1 to 20 only; a negative count (the reservoirs
// of the record before) still gives each value line the count's magnitude.
TEST(RecordBuilder, NegativeReservoirCountGivesValueLinesItsMagnitude) {
  ui::HeadlessUi ui;
  ui.templates().add(R"(
dialog 9140 "2RES with a typed count"
combo 1301 row=0 col=0
combo 1300 row=1 col=0
combo 1097 row=2 col=0
edit 1099 row=3 col=0 multiline
edit 1100 row=4 col=0 multiline
edit 1102 row=5 col=0 multiline
)");
  auto dialog = ui.make_dialog(9140);
  ASSERT_NE(dialog, nullptr);
  dialog->set_text(ids::record_2res::kNum, "-2");
  dialog->set_text(ids::record_2res::kIden, "RES1\nRES2");
  dialog->set_text(ids::record_2res::kC1, "10\n20\n30");
  dialog->set_text(ids::record_2res::kC2, "1");
  const auto lines = build_record(*record_dialog(ids::record_2res::kDialog), *dialog, 1);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], fit("2RES" "    " "    " "  -2", kLineLength));
  EXPECT_EQ(lines[1], fit("2RES" "            " "      10" "      20", kLineLength));
  EXPECT_EQ(lines[2], fit("2RES" "            " "       1" "        ", kLineLength));
}

TEST(RecordBuilder, IgnoresAControlThatIsNotTheDialogsAddButton) {
  ui::HeadlessUi ui;
  TinState tin;
  auto title = ui.make_dialog(ids::record_titl::kDialog);
  auto frequencies = ui.make_dialog(ids::record_2fre::kDialog);
  ASSERT_TRUE(title && frequencies);
  RECORDBUILDER(tin, ui, *title, ids::record_titl::kTitle, ui::Event::Click);
  // The XF box has the id of the 4ZZF dialog's Add button.
  static_assert(ids::record_2fre::kXf == ids::record_4zzf::kAdd);
  RECORDBUILDER(tin, ui, *frequencies, ids::record_2fre::kXf, ui::Event::Click);
  EXPECT_EQ(tin.records.count(), 0);
  RECORDBUILDER(tin, ui, *title, ids::record_titl::kAdd, ui::Event::Click);
  EXPECT_EQ(tin.records.count(), 1);
}

}  // namespace
}  // namespace tarnex::tin::test
