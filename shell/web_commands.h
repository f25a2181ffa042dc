#pragma once
// The commands that open a web page with the desktop's browser.

#include <string>
#include <string_view>
#include <vector>

#include "ui/services.h"

namespace tarnex {

struct WebCommand {
  std::string routine;
  std::string failure_text;  // follows "Error " and the code when the page cannot be opened
  std::string address;
};

std::vector<WebCommand> parse_web_table(std::string_view text);
// The table of resources/tables/web_addresses.tbl.
const std::vector<WebCommand>& web_commands();

// Opens the command's page; when the desktop cannot, writes "Error ", the
// code and the command's text to the window and reports it in an "ERROR" box.
void open_web_page(ui::Ui& ui, const WebCommand& command);

}  // namespace tarnex
