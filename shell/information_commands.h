#pragma once
// The "Information" menu's dialogs: the instructions in three tabs and the
// documentation notice.

#include <memory>
#include <string>
#include <vector>

#include "ui/services.h"

namespace tarnex {

// String-table entry 1, 2 or 3: at most 1000 characters, lines separated by
// carriage return and line feed.
std::string instruction_text(int entry);
// The notice of the documentation dialog, at most 1000 characters.
std::string documentation_notice();

void INSTRUCTIONS(ui::Ui& ui);
// Opening call of the instructions dialog: shows its three pages, in the
// order of the tabs, with their texts, and selects the first tab.
void TABCONTROLDIALOGS(const std::vector<std::unique_ptr<ui::Dialog>>& pages, ui::Dialog& dialog, int control_id,
                       ui::Event event);
void QARN_DOCUMENTATION(ui::Ui& ui);

}  // namespace tarnex
