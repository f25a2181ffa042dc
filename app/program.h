#pragma once
// Tarnex as a running program on the Qt window. The program itself and the
// scenario runner start it the same way.

#include "shell/session.h"
#include "ui/qt/qt_ui.h"

namespace tarnex {

class Program {
 public:
  Program() = default;
  ~Program();

  // Shows the window and starts TARNEX on the command-loop thread; start-up
  // runs there, its window calls carried over to the window thread.
  void start();
  // Stops the command loop and waits for it, keeping the window thread's
  // events flowing meanwhile; a model program still running is terminated.
  void stop();

  ui::QtUi& ui() { return ui_; }
  State& state() { return session_.state(); }
  bool started_up() const { return session_.started_up(); }

 private:
  ui::QtUi ui_;
  Session session_{ui_};
};

}  // namespace tarnex
