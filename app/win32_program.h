#pragma once
// Tarnex as a running Windows program: the Win32 window and a session.

#include "shell/session.h"
#include "ui/win32/win32_ui.h"

namespace tarnex {

class Win32Program {
 public:
  // On the window thread.
  Win32Program() = default;
  ~Win32Program();

  // Shows the window and starts TARNEX on the command-loop thread; start-up
  // runs there, its window calls carried over to the window thread.
  void start(int show_command);
  // Stops the command loop and waits for it, keeping the window thread's
  // messages flowing meanwhile; a model program still running is terminated.
  void stop();

  ui::win32::Win32Ui& ui() { return ui_; }
  State& state() { return session_.state(); }
  bool started_up() const { return session_.started_up(); }

 private:
  ui::win32::Win32Ui ui_;
  Session session_{ui_};
};

}  // namespace tarnex
