#include "shell/web_commands.h"

#include "base/fixed_text.h"
#include "resources/resources.h"
#include "shell/desktop_open.h"
#include "shell/free_format.h"
#include "shell/table_rows.h"

namespace tarnex {
namespace {

constexpr std::string_view kTable = "tables/web_addresses.tbl";
constexpr std::size_t kAddressLength = 256;

}  // namespace

std::vector<WebCommand> parse_web_table(std::string_view text) {
  std::vector<WebCommand> commands;
  for (const auto& row : table_rows(text)) {
    if (row.fields.size() != 3) malformed_row(kTable, row);
    commands.push_back({row.fields[0], row.fields[1], row.fields[2]});
  }
  return commands;
}

const std::vector<WebCommand>& web_commands() {
  static const auto commands = parse_web_table(resources::text(kTable));
  return commands;
}

void open_web_page(ui::Ui& ui, const WebCommand& command) {
  const auto address = without_trailing_blanks(fit(command.address, kAddressLength));
  const int result = ui.shell_open(address);
  if (result > kLastOpenFailure) return;
  write_free(ui, "Error " + std::to_string(result) + " " + command.failure_text);
  report_open_failure(ui, address, "web address");
}

}  // namespace tarnex
