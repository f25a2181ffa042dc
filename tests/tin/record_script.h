#pragma once
// Plays a record dialog as the user would: the steps fill its controls, then
// the Add button is clicked and the builder appends to the record list.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/record_builder.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::tin::test {

enum class Act {
  kType,    // the user types the text
  kChoose,  // the user picks the entry of a list
  kSet,     // the editor sets the text before the dialog runs (the shared dialogs' CD)
  kClick,   // the user clicks the button
};

struct Step {
  Act act;
  int control;
  std::string text;
};

inline Step type(int control, std::string text) { return {Act::kType, control, std::move(text)}; }
inline Step choose(int control, std::string entry) { return {Act::kChoose, control, std::move(entry)}; }
inline Step set(int control, std::string text) { return {Act::kSet, control, std::move(text)}; }
inline Step click(int control) { return {Act::kClick, control, {}}; }

struct RecordCase {
  std::string name;
  int dialog = 0;
  std::vector<Step> steps;
  // The lines expected in the list, written up to their last non-blank column.
  std::vector<std::string> expected;
  int iden_layout = 1;
};

// Names the case in test reports instead of dumping its bytes.
inline void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

inline void play(ui::HeadlessDialog& dialog, const std::vector<Step>& steps) {
  for (const auto& step : steps) {
    switch (step.act) {
      case Act::kType:
        dialog.user_type(step.control, step.text);
        break;
      case Act::kChoose:
        dialog.user_choose(step.control, step.text);
        break;
      case Act::kSet:
        dialog.set_text(step.control, step.text);
        break;
      case Act::kClick:
        dialog.user_click(step.control);
        break;
    }
  }
}

// Opens the record dialog, plays the steps, clicks Add; returns the id that
// ended the dialog.
inline int add_record(ui::HeadlessUi& ui, TinState& tin, int dialog_id, const std::vector<Step>& steps) {
  const auto* record = record_dialog(dialog_id);
  EXPECT_NE(record, nullptr) << "dialog " << dialog_id;
  if (!record) return 0;
  auto dialog = ui.make_dialog(dialog_id);
  EXPECT_NE(dialog, nullptr) << "no template for dialog " << dialog_id;
  if (!dialog) return 0;
  dialog->set_callback(record->add_button, ui::Event::Click, record_builder(tin, ui));
  const int add = record->add_button;
  ui.on_modal(dialog_id, [&steps, add](ui::HeadlessDialog& d) {
    play(d, steps);
    d.user_click(add);
  });
  return dialog->run_modal();
}

// The 1-based column where two lines first differ, 0 when they are equal.
inline std::size_t first_difference(const std::string& a, const std::string& b) {
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    if (i >= a.size() || i >= b.size() || a[i] != b[i]) return i + 1;
  }
  return 0;
}

// Every slot of the list against the expected lines, all 256 columns, and
// the slots after them blank.
inline void expect_lines(const RecordList& list, int from, const std::vector<std::string>& expected) {
  ASSERT_EQ(list.count(), from - 1 + static_cast<int>(expected.size()));
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const auto want = fit(expected[k], kLineLength);
    const auto& got = list.line(from + static_cast<int>(k));
    EXPECT_EQ(got, want) << "line " << k + 1 << " differs from column " << first_difference(got, want);
  }
}

// Test names hold letters, digits and underscores only ("3U+D" becomes "3U_D").
inline std::string test_name(std::string name) {
  std::ranges::replace_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

inline std::string case_name(const testing::TestParamInfo<RecordCase>& info) { return test_name(info.param.name); }

}  // namespace tarnex::tin::test
