// The IDEN dialog's layout buttons: the rows' labels of each layout, the
// layout handed to the builder, and, for a record opened for editing, the
// same record text cut anew into the value boxes.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/fixed_text.h"
#include "described_dialog.h"
#include "tin/catalogue/iden_layout_buttons.h"
#include "tin/catalogue/record_builder.h"

namespace tarnex::tin::test {
namespace {

constexpr std::array<int, 8> kColumns{1343, 1352, 1357, 1362, 1367, 1372, 1377, 1382};
constexpr std::array<int, 8> kVariables{1344, 1353, 1358, 1363, 1368, 1373, 1378, 1383};
constexpr std::array<int, 8> kFormats{1345, 1354, 1359, 1364, 1369, 1374, 1379, 1384};
constexpr std::array<int, 8> kValues{1346, 1355, 1360, 1365, 1370, 1375, 1380, 1385};
constexpr std::array<int, 8> kDescriptions{1347, 1356, 1361, 1366, 1371, 1376, 1381, 1386};

using Row = std::array<std::string, 8>;

struct LayoutLabels {
  int button;
  int layout;
  Row columns, variables, formats, descriptions;
};

Row all(const std::string& text) { return {text, text, text, text, text, text, text, text}; }
Row first_and_rest(const std::string& first, const std::string& rest) {
  return {first, rest, rest, rest, rest, rest, rest, rest};
}
Row numbered(const std::string& stem) {
  Row row;
  for (std::size_t k = 0; k < row.size(); ++k) row[k] = stem + "(" + std::to_string(k + 1) + ")";
  return row;
}

const Row kEightColumnFields{"5 - 12", "13 - 20", "21 - 28", "29 - 36", "37 - 44", "45 - 52", "53 - 60", "61 - 68"};

const LayoutLabels kLayouts[] = {
    {1348, 0,
     {"5 - 8", "9 - 12", " ", " ", " ", " ", " ", " "},
     {"TID", "NUM", " ", " ", " ", " ", " ", " "},
     {"I4", "I4", " ", " ", " ", " ", " ", " "},
     {"Type of Identifiers: CP=0, WR=1, RES=2, WR Groups=3", "Number of Identifiers", "n/a", "n/a", "n/a", "n/a",
      "n/a", "n/a"}},
    {1349, 1, kEightColumnFields, numbered("IDCP or IDRES"), all("2x,A6"),
     first_and_rest("Control Point,Type ID = 0;  or  Reservoir, Type ID = 2", "Control Point or Reservoir")},
    {1350, 2,
     {"5 - 20", "21 - 36", "37 - 52", "53 - 68", "69 - 84", "85 - 100", "101 - 116", "117 - 132"},
     numbered("IDEN16"), all("A16"), first_and_rest("Water Right, Type ID = 1", "Water Right")},
    {1351, 3, kEightColumnFields, numbered("IDEN8"), all("A8"),
     first_and_rest("Water Right Group, Type ID = 3", "Water Right Group")},
};

Row shown(const ui::Dialog& dialog, const std::array<int, 8>& boxes) {
  Row row;
  for (std::size_t k = 0; k < boxes.size(); ++k) row[k] = dialog.text(boxes[k]);
  return row;
}

void expect_labels(const ui::Dialog& dialog, const LayoutLabels& labels) {
  EXPECT_EQ(shown(dialog, kColumns), labels.columns) << labels.button;
  EXPECT_EQ(shown(dialog, kVariables), labels.variables) << labels.button;
  EXPECT_EQ(shown(dialog, kFormats), labels.formats) << labels.button;
  EXPECT_EQ(shown(dialog, kDescriptions), labels.descriptions) << labels.button;
}

// A new record: the buttons relabel the rows and choose the layout; what the
// user typed stays.
TEST(IdenLayoutButtons, ForANewRecordLabelTheRowsAndKeepTheValues) {
  DescribedDialog opened(ids::record_iden::kDialog, DialogOpening::kCreate);
  opened.user().user_type(1346, "CP1");
  opened.user().user_type(1355, "CP2");
  for (const auto& labels : kLayouts) {
    opened.user().user_click(labels.button);
    expect_labels(*opened.dialog, labels);
    EXPECT_EQ(opened.tin.IDEN_LAYOUT, labels.layout);
    EXPECT_EQ(opened.dialog->text(1346), "CP1");
    EXPECT_EQ(opened.dialog->text(1355), "CP2");
  }
}

TEST(IdenLayoutButtons, TheChosenLayoutBuildsTheRecord) {
  DescribedDialog opened(ids::record_iden::kDialog, DialogOpening::kCreate);
  opened.dialog->set_callback(1341, ui::Event::Click, record_builder(opened.tin, opened.ui));
  opened.user().user_click(1348);
  opened.user().user_type(1346, "2");
  opened.user().user_type(1355, "5");
  opened.user().user_click(1341);
  ASSERT_EQ(opened.tin.records.count(), 1);
  EXPECT_EQ(without_trailing_blanks(opened.tin.records.line(1)), "IDEN   2   5");
}

// An existing record: the buttons also cut the record's text into the value
// boxes anew, so that switching back restores what the record holds.
TEST(IdenLayoutButtons, ForAnExistingRecordRecutTheSameText) {
  const std::string b8(8, ' ');
  const std::string b16(16, ' ');
  struct Step {
    int button;
    Row values;
  };
  const Step steps[] = {
      {1350, {"  CP0001  CP0002", b16, b16, b16, b16, b16, b16, b16}},
      {1349, {"  CP0001", "  CP0002", b8, b8, b8, b8, b8, b8}},
      {1348, {"  CP", "0001", " ", " ", " ", " ", " ", " "}},
      {1351, {"  CP0001", "  CP0002", b8, b8, b8, b8, b8, b8}},
  };
  DescribedDialog opened(ids::record_iden::kDialog, DialogOpening::kEdit);
  opened.tin.IDEN_TEXT = fit("  CP0001  CP0002", 252);
  const auto record_text = opened.tin.IDEN_TEXT;
  for (const auto& step : steps) {
    opened.user().user_click(step.button);
    EXPECT_EQ(shown(*opened.dialog, kValues), step.values) << step.button;
    EXPECT_EQ(opened.tin.IDEN_LAYOUT, step.button - 1348);
    expect_labels(*opened.dialog, kLayouts[step.button - 1348]);
  }
  EXPECT_EQ(opened.tin.IDEN_TEXT, record_text);
}

TEST(IdenLayoutButtons, RecutValuesAreRightAdjustedInTheirFields) {
  struct Case {
    std::string text;
    int button;
    std::string first, second;
  };
  const Case cases[] = {
      {"   2   5", 1348, "   2", "   5"},
      {"2   5", 1348, "   2", "   5"},
      {"CP1     CP2", 1349, "     CP1", "     CP2"},
      {"RIGHT-A         RIGHT-B", 1350, "         RIGHT-A", "         RIGHT-B"},
      {"G1      G2", 1351, "      G1", "      G2"},
  };
  for (const auto& c : cases) {
    DescribedDialog opened(ids::record_iden::kDialog, DialogOpening::kEdit);
    opened.tin.IDEN_TEXT = fit(c.text, 252);
    opened.user().user_click(c.button);
    EXPECT_EQ(opened.dialog->text(1346), c.first) << c.text;
    EXPECT_EQ(opened.dialog->text(1355), c.second) << c.text;
  }
}

}  // namespace
}  // namespace tarnex::tin::test
