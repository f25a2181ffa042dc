#include "shell/file_commands.h"

#include "resources/resources.h"
#include "shell/desktop_open.h"
#include "shell/table_rows.h"

namespace tarnex {
namespace {

constexpr std::string_view kTable = "tables/file_filters.tbl";
constexpr std::string_view kTitle = "Select the QARN file";

}  // namespace

std::vector<FileFilter> parse_file_filters(std::string_view text) {
  std::vector<FileFilter> filters;
  for (const auto& row : table_rows(text)) {
    if (row.fields.size() != 3) malformed_row(kTable, row);
    filters.push_back({row.fields[0], row.fields[1], row.fields[2]});
  }
  return filters;
}

const std::vector<FileFilter>& file_filters() {
  static const auto filters = parse_file_filters(resources::text(kTable));
  return filters;
}

void QARN_FILES_BROWSE(ui::Ui& ui, OpenFileRequest& request, const FileFilter& filter) {
  const auto chosen = ui.open_file({{filter.description, filter.patterns}}, kTitle, request.file_name);
  if (!chosen) return;
  request.file_name = *chosen;
  if (ui.shell_open(request.file_name) <= kLastOpenFailure) report_open_failure(ui, request.file_name, "file");
}

}  // namespace tarnex
