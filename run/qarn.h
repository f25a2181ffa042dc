#pragma once
// The console child driver: runs one model program as a hidden child on
// pipes, copies everything it prints into the main window, answers its
// questions from the run settings, presses Enter at its exit line, and
// returns when the program has ended.

#include <chrono>

#include "common/executable_paths.h"
#include "common/running_child.h"
#include "run/run_settings.h"
#include "ui/services.h"

namespace tarnex {

// The driver's waits. The waits between cycles end early when output
// arrives, so that a busy program is drained as fast as it writes and a
// question is answered as soon as it is complete.
struct Pacing {
  // after the start, before the first look at the child
  std::chrono::milliseconds after_start{1000};
  // between cycles while the child runs
  std::chrono::milliseconds while_running{50};
  // between cycles once it has ended, for output still in the pipe
  std::chrono::milliseconds after_end{1000};
  // from the output stopping at an exit line to pressing Enter
  std::chrono::milliseconds before_enter{1000};
};

// Runs the model program of `run_code` (200 MOR, 201 MORD, 210 ORB, 300
// MERL, 400 FLUM, 500 JORN), answering its questions from `settings`. The
// caller has set the pending command to the same code. While it runs,
// `running.child()` is the child and its exit code is kStillActive;
// afterwards it holds the program's exit code, or 0 when Terminate ended it.
void QARN(RunningChild& running, const RunSettings& settings, const ExecutablePaths& programs, ui::Ui& ui,
          int run_code, const Pacing& pacing = {});

}  // namespace tarnex
