#pragma once
// File selection of the run dialogs: the Browse buttons turn a chosen file
// into a root, and some root boxes fill themselves from the roots already
// given when the user clicks into them.

#include "common/executable_paths.h"
#include "common/paths.h"
#include "ui/services.h"

namespace tarnex {

// Click callback of the Browse buttons and focus callback of the boxes that
// fill themselves; any other control is left alone.
void LOCATE_DATFILES(Paths& paths, ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event event);

// The root of a chosen file: its name without directory and extension when
// the file lies in Tarnex's own directory, its full path without extension
// otherwise. With `first_dot` the extension starts at the first "." of the
// file name, otherwise at the last. Paths are read as `spelling` spells them.
std::string root_of_chosen_file(std::string_view path, std::string_view tarnex_path, bool first_dot,
                                const PathSpelling& spelling);

}  // namespace tarnex
