#pragma once
// The model program now running and the exit code Tarnex reports for it: the
// driver on the command-loop thread starts and watches the child, Terminate
// and Exit on the window thread end it or read its code. Both go through
// this one owner, under one lock.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "process/process.h"

namespace tarnex {

using process::kStillActive;

class RunningChild {
 public:
  // A run begins: `child` runs, its code is kStillActive, and no Terminate
  // has come for it yet.
  void start(std::shared_ptr<process::ChildProcess> child);
  // The run is over: the child is released and its code stays.
  void finish();
  // The child, if any; each holder keeps it alive while using it.
  std::shared_ptr<process::ChildProcess> child() const;

  // kStillActive while a model runs, afterwards the program's exit code, or
  // 0 when Terminate ended it.
  int exit_code() const;
  void set_exit_code(int code);

  // The driver's look at the child: reads its exit code and reports it,
  // unless a Terminate came since the run started; then the 0 it reported
  // stays, even when the code read was kStillActive. Returns the code now
  // reported.
  int read_exit_code();
  // Ends the child with every process it started and reports 0.
  void terminate();
  // Whether a Terminate came for the run started last: its driver then stops
  // reading what is left of the output, and the status bar says so.
  bool terminated() const;
  // How many runs have started, so that a caller can tell whether one did.
  std::uint64_t runs_started() const;

  // For tests: runs between reading the child's code and storing it, to
  // widen the window in which a Terminate can come.
  void set_read_hook(std::function<void()> hook);

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<process::ChildProcess> child_;
  int exit_code_ = 0;
  bool terminated_ = false;
  std::uint64_t runs_started_ = 0;
  std::function<void()> read_hook_;
};

}  // namespace tarnex
