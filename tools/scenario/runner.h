#pragma once
// Plays a scenario on the Qt window: a timer on the window thread ticks the
// player, so that it keeps going inside the modal dialogs the actions open.

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "player.h"
#include "qt_realisation.h"
#include "script.h"

namespace tarnex::scenario {

class Runner : public QObject {
 public:
  using Options = Player::Options;

  Runner(Program& program, std::vector<Step> steps, Options options);

  // Starts the steps; `finished` is called once with true (every step held)
  // or false (a step failed: `failure()` says which and why).
  void start(std::function<void(bool)> finished);
  const std::string& failure() const { return player_.failure(); }
  // Called by the program's exit handler.
  void program_exited() { realisation_.program_exited(); }
  // For the watchdog on another thread (Player::overdue).
  std::optional<std::string> overdue() const { return player_.overdue(); }
  const Player& player() const { return player_; }

 private:
  QtRealisation realisation_;
  Player player_;
  QTimer timer_;
  std::function<void(bool)> finished_;
};

}  // namespace tarnex::scenario
