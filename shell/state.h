#pragma once
// The process-wide state of Tarnex: one object made by TARNEX and passed by
// reference. The values the menu thread and the command-loop thread share are
// atomic or guarded.

#include <array>
#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "run/run_settings.h"
#include "tin/tin_state.h"
#include "ui/process.h"

namespace tarnex {

// Command codes: what a menu routine posts, and while a model runs, its run code.
enum CommandCode : int {
  kIdle = 0,
  kClearScreen = 100,
  kMorOrbDialog = 200,
  kMorRun = 200,
  kMordRun = 201,
  kOrbRun = 210,
  kMerlOrbDialog = 300,
  kMerlRun = 300,
  kFlumDialog = 400,
  kFlumRun = 400,
  kJornDialog = 500,
  kJornRun = 500,
};

// The system's code for a child that is still running.
using ui::kStillActive;

enum Executable : std::size_t { kMor, kMord, kOrb, kMerl, kFlum, kJorn, kTarnex, kExecutableCount };

struct State {
  std::atomic<int> pending_command{kIdle};
  std::atomic<int> child_exit_code{0};
  // Seven 255-character fields: directory, separator, file name, NUL, blanks.
  std::array<std::string, kExecutableCount> executable_paths;
  // Written by the run dialogs and read by the driver, both on the
  // command-loop thread.
  RunSettings run_settings;
  // The TIN editor's record list and the identifier text of its IDEN dialog.
  tin::TinState tin;
  // The path each Browse button of the run dialogs chose last, by button id.
  std::map<int, std::string> browse_paths;

  // Set when the program ends; the command loop returns.
  std::atomic<bool> stop{false};
  // True while the command loop performs a command (a dialog or a run).
  std::atomic<bool> in_command{false};

  // Stores a command code for the command loop and wakes it.
  void post(int code);
  // Waits up to `milliseconds` for the command code to differ from `seen`,
  // or for stop.
  void wait_for_command(int milliseconds, int seen);
  // Sets `stop` and wakes the command loop.
  void request_stop();

  // The model program now running, if any: the driver sets it, Terminate on
  // the menu thread ends it. Each holder keeps the child alive while using it.
  std::shared_ptr<ui::ChildProcess> child() const;
  void set_child(std::shared_ptr<ui::ChildProcess> child);

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  mutable std::mutex child_mutex_;
  std::shared_ptr<ui::ChildProcess> child_;
};

}  // namespace tarnex
