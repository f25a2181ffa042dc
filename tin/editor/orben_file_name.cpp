#include "tin/editor/orben_file_name.h"

#include <string>

#include "base/fixed_text.h"
#include "common/cursor_position.h"
#include "common/executable_paths.h"
#include "common/locate_datfiles.h"
#include "resources/dialog_ids.h"
#include "tin/editor/file_builder.h"
#include "tin/editor/tin_file_reader.h"

namespace tarnex::tin {
namespace {

namespace orben_file_name = ids::orben_file_name;

using Outcome = TinFileRead::Outcome;

// The longest root: it is held in a 256-character field.
constexpr std::size_t kRootLimit = 256;
constexpr std::string_view kExtension = ".tin";

// What the load error dialog says when a file is found but not loaded.
struct LoadError {
  Outcome outcome;
  std::string_view text;
};

constexpr std::string_view kRootTooLong =
    "The root of the file name is longer than 256 characters.\r\n"
    "Type a shorter root, or move the file to a shorter path and choose it again.";

constexpr std::string_view kNotText =
    "Non alphanumeric data was found in the file.  Please check that this is a valid ORBEN file.";

constexpr LoadError kLoadErrors[] = {
    {Outcome::kNotText, kNotText},
    {Outcome::kReadError, kNotText},
    // Loading part of the file would cut it short at the next Build.
    {Outcome::kTooManyLines,
     "The file holds more than 256 records, and the ORBEN File Builder can edit no more than 256.  The file was not "
     "opened and nothing was changed."},
};

void show(ui::Ui& ui, int dialog_id, int text_control = 0, std::string_view text = {}) {
  auto dialog = ui.make_dialog(dialog_id);
  if (!dialog) return;
  if (text_control != 0) dialog->set_text(text_control, text);
  dialog->run_modal();
}

void browse(Paths& paths, ui::Ui& ui, ui::Dialog& dialog) {
  // The choice is remembered for the next Browse while the program runs.
  auto& remembered = paths.browse_paths[orben_file_name::kBrowse];
  const auto chosen = ui.open_file({{"TIN file", "*.tin"}}, "Select a ORBEN file to edit", remembered);
  if (!chosen) return;
  remembered = *chosen;
  const auto root = root_of_chosen_file(*chosen, path_of(paths.executable_paths[kTarnex]), true, system_spelling());
  dialog.set_text(orben_file_name::kFileRoot, root);
}

void load(TinState& tin, ui::Ui& ui, const std::string& name) {
  const auto read = read_tin_file(name);
  if (read.outcome == Outcome::kRead) {
    tin.records.append(read.lines);
    FILEBUILDER(tin, ui, name);
    return;
  }
  if (read.outcome == Outcome::kCannotOpen) {
    show(ui, ids::file_not_found::kDialog, ids::file_not_found::kFileName, name);
    return;
  }
  for (const auto& error : kLoadErrors) {
    if (error.outcome == read.outcome) show(ui, ids::load_error::kDialog, ids::load_error::kText, error.text);
  }
}

void begin_editing(TinState& tin, ui::Ui& ui, ui::Dialog& dialog) {
  tin.records.clear();
  // Leading blanks go too: Build writes to the name without them, which must
  // be the file that was loaded.
  const auto root = without_trailing_blanks(remove_leading_blanks(dialog.text(orben_file_name::kFileRoot)));
  // Refused, not cut: the cut root may name another file, which Build would
  // overwrite. The dialog stays for a shorter one.
  if (root.size() > kRootLimit) {
    ui.message_box(kRootTooLong, "ERROR");
    return;
  }
  dialog.end(orben_file_name::kBeginEditing);
  if (root.empty()) {
    show(ui, ids::invalid_filename::kDialog);
    return;
  }
  const auto name = existing_file_name(root + std::string(kExtension));
  if (can_create_new_file(name)) {
    FILEBUILDER(tin, ui, name);
    return;
  }
  load(tin, ui, name);
}

}  // namespace

void ORBEN_FILENAME(TinState& tin, Paths& paths, ui::Ui& ui) {
  auto dialog = ui.make_dialog(orben_file_name::kDialog);
  if (!dialog) return;
  dialog->set_callback(orben_file_name::kFileRoot, ui::Event::FocusGain, CURSORPOSITION);
  const ui::Callback initialize = [&tin, &paths, &ui](ui::Dialog& d, int id, ui::Event event) {
    FILEINITIALIZE(tin, paths, ui, d, id, event);
  };
  dialog->set_callback(orben_file_name::kBrowse, ui::Event::Click, initialize);
  dialog->set_callback(orben_file_name::kBeginEditing, ui::Event::Click, initialize);
  dialog->run_modal();
}

void FILEINITIALIZE(TinState& tin, Paths& paths, ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event) {
  if (control_id == orben_file_name::kBrowse) browse(paths, ui, dialog);
  if (control_id == orben_file_name::kBeginEditing) begin_editing(tin, ui, dialog);
}

}  // namespace tarnex::tin
