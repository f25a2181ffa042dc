#include "shell/menu_bar.h"

#include <set>

#include "resources/resources.h"
#include "shell/table_rows.h"

namespace tarnex {
namespace {

constexpr std::string_view kTable = "tables/menus.tbl";

}  // namespace

std::vector<MenuDefinition> parse_menu_table(std::string_view text) {
  std::vector<MenuDefinition> menus;
  std::set<std::string, std::less<>> routines;
  for (const auto& row : table_rows(text)) {
    const auto& fields = row.fields;
    if (fields.size() == 1 && fields[0].starts_with("menu ")) {
      menus.push_back({fields[0].substr(5), {}});
      continue;
    }
    if (menus.empty()) malformed_row(kTable, row);
    if (fields.size() == 1 && fields[0] == "-") {
      menus.back().entries.push_back({});
      continue;
    }
    if (fields.size() < 2 || fields.size() > 3 || (fields.size() == 3 && fields[2] != "grayed")) {
      malformed_row(kTable, row);
    }
    // The routine's name is how the program finds the item again.
    if (!routines.insert(fields[1]).second) malformed_row(kTable, row);
    menus.back().entries.push_back({fields[0], fields[1], fields.size() == 3});
  }
  return menus;
}

const std::vector<MenuDefinition>& menu_table() {
  static const auto table = parse_menu_table(resources::text(kTable));
  return table;
}

void build_menu_bar(ui::Ui& ui, const MenuRoutines& routines) {
  for (const auto& menu : menu_table()) {
    ui.add_menu(menu.title);
    for (const auto& entry : menu.entries) {
      if (entry.separator()) {
        ui.add_menu_separator();
        continue;
      }
      auto it = routines.find(entry.routine);
      ui.add_menu_item(entry.text, entry.routine, it == routines.end() ? std::function<void()>() : it->second,
                       !entry.grayed);
    }
  }
}

}  // namespace tarnex
