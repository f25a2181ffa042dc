#pragma once
// Tarnex started on one realisation of the window in the current directory,
// a scenario played on it, and the program ended again, whatever happened:
// any run in progress is ended with it.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "player.h"
#include "script.h"

namespace tarnex::scenario {

struct Played {
  bool passed = false;
  std::string failure;
  // The main window's text when the scenario ended.
  std::string window_text;
};

// On the headless window.
Played play_headless(std::vector<Step> steps, Player::Options options);

// On the system's own window: Qt on Linux (play_qt.cpp), Win32 on Windows
// (play_win32.cpp). Nothing when this build has none; then it says so.
std::optional<Played> play_on_window(int argc, char** argv, std::vector<Step> steps, Player::Options options);

// Ends this program when the player's step, or the end of the scenario, has
// outlasted its bound (Player::overdue), whether the player's ticks still
// come or not, so that no scenario can hang whoever plays it.
class Watchdog {
 public:
  explicit Watchdog(const Player& player);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  struct Thread;
  std::unique_ptr<Thread> thread_;
};

}  // namespace tarnex::scenario
