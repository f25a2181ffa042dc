#include "common/running_child.h"

namespace tarnex {

void RunningChild::start(std::shared_ptr<process::ChildProcess> child) {
  std::lock_guard lock(mutex_);
  child_ = std::move(child);
  exit_code_ = kStillActive;
  terminated_ = false;
  ++runs_started_;
}

void RunningChild::finish() {
  std::lock_guard lock(mutex_);
  child_.reset();
}

std::shared_ptr<process::ChildProcess> RunningChild::child() const {
  std::lock_guard lock(mutex_);
  return child_;
}

int RunningChild::exit_code() const {
  std::lock_guard lock(mutex_);
  return exit_code_;
}

void RunningChild::set_exit_code(int code) {
  std::lock_guard lock(mutex_);
  exit_code_ = code;
}

// The code is read outside the lock; whether it is stored is decided under
// the lock, where a Terminate that came meanwhile is seen.
int RunningChild::read_exit_code() {
  std::shared_ptr<process::ChildProcess> child;
  std::function<void()> hook;
  {
    std::lock_guard lock(mutex_);
    if (terminated_ || !child_) return exit_code_;
    child = child_;
    hook = read_hook_;
  }
  const auto code = child->exit_code();
  if (hook) hook();
  std::lock_guard lock(mutex_);
  // A child closed by Terminate has no code to read.
  if (code && !terminated_) exit_code_ = *code;
  return exit_code_;
}

void RunningChild::terminate() {
  std::lock_guard lock(mutex_);
  // A signal carries no exit code: the code Tarnex reports is set here.
  if (child_) child_->terminate();
  terminated_ = true;
  exit_code_ = 0;
}

bool RunningChild::terminated() const {
  std::lock_guard lock(mutex_);
  return terminated_;
}

std::uint64_t RunningChild::runs_started() const {
  std::lock_guard lock(mutex_);
  return runs_started_;
}

void RunningChild::set_read_hook(std::function<void()> hook) {
  std::lock_guard lock(mutex_);
  read_hook_ = std::move(hook);
}

}  // namespace tarnex
