#pragma once
// The "Information" menu's dialogs: the instructions in three tabs and the
// documentation notice.

#include <memory>
#include <string>
#include <vector>

#include "ui/services.h"

namespace tarnex {

constexpr int kInstructionsDialog = 101;
constexpr int kInstructionsTabs = 1267;
constexpr int kDocumentationDialog = 192;
constexpr int kDocumentationText = 1000;

// String-table entry 1, 2 or 3: at most 1000 characters, lines separated by
// carriage return and line feed.
std::string instruction_text(int entry);
// The notice of dialog 192, at most 1000 characters.
std::string documentation_notice();

void INSTRUCTIONS(ui::Ui& ui);
// Opening call of dialog 101: shows the pages 206, 209 and 210, in the order
// of the tabs, with their texts, and selects the first tab.
void TABCONTROLDIALOGS(const std::vector<std::unique_ptr<ui::Dialog>>& pages, ui::Dialog& dialog, int control_id,
                       ui::Event event);
void QARN_DOCUMENTATION(ui::Ui& ui);

}  // namespace tarnex
