#include <chrono>
#include <thread>

#include "headless_realisation.h"
#include "play.h"

namespace tarnex::scenario {
namespace {

// The player's loop ticks this often; the program runs on threads of its own.
constexpr auto kTick = std::chrono::milliseconds(2);
// What the headless desktop answers a document to open: no application
// could open it, as on a desktop with none.
constexpr int kNoApplication = 31;

}  // namespace

Played play_headless(std::vector<Step> steps, Player::Options options) {
  ui::HeadlessUi ui;
  ui.set_shell_result(kNoApplication);
  ui.go_live();
  Session session(ui);
  HeadlessRealisation realisation(ui, session);
  Player player(realisation, std::move(steps), std::move(options));
  Played played;
  {
    Watchdog watchdog(player);
    session.start();
    player.start();
    bool stop_requested = false;
    while (!player.tick()) {
      // The program ended itself: its command loop stops; the player observes.
      if (!stop_requested && ui.exit_code()) {
        session.state().request_stop();
        stop_requested = true;
      }
      std::this_thread::sleep_for(kTick);
    }
    played = {player.passed(), player.failure(), ui.text().text()};
    ui.shut_down();
    // No menu routine may outlive the session it acts on.
    ui.live().end_window_thread();
    // Terminates a model still running, its helpers with it.
    session.stop([] {});
  }
  return played;
}

}  // namespace tarnex::scenario
