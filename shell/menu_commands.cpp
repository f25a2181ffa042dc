#include "shell/menu_commands.h"

#include <memory>

#include "shell/application_commands.h"
#include "shell/file_commands.h"
#include "shell/information_commands.h"
#include "shell/web_commands.h"
#include "templates/template_commands.h"

namespace tarnex {

void add_menu_commands(MenuRoutines& routines, ui::Ui& ui) {
  auto request = std::make_shared<OpenFileRequest>();
  for (const auto& filter : file_filters()) {
    routines[filter.routine] = [&ui, request, &filter] { QARN_FILES_BROWSE(ui, *request, filter); };
  }
  for (const auto& command : application_commands()) {
    routines[command.routine] = [&ui, &command] { start_application(ui, command); };
  }
  for (const auto& command : web_commands()) {
    routines[command.routine] = [&ui, &command] { open_web_page(ui, command); };
  }
  routines["INSTRUCTIONS"] = [&ui] { INSTRUCTIONS(ui); };
  routines["QARN_DOCUMENTATION"] = [&ui] { QARN_DOCUMENTATION(ui); };
  routines["MOR_TEMPLATE"] = [&ui] { templates::MOR_TEMPLATE(ui); };
  routines["FLUM_TEMPLATE"] = [&ui] { templates::FLUM_TEMPLATE(ui); };
}

}  // namespace tarnex
