#pragma once
// The four run dialogs: each opens with the remembered run settings, takes
// them back on Begin, and reports in a boxed message every program that will
// not run before running the others in order.

#include <functional>
#include <string>
#include <vector>

#include "common/command_codes.h"
#include "common/paths.h"
#include "run/run_settings.h"
#include "ui/services.h"

namespace tarnex {

// Runs one model program to its end: set by the command loop, which keeps
// the menus in step around the run.
using RunProgram = std::function<void(int run_code)>;

// The operation of command code 200, 300, 400 or 500: the dialog, then the
// runs it asks for.
void run_dialog_operation(RunSettings& settings, Paths& paths, ui::Ui& ui, int dialog_code, const RunProgram& run);

// Begin callback of the four dialogs: takes the settings from the controls,
// fills blank roots from their natural source, and closes the dialog.
void AUTOCOMPLETEVARIABLES(RunSettings& settings, ui::Dialog& dialog, int control_id, ui::Event event);

// The nine rows written for a program that is not run.
std::vector<std::string> not_executed_box(const std::string& program_line, const std::string& first_reason,
                                          const std::string& second_reason);

}  // namespace tarnex
