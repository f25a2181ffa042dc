#include "shell/table_rows.h"

#include <stdexcept>

#include "base/fixed_text.h"

namespace tarnex {

std::vector<TableRow> table_rows(std::string_view text) {
  constexpr std::string_view kSeparator = " | ";
  std::vector<TableRow> rows;
  int line_number = 0;
  for (const auto line : split_lines(text)) {
    ++line_number;
    if (line.empty() || line.front() == '#') continue;
    TableRow row{line_number, {}};
    std::size_t start = 0;
    while (true) {
      const auto bar = line.find(kSeparator, start);
      row.fields.emplace_back(line.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
      if (bar == std::string_view::npos) break;
      start = bar + kSeparator.size();
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

void malformed_row(std::string_view table, const TableRow& row) {
  throw std::runtime_error(std::string(table) + " line " + std::to_string(row.line) + ": malformed row");
}

}  // namespace tarnex
