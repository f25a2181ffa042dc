#pragma once
// The folder chooser shown when Tarnex is started from the applications menu,
// where there is no current directory worth using.

#include <filesystem>
#include <optional>

namespace tarnex {

// Asks for the model directory, opening at the one chosen last time, and
// remembers the choice for the next start. Nothing when the user cancels.
std::optional<std::filesystem::path> choose_model_directory();

}  // namespace tarnex
