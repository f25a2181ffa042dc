// Records taken apart into their dialogs by Edit: which entry each option's
// columns select and what is said beside it, the texts and lists, and the
// IDEN layout.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/edited_record.h"
#include "tin/catalogue/option_fields.h"
#include "tin/catalogue/record_setup.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::tin::test {
namespace {

// The dialog Edit opens for the record on `lines`, set up but not yet run.
struct Filled {
  explicit Filled(std::vector<std::string> lines) : lines(std::move(lines)) {
    const auto* record = dialog_to_edit(this->lines.front());
    if (!record) throw std::logic_error("no dialog for " + this->lines.front());
    dialog = ui.make_dialog(record->dialog);
    for (auto& line : this->lines) line = fit(line, 256);
    set_up_for_edit(tin, *dialog, this->lines, [](ui::Dialog&, int, ui::Event) {});
  }
  std::string text(int control) const { return dialog->text(control); }
  ui::HeadlessDialog& user() { return static_cast<ui::HeadlessDialog&>(*dialog); }

  std::vector<std::string> lines;
  ui::HeadlessUi ui;
  TinState tin;
  std::unique_ptr<ui::Dialog> dialog;
};

// A control of the dialog filled from `line`, and what it shows: a list's
// chosen entry ("" when none is chosen) or an edit's text.
struct Shown {
  std::string name;
  std::string line;
  int control;
  std::string text;
};

void PrintTo(const Shown& s, std::ostream* os) { *os << s.name; }

std::string shown_name(const testing::TestParamInfo<Shown>& info) { return info.param.name; }

class EditFill : public testing::TestWithParam<Shown> {};

TEST_P(EditFill, ShowsTheRecordsColumns) {
  const auto& s = GetParam();
  Filled filled({s.line});
  EXPECT_EQ(filled.text(s.control), s.text);
}

INSTANTIATE_TEST_SUITE_P(File, EditFill, testing::Values(
    Shown{"OutputFormZero", "FILE   0", ids::record_file::kOutForm, "0"},
    Shown{"OutputFormAboveOneIsOne", "FILE   7", ids::record_file::kOutForm, "1"},
    Shown{"OutputFormOneSaysBinary", "FILE   7", ids::record_file::kOutFormDescription,
          "Binary machine language version of OUT or CRM file"},
    Shown{"DssLevelBlankIsTwo", "FILE", ids::record_file::kDssMes, "2"},
    Shown{"DssLevelZeroIsTwo", "FILE       0", ids::record_file::kDssMes, "2"},
    Shown{"DssLevelZeroSaysMessages", "FILE       0", ids::record_file::kDssMesDescription,
          "Error or warning messages if DSS problems occur"},
    Shown{"DssLevelUnknownIsTwo", "FILE       5", ids::record_file::kDssMes, "2"},
    Shown{"DssLevelUnknownSaysMessage", "FILE       5", ids::record_file::kDssMesDescription,
          "Error or warning message if DSS problems occur"},
    Shown{"DssMonth", "FILE         JUN", ids::record_file::kDssMon, "JUN"},
    Shown{"DssMonthUnknownIsJanuary", "FILE         XYZ", ids::record_file::kDssMon, "JAN"}), shown_name);

INSTANTIATE_TEST_SUITE_P(UnitAndType1, EditFill, testing::Values(
    Shown{"UnitAsTyped", "UNIT CFS KW    DEC  -10", ids::record_unit::kUnit, " CFS "},
    Shown{"FirstMonth", "UNIT CFS KW    DEC  -10", ids::record_unit::kMonth1, "DEC"},
    Shown{"NegativePageOptionIsMinusOne", "UNIT CFS KW    DEC  -10", ids::record_unit::kNewPage, "-1"},
    Shown{"NegativePageOptionSaysNoBreaks", "UNIT CFS KW    DEC  -10", ids::record_unit::kNewPageDescription,
          "No page breaks"},
    Shown{"ListingInColumnEight", "1CPT   5", ids::record_1cpt::kKk, "5"},
    Shown{"ListingUnknownIsZero", "1CPT   X", ids::record_1cpt::kKk, "0"},
    Shown{"OrderOutsideTheListIsOne", "1CPT          7", ids::record_1cpt::kOo, "1"},
    Shown{"NegativeLimitIsMinusOne", "1CPT                  -3", ids::record_1cpt::kLim, "-1"},
    Shown{"NegativeLimitSaysListOnly", "1CPT                  -3", ids::record_1cpt::kLimDescription,
          "List only control points with INMETHOD=0 or 1"},
    Shown{"RecordsAnyDigitListsAllBut", "1REC   7", ids::record_1rec::kKk, "1"},
    Shown{"RecordsAnyDigitSaysAllBut", "1REC   7", ids::record_1rec::kKkDescription,
          "list all records except those specified"},
    Shown{"SummaryFour", "1SUM   4", ids::record_1sum::kKk, "4"},
    Shown{"SummaryUnknownIsZero", "1SUM   9", ids::record_1sum::kKk, "0"},
    Shown{"SummaryUnknownSaysTotals", "1SUM   9", ids::record_1sum::kKkDescription, "summary by cp with only totals"},
    Shown{"SummaryZeroSaysTotalsPrinted", "1SUM   0", ids::record_1sum::kKkDescription,
          "summary by cp with only totals printed"}), shown_name);

INSTANTIATE_TEST_SUITE_P(Summaries, EditFill, testing::Values(
    Shown{"TableTypeInColumnEight", "2SCP   2", ids::record_2scp::kMnan, "2"},
    Shown{"TableTypeUnknownIsAnnual", "2SCP   7", ids::record_2scp::kMnan, "0"},
    Shown{"CountThreeSaysToFollow", "2SCP   0   3     CP1     CP2     CP3", ids::record_2scp::kNumDescription,
          "develop tables for control points to follow"},
    Shown{"CountThreeIdentifiers", "2SCP   0   3     CP1     CP2     CP3     CP4", ids::record_2scp::kIden,
          "CP1\r\nCP2\r\nCP3"},
    Shown{"BlankCountIsEight", "2SCP   1         CP1     CP2     CP3     CP4     CP5     CP6     CP7     CP8   CP9",
          ids::record_2scp::kNum, "8"},
    Shown{"BlankCountReadsEightIdentifiers",
          "2SCP   1         CP1     CP2     CP3     CP4     CP5     CP6     CP7     CP8   CP9", ids::record_2scp::kIden,
          "CP1\r\nCP2\r\nCP3\r\nCP4\r\nCP5\r\nCP6\r\nCP7\r\nCP8"},
    Shown{"CountZeroSaysAll", "2SCP   0   0", ids::record_2scp::kNumDescription,
          "develop tables for all control points"},
    Shown{"GroupCountZeroIsOne", "2SGP   0   0", ids::record_2sgp::kNum, "1"},
    Shown{"WaterRights", "2SWR   1   2 WR-ALPHA-000001               B", ids::record_2swr::kIden,
          "WR-ALPHA-000001\r\nB"},
    Shown{"BasinTableTypeUnknownLeavesTheList", "2SBA   X", ids::record_2sba::kMnan, ""}), shown_name);

INSTANTIATE_TEST_SUITE_P(Reliability, EditFill, testing::Values(
    Shown{"MonthSevenSaysTheMonth", "2REL   7", ids::record_2rel::kMonDescription,
          "The month for which the analysis is performed"},
    Shown{"MonthAboveTwelveIsAll", "2REL  13", ids::record_2rel::kMon, "0"},
    Shown{"IdentifierTypeUnknownIsZero", "2REL   0   0   9", ids::record_2rel::kId, "0"},
    Shown{"CountLimitedToMinusEight", "2REL   0   0   0 -20", ids::record_2rel::kNum, "-8"},
    Shown{"TargetAsItStands", "2REL   0   0   0   0   1500.", ids::record_2rel::kTar, "   1500."},
    Shown{"TargetFromMor", "2REL   0   0   0   0      -1", ids::record_2rel::kTarDescription,
          "adopt total of targets from MOR output file"},
    Shown{"SupplementFromMor", "2RET      -1", ids::record_2ret::kTar, "-1"},
    Shown{"SupplementFromMorSays", "2RET      -1", ids::record_2ret::kTarDescription,
          "adopt target from QARN-MOR output file"},
    Shown{"SupplementTargetSays", "2RET  2500.5", ids::record_2ret::kTarDescription,
          "enter annual diversion or hydropower target"}), shown_name);

INSTANTIATE_TEST_SUITE_P(Frequencies, EditFill, testing::Values(
    Shown{"VariableZeroIsOne", "2FRE   0", ids::record_2fre::kVariable, "1"},
    Shown{"VariableMinusSixSaysTotals", "2FRE  -6", ids::record_2fre::kVariableDescription,
          "reservoir storage with only totals included in table"},
    Shown{"BlankCountIsEight", "2FRE   1   0", ids::record_2fre::kNum, "8"},
    Shown{"TableAboveTwoIsTwo", "2FRE   1   0   0   5", ids::record_2fre::kTable, "2"},
    Shown{"NegativeMovingIsNone", "2FRE   1   0   0   1   1  -3", ids::record_2fre::kMat, "0"},
    Shown{"FrqVariableOutsideIsOne", "2FRQ   9", ids::record_2frq::kVariable, "1"},
    Shown{"FrqCountZeroIsSeven", "2FRQ   1   0   0", ids::record_2frq::kNm, "7"},
    Shown{"FrqSixCharacterIdentifier", "2FRQ   2   5   3     CP1     100   2500.      30", ids::record_2frq::kIden,
          "   CP1"},
    Shown{"FrqValues", "2FRQ   2   5   3     CP1     100   2500.      30      40", ids::record_2frq::kQf,
          "100\r\n2500.\r\n30"},
    Shown{"FrqSixteenCharacterIdentifier", "2FRQ   5   0   1 WR-ALPHA-0000011234.5", ids::record_2frq::kIden,
          " WR-ALPHA-000001"},
    Shown{"FrqSixteenCharacterRow", "2FRQ   5   0   1 WR-ALPHA-0000011234.5", ids::record_2frq::kIdenColumns,
          "17 - 32"}), shown_name);

INSTANTIATE_TEST_SUITE_P(Reservoirs, EditFill, testing::Values(
    Shown{"TableOutsideIsZero", "2RES   9   0   1", ids::record_2res::kTable, "0"},
    Shown{"MonthFourSays", "2RES   0   4   1", ids::record_2res::kMonthDescription,
          "The month for which the analysis is performed"},
    Shown{"CountAboveTwentyIsTwenty", "2RES   0   0  25", ids::record_2res::kNum, "20"},
    Shown{"CountNotANumberIsTwenty", "2RES   0   0 ABC", ids::record_2res::kNum, "20"},
    Shown{"Reservoirs", "2RES   0   0   2    RES1    RES2    RES3", ids::record_2res::kIden, "RES1\r\nRES2"}),
                         shown_name);

INSTANTIATE_TEST_SUITE_P(Type3AndType4, EditFill, testing::Values(
    Shown{"GroupedByYear", "3NAT  NA   1    1.25", ids::record_type3::kHec, "1"},
    Shown{"GroupingUnknownIsByControlPoint", "3NAT  NA   7", ids::record_type3::kHec, "0"},
    Shown{"ReleaseCountBlankIsFive", "4SWR   1", ids::record_4swr::kNum, "5"},
    Shown{"ReleaseCountOutsideIsOne", "4SGP   1   9", ids::record_4sgp::kNum, "1"},
    Shown{"ReleaseTableTypeUnknownLeavesTheList", "4SWR   7   1", ids::record_4swr::kMnan, ""},
    Shown{"ReleaseRights", "4SWR   1   2             WR7WR-LONGER-NAME-1", ids::record_4swr::kIden,
          "WR7\r\nWR-LONGER-NAME-1"},
    Shown{"LoopVariableLimitedToTwo", "4ZZF   5", ids::record_4zzf::kVar, "2"},
    Shown{"LoopCountLimitedToMinusEight", "4ZZF   0   0  -9", ids::record_4zzf::kNum, "-8"},
    Shown{"FlowsVariableOutsideIsZero", "4ZZZ   0   0   0   7", ids::record_4zzz::kVar, "0"},
    Shown{"FlowsCountOutsideIsTheFirst", "4ZZZ   0   0   0   0   9", ids::record_4zzz::kNum, "-8"},
    Shown{"FlowsRight", "4ZZZ   1   4   0   1   3           BEGIN", ids::record_4zzz::kRight, "           BEGIN"}),
                         shown_name);

INSTANTIATE_TEST_SUITE_P(Budget, EditFill, testing::Values(
    Shown{"ControlPoint", "2BUD     CP2   0   0", ids::record_2bud::kCpBud, "CP2"},
    Shown{"FirstYearZeroSaysMor", "2BUD     CP2   0   0", ids::record_2bud::kYrFirstDescription,
          "First year of MOR simulation is adopted"},
    Shown{"FirstYearSaysBudget", "2BUD        1950", ids::record_2bud::kYrFirstDescription,
          "First year of water budget computations"},
    Shown{"SequenceMinusOneIsZero", "2BUD                  -1", ids::record_2bud::kIcpi, "0"},
    Shown{"SequenceUnknownIsOne", "2BUD                   7", ids::record_2bud::kIcpi, "1"},
    Shown{"StorageUnknownIsTwo", "2BUD                       7", ids::record_2bud::kBegSto, "2"},
    Shown{"InflowsUnknownIsThree", "2BUD                           9", ids::record_2bud::kNegInf, "3"},
    Shown{"BasinBlankIsOne", "2BUD", ids::record_2bud::kBasin, "1"},
    Shown{"BasinUnknownIsTwo", "2BUD                                   5", ids::record_2bud::kBasin, "2"}), shown_name);

INSTANTIATE_TEST_SUITE_P(TimeSeries, EditFill, testing::Values(
    Shown{"Identifier", "2NAT", ids::record_series::kCd, "2NAT"},
    Shown{"AnnualTableUnknownIsZero", "2NAT   7", ids::record_series::kTa, "0"},
    Shown{"PlotTableUnknownLeavesTheList", "2NAT   0   9", ids::record_series::kPt, ""},
    Shown{"IdentifierTypeUnknownIsZero", "2NAT   0   0   0   7", ids::record_series::kId, "0"},
    Shown{"CountLimitedToMinusEight", "2NAT   0   0   0   0  -9", ids::record_series::kNum, "-8"},
    Shown{"NegativeCountSaysPrevious", "2NAT   0   0   0   0  -2", ids::record_series::kNumDescription,
          "table includes ABS(NUM) of type ID's of previous record"},
    Shown{"NegativeCountBlanksTheIdenColumns", "2NAT   0   0   0   0  -2", ids::record_series::kIdenColumns, " "},
    Shown{"BlankDecimalsShowABlank", "2NAT   0   0   0   0   0", ids::record_series::kDecimal, " "},
    Shown{"MovingAboveTwoIsTwo", "2NAT   0   0   0   0   0       5", ids::record_series::kMat, "2"},
    Shown{"TimeSays", "2NAT   0   0   0   0   0         12", ids::record_series::kTimeDescription,
          "number of months for moving averages or totals"},
    Shown{"MultiplierZeroSaysDefault", "2NAT   0   0   0   0   0               0", ids::record_series::kXfDescription,
          "default multiplier factor = 1.0"},
    Shown{"MultiplierSays", "2NAT   0   0   0   0   0                 1.5", ids::record_series::kXfDescription,
          "multiplier factor"}), shown_name);

// The factors are described by the number Edit reads from their columns,
// however it is written: any zero is the default, blank and text that is no
// number included, since the model programs read them so. Typed afterwards,
// the same text is described as the user types it.
TEST(EditFill, SeriesFactorsAreDescribedByTheNumberRead) {
  constexpr std::string_view kDefaultMultiplier = "default multiplier factor = 1.0";
  constexpr std::string_view kDefaultAddition = "default addition factor = 0.0";
  struct Spelling {
    std::string columns;  // XF's columns 37-44, AF's 45-52
    std::string_view multiplier;
    std::string_view addition;
  };
  const Spelling spellings[] = {
      {"       0", kDefaultMultiplier, kDefaultAddition},
      {"      0.", kDefaultMultiplier, kDefaultAddition},
      {"     0.0", kDefaultMultiplier, kDefaultAddition},
      {"    0.00", kDefaultMultiplier, kDefaultAddition},
      {"      .0", kDefaultMultiplier, kDefaultAddition},
      {"      00", kDefaultMultiplier, kDefaultAddition},
      {"     -0.", kDefaultMultiplier, kDefaultAddition},
      {"   0.0E3", kDefaultMultiplier, kDefaultAddition},
      {"0.00    ", kDefaultMultiplier, kDefaultAddition},
      {"        ", kDefaultMultiplier, kDefaultAddition},
      {"     abc", kDefaultMultiplier, kDefaultAddition},
      {"     1.5", "multiplier factor", "addition factor"},
      {"      1.", "multiplier factor", "addition factor"},
      {"     -2.", "multiplier factor", "addition factor"},
      {"    .001", "multiplier factor", "addition factor"},
      {"     1E2", "multiplier factor", "addition factor"},
  };
  const std::string options = "2NAT   0   0   0   0   0   0   0    ";
  for (const auto& s : spellings) {
    Filled filled({options + s.columns + s.columns});
    EXPECT_EQ(filled.text(ids::record_series::kXfDescription), s.multiplier) << '"' << s.columns << '"';
    EXPECT_EQ(filled.text(ids::record_series::kAfDescription), s.addition) << '"' << s.columns << '"';
  }

  Filled filled({options + "    0.00    0.00"});
  filled.user().user_type(ids::record_series::kXf, "0.00");
  EXPECT_EQ(filled.text(ids::record_series::kXfDescription), "multiplier factor");
  filled.user().user_type(ids::record_series::kAf, "0.");
  EXPECT_EQ(filled.text(ids::record_series::kAfDescription), kDefaultAddition);
}

// Comments: the identifier picks the entry, columns 5-152 the text.
INSTANTIATE_TEST_SUITE_P(Comments, EditFill, testing::Values(
    Shown{"TwoStarsAfterBlanks", "  ** text", ids::record_comm::kCd, "**"},
    Shown{"TwoStarsBeforeBlanks", "**   text", ids::record_comm::kCd, "**"},
    Shown{"CommentText", "  ** text", ids::record_comm::kComments, " text" + std::string(143, ' ')}), shown_name);

TEST(EditFill, TitleShowsColumnsFiveToSeventyEightWithTheirBlanks) {
  Filled filled({"TITL  DEMO BASIN" + std::string(100, 'x')});
  EXPECT_EQ(filled.text(ids::record_titl::kTitle), "  DEMO BASIN" + std::string(62, 'x'));
  EXPECT_EQ(filled.user().text_limit(ids::record_titl::kTitle), 74);
}

struct Limit {
  std::string line;
  int control;
  int limit;
};

void PrintTo(const Limit& l, std::ostream* os) { *os << l.line.substr(0, 4) << "/" << l.control; }

class EditTextLimit : public testing::TestWithParam<Limit> {};

TEST_P(EditTextLimit, IsTheFieldsWidth) {
  Filled filled({GetParam().line});
  EXPECT_EQ(filled.user().text_limit(GetParam().control), GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(TextFields, EditTextLimit, testing::Values(
    Limit{"COMM", ids::record_comm::kComments, 148},
    Limit{"UNIT", ids::record_unit::kUnit, 5},
    Limit{"UNIT", ids::record_unit::kUnhp, 5},
    Limit{"3NAT", ids::record_type3::kCdOut, 2},
    Limit{"3NAT", ids::record_type3::kInFac, 8},
    Limit{"2REL", ids::record_2rel::kTar, 8}));

TEST(EditFill, AddButtonReadsOk) {
  Filled filled({"2SCP   0   0"});
  EXPECT_EQ(filled.text(ids::record_2scp::kAdd), "OK");
}

TEST(EditFill, SharedDialogShowsTheRecordType) {
  Filled filled({"3U+D  UD"});
  EXPECT_EQ(filled.dialog->caption(), "3U+D record - Unappropriated Flows plus Streamflow Depletions");
  EXPECT_EQ(filled.text(ids::record_type3::kCd), "3U+D");
}

// The storage lines of a 2RES record fill their lists too: without them OK
// would drop the record's storages.
TEST(EditFill, ReservoirStoragesComeFromTheSecondAndThirdLines) {
  Filled filled({"2RES   0   0   2      R1      R2", "2RES               50000     600",
                 "2RES" + std::string(20, ' ') + "       5"});
  EXPECT_EQ(filled.text(ids::record_2res::kC1), "50000\r\n600");
  EXPECT_EQ(filled.text(ids::record_2res::kC2), "\r\n5");
}

struct Follow {
  std::string name;
  std::string line;
  std::string iden;
  std::string identifiers;
  std::string columns;
  std::string variable;
};

void PrintTo(const Follow& f, std::ostream* os) { *os << f.name; }

class SeriesIdentifiers : public testing::TestWithParam<Follow> {};

TEST_P(SeriesIdentifiers, ComeFromTheIdenLineInTheFieldsOfTheirType) {
  const auto& f = GetParam();
  Filled filled({f.line, f.iden});
  EXPECT_EQ(filled.text(ids::record_series::kIden), f.identifiers);
  EXPECT_EQ(filled.text(ids::record_series::kNumDescription), "number of identifiers to follow");
  EXPECT_EQ(filled.text(ids::record_series::kIdenColumns), f.columns);
  EXPECT_EQ(filled.text(ids::record_series::kIdenVariable), f.variable);
}

INSTANTIATE_TEST_SUITE_P(ByType, SeriesIdentifiers, testing::Values(
    Follow{"ControlPoints", "2NAT   0   0   0   0   2", "IDEN     CP1     CP2     CP3", "CP1\r\nCP2", "25 - 88",
           "IDEN"},
    Follow{"WaterRights", "2DIV   0   0   0   1   2", "IDEN WR-ALPHA-000001             WR2",
           "WR-ALPHA-000001\r\nWR2", "25 - 152", "IDEN16"},
    Follow{"Reservoirs", "2EPD   0   0   0   2   1", "IDEN    RES1", "RES1", "25 - 88", "IDEN"},
    Follow{"Groups", "2SHT   0   0   0   3   2", "IDENGROUP001      G2", "GROUP001\r\nG2", "25 - 88", "IDEN8"}));

TEST(SeriesIdentifiers, AreNotReadWithoutACount) {
  Filled filled({"2NAT   0   0   0   0   0", "IDEN     CP1"});
  EXPECT_EQ(filled.text(ids::record_series::kIden), "");
  EXPECT_EQ(filled.text(ids::record_series::kNumDescription), "include all of type ID's in table");
}

struct Layout {
  std::string name;
  std::string line;
  int layout;
  std::vector<std::string> values;  // the first three value boxes
};

void PrintTo(const Layout& l, std::ostream* os) { *os << l.name; }

class IdenLayout : public testing::TestWithParam<Layout> {};

TEST_P(IdenLayout, IsFoundAndCutsTheRecordIntoTheValueBoxes) {
  const auto& l = GetParam();
  Filled filled({l.line});
  EXPECT_EQ(filled.tin.IDEN_LAYOUT, l.layout);
  EXPECT_TRUE(filled.dialog->checked(ids::record_iden::kLayoutTypeAndNumber + l.layout));
  EXPECT_EQ(filled.tin.IDEN_TEXT, fit(l.line.substr(4), 252));
  const int boxes[] = {ids::record_iden::kValue1, ids::record_iden::kValue2, ids::record_iden::kValue3};
  for (std::size_t k = 0; k < l.values.size(); ++k) EXPECT_EQ(filled.text(boxes[k]), l.values[k]) << k;
}

INSTANTIATE_TEST_SUITE_P(Layouts, IdenLayout, testing::Values(
    Layout{"TypeAndCount", "IDEN   2   5", 0, {"   2", "   5", " "}},
    Layout{"ControlPoints", "IDEN     CP1     CP2", 1, {"     CP1", "     CP2", "        "}},
    Layout{"WaterRights", "IDEN WR-ALPHA-000001 WR-BETA-0000002", 2, {" WR-ALPHA-000001", " WR-BETA-0000002"}},
    Layout{"Groups", "IDEN GROUP01 GROUP02", 3, {" GROUP01", " GROUP02"}},
    // Guessed as control points, but an eight-character identifier would
    // lose its first two characters there: water right groups keep it.
    Layout{"GroupThatLooksLikeControlPoints", "IDENGROUP001      G2", 3, {"GROUP001", "      G2"}}));

TEST(IdenLayout, ButtonsReCutTheRecordWhenEdited) {
  Filled filled({"IDEN     CP1     CP2"});
  filled.user().user_click(ids::record_iden::kLayoutWaterRights);
  EXPECT_EQ(filled.tin.IDEN_LAYOUT, 2);
  EXPECT_EQ(filled.text(ids::record_iden::kValue1), "     CP1     CP2");
  EXPECT_EQ(filled.text(ids::record_iden::kVariable1), "IDEN16(1)");
}

// Every pick-only list of every record dialog is read back by a row of the
// table, and the rows of one dialog stand together.
TEST(OptionFieldTable, ReadsEveryDropListOnce) {
  std::size_t lists = 0;
  for (const auto& record : record_dialogs()) {
    const auto rows = option_fields_of(record.dialog);
    for (const auto& field : record.fields) {
      if (field.kind != Kind::kDropList) continue;
      ++lists;
      EXPECT_EQ(std::ranges::count(rows, field.control, &OptionField::control), 1)
          << record.dialog << "/" << field.control;
    }
  }
  EXPECT_EQ(option_fields().size(), lists);
}

}  // namespace
}  // namespace tarnex::tin::test
