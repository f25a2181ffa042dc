#include "shell/menu_bar.h"

#include <stdexcept>

#include "resources/resources.h"
#include "ui/fixed_text.h"

namespace tarnex {
namespace {

std::vector<std::string> split_fields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const auto bar = line.find(" | ", start);
    fields.emplace_back(line.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) return fields;
    start = bar + 3;
  }
}

}  // namespace

std::vector<MenuDefinition> parse_menu_table(std::string_view text) {
  std::vector<MenuDefinition> menus;
  int line_no = 0;
  for (const auto line : split_lines(text)) {
    ++line_no;
    if (line.empty() || line[0] == '#') continue;
    if (line.starts_with("menu ")) {
      menus.push_back({std::string(line.substr(5)), {}});
      continue;
    }
    if (menus.empty()) throw std::runtime_error("menu table line " + std::to_string(line_no) + ": item before menu");
    if (line == "-") {
      menus.back().entries.push_back({});
      continue;
    }
    const auto fields = split_fields(line);
    if (fields.size() < 2 || fields.size() > 3 || (fields.size() == 3 && fields[2] != "grayed")) {
      throw std::runtime_error("menu table line " + std::to_string(line_no) + ": malformed item");
    }
    menus.back().entries.push_back({fields[0], fields[1], fields.size() == 3});
  }
  return menus;
}

const std::vector<MenuDefinition>& menu_table() {
  static const auto table = parse_menu_table(resources::text("tables/menus.tbl"));
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
      ui.add_menu_item(entry.text, it == routines.end() ? std::function<void()>() : it->second, !entry.grayed);
    }
  }
}

}  // namespace tarnex
