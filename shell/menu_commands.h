#pragma once
// The menu commands that act at once, inside the menu callback: the file
// types, the applications, the web pages, the information dialogs and the
// template builders.

#include "shell/menu_bar.h"
#include "ui/services.h"

namespace tarnex {

// Adds the routines of those commands by the names of the menu table. The
// open-file request they share lives as long as the routines.
void add_menu_commands(MenuRoutines& routines, ui::Ui& ui);

}  // namespace tarnex
