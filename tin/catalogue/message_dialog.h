#pragma once
// The TIN editor's report: a title set at run time, the text in a
// read-only multi-line box, and OK.

#include <string_view>

#include "ui/services.h"

namespace tarnex::tin {

// Shows the report modally and returns when the user has closed it.
void show_message(ui::Ui& ui, std::string_view title, std::string_view text);

}  // namespace tarnex::tin
