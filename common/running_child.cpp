#include "common/running_child.h"

namespace tarnex {

std::shared_ptr<process::ChildProcess> RunningChild::child() const {
  std::lock_guard lock(mutex_);
  return child_;
}

void RunningChild::set_child(std::shared_ptr<process::ChildProcess> child) {
  std::lock_guard lock(mutex_);
  child_ = std::move(child);
}

int RunningChild::exit_code() const {
  std::lock_guard lock(mutex_);
  return exit_code_;
}

void RunningChild::set_exit_code(int code) {
  std::lock_guard lock(mutex_);
  exit_code_ = code;
}

}  // namespace tarnex
