#include "tin/editor/file_builder.h"

#include <string>

#include "resources/dialog_ids.h"
#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/option_descriptions.h"
#include "tin/catalogue/record_type_titles.h"
#include "tin/editor/file_view.h"

namespace tarnex::tin {
namespace {

namespace tin_editor = ids::tin_editor;

// Edit is bound too: a button without a callback would end the dialog.
constexpr int kFileViewButtons[] = {tin_editor::kCreate, tin_editor::kMoveUp, tin_editor::kMoveDown, tin_editor::kEdit,
                                    tin_editor::kDelete,  tin_editor::kBuild,  tin_editor::kHelp};

constexpr int kColumnPage = 10;

}  // namespace

void FILEBUILDER(TinState& tin, ui::Ui& ui, std::string_view file_name) {
  auto dialog = ui.make_dialog(tin_editor::kDialog);
  if (!dialog) return;
  dialog->set_caption("ORBEN File Builder Dialog for " + std::string(file_name));
  dialog->set_text(tin_editor::kEditedFileName, file_name);
  dialog->set_item_count(tin_editor::kFileView, tin.records.count());
  const ui::Callback describe = [&tin](ui::Dialog& d, int id, ui::Event event) { DROPLISTSELECTION(tin, d, id, event); };
  for (const auto& list : record_type_lists()) dialog->set_callback(list.control, ui::Event::SelectionChange, describe);
  dialog->set_text(tin_editor::kRecordTypeDescription, kNoRecordTypeChosen);
  dialog->set_text(tin_editor::kCurrentRecordType, "    ");
  const ui::Callback view = [&tin, &ui](ui::Dialog& d, int id, ui::Event event) { FILEVIEW(tin, ui, d, id, event); };
  for (int button : kFileViewButtons) dialog->set_callback(button, ui::Event::Click, view);
  dialog->set_scroll_range(tin_editor::kColumnScroll, 1, kLastFirstColumn);
  dialog->set_scroll_page(tin_editor::kColumnScroll, kColumnPage);
  dialog->set_scroll_position(tin_editor::kColumnScroll, 1);
  dialog->set_callback(tin_editor::kColumnScroll, ui::Event::ScrollChange, view);
  for (int k = 1; k <= tin.records.count(); ++k) dialog->set_item_text(tin_editor::kFileView, k, tin.records.line(k));
  dialog->run_modal();
}

}  // namespace tarnex::tin
