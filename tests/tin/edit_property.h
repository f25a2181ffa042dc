#pragma once
// A property of Edit that holds for every record list: Edit then OK with
// nothing changed may set a record's lines right once (a value its dialog
// cannot hold, a first line a 2RES record lacks), but doing it again on the
// line the first left selected changes nothing. Free of the test framework,
// so that a fuzz harness can call it too.

#include <optional>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "tin/catalogue/edited_record.h"
#include "tin/catalogue/tin_state.h"
#include "tin/editor/record_editing.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::tin::test {

// Edit on `selected` with the dialog confirmed as it opened; the line
// selected after, or nothing when no dialog opened.
inline std::optional<int> edit_and_confirm(TinState& tin, ui::HeadlessUi& ui, int selected) {
  const bool in_list = selected >= 1 && selected <= tin.records.count();
  const auto* record = in_list ? dialog_to_edit(tin.records.line(selected)) : nullptr;
  if (!record) return std::nullopt;
  const int ok = record->add_button;
  ui.on_modal(record->dialog, [ok](ui::HeadlessDialog& d) { d.user_click(ok); });
  return edit_record(tin, ui, selected);
}

inline std::string shown(const RecordList& list) {
  std::string text;
  for (int k = 1; k <= list.count(); ++k) {
    text += "\n  " + std::to_string(k) + ": " + without_trailing_blanks(list.line(k));
  }
  return text;
}

// Empty when a second Edit then OK leaves the list and the selection as the
// first left them; otherwise what happened, to be reported.
inline std::string second_edit_change(ui::HeadlessUi& ui, const std::vector<std::string>& lines, int selected) {
  TinState tin;
  if (!tin.records.append(lines)) return {};
  const auto before = shown(tin.records);
  const auto first = edit_and_confirm(tin, ui, selected);
  if (!first) return {};
  const auto after_first = shown(tin.records);
  const auto second = edit_and_confirm(tin, ui, *first);
  const auto after_second = shown(tin.records);
  if (after_second == after_first && second == first) return {};
  const auto selection = [](std::optional<int> s) { return s ? std::to_string(*s) : std::string("none"); };
  return "list:" + before + "\nafter Edit on " + std::to_string(selected) + ", selected " + selection(first) + ":" +
         after_first + "\nafter Edit on " + selection(first) + ", selected " + selection(second) + ":" + after_second;
}

}  // namespace tarnex::tin::test
