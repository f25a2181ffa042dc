#pragma once
// The process-wide state of Tarnex: one object made by TARNEX and passed by
// reference. The shell owns the command code and the loop's flags; each
// subsystem is handed only its own slice. The values the menu thread and the
// command-loop thread share are atomic or guarded.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "common/command_codes.h"
#include "common/paths.h"
#include "common/running_child.h"
#include "history/run_history.h"
#include "run/run_answers.h"
#include "run/run_settings.h"
#include "tin/catalogue/tin_state.h"

namespace tarnex {

struct State {
  std::atomic<int> pending_command{kIdle};
  // Where the programs are and what each Browse button chose last.
  Paths paths;
  // Written by the run dialogs and read by the driver, both on the
  // command-loop thread.
  RunSettings run_settings;
  // The TIN editor's record list and the identifier text of its IDEN dialog.
  tin::TinState tin;
  // The model program now running and its exit code.
  RunningChild running;
  // The transcripts of the runs: where they go, how many, whether at all.
  history::RunHistory history;

  // Set when the program ends; the command loop returns.
  std::atomic<bool> stop{false};
  // True while the command loop performs a command (a dialog or a run).
  std::atomic<bool> in_command{false};

  // A command code as the command loop reads it, with the number of codes
  // posted until then.
  struct Command {
    int code;
    std::uint64_t posts;
  };

  // Stores a command code for the command loop and wakes it.
  void post(int code);
  Command command();
  // The command loop has performed `performed`: the code goes back to idle,
  // unless a code was posted since; then the last code posted waits for the
  // loop, even where a run has set the code over it meanwhile.
  void finish_command(const Command& performed);
  // Waits up to `milliseconds` for the command code to differ from `seen`,
  // or for stop.
  void wait_for_command(int milliseconds, int seen);
  // Sets `stop` and wakes the command loop.
  void request_stop();

  // A recorded run to open again in the dialog of `dialog_code`.
  struct RunAgain {
    int dialog_code;
    int run_code;
    std::vector<SettingAnswer> answers;
  };
  // Keeps the run for the command loop and posts its dialog's code.
  void request_run_again(RunAgain again);
  // The run kept for the dialog of `dialog_code`, if that is the one asked
  // for; whichever dialog opens, the request is used up.
  std::optional<RunAgain> take_run_again(int dialog_code);

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  std::uint64_t posts_ = 0;
  int last_posted_ = kIdle;
  std::optional<RunAgain> run_again_;
};

}  // namespace tarnex
