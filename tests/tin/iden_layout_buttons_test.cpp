// The IDEN dialog's layout buttons: the rows' labels of each layout, the
// layout handed to the builder, and, for a record opened for editing, the
// same record text cut anew into the value boxes.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/fixed_text.h"
#include "described_dialog.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/iden_layout_buttons.h"
#include "tin/catalogue/record_builder.h"

namespace tarnex::tin::test {
namespace {

namespace iden = ids::record_iden;

constexpr std::array<int, 8> kColumns{iden::kColumns1, iden::kColumns2, iden::kColumns3, iden::kColumns4,
                                      iden::kColumns5, iden::kColumns6, iden::kColumns7, iden::kColumns8};
constexpr std::array<int, 8> kVariables{iden::kVariable1, iden::kVariable2, iden::kVariable3, iden::kVariable4,
                                        iden::kVariable5, iden::kVariable6, iden::kVariable7, iden::kVariable8};
constexpr std::array<int, 8> kFormats{iden::kFormat1, iden::kFormat2, iden::kFormat3, iden::kFormat4, iden::kFormat5,
                                      iden::kFormat6, iden::kFormat7, iden::kFormat8};
constexpr std::array<int, 8> kValues{iden::kValue1, iden::kValue2, iden::kValue3, iden::kValue4, iden::kValue5,
                                     iden::kValue6, iden::kValue7, iden::kValue8};
constexpr std::array<int, 8> kDescriptions{iden::kDescription1, iden::kDescription2, iden::kDescription3,
                                           iden::kDescription4, iden::kDescription5, iden::kDescription6,
                                           iden::kDescription7, iden::kDescription8};

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
    {iden::kLayoutTypeAndNumber, 0,
     {"5 - 8", "9 - 12", " ", " ", " ", " ", " ", " "},
     {"TID", "NUM", " ", " ", " ", " ", " ", " "},
     {"I4", "I4", " ", " ", " ", " ", " ", " "},
     {"Type of Identifiers: CP=0, WR=1, RES=2, WR Groups=3", "Number of Identifiers", "n/a", "n/a", "n/a", "n/a",
      "n/a", "n/a"}},
    {iden::kLayoutControlPoints, 1, kEightColumnFields, numbered("IDCP or IDRES"), all("2x,A6"),
     first_and_rest("Control Point,Type ID = 0;  or  Reservoir, Type ID = 2", "Control Point or Reservoir")},
    {iden::kLayoutWaterRights, 2,
     {"5 - 20", "21 - 36", "37 - 52", "53 - 68", "69 - 84", "85 - 100", "101 - 116", "117 - 132"},
     numbered("IDEN16"), all("A16"), first_and_rest("Water Right, Type ID = 1", "Water Right")},
    {iden::kLayoutRightGroups, 3, kEightColumnFields, numbered("IDEN8"), all("A8"),
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
  DescribedDialog opened(iden::kDialog, DialogOpening::kCreate);
  opened.user().user_type(iden::kValue1, "CP1");
  opened.user().user_type(iden::kValue2, "CP2");
  for (const auto& labels : kLayouts) {
    opened.user().user_click(labels.button);
    expect_labels(*opened.dialog, labels);
    EXPECT_EQ(opened.tin.IDEN_LAYOUT, labels.layout);
    EXPECT_EQ(opened.dialog->text(iden::kValue1), "CP1");
    EXPECT_EQ(opened.dialog->text(iden::kValue2), "CP2");
  }
}

TEST(IdenLayoutButtons, TheChosenLayoutBuildsTheRecord) {
  DescribedDialog opened(iden::kDialog, DialogOpening::kCreate);
  opened.dialog->set_callback(iden::kAdd, ui::Event::Click, record_builder(opened.tin, opened.ui));
  opened.user().user_click(iden::kLayoutTypeAndNumber);
  opened.user().user_type(iden::kValue1, "2");
  opened.user().user_type(iden::kValue2, "5");
  opened.user().user_click(iden::kAdd);
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
      {iden::kLayoutWaterRights, {"  CP0001  CP0002", b16, b16, b16, b16, b16, b16, b16}},
      {iden::kLayoutControlPoints, {"  CP0001", "  CP0002", b8, b8, b8, b8, b8, b8}},
      {iden::kLayoutTypeAndNumber, {"  CP", "0001", " ", " ", " ", " ", " ", " "}},
      {iden::kLayoutRightGroups, {"  CP0001", "  CP0002", b8, b8, b8, b8, b8, b8}},
  };
  DescribedDialog opened(iden::kDialog, DialogOpening::kEdit);
  opened.tin.IDEN_TEXT = fit("  CP0001  CP0002", 252);
  const auto record_text = opened.tin.IDEN_TEXT;
  for (const auto& step : steps) {
    opened.user().user_click(step.button);
    EXPECT_EQ(shown(*opened.dialog, kValues), step.values) << step.button;
    EXPECT_EQ(opened.tin.IDEN_LAYOUT, step.button - iden::kLayoutTypeAndNumber);
    expect_labels(*opened.dialog, kLayouts[step.button - iden::kLayoutTypeAndNumber]);
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
      {"   2   5", iden::kLayoutTypeAndNumber, "   2", "   5"},
      {"2   5", iden::kLayoutTypeAndNumber, "   2", "   5"},
      {"CP1     CP2", iden::kLayoutControlPoints, "     CP1", "     CP2"},
      {"RIGHT-A         RIGHT-B", iden::kLayoutWaterRights, "         RIGHT-A", "         RIGHT-B"},
      {"G1      G2", iden::kLayoutRightGroups, "      G1", "      G2"},
  };
  for (const auto& c : cases) {
    DescribedDialog opened(iden::kDialog, DialogOpening::kEdit);
    opened.tin.IDEN_TEXT = fit(c.text, 252);
    opened.user().user_click(c.button);
    EXPECT_EQ(opened.dialog->text(iden::kValue1), c.first) << c.text;
    EXPECT_EQ(opened.dialog->text(iden::kValue2), c.second) << c.text;
  }
}

}  // namespace
}  // namespace tarnex::tin::test
