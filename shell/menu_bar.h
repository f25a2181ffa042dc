#pragma once
// The menu bar as the menu table in resources/ gives it, bound to the menu
// routines by name.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/services.h"

namespace tarnex {

struct MenuEntry {
  std::string text;     // empty for a separator
  std::string routine;  // the routine's name, empty for a separator
  bool grayed = false;  // initial state
  bool separator() const { return routine.empty(); }
};

struct MenuDefinition {
  std::string title;
  std::vector<MenuEntry> entries;
};

using MenuRoutines = std::map<std::string, std::function<void()>, std::less<>>;

// Throws std::runtime_error for a malformed line or a routine bound to two
// items.
std::vector<MenuDefinition> parse_menu_table(std::string_view text);
const std::vector<MenuDefinition>& menu_table();

// Builds the whole menu bar. An item whose routine is not in `routines` is
// shown, and choosing it does nothing.
void build_menu_bar(ui::Ui& ui, const MenuRoutines& routines);

}  // namespace tarnex
