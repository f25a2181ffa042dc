#include "shell/application_commands.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <sstream>

#include "resources/resources.h"
#include "shell/free_format.h"
#include "shell/table_rows.h"

namespace tarnex {
namespace {

constexpr std::string_view kTable = "tables/applications.tbl";

#ifdef _WIN32
constexpr std::string_view kPlatform = "windows";
#else
constexpr std::string_view kPlatform = "posix";
#endif

std::vector<std::string> arguments_of(const TableRow& row) {
  const auto& kind = row.fields[2];
  const auto& program = row.fields[3];
  if (kind == "application") return {program};
  if (kind != "command") malformed_row(kTable, row);
  std::vector<std::string> arguments;
  std::istringstream words(program);
  for (std::string word; words >> word;) arguments.push_back(word);
  if (arguments.empty()) malformed_row(kTable, row);
  return arguments;
}

}  // namespace

std::vector<ApplicationCommand> parse_application_table(std::string_view text, std::string_view platform) {
  std::vector<ApplicationCommand> commands;
  for (const auto& row : table_rows(text)) {
    const auto& routine = row.fields[0];
    auto command = std::find_if(commands.begin(), commands.end(),
                                [&routine](const ApplicationCommand& c) { return c.routine == routine; });
    if (row.fields.size() == 2 && command == commands.end()) {
      commands.push_back({routine, row.fields[1], {}});
    } else if (row.fields.size() == 4 && command != commands.end()) {
      if (row.fields[1] == platform) command->programs.push_back(arguments_of(row));
    } else {
      malformed_row(kTable, row);
    }
  }
  return commands;
}

const std::vector<ApplicationCommand>& application_commands() {
  static const auto commands = parse_application_table(resources::text(kTable), kPlatform);
  return commands;
}

void start_application(ui::Ui& ui, const ApplicationCommand& command) {
  // A command with nothing to try on this platform fails as a missing program.
  std::optional<int> error = ENOENT;
  for (const auto& program : command.programs) {
    error = ui.start_program(program);
    if (!error) return;
  }
  write_free(ui, command.error_text + " " + std::to_string(*error));
}

}  // namespace tarnex
