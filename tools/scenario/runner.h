#pragma once
// Plays a scenario against the running program. The runner is driven by a
// timer on the window thread: each tick performs an action or checks a
// condition and returns, so that it keeps going inside the modal dialogs the
// actions open. Actions that may open a dialog are posted, never run inside
// the tick.

#include <QObject>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "script.h"

namespace tarnex::scenario {

class Runner : public QObject {
 public:
  struct Options {
    std::chrono::milliseconds timeout{10000};
    std::filesystem::path directory;
    // What the watchdog allows beyond a step's own wait: a step ends at its
    // timeout while the window thread runs, so only a window thread that
    // stopped, or an end that hangs, is caught by it.
    std::chrono::milliseconds grace{20000};
  };

  Runner(Program& program, std::vector<Step> steps, Options options);

  // Starts the steps; `finished` is called once with true (every step held)
  // or false (a step failed: `failure()` says which and why).
  void start(std::function<void(bool)> finished);
  const std::string& failure() const { return failure_; }
  // Called by the program's exit handler.
  void program_exited() { exited_ = true; }

  // For the watchdog on another thread: the report to give when start-up,
  // the step now played, or the end of the scenario has outlasted its wait
  // and the grace; nothing before start().
  std::optional<std::string> overdue() const;

 private:
  enum class Outcome { Done, Wait, Failed };

  void tick();
  Outcome perform(const Step& step);
  Outcome act(const Step& step);
  Outcome check(const Step& step);
  Outcome fail(std::string why);
  QWidget* usable_control(const Step& step, std::string& why);
  bool idle() const;
  static bool is_user_action(Keyword keyword);
  std::filesystem::path in_directory(const std::string& path) const;
  void finish(bool passed);
  // What the runner waits for next must come within `budget` and the grace.
  void watch(std::chrono::steady_clock::duration budget, std::string report);

  Program& program_;
  std::vector<Step> steps_;
  Options options_;
  QTimer timer_;
  std::size_t next_ = 0;
  std::optional<std::chrono::steady_clock::time_point> waiting_since_;
  std::chrono::steady_clock::time_point started_;
  // The step the watchdog's bound was last set for.
  std::optional<std::size_t> watched_;
  mutable std::mutex watch_mutex_;
  std::chrono::steady_clock::time_point due_ = std::chrono::steady_clock::time_point::max();
  std::string overdue_report_;
  bool ticking_ = false;
  bool exited_ = false;
  std::string failure_;
  std::string last_seen_;
  std::function<void(bool)> finished_;
};

}  // namespace tarnex::scenario
