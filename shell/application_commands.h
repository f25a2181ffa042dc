#pragma once
// The commands that start an application for the user (editors, word
// processor, spreadsheet, HEC-DSSVue). Each tries its programs in order and
// the first that starts wins; when none starts, one line with the command's
// error text and the system's error code of the last attempt is written to
// the main window. Started programs are not tracked.

#include <string>
#include <string_view>
#include <vector>

#include "ui/services.h"

namespace tarnex {

struct ApplicationCommand {
  std::string routine;
  std::string error_text;
  // Each program as the arguments it is started with.
  std::vector<std::vector<std::string>> programs;
};

// The commands of a table for one platform ("windows" or "posix"), in the
// table's order.
std::vector<ApplicationCommand> parse_application_table(std::string_view text, std::string_view platform);
// The table of resources/tables/applications.tbl for this platform.
const std::vector<ApplicationCommand>& application_commands();

void start_application(ui::Ui& ui, const ApplicationCommand& command);

}  // namespace tarnex
