#include "tin/editor/record_editing.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/cursor_position.h"
#include "tin/catalogue/edited_record.h"
#include "tin/catalogue/message_dialog.h"
#include "tin/catalogue/record_builder.h"
#include "tin/catalogue/record_replace.h"
#include "tin/catalogue/record_setup.h"
#include "tin/editor/record_extent.h"
#include "tin/editor/reservoir_group.h"

namespace tarnex::tin {
namespace {

// The record's lines as its dialog reads them. 2RES storage lines without
// their first line are read after one that holds nothing but the
// identifier, so that their values show as storages and OK gives them the
// first line they lack.
std::vector<std::string> lines_of(const RecordList& list, const RecordLines& lines, const RecordDialog& record) {
  std::vector<std::string> text;
  if (lines.extent == Extent::kLoneStorage) text.emplace_back(record.code);
  for (int k = lines.first; k < lines.first + lines.length; ++k) text.push_back(list.line(k));
  return text;
}

// A 2RES record rebuilt without its third line would take a storage line
// after it, a record of its own, for that line: it keeps a third line with no
// values instead, read as inactive storages of 0 as when the line is left out.
void keep_next_record_apart(std::vector<std::string>& rebuilt, const RecordList& list, const RecordLines& lines,
                            const RecordDialog& record) {
  const bool group = lines.extent == Extent::kGroup || lines.extent == Extent::kLoneStorage;
  if (!group || !is_storage_line(list.line(lines.first + lines.length))) return;
  while (rebuilt.size() < 1 + record.extra_lines.size()) {
    rebuilt.emplace_back(record.extra_lines[rebuilt.size() - 1].code);
  }
}

std::string no_room_text(int count, const RecordLines& lines, std::size_t rebuilt) {
  return "\r\nThe ORBEN file already holds " + std::to_string(count) + " records, and it can hold no more than " +
         std::to_string(kSlots) + ".\r\nThe edited record needs " + std::to_string(rebuilt) + " lines where it had " +
         std::to_string(lines.length) + ", so it was left as it was.";
}

}  // namespace

std::optional<int> edit_record(TinState& tin, ui::Ui& ui, int selected) {
  auto& list = tin.records;
  if (selected < 1 || selected > list.count()) return std::nullopt;
  const auto* record = dialog_to_edit(list.line(selected));
  if (!record) return std::nullopt;
  auto dialog = ui.make_dialog(record->dialog);
  if (!dialog) return std::nullopt;

  auto lines = record_lines(list, selected, *record);
  set_up_for_edit(tin, *dialog, lines_of(list, lines, *record), CURSORPOSITION);
  // An IDEN line after a time series that lists no identifiers is an IDEN
  // record of its own: it stays where it is.
  if (lines.extent == Extent::kFollowOn) {
    const auto unchanged = build_record(*record, *dialog, tin.IDEN_LAYOUT);
    lines.length = std::min(lines.length, static_cast<int>(unchanged.size()));
  }

  // OK builds the record without appending it: it goes where the old one is.
  std::vector<std::string> rebuilt;
  dialog->set_callback(record->add_button, ui::Event::Click,
                       [&tin, &rebuilt](ui::Dialog& d, int control_id, ui::Event) {
                         rebuilt = build_on_click(tin, d, control_id);
                         if (!rebuilt.empty()) d.end(control_id);
                       });
  dialog->run_modal();
  dialog.reset();

  if (rebuilt.empty()) return selected;
  keep_next_record_apart(rebuilt, list, lines, *record);
  if (!replace_lines(list, lines.first, lines.length, rebuilt)) {
    show_message(ui, "ERROR", no_room_text(list.count(), lines, rebuilt.size()));
    return selected;
  }
  // A 2RES record is selected by its last line, as after moving it.
  const int last = lines.first + static_cast<int>(rebuilt.size()) - 1;
  return lines.extent == Extent::kGroup || lines.extent == Extent::kLoneStorage ? last : lines.first;
}

}  // namespace tarnex::tin
