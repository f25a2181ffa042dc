#pragma once
// The History menu: the window listing the transcripts of the runs, and its
// Run again, which opens a run's dialog as that run was asked for.

#include <string>

#include "history/transcript_reader.h"
#include "shell/state.h"
#include "ui/services.h"

namespace tarnex {

// Opens the History window.
void RUN_HISTORY(State& state, ui::Ui& ui);

// Posts the dialog of the recorded run's program, to open with the run's
// roots and choices; the user still begins it. Returns why it cannot now,
// empty when it will.
std::string RUN_AGAIN(State& state, const history::RunRecord& run);

}  // namespace tarnex
