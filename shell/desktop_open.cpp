#include "shell/desktop_open.h"

#include <string>

namespace tarnex {

std::string open_failure_text(std::string_view target, std::string_view what) {
  return std::string(target) + "\r\n\r\nNo application could open this " + std::string(what) + ".";
}

void report_open_failure(ui::Ui& ui, std::string_view target, std::string_view what) {
  ui.message_box(open_failure_text(target, what), "ERROR");
}

}  // namespace tarnex
