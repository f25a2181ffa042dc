#pragma once
// Tarnex as a running program: the Qt window, the process-wide state and the
// command loop on its own thread. The program itself and the scenario runner
// start it the same way.

#include <atomic>
#include <thread>

#include "shell/state.h"
#include "ui/qt/qt_ui.h"

namespace tarnex {

class Program {
 public:
  Program() = default;
  ~Program();

  // Shows the window and starts TARNEX on the command-loop thread; start-up
  // runs there, its window calls carried over to the window thread.
  void start();
  // Stops the command loop and waits for it, keeping the window thread's
  // events flowing meanwhile so that a loop waiting on the window can finish;
  // a model program still running is terminated.
  void stop();

  ui::QtUi& ui() { return ui_; }
  State& state() { return state_; }
  bool started_up() const { return started_up_; }

 private:
  ui::QtUi ui_;
  State state_;
  std::thread loop_;
  std::atomic<bool> started_up_{false};
  std::atomic<bool> loop_done_{false};
};

}  // namespace tarnex
