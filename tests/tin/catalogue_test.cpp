// The catalogue against itself and against the dialog templates: every record
// type has its dialog, every field's control stands in its template with the
// kind, options, description box and row captions the catalogue gives, and
// every field keeps to its own columns.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "resources/dialog_ids.h"
#include "tin/catalogue/catalogue.h"
#include "ui/services.h"

namespace tarnex::tin {
namespace {


TEST(Catalogue, ListsOfferEveryRecordTypeButTwoRetOnce) {
  std::map<std::string_view, int> listed;
  for (const auto& list : record_type_lists()) {
    ASSERT_FALSE(list.entries.empty());
    EXPECT_EQ(list.entries.front(), "") << list.heading;
    for (auto entry : list.entries.subspan(1)) {
      if (entry == kSeparator) continue;
      ++listed[entry];
      EXPECT_NE(record_type(entry), nullptr) << entry << " in " << list.heading;
    }
  }
  EXPECT_EQ(listed.size(), record_types().size() - 1);
  for (const auto& type : record_types()) EXPECT_EQ(listed[type.code], type.code == "2RET" ? 0 : 1) << type.code;
}

TEST(Catalogue, ListsStandInTheEditorsOrder) {
  const std::pair<int, std::string_view> expected[] = {
      {ids::tin_editor::kMiscList, "Misc"},
      {ids::tin_editor::kType1List, "Type 1"},
      {ids::tin_editor::kType2List, "Type 2"},
      {ids::tin_editor::kType3List, "Type 3"},
      {ids::tin_editor::kType4List, "Type 4"}};
  const auto lists = record_type_lists();
  ASSERT_EQ(lists.size(), std::size(expected));
  for (std::size_t i = 0; i < lists.size(); ++i) {
    EXPECT_EQ(lists[i].control, expected[i].first);
    EXPECT_EQ(lists[i].heading, expected[i].second);
  }
  EXPECT_EQ(lists[2].entries.size(), 47u);
  EXPECT_EQ(std::ranges::count(lists[2].entries, kSeparator), 6);
}

TEST(Catalogue, SharedDialogsServeTheTimeSeriesAndTypeThreeRecords) {
  std::map<int, int> users;
  for (const auto& type : record_types()) ++users[type.dialog];
  EXPECT_EQ(users[ids::record_series::kDialog], 29);
  EXPECT_EQ(users[ids::record_type3::kDialog], 6);
  for (const auto& type : record_types()) {
    if (type.dialog == ids::record_series::kDialog) {
      EXPECT_TRUE(type.code.starts_with("2")) << type.code;
    }
    if (type.dialog == ids::record_type3::kDialog) {
      EXPECT_TRUE(type.code.starts_with("3")) << type.code;
    }
  }
}

TEST(Catalogue, EveryRecordTypeHasItsDialogAndEveryDialogItsAddButton) {
  std::set<int> used;
  for (const auto& type : record_types()) {
    EXPECT_NE(record_dialog(type.dialog), nullptr) << type.code;
    used.insert(type.dialog);
  }
  std::set<int> add_buttons;
  for (const auto& record : record_dialogs()) {
    EXPECT_TRUE(used.count(record.dialog)) << "no record type uses dialog " << record.dialog;
    EXPECT_TRUE(add_buttons.insert(record.add_button).second) << "Add button " << record.add_button << " twice";
    EXPECT_EQ(dialog_of_add_button(record.add_button), &record);
    if (!record.code.empty()) {
      ASSERT_NE(record_type(record.code), nullptr) << record.code;
      EXPECT_EQ(record_type(record.code)->dialog, record.dialog) << record.code;
    }
  }
  EXPECT_EQ(record_dialogs().size(), 30u);
}

bool applies(const Field& field, int variant) { return field.only == 0 || (field.only >> variant & 1u) != 0; }

// The values a list may get: the largest count its count control offers.
int most_values(const RecordDialog& record) {
  int most = 0;
  for (const auto& field : record.fields) {
    if (field.control != record.count_control) continue;
    for (auto entry : field.offered) most = std::max(most, std::abs(std::stoi(std::string(entry))));
  }
  return std::max(most, record.count_when_blank);
}

TEST(Catalogue, FieldsKeepToTheirOwnColumns) {
  for (const auto& record : record_dialogs()) {
    const int variants = record.variant == Variant::kNone ? 1 : record.variant == Variant::kFrqIdentifier ? 2 : 4;
    for (int variant = 0; variant < variants; ++variant) {
      std::map<int, std::vector<bool>> taken;  // by line, column 1-256
      for (const auto& field : record.fields) {
        if (!applies(field, variant)) continue;
        const int values = field.kind == Kind::kMultiLine ? most_values(record) : 1;
        const int last = field.first + field.width * values - 1;
        SCOPED_TRACE("dialog " + std::to_string(record.dialog) + " control " + std::to_string(field.control) +
                     " variant " + std::to_string(variant));
        EXPECT_GE(field.first, field.read == Read::kAsTyped && field.width == 4 ? 1 : 5);
        EXPECT_LE(last, 256);
        EXPECT_LT(field.blank_part, field.width);
        auto& columns = taken.try_emplace(field.line, 257, false).first->second;
        for (int column = field.first; column <= std::min(last, 256); ++column) {
          EXPECT_FALSE(columns[static_cast<std::size_t>(column)]) << "column " << column << " taken twice";
          columns[static_cast<std::size_t>(column)] = true;
        }
      }
    }
  }
}

ControlKind kind_of(Kind kind) {
  switch (kind) {
    case Kind::kDropList:
      return ControlKind::DropDownList;
    case Kind::kCombo:
      return ControlKind::DropDownCombo;
    case Kind::kEdit:
    case Kind::kMultiLine:
    case Kind::kReadOnly:
      break;
  }
  return ControlKind::Edit;
}

// The statics of the control's row in its container, by grid column.
std::map<int, std::string> row_captions(const DialogTemplate& dialog, const ControlTemplate& control) {
  std::map<int, std::string> captions;
  for (const auto& c : dialog.controls) {
    if (c.kind == ControlKind::Static && c.row == control.row && c.parent == control.parent) captions[c.column] = c.caption;
  }
  return captions;
}

class RecordDialogTemplate : public testing::TestWithParam<RecordDialog> {};

TEST_P(RecordDialogTemplate, HoldsTheCataloguesControls) {
  const auto& record = GetParam();
  TemplateLibrary library;
  const auto* dialog = library.find(record.dialog);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->title, record.title);

  const auto* add = dialog->control(record.add_button);
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(add->kind, ControlKind::DefaultPushButton);
  EXPECT_EQ(add->caption, record.add_caption);
  const auto* cancel = dialog->control(ui::kCancel);
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->caption, "Cancel");

  for (const auto& field : record.fields) {
    SCOPED_TRACE("control " + std::to_string(field.control));
    const auto* control = dialog->control(field.control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->kind, kind_of(field.kind));
    EXPECT_EQ(control->multi_line, field.kind == Kind::kMultiLine);
    EXPECT_EQ(control->read_only, field.kind == Kind::kReadOnly);
    EXPECT_TRUE(std::ranges::equal(control->items, field.offered));
    if (field.description != 0) {
      const auto* description = dialog->control(field.description);
      ASSERT_NE(description, nullptr) << "description " << field.description;
      EXPECT_EQ(description->kind, ControlKind::Edit);
      EXPECT_TRUE(description->read_only);
      EXPECT_FALSE(description->multi_line);
      EXPECT_EQ(description->row, control->row);
    }
    if (!field.columns.empty()) {
      const auto captions = row_captions(*dialog, *control);
      EXPECT_EQ(captions.count(0) ? captions.at(0) : "", field.columns);
      EXPECT_EQ(captions.count(1) ? captions.at(1) : "", field.variable);
      EXPECT_EQ(captions.count(2) ? captions.at(2) : "", field.format);
    }
  }
  if (!record.code.empty()) {
    const bool shown = std::ranges::any_of(dialog->controls, [&](const ControlTemplate& c) {
      return c.kind == ControlKind::Static && c.column == 3 && c.caption == record.code;
    });
    EXPECT_TRUE(shown) << "the record identifier is shown in the Value column";
  }
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, RecordDialogTemplate, testing::ValuesIn(record_dialogs()),
                         [](const testing::TestParamInfo<RecordDialog>& info) {
                           return "Dialog" + std::to_string(info.param.dialog);
                         });

// Controls the dialogs address by id beyond the fields: the record identifier
// of the TITL dialog, notes, the rows the option callbacks relabel, the IDEN
// layout buttons, and the report dialog.
struct Named {
  int dialog;
  int control;
  ControlKind kind;
  std::string caption;
};

TEST(RecordDialogTemplates, HoldTheControlsNamedByTheirIds) {
  std::vector<Named> named = {
      {ids::record_titl::kDialog, ids::record_titl::kCode, ControlKind::Static, "TITL"},
      {ids::record_file::kDialog, ids::record_file::kDssMonNote, ControlKind::Static,
       "First month in DSS file (Jan, FEB, MAR ..., DEC)"},
      {ids::record_2frq::kDialog, ids::record_2frq::kIdenColumns, ControlKind::Static, "17 - 24"},
      {ids::record_2frq::kDialog, ids::record_2frq::kIdenVariable, ControlKind::Static, "IDEN"},
      {ids::record_2frq::kDialog, ids::record_2frq::kIdenFormat, ControlKind::Static, "2x,A6"},
      {ids::record_2frq::kDialog, ids::record_2frq::kQfColumns, ControlKind::Static, "25 - 80"},
      {ids::record_series::kDialog, ids::record_series::kIdenColumns, ControlKind::Edit, ""},
      {ids::record_series::kDialog, ids::record_series::kIdenVariable, ControlKind::Edit, ""},
      {ids::record_series::kDialog, ids::record_series::kIdenFormat, ControlKind::Edit, ""},
      {ids::record_iden::kDialog, ids::record_iden::kLayoutTypeAndNumber, ControlKind::RadioButton,
       "Type and Number of Identifiers, fmt = I4, I4"},
      {ids::record_iden::kDialog, ids::record_iden::kLayoutControlPoints, ControlKind::RadioButton,
       "Control Point or Reservoir Identifiers, fmt = 2x,A6"},
      {ids::record_iden::kDialog, ids::record_iden::kLayoutWaterRights, ControlKind::RadioButton,
       "Water Right Identifiers, fmt = A16"},
      {ids::record_iden::kDialog, ids::record_iden::kLayoutRightGroups, ControlKind::RadioButton,
       "Water Right Groups Identifiers, fmt = A8"},
      {ids::tin_message::kDialog, ids::tin_message::kText, ControlKind::Edit, ""},
      {ids::tin_message::kDialog, ui::kOk, ControlKind::DefaultPushButton, "OK"},
  };
  namespace iden = ids::record_iden;
  const int rows[8][5] = {
      {iden::kColumns1, iden::kVariable1, iden::kFormat1, iden::kValue1, iden::kDescription1},
      {iden::kColumns2, iden::kVariable2, iden::kFormat2, iden::kValue2, iden::kDescription2},
      {iden::kColumns3, iden::kVariable3, iden::kFormat3, iden::kValue3, iden::kDescription3},
      {iden::kColumns4, iden::kVariable4, iden::kFormat4, iden::kValue4, iden::kDescription4},
      {iden::kColumns5, iden::kVariable5, iden::kFormat5, iden::kValue5, iden::kDescription5},
      {iden::kColumns6, iden::kVariable6, iden::kFormat6, iden::kValue6, iden::kDescription6},
      {iden::kColumns7, iden::kVariable7, iden::kFormat7, iden::kValue7, iden::kDescription7},
      {iden::kColumns8, iden::kVariable8, iden::kFormat8, iden::kValue8, iden::kDescription8},
  };
  for (int k = 0; k < 8; ++k) {
    named.push_back({iden::kDialog, rows[k][0], ControlKind::Edit,
                     std::to_string(5 + 8 * k) + " - " + std::to_string(12 + 8 * k)});
    named.push_back({iden::kDialog, rows[k][1], ControlKind::Edit,
                     "IDCP or IDRES(" + std::to_string(k + 1) + ")"});
    named.push_back({iden::kDialog, rows[k][2], ControlKind::Edit, "2x,A6"});
    named.push_back({iden::kDialog, rows[k][3], ControlKind::Edit, ""});
    named.push_back({iden::kDialog, rows[k][4], ControlKind::Edit,
                     k == 0 ? "Control Point,Type ID = 0;  or  Reservoir, Type ID = 2" : "Control Point or Reservoir"});
  }
  TemplateLibrary library;
  for (const auto& n : named) {
    const auto* dialog = library.find(n.dialog);
    ASSERT_NE(dialog, nullptr) << n.dialog;
    const auto* control = dialog->control(n.control);
    ASSERT_NE(control, nullptr) << "dialog " << n.dialog << " control " << n.control;
    EXPECT_EQ(control->kind, n.kind) << n.control;
    EXPECT_EQ(control->caption, n.caption) << n.control;
  }
  // The IDEN rows: only the value boxes take typing.
  for (const auto& row : rows) {
    for (int i = 0; i < 5; ++i) EXPECT_EQ(library.find(iden::kDialog)->control(row[i])->read_only, i != 3) << row[i];
  }
}

}  // namespace
}  // namespace tarnex::tin
