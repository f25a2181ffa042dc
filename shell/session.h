#pragma once
// Tarnex at work in a window: the process-wide state and the command loop on
// its own thread, whichever realisation of the window services it runs on.

#include <atomic>
#include <functional>
#include <thread>

#include "shell/state.h"
#include "ui/services.h"

namespace tarnex {

class Session {
 public:
  explicit Session(ui::Ui& ui) : ui_(ui) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  // Stops a loop still running, with no window events to pump.
  ~Session();

  // Starts TARNEX on the command-loop thread; start-up runs there.
  void start();
  // Stops the command loop and waits for it, calling `pump` meanwhile so
  // that the window thread's events keep flowing for a loop that waits on
  // the window; a model program still running is terminated.
  void stop(const std::function<void()>& pump);

  bool running() const { return loop_.joinable(); }
  State& state() { return state_; }
  bool started_up() const { return started_up_; }

 private:
  ui::Ui& ui_;
  State state_;
  std::thread loop_;
  std::atomic<bool> started_up_{false};
  std::atomic<bool> loop_done_{false};
};

}  // namespace tarnex
