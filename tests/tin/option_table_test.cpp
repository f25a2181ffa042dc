// The option descriptions against the dialog templates and the catalogue:
// every described option is a list of its dialog with a read-only box beside
// it, every option the catalogue gives a description box is described, and
// every list of a record dialog is bound when the dialog opens.

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/option_description_table.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::tin {
namespace {


bool is_list(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo; }

TEST(OptionTable, DescribesListsOfItsDialogsIntoReadOnlyBoxes) {
  TemplateLibrary templates;
  std::set<std::pair<int, int>> seen;
  for (const auto& option : option_controls()) {
    EXPECT_TRUE(seen.emplace(option.dialog, option.control).second) << option.control << " twice";
    const auto* dialog = templates.find(option.dialog);
    ASSERT_NE(dialog, nullptr) << option.dialog;
    const auto* control = dialog->control(option.control);
    ASSERT_NE(control, nullptr) << option.control;
    EXPECT_TRUE(is_list(control->kind)) << option.control;
    const auto* box = dialog->control(option.description);
    ASSERT_NE(box, nullptr) << option.description;
    EXPECT_EQ(box->kind, ControlKind::Edit) << option.description;
    EXPECT_TRUE(box->read_only) << option.description;
  }
}

TEST(OptionTable, AgreesWithTheCatalogueOnEveryDescribedOption) {
  for (const auto& record : record_dialogs()) {
    for (const auto& field : record.fields) {
      const auto* option = option_control(record.dialog, field.control);
      const bool list = field.kind == Kind::kDropList || field.kind == Kind::kCombo;
      if (list && field.description != 0) {
        ASSERT_NE(option, nullptr) << record.dialog << "/" << field.control;
        EXPECT_EQ(option->description, field.description) << field.control;
      }
      if (option) {
        EXPECT_TRUE(list) << field.control;
      }
    }
  }
}

// The binding follows the catalogue's lists: they must be all the lists the
// templates of the record dialogs hold.
TEST(OptionTable, TheCatalogueKnowsEveryListOfTheRecordDialogs) {
  TemplateLibrary templates;
  for (const auto& record : record_dialogs()) {
    std::set<int> listed;
    for (const auto& field : record.fields) {
      if (field.kind == Kind::kDropList || field.kind == Kind::kCombo) listed.insert(field.control);
    }
    std::set<int> in_template;
    for (const auto& control : templates.find(record.dialog)->controls) {
      if (is_list(control.kind)) in_template.insert(control.id);
    }
    EXPECT_EQ(listed, in_template) << record.dialog;
  }
}

}  // namespace
}  // namespace tarnex::tin
