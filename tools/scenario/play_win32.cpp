#include <iostream>

#include "play.h"

namespace tarnex::scenario {

// The Win32 window has no realisation of the player yet: it will implement
// realisation.h and be driven as play_headless.cpp drives the headless one.
std::optional<Played> play_on_window(int, char**, std::vector<Step>, Player::Options) {
  std::cerr << "the Win32 realisation of the scenario player is not built yet; use --headless\n";
  return std::nullopt;
}

}  // namespace tarnex::scenario
