#include "shell/session.h"

#include <chrono>
#include <filesystem>

#include "shell/running_program.h"
#include "shell/tarnex.h"

namespace tarnex {

Session::~Session() {
  stop([] {});
}

void Session::start() {
  loop_ = std::thread([this] {
    start_up(state_, ui_, std::filesystem::current_path().string());
    started_up_ = true;
    command_loop(state_, command_operations(state_, ui_));
    loop_done_ = true;
  });
}

void Session::stop(const std::function<void()>& pump) {
  if (!loop_.joinable()) return;
  state_.request_stop();
  while (!loop_done_) {
    // A run in progress, or one the loop starts before it sees the stop, is
    // ended as Terminate ends it, so the loop never waits for a model
    // program or a helper it left printing.
    if (state_.running.child() && !state_.running.terminated()) TERMINATE(state_.running);
    pump();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  loop_.join();
}

}  // namespace tarnex
