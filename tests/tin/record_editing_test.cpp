// Edit on a line of the record list: which dialog opens, where the rebuilt
// record goes, which line is selected after, and what stays unchanged.

#include <ostream>

#include "editing_script.h"
#include "resources/dialog_ids.h"

namespace tarnex::tin::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kReservoirHead = "2RES   0   0   2      R1      R2";
const std::string kStorage = "2RES               50000     600";
const std::string kInactive = "2RES                  10      20";

// A time series as its dialog writes it: TA and NUM as given, the other
// options as they start, no decimals and no moving months.
std::string series(const std::string& ta, const std::string& num) {
  return "2NAT   " + ta + "   0   0   0  " + num + "       0           0       0";
}

TEST(Edit, TitleIsReplacedInPlace) {
  Editing editing;
  editing.load({"TITL first", "TITL  second", "ENDF"});
  const auto selection = editing.edit(2, ids::record_titl::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text(ids::record_titl::kTitle).substr(0, 8), "  second");
    EXPECT_EQ(d.text(ids::record_titl::kAdd), "OK");
    d.user_type(ids::record_titl::kTitle, "  SECOND TITLE");
    d.user_click(ids::record_titl::kAdd);
  });
  EXPECT_EQ(selection, 2);
  EXPECT_EQ(editing.lines(), (Lines{"TITL first", "TITL  SECOND TITLE", "ENDF"}));
}

TEST(Edit, CommentAfterBlanksOpensWithTwoStars) {
  Editing editing;
  editing.load({"  ** a note"});
  editing.edit(1, ids::record_comm::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text(ids::record_comm::kCd), "**");
    EXPECT_EQ(without_trailing_blanks(d.text(ids::record_comm::kComments)), " a note");
    d.user_click(ids::record_comm::kAdd);
  });
  EXPECT_EQ(editing.lines(), (Lines{"**   a note"}));
}

TEST(Edit, CancelLeavesTheList) {
  Editing editing;
  editing.load({"TITL first", "2SCP   0   2     CP1     CP2", "ENDF"});
  const auto selection = editing.edit(2, ids::record_2scp::kDialog, [](ui::HeadlessDialog& d) {
    d.user_choose(ids::record_2scp::kNum, "0");
    d.user_click(ui::kCancel);
  });
  EXPECT_EQ(selection, 2);
  EXPECT_EQ(editing.lines(), (Lines{"TITL first", "2SCP   0   2     CP1     CP2", "ENDF"}));
  EXPECT_TRUE(editing.ui.message_boxes().empty());
}

TEST(Edit, SummaryIdentifiersChangeInPlace) {
  Editing editing;
  editing.load({"2SCP   0   3     CP1     CP2     CP3", "ENDF"});
  editing.edit(1, ids::record_2scp::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_EQ(d.text(ids::record_2scp::kNum), "3");
    EXPECT_EQ(d.text(ids::record_2scp::kIden), "CP1\r\nCP2\r\nCP3");
    d.user_choose(ids::record_2scp::kNum, "2");
    d.user_type(ids::record_2scp::kIden, "CP1\nCP9");
    d.user_click(ids::record_2scp::kAdd);
  });
  EXPECT_EQ(editing.lines(), (Lines{"2SCP   0   2     CP1     CP9", "ENDF"}));
}

// Where the rebuilt lines of a multi-line record go, and which line is
// selected after.
struct Placement {
  std::string name;
  Lines list;
  int selected;
  int dialog;
  std::vector<Step> steps;
  int ok;
  Lines expected;
  int selection;
};

void PrintTo(const Placement& p, std::ostream* os) { *os << p.name; }

class EditPlacement : public testing::TestWithParam<Placement> {};

TEST_P(EditPlacement, PutsTheRebuiltLinesWhereTheOldStood) {
  const auto& p = GetParam();
  Editing editing;
  editing.load(p.list);
  const auto selection = editing.edit(p.selected, p.dialog, [&p](ui::HeadlessDialog& d) {
    play(d, p.steps);
    d.user_click(p.ok);
  });
  EXPECT_EQ(editing.lines(), p.expected);
  EXPECT_EQ(selection, p.selection);
}

INSTANTIATE_TEST_SUITE_P(Reservoirs, EditPlacement, testing::Values(
    Placement{"TwoLinesBecomeThree", {"A", kReservoirHead, kStorage, "B"}, 2, ids::record_2res::kDialog,
              {type(ids::record_2res::kC2, "10\n20")}, ids::record_2res::kAdd,
              {"A", kReservoirHead, kStorage, kInactive, "B"}, 4},
    Placement{"TwoLinesBecomeThreeFromTheSecond", {"A", kReservoirHead, kStorage, "B"}, 3, ids::record_2res::kDialog,
              {type(ids::record_2res::kC2, "10\n20")}, ids::record_2res::kAdd,
              {"A", kReservoirHead, kStorage, kInactive, "B"}, 4},
    Placement{"ThreeLinesBecomeTwo", {"A", kReservoirHead, kStorage, kInactive, "B"}, 4, ids::record_2res::kDialog,
              {type(ids::record_2res::kC2, "")}, ids::record_2res::kAdd, {"A", kReservoirHead, kStorage, "B"}, 3},
    Placement{"ThreeLinesStayThree", {"A", kReservoirHead, kStorage, kInactive, "B"}, 2, ids::record_2res::kDialog,
              {type(ids::record_2res::kIden, "X1\nR2")}, ids::record_2res::kAdd,
              {"A", "2RES   0   0   2      X1      R2", kStorage, kInactive, "B"}, 4},
    Placement{"TwoLinesStayTwo", {kReservoirHead, kStorage}, 1, ids::record_2res::kDialog,
              {choose(ids::record_2res::kTable, "3")},
              ids::record_2res::kAdd, {"2RES   3   0   2      R1      R2", kStorage}, 2}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(TimeSeries, EditPlacement, testing::Values(
    Placement{"GainsItsIdenLine", {"A", series("0", " 0"), "B"}, 2, ids::record_series::kDialog,
              {choose(ids::record_series::kNum, "2"), type(ids::record_series::kIden, "CP1\nCP2")},
              ids::record_series::kAdd,
              {"A", series("0", " 2"), "IDEN     CP1     CP2", "B"}, 2},
    Placement{"LosesItsIdenLine", {"A", series("0", " 2"), "IDEN     CP1     CP2", "B"}, 2, ids::record_series::kDialog,
              {choose(ids::record_series::kNum, "-2")}, ids::record_series::kAdd, {"A", series("0", "-2"), "B"}, 2},
    Placement{"KeepsItsIdenLine", {"A", series("0", " 2"), "IDEN     CP1     CP2", "B"}, 2, ids::record_series::kDialog,
              {type(ids::record_series::kIden, "CP1\nCP3")}, ids::record_series::kAdd,
              {"A", series("0", " 2"), "IDEN     CP1     CP3", "B"}, 2},
    Placement{"WithoutIdenLineStaysSo", {"A", series("0", " 0"), "B"}, 2, ids::record_series::kDialog,
              {choose(ids::record_series::kTa, "1")}, ids::record_series::kAdd, {"A", series("1", " 0"), "B"}, 2},
    // An IDEN line after a time series that lists no identifiers is an IDEN
    // record of its own: editing the series leaves it where it is.
    Placement{"LeavesAnIdenRecordOfItsOwn", {"A", series("0", " 0"), "IDEN   0   3", "B"}, 2,
              ids::record_series::kDialog, {choose(ids::record_series::kTa, "1")}, ids::record_series::kAdd,
              {"A", series("1", " 0"), "IDEN   0   3", "B"}, 2},
    Placement{"GainsAnIdenLineBeforeAnIdenRecord", {"A", series("0", " 0"), "IDEN   0   3"}, 2,
              ids::record_series::kDialog,
              {choose(ids::record_series::kNum, "1"), type(ids::record_series::kIden, "CP1")}, ids::record_series::kAdd,
              {"A", series("0", " 1"), "IDEN     CP1", "IDEN   0   3"}, 2}),
    [](const auto& info) { return info.param.name; });

// A 2RES line of no group is a storage line whose first line is missing:
// its values show as storages, and the rebuilt record takes its place with
// the first line it lacked. Nothing around it moves away or goes.
INSTANTIATE_TEST_SUITE_P(LoneReservoirLines, EditPlacement, testing::Values(
    Placement{"StorageLineGetsItsFirstLine", {"A", kStorage, "B"}, 2, ids::record_2res::kDialog, {},
              ids::record_2res::kAdd,
              {"A", "2RES   0   0  20", kStorage, "B"}, 3},
    Placement{"StorageLineWithReservoirs", {"A", kStorage, "B"}, 2, ids::record_2res::kDialog,
              {choose(ids::record_2res::kNum, "2"), type(ids::record_2res::kIden, "R1\nR2")}, ids::record_2res::kAdd,
              {"A", kReservoirHead, kStorage, "B"}, 3},
    // The line after a 2RES head belongs to its group only when it is a
    // storage line: a record of another type stays.
    Placement{"HeadBeforeAnotherRecord", {"A", kReservoirHead, "TITL after"}, 2, ids::record_2res::kDialog,
              {type(ids::record_2res::kC1, "1\n2")}, ids::record_2res::kAdd,
              {"A", kReservoirHead, "2RES                   1       2", "TITL after"}, 3},
    Placement{"HeadAsTheLastLine", {"A", kReservoirHead}, 2, ids::record_2res::kDialog,
              {type(ids::record_2res::kC1, "1\n2")}, ids::record_2res::kAdd,
              {"A", kReservoirHead, "2RES                   1       2"}, 3}),
    [](const auto& info) { return info.param.name; });

// Broken groups: Edit then OK with nothing changed takes only the lines of
// the selected record, and a record rebuilt without its third line keeps one
// with no values where a storage line follows, which would otherwise become
// its third line.
INSTANTIATE_TEST_SUITE_P(BrokenReservoirGroups, EditPlacement, testing::Values(
    Placement{"GroupAfterAHeadWithoutStorageLine",
              {"TITL t", "2RES   1   0   1    RES1", "2RES   1   0   1    RES2", "2RES               60000", "ENDF"},
              4, ids::record_2res::kDialog, {}, ids::record_2res::kAdd,
              {"TITL t", "2RES   1   0   1    RES1", "2RES   1   0   1    RES2", "2RES               60000", "ENDF"},
              4},
    Placement{"TwoStorageLinesGetTheirFirstLine", {"2RES", "2RES"}, 1, ids::record_2res::kDialog, {}, ids::record_2res::kAdd,
              {"2RES   0   0  20", "2RES"}, 2},
    Placement{"BlankThirdLineBeforeAStorageLineStays", {kReservoirHead, kStorage, "2RES", kStorage}, 1,
              ids::record_2res::kDialog, {}, ids::record_2res::kAdd, {kReservoirHead, kStorage, "2RES", kStorage}, 3},
    Placement{"ClearedThirdLineBeforeAStorageLineStaysEmpty", {kReservoirHead, kStorage, kInactive, kStorage}, 2,
              ids::record_2res::kDialog, {type(1102, "")}, ids::record_2res::kAdd, {kReservoirHead, kStorage, "2RES", kStorage}, 3}),
    [](const auto& info) { return info.param.name; });

struct NoDialog {
  std::string name;
  std::string line;
};

void PrintTo(const NoDialog& n, std::ostream* os) { *os << n.name; }

class EditOpensNothing : public testing::TestWithParam<NoDialog> {};

TEST_P(EditOpensNothing, ForARecordWithNothingToEdit) {
  Editing editing;
  editing.load({"TITL", GetParam().line, "ENDF"});
  EXPECT_EQ(edit_record(editing.tin, editing.ui, 2), std::nullopt);
  EXPECT_TRUE(editing.ui.dialogs_run().empty());
  EXPECT_EQ(editing.lines(), (Lines{"TITL", without_trailing_blanks(GetParam().line), "ENDF"}));
}

INSTANTIATE_TEST_SUITE_P(Types, EditOpensNothing, testing::Values(
    NoDialog{"Page", "PAGE"}, NoDialog{"End", "ENDF"}, NoDialog{"Test", "TEST"}, NoDialog{"SortedRights", "1LEN"},
    NoDialog{"Unknown", "XXXX   1"}, NoDialog{"LowerCase", "titl a title"}, NoDialog{"Blank", ""},
    NoDialog{"StarsWithText", "**a note"}),
    [](const auto& info) { return info.param.name; });

TEST(EditOpensNothing, WithoutASelection) {
  Editing editing;
  editing.load({"TITL"});
  EXPECT_EQ(edit_record(editing.tin, editing.ui, 0), std::nullopt);
  EXPECT_EQ(edit_record(editing.tin, editing.ui, 2), std::nullopt);
  EXPECT_TRUE(editing.ui.dialogs_run().empty());
}

Lines full_list(const Lines& first_lines) {
  Lines lines = first_lines;
  while (lines.size() < static_cast<std::size_t>(kSlots)) {
    lines.push_back("COMM line " + std::to_string(lines.size() + 1));
  }
  return lines;
}

// A full list leaves no room to append: the edited record is put in place
// all the same when it needs no more lines than before.
TEST(EditFullList, ReplacesARecordOfTheSameLength) {
  Editing editing;
  editing.load(full_list({"TITL old"}));
  editing.edit(1, ids::record_titl::kDialog, [](ui::HeadlessDialog& d) {
    d.user_type(ids::record_titl::kTitle, "new");
    d.user_click(ids::record_titl::kAdd);
  });
  EXPECT_EQ(editing.tin.records.count(), kSlots);
  EXPECT_EQ(editing.lines().front(), "TITLnew");
  EXPECT_TRUE(editing.ui.message_boxes().empty());
}

TEST(EditFullList, KeepsARecordThatWouldGrowAndSaysSo) {
  Editing editing;
  const auto before = full_list({kReservoirHead, kStorage});
  editing.load(before);
  editing.ui.on_modal(ids::tin_message::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_NE(d.text(ids::tin_message::kText).find("so it was left as it was"), std::string::npos);
    d.user_click(ui::kOk);
  });
  editing.edit(1, ids::record_2res::kDialog, [](ui::HeadlessDialog& d) {
    d.user_type(ids::record_2res::kC2, "10\n20");
    d.user_click(ids::record_2res::kAdd);
  });
  Lines expected;
  for (const auto& line : before) expected.push_back(without_trailing_blanks(line));
  EXPECT_EQ(editing.lines(), expected);
  EXPECT_EQ(editing.ui.dialogs_run(), (std::vector<int>{ids::record_2res::kDialog, ids::tin_message::kDialog}));
}

TEST(EditIden, LayoutButtonsReCutTheRecord) {
  Editing editing;
  editing.load({"IDEN     CP1     CP2"});
  editing.edit(1, ids::record_iden::kDialog, [](ui::HeadlessDialog& d) {
    EXPECT_TRUE(d.checked(ids::record_iden::kLayoutControlPoints));
    d.user_click(ids::record_iden::kLayoutWaterRights);
    EXPECT_EQ(d.text(ids::record_iden::kValue1), "     CP1     CP2");
    d.user_click(ids::record_iden::kAdd);
  });
  EXPECT_EQ(editing.tin.IDEN_LAYOUT, 2);
  EXPECT_EQ(editing.lines(), (Lines{"IDEN     CP1     CP2"}));
}

// Whatever a line holds, its dialog opens and OK gives a record of its type;
// nothing is refused and nothing breaks.
struct Odd {
  std::string name;
  std::string columns;
};

void PrintTo(const Odd& o, std::ostream* os) { *os << o.name; }

class EditOddLine : public testing::TestWithParam<Odd> {};

TEST_P(EditOddLine, OpensEveryDialogWithItsDefaults) {
  for (const auto& type : record_types()) {
    const auto* record = record_dialog(type.dialog);
    if (!record || record->fields.empty()) continue;
    SCOPED_TRACE(std::string(type.code));
    Editing editing;
    const std::string line = std::string(type.code) + GetParam().columns;
    editing.load({line, std::string(type.code) + GetParam().columns, "IDEN" + GetParam().columns});
    const int ok = record->add_button;
    std::optional<int> selection;
    EXPECT_NO_THROW(selection = editing.edit(1, record->dialog, [ok](ui::HeadlessDialog& d) { d.user_click(ok); }));
    EXPECT_TRUE(selection);
    EXPECT_EQ(editing.ui.dialogs_run(), std::vector<int>{record->dialog});
    EXPECT_GE(editing.tin.records.count(), 1);
    EXPECT_LE(editing.tin.records.count(), 6);
    EXPECT_EQ(columns(editing.tin.records.line(1), 1, 4), std::string(type.code));
  }
}

INSTANTIATE_TEST_SUITE_P(Columns, EditOddLine, testing::Values(
    Odd{"Blank", ""},
    Odd{"Letters", std::string(252, 'Q')},
    Odd{"Digits", std::string(252, '9')},
    Odd{"Minus", std::string(252, '-')},
    Odd{"HugeNumbers", " 99999999999999999999 -99999999999999999999"},
    Odd{"Signs", "   +   -  +1  -0 1-2 .5. 1e9"},
    Odd{"Tabs", "\t1\t2\t3\t4\t5\t6\t7\t8"},
    Odd{"CarriageReturns", "  \r\n1\r  2\n  3\r\n"},
    Odd{"HighBytes", "\xff\xfe\x80 \x01\x7f 0000 \xc3\xa9"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tarnex::tin::test
