// The generated header "resources/dialog_ids.h" against the template
// library: every named dialog exists with its id, and every named control
// with its id in that dialog; no name of the templates is missing from the
// header. That an id the code uses belongs to the dialog it addresses is
// checked by the headless realisation, which throws when a dialog has no
// such control, so the unit tests that exercise the code check the rest.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/dialog_template.h"
#include "resources/resources.h"

namespace tarnex {
namespace {

// One constant of the header: its dialog's namespace, its name without the
// leading k, and its value.
struct NamedId {
  std::string dialog;
  std::string name;
  int id = 0;
};

std::vector<NamedId> header_ids() {
  std::ifstream header(DIALOG_IDS_HEADER);
  std::stringstream text;
  text << header.rdbuf();
  const std::regex pattern(R"(namespace (\w+) \{|inline constexpr int k(\w+) = (-?\d+);)");
  std::vector<NamedId> ids;
  std::string dialog;
  const auto content = text.str();
  for (std::sregex_iterator it(content.begin(), content.end(), pattern), end; it != end; ++it) {
    const auto& match = *it;
    if (match[1].matched) dialog = match[1];
    else ids.push_back({dialog, match[2], std::stoi(match[3])});
  }
  return ids;
}

// "dialog.Name" for every name the templates give.
std::set<std::string> template_names() {
  std::set<std::string> names;
  for (const auto& resource : resources::all()) {
    if (!resource.name.ends_with(".dlg")) continue;
    for (const auto& dialog : parse_dialog_templates(resource.text)) {
      if (dialog.name.empty()) continue;
      names.insert(dialog.name + ".Dialog");
      for (const auto& control : dialog.controls) {
        if (!control.name.empty()) names.insert(dialog.name + "." + control.name);
      }
    }
  }
  return names;
}

TEST(DialogIds, EveryNameOfTheHeaderIsItsDialogOrAControlOfIt) {
  const auto ids = header_ids();
  ASSERT_FALSE(ids.empty()) << DIALOG_IDS_HEADER;
  const TemplateLibrary library;
  const DialogTemplate* dialog = nullptr;
  for (const auto& named : ids) {
    const auto where = named.dialog + "::k" + named.name + " = " + std::to_string(named.id);
    if (named.name == "Dialog") {
      dialog = library.find(named.id);
      ASSERT_NE(dialog, nullptr) << where;
      EXPECT_EQ(dialog->name, named.dialog) << where;
      continue;
    }
    ASSERT_NE(dialog, nullptr) << where << " comes before its dialog";
    ASSERT_EQ(dialog->name, named.dialog) << where;
    const auto* control = dialog->control(named.id);
    ASSERT_NE(control, nullptr) << where;
    EXPECT_EQ(control->name, named.name) << where;
  }
}

TEST(DialogIds, EveryNameOfTheTemplatesIsInTheHeader) {
  std::set<std::string> in_header;
  for (const auto& named : header_ids()) in_header.insert(named.dialog + "." + named.name);
  EXPECT_EQ(in_header, template_names());
}

}  // namespace
}  // namespace tarnex
