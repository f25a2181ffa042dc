#pragma once
// The rows of the command tables of resources/tables: one row a line, its
// fields separated by " | "; blank lines and lines starting with "#" are
// skipped.

#include <string>
#include <string_view>
#include <vector>

namespace tarnex {

struct TableRow {
  int line = 0;  // 1-based, for the messages about malformed rows
  std::vector<std::string> fields;
};

std::vector<TableRow> table_rows(std::string_view text);

// Throws std::runtime_error naming the table and the row's line.
[[noreturn]] void malformed_row(std::string_view table, const TableRow& row);

}  // namespace tarnex
