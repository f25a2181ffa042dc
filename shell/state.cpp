#include "shell/state.h"

#include <chrono>
#include <utility>

namespace tarnex {

void State::post(int code) {
  {
    std::lock_guard lock(mutex_);
    pending_command = code;
    last_posted_ = code;
    ++posts_;
  }
  wake_.notify_all();
}

State::Command State::command() {
  std::lock_guard lock(mutex_);
  return {pending_command, posts_};
}

void State::finish_command(const Command& performed) {
  std::lock_guard lock(mutex_);
  pending_command = posts_ == performed.posts ? kIdle : last_posted_;
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

void State::request_run_again(RunAgain again) {
  const int code = again.dialog_code;
  {
    std::lock_guard lock(mutex_);
    run_again_ = std::move(again);
  }
  post(code);
}

std::optional<State::RunAgain> State::take_run_again(int dialog_code) {
  std::lock_guard lock(mutex_);
  auto again = std::exchange(run_again_, std::nullopt);
  if (again && again->dialog_code != dialog_code) return std::nullopt;
  return again;
}

}  // namespace tarnex
