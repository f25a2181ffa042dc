#pragma once
// The model program now running and the exit code Tarnex reports for it: the
// driver on the command-loop thread starts and watches the child, Terminate
// and Exit on the window thread end it or read its code. Both go through
// this one owner, under one lock.

#include <memory>
#include <mutex>

#include "process/process.h"

namespace tarnex {

using process::kStillActive;

class RunningChild {
 public:
  // The child, if any; each holder keeps it alive while using it.
  std::shared_ptr<process::ChildProcess> child() const;
  void set_child(std::shared_ptr<process::ChildProcess> child);

  // kStillActive while a model runs, afterwards the program's exit code, or
  // 0 when Terminate ended it.
  int exit_code() const;
  void set_exit_code(int code);

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<process::ChildProcess> child_;
  int exit_code_ = 0;
};

}  // namespace tarnex
