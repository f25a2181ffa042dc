#include "templates/template_commands.h"

#include <string>
#include <system_error>

#include "base/fixed_text.h"
#include "common/cursor_position.h"
#include "resources/dialog_ids.h"
#include "templates/dat_file_builder.h"

namespace tarnex::templates {
namespace {

struct TemplateCommand {
  std::string_view caption;
  std::string_view kind;
  std::string_view prompt;
};

// The HIN builder's caption says DAT as well, and both files end in ".dat".
constexpr TemplateCommand kMor{"MOR DAT Template", "MOR",
                               "Enter the name of the MOR\r\nDAT file template to create."};
constexpr TemplateCommand kFlum{"FLUM DAT Template", "FLUM",
                                "Enter the name of the FLUM\r\nHIN file template to create."};

constexpr std::string_view kExtension = ".dat";
constexpr std::size_t kRootLength = 256;
constexpr std::size_t kKindLength = 6;

void run_template_dialog(ui::Ui& ui, const TemplateCommand& command) {
  auto dialog = ui.make_dialog(ids::template_name::kDialog);
  if (!dialog) return;
  dialog->set_caption(command.caption);
  dialog->set_callback(ids::template_name::kRoot, ui::Event::FocusGain, CURSORPOSITION);
  dialog->set_callback(ids::template_name::kCreateFile, ui::Event::Click,
                       [&ui](ui::Dialog& d, int id, ui::Event event) { DATFILEINITIALIZE(ui, d, id, event); });
  dialog->set_text(ids::template_name::kKind, command.kind);
  dialog->set_text(ids::template_name::kPrompt, command.prompt);
  dialog->run_modal();
}

// Shows one of the result dialogs, with the file name in `name_control` when
// it has one.
void show_result(ui::Ui& ui, int dialog_id, int name_control = 0, std::string_view name = {}) {
  auto dialog = ui.make_dialog(dialog_id);
  if (!dialog) return;
  if (name_control != 0) dialog->set_text(name_control, name);
  dialog->run_modal();
}

void report_write_failure(ui::Ui& ui, std::string_view name, int error) {
  ui.message_box("The file named\r\n" + std::string(name) + "\r\ncould not be written completely (" +
                     std::error_code(error, std::generic_category()).message() +
                     ").\r\nThe incomplete file was removed.",
                 "ERROR");
}

}  // namespace

void MOR_TEMPLATE(ui::Ui& ui) { run_template_dialog(ui, kMor); }

void FLUM_TEMPLATE(ui::Ui& ui) { run_template_dialog(ui, kFlum); }

void DATFILEINITIALIZE(ui::Ui& ui, ui::Dialog& dialog, int, ui::Event) {
  const auto kind = fit(dialog.text(ids::template_name::kKind), kKindLength);
  const auto root = fit(dialog.text(ids::template_name::kRoot), kRootLength);
  dialog.end(ids::template_name::kCreateFile);
  // Leading blanks go too: the blank the focus routine puts into an empty box
  // stays in front of the name when a click places the caret after it.
  const auto name = without_trailing_blanks(remove_leading_blanks(root)) + std::string(kExtension);
  if (name.size() <= kExtension.size()) {
    show_result(ui, ids::invalid_filename::kDialog);
    return;
  }
  const auto written = DATFILEBUILDER(kind, name);
  switch (written.outcome) {
    case TemplateWrite::Outcome::NotCreated:
      show_result(ui, ids::file_exists::kDialog, ids::file_exists::kFileName, name);
      break;
    case TemplateWrite::Outcome::WriteFailed:
      report_write_failure(ui, name, written.error);
      break;
    case TemplateWrite::Outcome::Written:
      show_result(ui, ids::template_written::kDialog, ids::template_written::kFileName, name);
      break;
  }
}

}  // namespace tarnex::templates
