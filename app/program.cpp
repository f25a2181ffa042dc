#include "app/program.h"

#include <QCoreApplication>
#include <chrono>
#include <filesystem>

#include "shell/running_program.h"
#include "shell/tarnex.h"
#include "ui/qt/history_settings.h"

namespace tarnex {

Program::~Program() { stop(); }

void Program::start() {
  const auto history = ui::load_history_settings();
  state_.history.set_keeping(history.keeping);
  state_.history.set_limits(history.limits);
  ui_.show();
  loop_ = std::thread([this] {
    start_up(state_, ui_, std::filesystem::current_path().string());
    started_up_ = true;
    command_loop(state_, command_operations(state_, ui_));
    loop_done_ = true;
  });
}

void Program::stop() {
  if (!loop_.joinable()) return;
  ui_.shut_down();
  state_.request_stop();
  while (!loop_done_) {
    // A run in progress, or one the loop starts before it sees the stop, is
    // ended as Terminate ends it, so the loop never waits for a model
    // program or a helper it left printing.
    if (state_.running.child() && !state_.running.terminated()) TERMINATE(state_.running);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  loop_.join();
}

}  // namespace tarnex
