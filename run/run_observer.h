#pragma once
// What the driver tells of a run besides the window: the shell keeps a
// transcript of each run through it, and the driver knows nothing of where
// or how.

#include <string_view>

namespace tarnex {

class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // The program has started.
  virtual void started() {}
  // Bytes the run wrote to the window: the program's output as it came, and
  // each answer echoed as the window shows it.
  virtual void shown(std::string_view) {}
  // The driver has read all the output there is for now and will wait.
  virtual void drained() {}
};

}  // namespace tarnex
