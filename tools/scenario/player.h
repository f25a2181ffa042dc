#pragma once
// Plays a scenario on a realisation of the window (realisation.h). The
// player is driven by ticks: each performs actions or checks a condition and
// returns, so that it keeps going while the program runs the modal dialogs
// the actions open. Waits, timeouts, files, answers, the report and the
// watchdog's bound are the player's; the same on every realisation.

#include <chrono>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "realisation.h"
#include "script.h"

namespace tarnex::scenario {

class Player {
 public:
  struct Options {
    std::chrono::milliseconds timeout{10000};
    std::filesystem::path directory;
    // What the watchdog allows beyond a step's own wait: a step ends at its
    // timeout while the ticks go on, so only ticks that stopped, or an end
    // that hangs, are caught by it.
    std::chrono::milliseconds grace{20000};
  };

  Player(Realisation& realisation, std::vector<Step> steps, Options options);

  // Start-up is waited for from now on, like a step.
  void start();
  // Plays on; true once the scenario has ended, every step held or one
  // failed (passed() and failure() tell). Must not be called from inside an
  // action it posted.
  bool tick();
  bool ended() const { return ended_; }
  bool passed() const { return passed_; }
  const std::string& failure() const { return failure_; }

  // For the watchdog on another thread: the report to give when start-up,
  // the step now played, or the end of the scenario has outlasted its wait
  // and the grace; nothing before start().
  std::optional<std::string> overdue() const;

 private:
  enum class Outcome { Done, Wait, Failed };

  Outcome perform(const Step& step);
  Outcome act(const Step& step);
  Outcome check(const Step& step);
  Outcome fail(std::string why);
  std::optional<ControlView> usable_control(const Step& step, std::string& why);
  std::string no_control(const Step& step, const std::optional<WindowView>& dialog) const;
  bool idle();
  std::filesystem::path in_directory(const std::string& path) const;
  std::string read_lines_file(const std::filesystem::path& path) const;
  void finish(bool passed);
  // What the player waits for next must come within `budget` and the grace.
  void watch(std::chrono::steady_clock::duration budget, std::string report);

  Realisation& realisation_;
  std::vector<Step> steps_;
  Options options_;
  std::size_t next_ = 0;
  std::optional<std::chrono::steady_clock::time_point> waiting_since_;
  std::chrono::steady_clock::time_point started_;
  // The step the watchdog's bound was last set for.
  std::optional<std::size_t> watched_;
  mutable std::mutex watch_mutex_;
  std::chrono::steady_clock::time_point due_ = std::chrono::steady_clock::time_point::max();
  std::string overdue_report_;
  bool ticking_ = false;
  bool ended_ = false;
  bool passed_ = false;
  std::string failure_;
  std::string last_seen_;
};

// Line breaks of any kind as single line feeds.
std::string normalise_breaks(std::string text);

}  // namespace tarnex::scenario
