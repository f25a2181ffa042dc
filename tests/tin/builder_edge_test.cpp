// The builder's exceptions and edge cases: blank defaults, identifier counts,
// value lists from multi-line edits, text too long for its field, the IDEN
// layouts, and the room rules of the record list.

#include "record_script.h"
#include "resources/dialog_ids.h"

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
    {"BlankNumIn2SCP", 121, {choose(1047, "1"), type(1049, "CP1\nCP2")}, {"2SCP" "   1" " NUM"}},
    {"ThreeLinesForNum5", 121, {choose(1047, "0"), choose(1048, "5"), type(1049, "CP1\nCP2\nCP3")},
     {"2SCP" "   0" "   5" "  " "   CP1" "  " "   CP2" "  " "   CP3" "        " "        "}},
    {"BlankFirstIdentifierLine", 121, {choose(1048, "2"), type(1049, "\nCP2\nCP3")},
     {"2SCP" "    " "   2" "        " "  " "   CP2"}},
    {"EmptyLinesInsideTheList", 123, {choose(1052, "3"), type(1053, "WR1\n\n\nWR4")},
     {"2SWR" "    " "   3" "             WR1" "                " "                "}},
    {"CrLfLineEnds", 125, {choose(1062, "3"), type(1063, "G1\r\nG2\r\n\r\nG4")},
     {"2SGP" "    " "   3" "      G1" "      G2" "        "}},
    {"LeadingBlanksOfLinesDropped", 127, {choose(1070, "2"), type(1072, "   R1  \n     R2")},
     {"2SRE" "    " "   2" "  " "    R1" "  " "    R2"}},
    {"NumZeroWritesNoIdentifiers", 121, {choose(1048, "0"), type(1049, "CP1")}, {"2SCP" "    " "   0"}},
    {"BlankNumIn1REC", 115, {choose(1039, "0"), type(1041, "CP\nWR")}, {"1REC" "   0" " NUM"}},
    {"SeventeenRecordsIn1REC", 115,
     {choose(1038, "17"), type(1041, "A\nB\nC\nD\nE\nF\nG\nH\nI\nJ\nK\nL\nM\nN\nO\nP\nQ\nR")},
     {"1REC" "    " "  17" "   A" "   B" "   C" "   D" "   E" "   F" "   G" "   H" "   I" "   J" "   K" "   L" "   M"
      "   N" "   O" "   P" "   Q"}},
    {"BlankNumIn4SWRTakesOneIdentifier", 146, {choose(1117, "1"), type(1121, "WR1\nWR2")},
     {"4SWR" "   1" " NUM" "             WR1"}},
    {"BlankNumIn4SGPTakesOneIdentifier", 148, {type(1126, "G1\nG2")}, {"4SGP" "    " " NUM" "      G1"}},
    {"FiveRightsIn4SWR", 146, {choose(1119, "5"), type(1121, "A\nB\nC\nD\nE")},
     {"4SWR" "    " "   5" "               A" "               B" "               C" "               D"
      "               E"}},
};
INSTANTIATE_TEST_SUITE_P(CountsAndLists, BuilderEdgeCase, testing::ValuesIn(kCountsAndLists), case_name);

const RecordCase kMultiLineRecords[] = {
    {"ReservoirsWithoutInactiveStorageTwoLines", 140,
     {choose(1301, "0"), choose(1300, "3"), choose(1097, "2"), type(1099, "RES1\nRES2"), type(1100, "500\n600"),
      type(1102, "\n\n")},
     {"2RES" "   0" "   3" "   2" "  " "  RES1" "  " "  RES2", "2RES" "            " "     500" "     600"}},
    {"ReservoirsWithOneInactiveStorageThreeLines", 140,
     {choose(1301, "4"), choose(1300, "12"), choose(1097, "2"), type(1099, "RES1\nRES2"), type(1100, "500\n600"),
      type(1102, "\n50")},
     {"2RES" "   4" "  12" "   2" "  " "  RES1" "  " "  RES2", "2RES" "            " "     500" "     600",
      "2RES" "            " "        " "      50"}},
    {"TwentyReservoirs", 140,
     {choose(1097, "20"), type(1099, "A\nB\nC\nD\nE\nF\nG\nH\nI\nJ\nK\nL\nM\nN\nO\nP\nQ\nR\nS\nT"), type(1102, "1")},
     {"2RES" "    " "    " "  20"
      "       A" "       B" "       C" "       D" "       E" "       F" "       G" "       H" "       I" "       J"
      "       K" "       L" "       M" "       N" "       O" "       P" "       Q" "       R" "       S" "       T",
      "2RES", "2RES" "            " "       1"}},
    {"ReservoirsWithBlankCount", 140, {choose(1301, "1"), choose(1300, "0"), type(1099, "RES1"), type(1102, "9")},
     {"2RES" "   1" "   0", "2RES"}},
    {"SeriesWithNegativeNumHasNoIdenLine", 142,
     {set(1181, "2REG"), choose(1107, "0"), choose(1109, "-3"), type(1111, "CP1\nCP2\nCP3")},
     {"2REG" "    " "    " "    " "   0" "  -3"}},
    {"SeriesWithBlankNumHasNoIdenLine", 142, {set(1181, "2NAT"), choose(1107, "1"), type(1111, "WR1")},
     {"2NAT" "    " "    " "    " "   1" " NUM"}},
    {"SeriesWithBlankIdTakesControlPoints", 142, {set(1181, "2NAT"), choose(1109, "1"), type(1111, "CP1")},
     {"2NAT" "    " "    " "    " "    " "   1", "IDEN" "  " "   CP1"}},
    {"SeriesIdenLineWithNoIdentifiersTyped", 142, {set(1181, "2DIV"), choose(1107, "3"), choose(1109, "2")},
     {"2DIV" "    " "    " "    " "   3" "   2", "IDEN"}},
};
INSTANTIATE_TEST_SUITE_P(MultiLineRecords, BuilderEdgeCase, testing::ValuesIn(kMultiLineRecords), case_name);

const RecordCase kFieldRules[] = {
    {"BlankBudget", 219, {}, {"2BUD" "        " "   0" "   0"}},
    {"BudgetFirstCharactersCountLeadingBlanks", 219, {type(1312, "    ABCDEF"), type(1320, "  1950"), type(1321, "0")},
     {"2BUD" "  " "    AB" "  19" "   0"}},
    {"FiveCharacterUnitWithTwoCharacterUnhp", 200, {type(1248, "ACRFT"), type(1029, "MW"), choose(1272, "JAN")},
     {"UNIT" "ACRFT" "MW   " "  JAN"}},
    {"UnitKeepsItsBlanksAndFirstFiveCharacters", 200, {type(1248, " AF"), type(1029, "KILOWATT"), choose(1273, "0")},
     {"UNIT" " AF  " "KILOW" "     " "    0"}},
    {"TitleKeepsLeadingBlanksAndEndsAtColumn78", 109,
     {type(1028, "   " + std::string(70, 'T') + "XYZ")}, {"TITL" "   " + std::string(70, 'T') + "X"}},
    {"CommentWithTwoAsterisks", 112, {choose(1306, "**"), type(1030, "  note")}, {"**  " "  note"}},
    {"CommentWithFourAsterisks", 112, {choose(1306, "****"), type(1030, "x")}, {"****" "x"}},
    {"CommentEndsAtColumn152", 112, {choose(1306, "COMM"), type(1030, std::string(150, 'C'))},
     {"COMM" + std::string(148, 'C')}},
    {"CdoutOfOneCharacterLeavesBlank", 144, {set(1183, "3NAT"), type(1114, "N"), choose(1115, "0")},
     {"3NAT" "    " "   0"}},
    {"CdoutTakesFirstTwoCharactersAfterBlanks", 144, {set(1183, "3REG"), type(1114, "  ABC")}, {"3REG" "  AB"}},
    {"BlankTargetOf2RELIsZero", 131, {choose(1084, "0")}, {"2REL" "   0" "    " "    " "    " "       0"}},
    {"TargetOf2RETTakesFirstEightCharacters", 204, {type(1266, "   123456789")}, {"2RET" "   12345"}},
    {"TargetOf2RETPicked", 204, {choose(1266, "-1")}, {"2RET" "      -1"}},
    {"CpLimitTakesFirstSixCharacters", 201, {type(1261, "  CP1234567")}, {"1CPT" "    " "        " "        " "  " "  CP12"}},
    {"LongIdentifierKeepsItsFirstCharacters", 121, {choose(1048, "1"), type(1049, "LONGNAME")},
     {"2SCP" "    " "   1" "  " "LONGNA"}},
    {"DecimalKeepsItsFirstCharacter", 142, {set(1181, "2NAT"), type(1112, "12")}, {"2NAT" "    " "    " "    " "    " " NUM" "   1"}},
    {"FrequencyOfWaterRightStorageUsesSixteenColumns", 138,
     {choose(1090, "5"), choose(1092, "2"), type(1094, "WATER-RIGHT-0001"), type(1095, "10\n20")},
     {"2FRQ" "   5" "    " "   2" "WATER-RIGHT-0001" "      10" "      20"}},
    {"FrequencyOfStorageAtAControlPointUsesSixColumns", 138,
     {choose(1090, "4"), choose(1092, "1"), type(1094, "CP1"), type(1095, "9")},
     {"2FRQ" "   4" "    " "   1" "  " "   CP1" "       9"}},
    {"FrequencyOfStorageAtAReservoirUsesSixColumns", 138,
     {choose(1090, "6"), choose(1092, "1"), type(1094, "RES1"), type(1095, "9")},
     {"2FRQ" "   6" "    " "   1" "  " "  RES1" "       9"}},
    {"FrequencyOfElevationUsesSixColumns", 138, {choose(1090, "7"), choose(1092, "1"), type(1094, "RES1"), type(1095, "1.5")},
     {"2FRQ" "   7" "    " "   1" "  " "  RES1" "     1.5"}},
    {"FrequencyOfInstreamShortageUsesSixteenColumns", 138,
     {choose(1090, "8"), choose(1092, "1"), type(1094, "IF1"), type(1095, "7")},
     {"2FRQ" "   8" "    " "   1" "             IF1" "       7"}},
    {"FrequencyWithBlankCountHasNoValues", 138, {choose(1090, "1"), type(1094, "CP1"), type(1095, "5")},
     {"2FRQ" "   1" "    " "    " "  " "   CP1"}},
};
INSTANTIATE_TEST_SUITE_P(FieldRules, BuilderEdgeCase, testing::ValuesIn(kFieldRules), case_name);

const RecordCase kIdenLayouts[] = {
    {"TypeAndCount", 223, {type(1346, "2"), type(1355, "5"), type(1360, "ignored")}, {"IDEN" "   2" "   5"}, 0},
    {"TypeAndCountBlankDefaults", 223, {}, {"IDEN" "   0" "   1"}, 0},
    {"ControlPoints", 223, {type(1346, "CP1"), type(1360, "CP3LONG")}, {"IDEN" "  " "   CP1" "        " "  " "CP3LON"}, 1},
    {"WaterRights", 223, {type(1346, "WR1"), type(1385, "WATER-RIGHT-00008")},
     {"IDEN" "             WR1" + std::string(96, ' ') + "WATER-RIGHT-0000"}, 2},
    {"WaterRightGroups", 223, {type(1346, "G1"), type(1355, "GROUP-TWO")}, {"IDEN" "      G1" "GROUP-TW"}, 3},
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

const RecordCase kOneLine = {"TITL", 109, {type(1028, "T")}, {"TITL" "T"}};
const RecordCase kSeriesPair = {"2NAT", 142, {set(1181, "2NAT"), choose(1107, "0"), choose(1109, "1"), type(1111, "CP1")},
                                {"2NAT" "    " "    " "    " "   0" "   1", "IDEN" "  " "   CP1"}};
const RecordCase kTwoReservoirLines = {"2RES", 140, {choose(1097, "1"), type(1099, "R"), type(1100, "9")},
                                       {"2RES" "    " "    " "   1" "       R", "2RES" "            " "       9"}};
const RecordCase kThreeReservoirLines = {
    "2RES", 140, {choose(1097, "1"), type(1099, "R"), type(1100, "9"), type(1102, "1")},
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
  dialog->set_text(1097, "-2");
  dialog->set_text(1099, "RES1\nRES2");
  dialog->set_text(1100, "10\n20\n30");
  dialog->set_text(1102, "1");
  const auto lines = build_record(*record_dialog(140), *dialog, 1);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], fit("2RES" "    " "    " "  -2", kLineLength));
  EXPECT_EQ(lines[1], fit("2RES" "            " "      10" "      20", kLineLength));
  EXPECT_EQ(lines[2], fit("2RES" "            " "       1" "        ", kLineLength));
}

TEST(RecordBuilder, IgnoresAControlThatIsNotTheDialogsAddButton) {
  ui::HeadlessUi ui;
  TinState tin;
  auto title = ui.make_dialog(109);
  auto frequencies = ui.make_dialog(136);
  ASSERT_TRUE(title && frequencies);
  RECORDBUILDER(tin, ui, *title, 1028, ui::Event::Click);
  RECORDBUILDER(tin, ui, *frequencies, 1392, ui::Event::Click);  // the XF box; 1392 adds in dialog 224
  EXPECT_EQ(tin.records.count(), 0);
  RECORDBUILDER(tin, ui, *title, 1133, ui::Event::Click);
  EXPECT_EQ(tin.records.count(), 1);
}

}  // namespace
}  // namespace tarnex::tin::test
