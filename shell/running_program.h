#pragma once
// Keeping the menus in step with a running model program, and the ways out:
// Terminate, which ends it, Exit, which refuses while a model runs, and
// Clear Screen.

#include <span>
#include <string_view>

#include "shell/state.h"
#include "ui/services.h"

namespace tarnex {

// A menu item, by the routine bound to it in the menu table, that a running
// model program grays, or enables as it does Terminate.
struct RunDependentItem {
  std::string_view routine;
  bool enabled_while_busy;
};

std::span<const RunDependentItem> run_dependent_items();

// Grays what would conflict with a running model program, or enables it
// again when the command code is back to idle.
void MENU_GRAYOUTS(State& state, ui::Ui& ui);

// Ends the running model program with every process it started; the driver
// sees it and ends its run at once, leaving unread what is still to come.
void TERMINATE(RunningChild& running);

// Ends Tarnex, unless a model program is still active.
void EXIT_TARNEX(State& state, ui::Ui& ui);

// The frame's close button while Close is grayed: while a model program is
// active it answers as Exit does, and Tarnex stays open.
void refuse_close(State& state, ui::Ui& ui);

// Clears the text area, keeping the text position 20 rows higher.
void clear_screen(ui::Ui& ui);

}  // namespace tarnex
