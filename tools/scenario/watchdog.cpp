#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>

#include "play.h"
#include "workdir.h"

namespace tarnex::scenario {

struct Watchdog::Thread {
  std::atomic<bool> done{false};
  std::thread thread;
};

Watchdog::Watchdog(const Player& player) : thread_(std::make_unique<Thread>()) {
  thread_->thread = std::thread([&player, &done = thread_->done] {
    while (!done) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (const auto report = player.overdue()) {
        std::cout << *report << std::endl;
        kill_children();
        std::_Exit(1);
      }
    }
  });
}

Watchdog::~Watchdog() {
  thread_->done = true;
  thread_->thread.join();
}

}  // namespace tarnex::scenario
