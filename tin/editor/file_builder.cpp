#include "tin/editor/file_builder.h"

#include <string>

#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/option_descriptions.h"
#include "tin/catalogue/record_type_titles.h"
#include "tin/editor/editor_ids.h"
#include "tin/editor/file_view.h"

namespace tarnex::tin {
namespace {

// Edit is bound too: a button without a callback would end the dialog.
constexpr int kFileViewButtons[] = {kCreate, kMoveUp, kMoveDown, kEdit, kDelete, kBuild, kHelp};

constexpr int kColumnPage = 10;

}  // namespace

void FILEBUILDER(TinState& tin, ui::Ui& ui, std::string_view file_name) {
  auto dialog = ui.make_dialog(kEditorDialog);
  if (!dialog) return;
  dialog->set_caption("ORBEN File Builder Dialog for " + std::string(file_name));
  dialog->set_text(kEditedFileName, file_name);
  dialog->set_item_count(kFileView, tin.records.count());
  const ui::Callback describe = [&tin](ui::Dialog& d, int id, ui::Event event) { DROPLISTSELECTION(tin, d, id, event); };
  for (const auto& list : record_type_lists()) dialog->set_callback(list.control, ui::Event::SelectionChange, describe);
  dialog->set_text(kRecordTypeDescription, kNoRecordTypeChosen);
  dialog->set_text(kCurrentRecordType, "    ");
  const ui::Callback view = [&tin, &ui](ui::Dialog& d, int id, ui::Event event) { FILEVIEW(tin, ui, d, id, event); };
  for (int button : kFileViewButtons) dialog->set_callback(button, ui::Event::Click, view);
  dialog->set_scroll_range(kColumnScroll, 1, kLastFirstColumn);
  dialog->set_scroll_page(kColumnScroll, kColumnPage);
  dialog->set_scroll_position(kColumnScroll, 1);
  dialog->set_callback(kColumnScroll, ui::Event::ScrollChange, view);
  for (int k = 1; k <= tin.records.count(); ++k) dialog->set_item_text(kFileView, k, tin.records.line(k));
  dialog->run_modal();
}

}  // namespace tarnex::tin
