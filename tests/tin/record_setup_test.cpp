// The record dialogs as Create opens them: their starting values and the
// words beside them, text limits, caret bindings, and the titles of the
// dialogs that several record types share.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "resources/dialog_ids.h"
#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/record_setup.h"
#include "tin/catalogue/shared_dialog_titles.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::tin::test {
namespace {

struct Opened {
  explicit Opened(std::string_view code) {
    const auto* type = record_type(code);
    if (!type) throw std::logic_error("no record type " + std::string(code));
    dialog = ui.make_dialog(type->dialog);
    set_up_for_create(tin, *dialog, code, [this](ui::Dialog&, int id, ui::Event) { caret_calls.push_back(id); });
  }
  ui::HeadlessDialog& user() { return static_cast<ui::HeadlessDialog&>(*dialog); }

  ui::HeadlessUi ui;
  TinState tin;
  std::unique_ptr<ui::Dialog> dialog;
  std::vector<int> caret_calls;
};

// What a control shows once the dialog is set up, as the text the user sees
// (a list's chosen entry, an edit's text).
struct Start {
  std::string code;
  int control;
  std::string text;
};

void PrintTo(const Start& s, std::ostream* os) { *os << s.code << "/" << s.control; }

class CreateSetUp : public testing::TestWithParam<Start> {};

TEST_P(CreateSetUp, ShowsTheStartingValue) {
  const auto& s = GetParam();
  Opened opened(s.code);
  EXPECT_EQ(opened.dialog->text(s.control), s.text);
}

// The starting values the builder writes when the user changes nothing,
// and the words beside them.
INSTANTIATE_TEST_SUITE_P(Starts, CreateSetUp, testing::Values(
    Start{"COMM", ids::record_comm::kCd, "COMM"},
    Start{"FILE", ids::record_file::kDssMes, "2"},
    Start{"FILE", ids::record_file::kDssMesDescription, "Error or warning messages if DSS problems occur"},
    Start{"UNIT", ids::record_unit::kUnit, "AC-FT"},
    Start{"UNIT", ids::record_unit::kUnhp, "MW-HR"},
    Start{"UNIT", ids::record_unit::kNewPage, "0"},
    Start{"1CPT", ids::record_1cpt::kOo, "1"},
    Start{"1CPT", ids::record_1cpt::kLimDescription, "Include all control points in the output listing"},
    Start{"1SUM", ids::record_1sum::kKkDescription, "summary by cp with only totals printed"},
    Start{"2BUD", ids::record_2bud::kYrFirst, "0"},
    Start{"2BUD", ids::record_2bud::kNegInf, "1"},
    Start{"2BUD", ids::record_2bud::kBasin, "1"},
    Start{"2BUD", ids::record_2bud::kBasinDescription, "River basin water budget table is created for outlet(s)"},
    Start{"2SCP", ids::record_2scp::kNum, "0"},
    Start{"2SCP", ids::record_2scp::kNumDescription, "develop tables for all control points"},
    Start{"2SGP", ids::record_2sgp::kNum, "1"},
    Start{"2REL", ids::record_2rel::kNum, "0"},
    Start{"2REL", ids::record_2rel::kTar, ""},
    Start{"2REL", ids::record_2rel::kMonDescription, "all months are included in the computations"},
    Start{"2FRE", ids::record_2fre::kNum, "0"},
    Start{"2FRE", ids::record_2fre::kMonDescription, "All months are included in the computations"},
    Start{"2RES", ids::record_2res::kNum, "1"},
    Start{"2RES", ids::record_2res::kNumDescription, "number of reservoirs"},
    Start{"2NAT", ids::record_series::kNum, "0"},
    Start{"2NAT", ids::record_series::kNumDescription, "include all of type ID's in table"},
    Start{"2NAT", ids::record_series::kIdenColumns, " "},
    Start{"2NAT", ids::record_series::kDecimal, ""},
    Start{"2NAT", ids::record_series::kTime, " "},
    Start{"2NAT", ids::record_series::kXf, "0"},
    Start{"2NAT", ids::record_series::kAfDescription, "default addition factor = 0.0"},
    Start{"3NAT", ids::record_type3::kHecDescription, "streamflow records grouped by control point"},
    Start{"4SWR", ids::record_4swr::kNum, "1"},
    Start{"4ZZF", ids::record_4zzf::kNum, "-8"},
    Start{"4ZZF", ids::record_4zzf::kMonDescription, "All months for which the analysis is performed"},
    Start{"4ZZZ", ids::record_4zzz::kNum, "0"}));

// The identifier row of 2FRQ shows the columns the record gives the starting
// Variable 1: a six-character identifier in 17-24, the values from 25.
INSTANTIATE_TEST_SUITE_P(FrequencyIdentifierRow, CreateSetUp, testing::Values(
    Start{"2FRQ", ids::record_2frq::kIdenColumns, "17 - 24"},
    Start{"2FRQ", ids::record_2frq::kIdenVariable, "IDEN"},
    Start{"2FRQ", ids::record_2frq::kIdenFormat, "2x,A6"},
    Start{"2FRQ", ids::record_2frq::kQfColumns, "25 - 80"}));

INSTANTIATE_TEST_SUITE_P(IdenRows, CreateSetUp, testing::Values(
    Start{"IDEN", ids::record_iden::kColumns8, "61 - 68"},
    Start{"IDEN", ids::record_iden::kVariable8, "IDCP or IDRES(8)"},
    Start{"IDEN", ids::record_iden::kFormat8, "2x,A6"},
    Start{"IDEN", ids::record_iden::kDescription1, "Control Point,Type ID = 0;  or  Reservoir, Type ID = 2"}));

TEST(CreateSetUp, NewIdenRecordStartsWithControlPoints) {
  ui::HeadlessUi ui;
  TinState tin;
  tin.IDEN_LAYOUT = 2;  // left by a water-right record edited before
  auto dialog = ui.make_dialog(ids::record_iden::kDialog);
  set_up_for_create(tin, *dialog, "IDEN", [](ui::Dialog&, int, ui::Event) {});
  EXPECT_TRUE(dialog->checked(ids::record_iden::kLayoutControlPoints));
  EXPECT_FALSE(dialog->checked(ids::record_iden::kLayoutTypeAndNumber));
  EXPECT_EQ(tin.IDEN_LAYOUT, 1);
}

TEST(CreateSetUp, NewIdenRecordsLayoutButtonsRelabelTheRows) {
  Opened opened("IDEN");
  opened.user().user_type(ids::record_iden::kValue1, "CP1");
  opened.user().user_click(ids::record_iden::kLayoutWaterRights);
  EXPECT_EQ(opened.tin.IDEN_LAYOUT, 2);
  EXPECT_EQ(opened.dialog->text(ids::record_iden::kVariable1), "IDEN16(1)");
  EXPECT_EQ(opened.dialog->text(ids::record_iden::kValue1), "CP1");  // what the user typed stays
}

struct Limit {
  std::string code;
  int control;
  int limit;
};

void PrintTo(const Limit& l, std::ostream* os) { *os << l.code << "/" << l.control; }

class CreateTextLimit : public testing::TestWithParam<Limit> {};

TEST_P(CreateTextLimit, StopsTheUserAtTheFieldsWidth) {
  const auto& l = GetParam();
  Opened opened(l.code);
  EXPECT_EQ(opened.user().text_limit(l.control), l.limit);
}

INSTANTIATE_TEST_SUITE_P(EditBoxes, CreateTextLimit, testing::Values(
    Limit{"TITL", ids::record_titl::kTitle, 74},
    Limit{"COMM", ids::record_comm::kComments, 148},
    Limit{"UNIT", ids::record_unit::kUnit, 5},
    Limit{"UNIT", ids::record_unit::kUnhp, 5},
    Limit{"1REC", ids::record_1rec::kRec, 256}));

TEST(CreateSetUp, UnitTextsStopAtFiveCharacters) {
  Opened opened("UNIT");
  opened.user().user_type(ids::record_unit::kUnit, "ACRE-FEET");
  EXPECT_EQ(opened.dialog->text(ids::record_unit::kUnit), "ACRE-");
}

struct Caret {
  std::string code;
  std::vector<int> boxes;
};

void PrintTo(const Caret& c, std::ostream* os) { *os << c.code; }

class CreateCaret : public testing::TestWithParam<Caret> {};

TEST_P(CreateCaret, BoxesCallTheCaretRoutineWhenTheyGainTheFocus) {
  const auto& c = GetParam();
  Opened opened(c.code);
  for (int box : c.boxes) opened.user().user_focus(box);
  EXPECT_EQ(opened.caret_calls, c.boxes);
}

INSTANTIATE_TEST_SUITE_P(EditBoxes, CreateCaret, testing::Values(
    Caret{"TITL", {ids::record_titl::kTitle}},
    Caret{"UNIT", {ids::record_unit::kUnit, ids::record_unit::kUnhp}},
    Caret{"2FRE", {ids::record_2fre::kTime, ids::record_2fre::kXf, ids::record_2fre::kAf}},
    Caret{"2RES", {ids::record_2res::kIden, ids::record_2res::kC1, ids::record_2res::kC2}},
    Caret{"IDEN", {ids::record_iden::kValue1, ids::record_iden::kValue2, ids::record_iden::kValue3,
                   ids::record_iden::kValue4, ids::record_iden::kValue5, ids::record_iden::kValue6,
                   ids::record_iden::kValue7, ids::record_iden::kValue8}},
    Caret{"2NAT", {ids::record_series::kIden}},
    Caret{"3NAT", {ids::record_type3::kCdOut, ids::record_type3::kInFac}},
    Caret{"4ZZZ", {ids::record_4zzz::kRight}}));

TEST(CreateCaret, OtherBoxesAreNotBound) {
  Opened opened("2FRE");
  opened.user().user_focus(ids::record_2fre::kVariable);
  EXPECT_TRUE(opened.caret_calls.empty());
}

TEST(CreateSetUp, OptionsDescribeWhatTheUserPicks) {
  Opened opened("2SCP");
  opened.user().user_choose(ids::record_2scp::kNum, "3");
  EXPECT_EQ(opened.dialog->text(ids::record_2scp::kNumDescription), "develop tables for control points to follow");
}

// Every control the set-up table names is a control of its dialog.
TEST(CreateSetUpTable, NamesOnlyControlsOfItsDialogs) {
  ui::HeadlessUi ui;
  for (const auto& record : record_dialogs()) {
    const auto* setup = dialog_setup(record.dialog);
    if (!setup) continue;
    auto dialog = ui.make_dialog(record.dialog);
    for (const auto& value : setup->values) {
      EXPECT_TRUE(dialog->has_control(value.control)) << record.dialog << "/" << value.control;
      if (value.description > 0) {
        EXPECT_TRUE(dialog->has_control(value.description)) << record.dialog << "/" << value.description;
      }
      EXPECT_LE(value.item, dialog->item_count(value.control)) << value.control;
    }
  }
}

struct Title {
  std::string code;
  int dialog;
  int identifier;
  std::string title;
};

void PrintTo(const Title& t, std::ostream* os) { *os << t.code; }

class SharedDialogTitle : public testing::TestWithParam<Title> {};

TEST_P(SharedDialogTitle, NamesTheRecordTypeInTitleAndIdentifier) {
  const auto& t = GetParam();
  Opened opened(t.code);
  EXPECT_EQ(opened.dialog->id(), t.dialog);
  EXPECT_EQ(opened.dialog->caption(), t.title);
  EXPECT_EQ(opened.dialog->text(t.identifier), t.code);
}

Title series(std::string code, std::string title) {
  return {std::move(code), ids::record_series::kDialog, ids::record_series::kCd, std::move(title)};
}
Title type3(std::string code, std::string title) {
  return {std::move(code), ids::record_type3::kDialog, ids::record_type3::kCd, std::move(title)};
}

INSTANTIATE_TEST_SUITE_P(Types, SharedDialogTitle, testing::Values(
    series("2NAT", "2NAT record - Naturalized Streamflow, (CPs)"),
    series("2STO", "2STO record - Reservoir Shortage, (CPs,WRs,RES)"),
    series("2XAV", "2XAV record - Increase in Available Streamflow Resulting from PX Record CP Limit Option, (WRs)"),
    series("2HPS", "2HPS record - Hydropower Shortage(+) or Secondary Energy(-), (RES)"),
    series("2WSE", "2WSE record - Reservoir Water Surface Elevation, (RES)"),
    type3("3U+D", "3U+D record - Unappropriated Flows plus Streamflow Depletions"),
    type3("3EPD", "3EPD record - Net Evaporation-Precipitation Depths")));

// Every type of a shared dialog has a title of its own, headed by its code.
TEST(SharedDialogTitle, EveryTypeOfASharedDialogHasOne) {
  for (const auto& type : record_types()) {
    const auto* record = record_dialog(type.dialog);
    ASSERT_NE(record, nullptr);
    const auto title = shared_dialog_title(type.code);
    EXPECT_EQ(title.has_value(), record->title.empty()) << type.code;
    EXPECT_TRUE(!title || title->starts_with(std::string(type.code) + " record - ")) << type.code;
  }
}

TEST(SharedDialogTitle, OtherDialogsKeepTheirOwnTitle) {
  Opened opened("2SCP");
  EXPECT_EQ(opened.dialog->caption(), "2SCP record - Summary Tables for Control Points");
  EXPECT_FALSE(shared_dialog_title("2SCP"));
}

}  // namespace
}  // namespace tarnex::tin::test
