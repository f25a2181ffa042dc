// The options that read their value by a rule of their own: the reading
// widths, the 2REL target, the 2FRQ identifier row, the time-series ID and
// NUM with their IDEN-line preview, and the editor's record-type lists.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "described_dialog.h"
#include "resources/dialog_ids.h"
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
      {ids::record_2rel::kDialog, ids::record_2rel::kMon, Act::kChoose, "  5", ids::record_2rel::kMonDescription,
       std::string(kUntouched)},
      {ids::record_2rel::kDialog, ids::record_2rel::kMon, Act::kChoose, " 5", ids::record_2rel::kMonDescription,
       "The month for which the analysis is performed"},
      {ids::record_2rel::kDialog, ids::record_2rel::kRFlag, Act::kChoose, "1 x", ids::record_2rel::kRFlagDescription,
       "N=NYRS*12 for Rp=(n/N)*100%"},
      {ids::record_file::kDialog, ids::record_file::kDssMes, Act::kChoose, "  3", ids::record_file::kDssMesDescription,
       "Error or warning message if DSS problems occur"},
      {ids::record_1cpt::kDialog, ids::record_1cpt::kLim, Act::kChoose, "   -1", ids::record_1cpt::kLimDescription,
       "List only control points with INMETHOD=0 or 1"},
      {ids::record_2bud::kDialog, ids::record_2bud::kYrFirst, Act::kType, "0   1995",
       ids::record_2bud::kYrFirstDescription, "First year of MOR simulation is adopted"},
      {ids::record_2rel::kDialog, ids::record_2rel::kTar, Act::kType, "-1      9", ids::record_2rel::kTarDescription,
       "adopt total of targets from MOR output file"},
      {ids::record_unit::kDialog, ids::record_unit::kNewPage, Act::kChoose, "    0",
       ids::record_unit::kNewPageDescription, "Each table starts a new page"},
      {ids::record_2ret::kDialog, ids::record_2ret::kTar, Act::kType, "    -1", ids::record_2ret::kTarDescription,
       "adopt target from QARN-MOR output file"},
      {ids::record_2ret::kDialog, ids::record_2ret::kTar, Act::kType, "-1              5",
       ids::record_2ret::kTarDescription, "adopt target from QARN-MOR output file"},
      {ids::record_series::kDialog, ids::record_series::kMat, Act::kChoose, "    1",
       ids::record_series::kMatDescription, "moving averages are computed for TIME months"},
      {ids::record_series::kDialog, ids::record_series::kXf, Act::kType, "    0.0", ids::record_series::kXfDescription,
       "default multiplier factor = 1.0"},
      {ids::record_series::kDialog, ids::record_series::kXf, Act::kType, "0.0             7",
       ids::record_series::kXfDescription, "default multiplier factor = 1.0"},
      {ids::record_series::kDialog, ids::record_series::kAf, Act::kType, "    0.", ids::record_series::kAfDescription,
       "default addition factor = 0.0"},
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
  DescribedDialog opened(ids::record_2rel::kDialog);
  for (const auto& [typed, expected] : cases) {
    opened.dialog->set_text(ids::record_2rel::kTarDescription, kUntouched);
    opened.user().user_type(ids::record_2rel::kTar, typed);
    EXPECT_EQ(opened.dialog->text(ids::record_2rel::kTarDescription), expected) << '"' << typed << '"';
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
  DescribedDialog opened(ids::record_2frq::kDialog);
  for (const auto& [value, labels] : cases) {
    opened.choose(ids::record_2frq::kVariable, value);
    const RowLabels shown{opened.dialog->text(ids::record_2frq::kVariableDescription),
                          opened.dialog->text(ids::record_2frq::kIdenColumns),
                          opened.dialog->text(ids::record_2frq::kIdenVariable),
                          opened.dialog->text(ids::record_2frq::kIdenFormat),
                          opened.dialog->text(ids::record_2frq::kQfColumns)};
    EXPECT_EQ(shown.description, labels.description) << value;
    EXPECT_EQ(shown.columns, labels.columns) << value;
    EXPECT_EQ(shown.variable, labels.variable) << value;
    EXPECT_EQ(shown.format, labels.format) << value;
    EXPECT_EQ(shown.value_columns, labels.value_columns) << value;
  }
}

TEST(FrequencyVariable, AnUnknownValueChangesNothing) {
  DescribedDialog opened(ids::record_2frq::kDialog);
  opened.choose(ids::record_2frq::kVariable, "5");
  opened.choose(ids::record_2frq::kVariable, "0");
  EXPECT_EQ(opened.dialog->text(ids::record_2frq::kVariableDescription),
            "reservoir storage associated with a water right");
  EXPECT_EQ(opened.dialog->text(ids::record_2frq::kIdenColumns), "17 - 32");
  EXPECT_EQ(opened.dialog->text(ids::record_2frq::kIdenVariable), "IDEN16");
  EXPECT_EQ(opened.dialog->text(ids::record_2frq::kIdenFormat), "A16");
  EXPECT_EQ(opened.dialog->text(ids::record_2frq::kQfColumns), "33 - 88");
}

// What the time-series dialog shows after the user's choices of ID and NUM,
// starting as Create opens it: ID 0, NUM 0.
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
      {"count for control points", {{ids::record_series::kNum, "3"}},
       std::string(kControlPoints), std::string(kToFollow), "25 - 88", "IDEN", "8(2x,A6)", "3"},
      {"water rights with a count", {{ids::record_series::kNum, "3"}, {ids::record_series::kId, "1"}},
       "develop tables for water rights", std::string(kToFollow), "25 - 152", "IDEN16", "8A16", "3"},
      {"reservoirs with a count", {{ids::record_series::kNum, "8"}, {ids::record_series::kId, "2"}},
       "develop tables for reservoirs", std::string(kToFollow), "25 - 88", "IDEN", "8(2x,A6)", "8"},
      {"groups force a count of 1", {{ids::record_series::kId, "3"}},
       "develop tables for water right groups", std::string(kToFollow), "25 - 88", "IDEN8", "8A8", "1"},
      {"groups refuse a count of 0",
       {{ids::record_series::kId, "3"}, {ids::record_series::kNum, "4"}, {ids::record_series::kNum, "0"}},
       "develop tables for water right groups", std::string(kToFollow), "25 - 88", "IDEN8", "8A8", "1"},
      {"all reservoirs",
       {{ids::record_series::kNum, "2"}, {ids::record_series::kNum, "0"}, {ids::record_series::kId, "2"}},
       "develop tables for reservoirs", std::string(kAllOfType), " ", " ", " ", "0"},
      {"all water rights",
       {{ids::record_series::kId, "1"}, {ids::record_series::kNum, "5"}, {ids::record_series::kNum, "0"}},
       "develop tables for water rights", std::string(kAllOfType), " ", " ", " ", "0"},
      {"previous record", {{ids::record_series::kNum, "5"}, {ids::record_series::kNum, "-2"}},
       std::string(kControlPoints), std::string(kPrevious), " ", " ", " ", "-2"},
      {"type of the previous record's identifiers", {{ids::record_series::kNum, "-2"}, {ids::record_series::kId, "2"}},
       "develop tables for reservoirs", std::string(kPrevious), " ", " ", " ", "-2"},
      {"unknown type", {{ids::record_series::kNum, "3"}, {ids::record_series::kId, "9"}},
       std::string(kControlPoints), std::string(kToFollow), "25 - 88", "IDEN", "8(2x,A6)", "3"},
      {"count of an unknown type", {{ids::record_series::kId, "9"}, {ids::record_series::kNum, "4"}},
       " ", std::string(kToFollow), " ", " ", " ", "4"},
      {"unknown count", {{ids::record_series::kNum, "3"}, {ids::record_series::kNum, "x"}},
       std::string(kControlPoints), std::string(kToFollow), "25 - 88", "IDEN", "8(2x,A6)", "x"},
  };
  for (const auto& c : cases) {
    DescribedDialog opened(ids::record_series::kDialog);
    auto& d = *opened.dialog;
    d.set_selected(ids::record_series::kId, 1);
    d.set_selected(ids::record_series::kNum, 9);
    d.set_text(ids::record_series::kIdDescription, kControlPoints);
    d.set_text(ids::record_series::kNumDescription, kAllOfType);
    for (int box : {ids::record_series::kIdenColumns, ids::record_series::kIdenVariable,
                    ids::record_series::kIdenFormat}) {
      d.set_text(box, " ");
    }
    for (const auto& [control, entry] : c.choices) opened.choose(control, entry);
    EXPECT_EQ(d.text(ids::record_series::kIdDescription), c.type_description) << c.name;
    EXPECT_EQ(d.text(ids::record_series::kNumDescription), c.count_description) << c.name;
    EXPECT_EQ(d.text(ids::record_series::kIdenColumns), c.columns) << c.name;
    EXPECT_EQ(d.text(ids::record_series::kIdenVariable), c.variable) << c.name;
    EXPECT_EQ(d.text(ids::record_series::kIdenFormat), c.format) << c.name;
    EXPECT_EQ(d.text(ids::record_series::kNum), c.count) << c.name;
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
      {ids::tin_editor::kType2List, "2SCP", "2SCP", "Monthly or Annual Summary Table for a Control Point"},
      {ids::tin_editor::kType2List, "-----", "----", "Select a record type to create from the drop lists"},
      {ids::tin_editor::kType2List, "", "    ", "Select a record type to create from the drop lists"},
      {ids::tin_editor::kType1List, "1LEN", "1LEN", "Listing of Sorted Water Rights"},
      {ids::tin_editor::kType1List, "1SRT", "1SRT", "Listing of Sorted Water Rights"},
      {ids::tin_editor::kMiscList, "ENDF", "ENDF", "End of Input Data File"},
      {ids::tin_editor::kType3List, "3U+D", "3U+D", "Records of Unappropriated Streamflows plus Streamflow Depletions"},
      {ids::tin_editor::kType4List, "4ZZZ", "4ZZZ", "Flows in Water Rights Priority Loop"},
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
    EXPECT_EQ(dialog.text(ids::tin_editor::kCurrentRecordType), c.code) << c.entry;
    EXPECT_EQ(dialog.text(ids::tin_editor::kRecordTypeDescription), c.title) << c.entry;
    for (const auto& list : record_type_lists()) {
      EXPECT_EQ(dialog.selected(list.control), list.control == c.list ? dialog.selected(c.list) : 1)
          << c.entry << " in " << list.heading;
    }
  }
}

// A control that describes an option in one dialog may be something else in
// another: there it is left alone.
TEST(OptionDispatch, AControlOfAnotherDialogIsIgnored) {
  DescribedDialog type3(ids::record_type3::kDialog);
  type3.dialog->set_selected(ids::record_type3::kHec, 2);
  type3.dialog->set_text(ids::record_type3::kCdOut, "1");
  DROPLISTSELECTION(type3.tin, *type3.dialog, ids::record_type3::kCdOut, ui::Event::EditChange);
  EXPECT_EQ(type3.dialog->selected(ids::record_type3::kHec), 2);

  DescribedDialog unit(ids::record_unit::kDialog);
  unit.dialog->set_text(ids::record_unit::kNewPageDescription, kUntouched);
  unit.choose(ids::record_unit::kMonth1, "MAR");
  EXPECT_EQ(unit.dialog->text(ids::record_unit::kNewPageDescription), kUntouched);
}

}  // namespace
}  // namespace tarnex::tin::test
