// The options that read their value by a rule of their own: the reading
// widths, the 2REL target, the 2FRQ identifier row, the time-series ID and
// NUM with their IDEN-line preview, and the editor's record-type lists.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "described_dialog.h"
#include "tin/catalogue/catalogue.h"

namespace tarnex::tin::test {
namespace {

struct ReadCase {
  int dialog;
  int control;
  Act act;
  std::string value;
  int box;
  std::string expected;
};

// Only the first characters of an option's text are read: 2 of MON, RFLAG
// and the DSS level, 4 as a rule (YRFIRST), 5 of NEWPAGE, 8 of LIM and TAR,
// 16 of the 2RET target, MAT and the factors.
TEST(OptionReading, ReadsOnlyTheOptionsWidth) {
  const ReadCase cases[] = {
      {131, 1084, Act::kChoose, "  5", 1085, std::string(kUntouched)},
      {131, 1084, Act::kChoose, " 5", 1085, "The month for which the analysis is performed"},
      {131, 1077, Act::kChoose, "1 x", 1078, "N=NYRS*12 for Rp=(n/N)*100%"},
      {221, 1333, Act::kChoose, "  3", 1336, "Error or warning message if DSS problems occur"},
      {201, 1260, Act::kChoose, "   -1", 1056, "List only control points with INMETHOD=0 or 1"},
      {219, 1320, Act::kType, "0   1995", 1313, "First year of MOR simulation is adopted"},
      {131, 1081, Act::kType, "-1      9", 1082, "adopt total of targets from MOR output file"},
      {200, 1273, Act::kChoose, "    0", 1274, "Each table starts a new page"},
      {204, 1266, Act::kType, "    -1", 1264, "adopt target from QARN-MOR output file"},
      {204, 1266, Act::kType, "-1              5", 1264, "adopt target from QARN-MOR output file"},
      {142, 1114, Act::kChoose, "    1", 1115, "moving averages are computed for TIME months"},
      {142, 1308, Act::kType, "    0.0", 1117, "default multiplier factor = 1.0"},
      {142, 1308, Act::kType, "0.0             7", 1117, "default multiplier factor = 1.0"},
      {142, 1339, Act::kType, "    0.", 1340, "default addition factor = 0.0"},
  };
  for (const auto& c : cases) {
    DescribedDialog opened(c.dialog);
    opened.dialog->set_text(c.box, kUntouched);
    opened.act(c.act, c.control, c.value);
    EXPECT_EQ(opened.dialog->text(c.box), c.expected) << c.control << " \"" << c.value << '"';
  }
}

// The target's sign decides. A number written with a decimal point is the
// number it reads; blank and text that is no number mean no target.
TEST(OptionReading, ReliabilityTargetFollowsTheSignOfTheNumber) {
  constexpr std::string_view kAdopt = "adopt total of targets from MOR output file";
  constexpr std::string_view kNone = "optional supplemental table is not created";
  constexpr std::string_view kTarget = "annual diversion or hydropower target";
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"-1", kAdopt},     {"-1.", kAdopt},  {"  -2.5", kAdopt}, {"0", kNone},       {"0.", kNone},
      {"", kNone},        {"        ", kNone}, {".", kNone},    {"abc", kNone},     {"-", kNone},
      {"250", kTarget},   {"100.", kTarget}, {"1.5e3", kTarget}, {"+.5", kTarget},  {"12ab", kNone},
  };
  DescribedDialog opened(131);
  for (const auto& [typed, expected] : cases) {
    opened.dialog->set_text(1082, kUntouched);
    opened.user().user_type(1081, typed);
    EXPECT_EQ(opened.dialog->text(1082), expected) << '"' << typed << '"';
  }
}

struct RowLabels {
  std::string description, columns, variable, format, value_columns;
};

// Water rights and instream flow rights are named in sixteen characters,
// control points and reservoirs in six: the identifier row says which.
TEST(FrequencyVariable, RelabelsTheIdentifierRow) {
  const std::pair<std::string, RowLabels> cases[] = {
      {"1", {"naturalized flows", "17 - 24", "IDEN", "2x,A6", "25 - 80"}},
      {"2", {"regulated flows", "17 - 24", "IDEN", "2x,A6", "25 - 80"}},
      {"3", {"unappropriated flows", "17 - 24", "IDEN", "2x,A6", "25 - 80"}},
      {"4", {"reservoir storage associated with a control point", "17 - 24", "IDEN", "2x,A6", "25 - 80"}},
      {"5", {"reservoir storage associated with a water right", "17 - 32", "IDEN16", "A16", "33 - 88"}},
      {"6", {"reservoir storage associated with a reservoir", "17 - 24", "IDEN", "2x,A6", "25 - 80"}},
      {"7", {"water surface elevation associated with a reservoir storage", "17 - 24", "IDEN", "2x,A6", "25 - 80"}},
      {"8", {"instream flow shortage associated with an IF record right", "17 - 32", "IDEN16", "A16", "33 - 88"}},
  };
  DescribedDialog opened(138);
  for (const auto& [value, labels] : cases) {
    opened.choose(1090, value);
    const RowLabels shown{opened.dialog->text(1091), opened.dialog->text(1002), opened.dialog->text(1178),
                          opened.dialog->text(1001), opened.dialog->text(1003)};
    EXPECT_EQ(shown.description, labels.description) << value;
    EXPECT_EQ(shown.columns, labels.columns) << value;
    EXPECT_EQ(shown.variable, labels.variable) << value;
    EXPECT_EQ(shown.format, labels.format) << value;
    EXPECT_EQ(shown.value_columns, labels.value_columns) << value;
  }
}

TEST(FrequencyVariable, AnUnknownValueChangesNothing) {
  DescribedDialog opened(138);
  opened.choose(1090, "5");
  opened.choose(1090, "0");
  EXPECT_EQ(opened.dialog->text(1091), "reservoir storage associated with a water right");
  EXPECT_EQ(opened.dialog->text(1002), "17 - 32");
  EXPECT_EQ(opened.dialog->text(1178), "IDEN16");
  EXPECT_EQ(opened.dialog->text(1001), "A16");
  EXPECT_EQ(opened.dialog->text(1003), "33 - 88");
}

// What the time-series dialog shows after the user's choices of ID (1107)
// and NUM (1109), starting as Create opens it: ID 0, NUM 0.
struct PreviewCase {
  std::string name;
  std::vector<std::pair<int, std::string>> choices;
  std::string type_description, count_description, columns, variable, format, count;
};

constexpr std::string_view kControlPoints = "develop tables for control points";
constexpr std::string_view kToFollow = "number of identifiers to follow";
constexpr std::string_view kPrevious = "table includes ABS(NUM) of type ID's of previous record";
constexpr std::string_view kAllOfType = "include all of type ID's in table";

TEST(SeriesIdentifiers, PreviewTheIdenLineThatFollows) {
  const PreviewCase cases[] = {
      {"count for control points", {{1109, "3"}},
       std::string(kControlPoints), std::string(kToFollow), "25 - 88", "IDEN", "8(2x,A6)", "3"},
      {"water rights with a count", {{1109, "3"}, {1107, "1"}},
       "develop tables for water rights", std::string(kToFollow), "25 - 152", "IDEN16", "8A16", "3"},
      {"reservoirs with a count", {{1109, "8"}, {1107, "2"}},
       "develop tables for reservoirs", std::string(kToFollow), "25 - 88", "IDEN", "8(2x,A6)", "8"},
      {"groups force a count of 1", {{1107, "3"}},
       "develop tables for water right groups", std::string(kToFollow), "25 - 88", "IDEN8", "8A8", "1"},
      {"groups refuse a count of 0", {{1107, "3"}, {1109, "4"}, {1109, "0"}},
       "develop tables for water right groups", std::string(kToFollow), "25 - 88", "IDEN8", "8A8", "1"},
      {"all reservoirs", {{1109, "2"}, {1109, "0"}, {1107, "2"}},
       "develop tables for reservoirs", std::string(kAllOfType), " ", " ", " ", "0"},
      {"all water rights", {{1107, "1"}, {1109, "5"}, {1109, "0"}},
       "develop tables for water rights", std::string(kAllOfType), " ", " ", " ", "0"},
      {"previous record", {{1109, "5"}, {1109, "-2"}},
       std::string(kControlPoints), std::string(kPrevious), " ", " ", " ", "-2"},
      {"type of the previous record's identifiers", {{1109, "-2"}, {1107, "2"}},
       "develop tables for reservoirs", std::string(kPrevious), " ", " ", " ", "-2"},
      {"unknown type", {{1109, "3"}, {1107, "9"}},
       std::string(kControlPoints), std::string(kToFollow), "25 - 88", "IDEN", "8(2x,A6)", "3"},
      {"count of an unknown type", {{1107, "9"}, {1109, "4"}},
       " ", std::string(kToFollow), " ", " ", " ", "4"},
      {"unknown count", {{1109, "3"}, {1109, "x"}},
       std::string(kControlPoints), std::string(kToFollow), "25 - 88", "IDEN", "8(2x,A6)", "x"},
  };
  for (const auto& c : cases) {
    DescribedDialog opened(142);
    auto& d = *opened.dialog;
    d.set_selected(1107, 1);
    d.set_selected(1109, 9);
    d.set_text(1108, kControlPoints);
    d.set_text(1110, kAllOfType);
    for (int box : {1182, 1183, 1184}) d.set_text(box, " ");
    for (const auto& [control, entry] : c.choices) opened.choose(control, entry);
    EXPECT_EQ(d.text(1108), c.type_description) << c.name;
    EXPECT_EQ(d.text(1110), c.count_description) << c.name;
    EXPECT_EQ(d.text(1182), c.columns) << c.name;
    EXPECT_EQ(d.text(1183), c.variable) << c.name;
    EXPECT_EQ(d.text(1184), c.format) << c.name;
    EXPECT_EQ(d.text(1109), c.count) << c.name;
  }
}

// The editor's record-type lists, in a dialog of their own.
std::string record_type_lists_dialog() {
  std::string text = "dialog 108 \"\"\n";
  int row = 0;
  for (const auto& list : record_type_lists()) {
    text += "droplist " + std::to_string(list.control) + " row=" + std::to_string(row++) + " col=0 \"\"";
    for (auto entry : list.entries) text += " \"" + std::string(entry) + "\"";
    text += "\n";
  }
  return text + "edit 1259 row=5 col=0 readonly\nedit 1186 row=6 col=0 hidden\n";
}

struct RecordTypeCase {
  int list;
  std::string entry;
  std::string code;
  std::string title;
};

TEST(RecordTypeLists, ShowTheTitleOfThePickedTypeAndResetTheOtherLists) {
  const RecordTypeCase cases[] = {
      {1263, "2SCP", "2SCP", "Monthly or Annual Summary Table for a Control Point"},
      {1263, "-----", "----", "Select a record type to create from the drop lists"},
      {1263, "", "    ", "Select a record type to create from the drop lists"},
      {1262, "1LEN", "1LEN", "Listing of Sorted Water Rights"},
      {1262, "1SRT", "1SRT", "Listing of Sorted Water Rights"},
      {1257, "ENDF", "ENDF", "End of Input Data File"},
      {1264, "3U+D", "3U+D", "Records of Unappropriated Streamflows plus Streamflow Depletions"},
      {1265, "4ZZZ", "4ZZZ", "Flows in Water Rights Priority Loop"},
  };
  ui::HeadlessUi ui;
  TinState tin;
  ui::HeadlessDialog dialog(parse_dialog_templates(record_type_lists_dialog()).front(), ui);
  for (const auto& list : record_type_lists()) {
    dialog.set_callback(list.control, ui::Event::SelectionChange,
                        [&tin](ui::Dialog& d, int id, ui::Event e) { DROPLISTSELECTION(tin, d, id, e); });
  }
  for (const auto& c : cases) {
    for (const auto& list : record_type_lists()) dialog.set_selected(list.control, 3);
    dialog.user_choose(c.list, c.entry);
    EXPECT_EQ(dialog.text(1186), c.code) << c.entry;
    EXPECT_EQ(dialog.text(1259), c.title) << c.entry;
    for (const auto& list : record_type_lists()) {
      EXPECT_EQ(dialog.selected(list.control), list.control == c.list ? dialog.selected(c.list) : 1)
          << c.entry << " in " << list.heading;
    }
  }
}

// A control that describes an option in one dialog may be something else in
// another: there it is left alone.
TEST(OptionDispatch, AControlOfAnotherDialogIsIgnored) {
  DescribedDialog type3(144);
  type3.dialog->set_selected(1115, 2);
  type3.dialog->set_text(1114, "1");
  DROPLISTSELECTION(type3.tin, *type3.dialog, 1114, ui::Event::EditChange);
  EXPECT_EQ(type3.dialog->selected(1115), 2);

  DescribedDialog unit(200);
  unit.dialog->set_text(1274, kUntouched);
  unit.choose(1272, "MAR");
  EXPECT_EQ(unit.dialog->text(1274), kUntouched);
}

}  // namespace
}  // namespace tarnex::tin::test
