#include "tin/editor/file_view.h"

#include <algorithm>
#include <optional>

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/message_dialog.h"
#include "tin/editor/build_report.h"
#include "tin/editor/create_record.h"
#include "tin/editor/editor_help.h"
#include "tin/editor/list_operations.h"
#include "tin/editor/record_editing.h"
#include "tin/editor/tin_file_writer.h"

namespace tarnex::tin {
namespace {

namespace tin_editor = ids::tin_editor;

struct ListOperation {
  int button;
  std::optional<int> (*operate)(RecordList&, int);
};

constexpr ListOperation kListOperations[] = {
    {tin_editor::kMoveUp, move_up},
    {tin_editor::kMoveDown, move_down},
    {tin_editor::kDelete, delete_line},
};

void create(TinState& tin, ui::Ui& ui, ui::Dialog& dialog) {
  const int selection = dialog.selected(tin_editor::kFileView);
  create_record(tin, ui, fit(dialog.text(tin_editor::kCurrentRecordType), 4));
  // The builder appended the new record at the end: it is selected.
  const bool appended = dialog.item_count(tin_editor::kFileView) != tin.records.count();
  show_records(dialog, tin.records, appended ? tin.records.count() : selection);
}

void build(const TinState& tin, ui::Ui& ui, ui::Dialog& dialog) {
  const auto name = without_trailing_blanks(remove_leading_blanks(dialog.text(tin_editor::kEditedFileName)));
  const auto warnings = build_warnings(tin.records);
  const bool written = write_tin_file(name, tin.records);
  show_message(ui, name, written ? build_report(name, warnings) : build_failure_report(name));
}

// The view never scrolls past the end of the longest line shown.
int last_first_column(const RecordList& list) {
  std::size_t longest = 1;
  for (int k = 1; k <= list.count(); ++k) {
    longest = std::max(longest, length_without_trailing_blanks(columns(list.line(k), 1, kWrittenColumns)));
  }
  return std::min(static_cast<int>(longest), kLastFirstColumn);
}

void scroll(const RecordList& list, ui::Dialog& dialog) {
  const int position = dialog.scroll_position(tin_editor::kColumnScroll);
  const int first = std::clamp(position, 1, last_first_column(list));
  if (first != position) dialog.set_scroll_position(tin_editor::kColumnScroll, first);
  for (int k = 1; k <= list.count(); ++k) {
    dialog.set_item_text(tin_editor::kFileView, k,
                         columns(list.line(k), static_cast<std::size_t>(first),
                                 static_cast<std::size_t>(kWrittenColumns - first + 1)));
  }
}

}  // namespace

void show_records(ui::Dialog& dialog, const RecordList& list, int selection) {
  if (dialog.item_count(tin_editor::kFileView) != list.count()) {
    dialog.set_item_count(tin_editor::kFileView, list.count());
  }
  for (int k = 1; k <= list.count(); ++k) dialog.set_item_text(tin_editor::kFileView, k, list.line(k));
  dialog.set_selected(tin_editor::kFileView, selection);
  dialog.set_scroll_position(tin_editor::kColumnScroll, 1);
}

void FILEVIEW(TinState& tin, ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event) {
  for (const auto& operation : kListOperations) {
    if (operation.button != control_id) continue;
    if (const auto selection = operation.operate(tin.records, dialog.selected(tin_editor::kFileView))) {
      show_records(dialog, tin.records, *selection);
    }
    return;
  }
  switch (control_id) {
    case tin_editor::kCreate:
      create(tin, ui, dialog);
      break;
    // After Build and Help too the lines are shown from column 1 again, as
    // after every other button.
    case tin_editor::kBuild:
      build(tin, ui, dialog);
      show_records(dialog, tin.records, dialog.selected(tin_editor::kFileView));
      break;
    case tin_editor::kHelp:
      show_message(ui, "Help", editor_help_text());
      show_records(dialog, tin.records, dialog.selected(tin_editor::kFileView));
      break;
    case tin_editor::kEdit:
      if (const auto selection = edit_record(tin, ui, dialog.selected(tin_editor::kFileView))) {
        show_records(dialog, tin.records, *selection);
      }
      break;
    case tin_editor::kColumnScroll:
      scroll(tin.records, dialog);
      break;
    default:
      break;
  }
}

}  // namespace tarnex::tin
