#include "shell/free_format.h"

#include <string>

namespace tarnex {

void write_free(ui::Ui& ui, std::string_view text) { ui.text().write_line(" " + std::string(text)); }

}  // namespace tarnex
