// The record dialogs as Create opens them: their starting values and the
// words beside them, text limits, caret bindings, and the titles of the
// dialogs that several record types share.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

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
    Start{"COMM", 1306, "COMM"},
    Start{"FILE", 1333, "2"}, Start{"FILE", 1336, "Error or warning messages if DSS problems occur"},
    Start{"UNIT", 1248, "AC-FT"}, Start{"UNIT", 1029, "MW-HR"}, Start{"UNIT", 1273, "0"},
    Start{"1CPT", 1253, "1"}, Start{"1CPT", 1056, "Include all control points in the output listing"},
    Start{"1SUM", 1055, "summary by cp with only totals printed"},
    Start{"2BUD", 1320, "0"}, Start{"2BUD", 1325, "1"}, Start{"2BUD", 1327, "1"},
    Start{"2BUD", 1319, "River basin water budget table is created for outlet(s)"},
    Start{"2SCP", 1048, "0"}, Start{"2SCP", 1058, "develop tables for all control points"},
    Start{"2SGP", 1062, "1"}, Start{"2REL", 1086, "0"}, Start{"2REL", 1081, ""},
    Start{"2REL", 1085, "all months are included in the computations"},
    Start{"2FRE", 1087, "0"}, Start{"2FRE", 1090, "All months are included in the computations"},
    Start{"2RES", 1097, "1"}, Start{"2RES", 1180, "number of reservoirs"},
    Start{"2NAT", 1109, "0"}, Start{"2NAT", 1110, "include all of type ID's in table"}, Start{"2NAT", 1182, " "},
    Start{"2NAT", 1112, ""}, Start{"2NAT", 1328, " "}, Start{"2NAT", 1308, "0"},
    Start{"2NAT", 1340, "default addition factor = 0.0"},
    Start{"3NAT", 1116, "streamflow records grouped by control point"},
    Start{"4SWR", 1119, "1"}, Start{"4ZZF", 1396, "-8"},
    Start{"4ZZF", 1398, "All months for which the analysis is performed"}, Start{"4ZZZ", 1406, "0"}));

// The identifier row of 2FRQ shows the columns the record gives the starting
// Variable 1: a six-character identifier in 17-24, the values from 25.
INSTANTIATE_TEST_SUITE_P(FrequencyIdentifierRow, CreateSetUp, testing::Values(
    Start{"2FRQ", 1002, "17 - 24"}, Start{"2FRQ", 1178, "IDEN"}, Start{"2FRQ", 1001, "2x,A6"},
    Start{"2FRQ", 1003, "25 - 80"}));

INSTANTIATE_TEST_SUITE_P(IdenRows, CreateSetUp, testing::Values(
    Start{"IDEN", 1382, "61 - 68"}, Start{"IDEN", 1383, "IDCP or IDRES(8)"}, Start{"IDEN", 1384, "2x,A6"},
    Start{"IDEN", 1347, "Control Point,Type ID = 0;  or  Reservoir, Type ID = 2"}));

TEST(CreateSetUp, NewIdenRecordStartsWithControlPoints) {
  ui::HeadlessUi ui;
  TinState tin;
  tin.IDEN_LAYOUT = 2;  // left by a water-right record edited before
  auto dialog = ui.make_dialog(223);
  set_up_for_create(tin, *dialog, "IDEN", [](ui::Dialog&, int, ui::Event) {});
  EXPECT_TRUE(dialog->checked(1349));
  EXPECT_FALSE(dialog->checked(1348));
  EXPECT_EQ(tin.IDEN_LAYOUT, 1);
}

TEST(CreateSetUp, NewIdenRecordsLayoutButtonsRelabelTheRows) {
  Opened opened("IDEN");
  opened.user().user_type(1346, "CP1");
  opened.user().user_click(1350);
  EXPECT_EQ(opened.tin.IDEN_LAYOUT, 2);
  EXPECT_EQ(opened.dialog->text(1344), "IDEN16(1)");
  EXPECT_EQ(opened.dialog->text(1346), "CP1");  // what the user typed stays
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
    Limit{"TITL", 1028, 74}, Limit{"COMM", 1030, 148}, Limit{"UNIT", 1248, 5}, Limit{"UNIT", 1029, 5},
    Limit{"1REC", 1041, 256}));

TEST(CreateSetUp, UnitTextsStopAtFiveCharacters) {
  Opened opened("UNIT");
  opened.user().user_type(1248, "ACRE-FEET");
  EXPECT_EQ(opened.dialog->text(1248), "ACRE-");
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
    Caret{"TITL", {1028}}, Caret{"UNIT", {1248, 1029}}, Caret{"2FRE", {1391, 1392, 1393}},
    Caret{"2RES", {1099, 1100, 1102}}, Caret{"IDEN", {1346, 1355, 1360, 1365, 1370, 1375, 1380, 1385}},
    Caret{"2NAT", {1111}}, Caret{"3NAT", {1114, 1117}}, Caret{"4ZZZ", {1407}}));

TEST(CreateCaret, OtherBoxesAreNotBound) {
  Opened opened("2FRE");
  opened.user().user_focus(1085);
  EXPECT_TRUE(opened.caret_calls.empty());
}

TEST(CreateSetUp, OptionsDescribeWhatTheUserPicks) {
  Opened opened("2SCP");
  opened.user().user_choose(1048, "3");
  EXPECT_EQ(opened.dialog->text(1058), "develop tables for control points to follow");
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

Title series(std::string code, std::string title) { return {std::move(code), 142, 1181, std::move(title)}; }
Title type3(std::string code, std::string title) { return {std::move(code), 144, 1183, std::move(title)}; }

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
