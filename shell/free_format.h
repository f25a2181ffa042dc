#pragma once

#include <string_view>

#include "ui/services.h"

namespace tarnex {

// Writes a free-format line to the main window: a leading blank, then the
// text.
void write_free(ui::Ui& ui, std::string_view text);

}  // namespace tarnex
