#pragma once
// The console child driver: runs one model program as a hidden child on
// pipes, copies everything it prints into the main window, answers its
// questions from the run settings, presses Enter at its exit line, and
// returns when the program has ended.

#include <chrono>

#include "common/executable_paths.h"
#include "common/running_child.h"
#include "run/run_observer.h"
#include "run/run_settings.h"
#include "ui/services.h"

namespace tarnex {

// The driver's waits. Each ends on its event: the waits while the child
// runs end when output arrives, and once the pipe has ended nothing is
// waited for that cannot come; the figures are upper bounds and polling
// intervals.
struct Pacing {
  // Between cycles while the child runs; the exit code is read once a cycle.
  std::chrono::milliseconds while_running{50};
  // Once the child has ended while something it left behind (a helper such
  // as wineserver) still holds its output open: the silence after which the
  // run is over.
  std::chrono::milliseconds after_end{250};
  // How long the output must have been quiet after a new exit line before
  // Enter is pressed. A program writes its last lines microseconds apart,
  // and even a loaded machine hands them to the driver within milliseconds:
  // 100 ms is well past that, so Enter still follows the last line, and is
  // small beside the quarter second a run may cost. An Enter pressed while
  // the program is still busy is not lost: it waits in the pipe.
  std::chrono::milliseconds settle{100};
  // How long a child that still runs must have been silent after an Enter
  // before Enter is pressed again for the same exit line, in case it read
  // the first one as the answer to something else.
  std::chrono::milliseconds enter_again{1000};
};

// Runs the model program of `run_code` (200 MOR, 201 MORD, 210 ORB, 300
// MERL, 400 FLUM, 500 JORN), answering its questions from `settings`. The
// caller has set the pending command to the same code. While it runs,
// `running.child()` is the child and its exit code is kStillActive;
// afterwards it holds the program's exit code, or 0 when Terminate ended it.
// `observer`, when given, is told of the run as it goes.
void QARN(RunningChild& running, const RunSettings& settings, const ExecutablePaths& programs, ui::Ui& ui,
          int run_code, const Pacing& pacing = {}, RunObserver* observer = nullptr);

}  // namespace tarnex
