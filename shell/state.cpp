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

std::shared_ptr<ui::ChildProcess> State::child() const {
  std::lock_guard lock(child_mutex_);
  return child_;
}

void State::set_child(std::shared_ptr<ui::ChildProcess> child) {
  std::lock_guard lock(child_mutex_);
  child_ = std::move(child);
}

}  // namespace tarnex
