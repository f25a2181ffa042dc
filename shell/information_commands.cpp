#include "shell/information_commands.h"

#include <iterator>
#include <string_view>

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"
#include "resources/resources.h"

namespace tarnex {
namespace {

// The size of the buffers the texts are read into.
constexpr std::size_t kTextLength = 1000;
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kIndent = "  ";

// A page of the instructions: its tab caption, the page dialog, the edit box
// showing its text, and the text's string-table entry.
struct InstructionPage {
  std::string_view caption;
  int dialog;
  int edit;
  int entry;
};

constexpr InstructionPage kInstructionPages[] = {
    {"Directories and Files", ids::directories_and_files_page::kDialog, ids::directories_and_files_page::kText, 1},
    {"Program Execution", ids::program_execution_page::kDialog, ids::program_execution_page::kText, 2},
    {"File Builders", ids::file_builders_page::kDialog, ids::file_builders_page::kText, 3},
};

std::string joined(std::string_view text, std::string_view indent) {
  std::string result;
  bool first = true;
  for (const auto line : split_lines(text)) {
    if (!first) result += kLineBreak;
    first = false;
    if (!is_blank(line)) result += std::string(indent) + without_trailing_blanks(line);
  }
  return result.substr(0, kTextLength);
}

}  // namespace

std::string instruction_text(int entry) {
  return joined(resources::text("texts/instructions_" + std::to_string(entry) + ".txt"), "");
}

std::string documentation_notice() {
  return (std::string(kLineBreak) + joined(resources::text("texts/documentation.txt"), kIndent)).substr(0, kTextLength);
}

void INSTRUCTIONS(ui::Ui& ui) {
  auto dialog = ui.make_dialog(ids::instructions::kDialog);
  if (!dialog) return;
  const int tab_count = static_cast<int>(std::size(kInstructionPages));
  dialog->set_item_count(ids::instructions::kTabs, tab_count);
  std::vector<std::unique_ptr<ui::Dialog>> pages;
  for (int tab = 1; tab <= tab_count; ++tab) {
    const auto& page = kInstructionPages[tab - 1];
    dialog->set_item_text(ids::instructions::kTabs, tab, page.caption);
    pages.push_back(ui.make_dialog(page.dialog));
    if (!pages.back()) return;
  }
  dialog->set_callback(ids::instructions::kDialog, ui::Event::DialogInit,
                       [&pages](ui::Dialog& d, int id, ui::Event event) { TABCONTROLDIALOGS(pages, d, id, event); });
  dialog->run_modal();
}

void TABCONTROLDIALOGS(const std::vector<std::unique_ptr<ui::Dialog>>& pages, ui::Dialog& dialog, int,
                       ui::Event event) {
  if (event != ui::Event::DialogInit) return;
  for (std::size_t p = 0; p < pages.size() && p < std::size(kInstructionPages); ++p) {
    const auto& page = kInstructionPages[p];
    const int tab = static_cast<int>(p) + 1;
    dialog.show_page(ids::instructions::kTabs, tab, *pages[p]);
    pages[p]->set_text(page.edit, instruction_text(page.entry));
  }
  dialog.set_selected(ids::instructions::kTabs, 1);
}

void QARN_DOCUMENTATION(ui::Ui& ui) {
  auto dialog = ui.make_dialog(ids::documentation::kDialog);
  if (!dialog) return;
  dialog->set_text(ids::documentation::kText, documentation_notice());
  dialog->run_modal();
}

}  // namespace tarnex
