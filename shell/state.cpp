#include "shell/state.h"

#include <chrono>

namespace tarnex {

void State::post(int code) {
  {
    std::lock_guard lock(mutex_);
    pending_command = code;
  }
  wake_.notify_all();
}

void State::wait_for_command(int milliseconds, int seen) {
  std::unique_lock lock(mutex_);
  wake_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                 [this, seen] { return pending_command != seen || stop; });
}

void State::request_stop() {
  {
    std::lock_guard lock(mutex_);
    stop = true;
  }
  wake_.notify_all();
}

}  // namespace tarnex
