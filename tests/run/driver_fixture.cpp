#include "driver_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/fixed_text.h"
#include "shell/running_program.h"
#include "shell/tarnex.h"

namespace tarnex::test {

std::string root(std::string_view text) { return fit(text, kRootField); }

std::set<std::string> open_descriptors() {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

ScopedVariable::ScopedVariable(std::string name, const std::string& value) : name_(std::move(name)) {
  if (const char* previous = std::getenv(name_.c_str())) previous_ = previous;
  ::setenv(name_.c_str(), value.c_str(), 1);
}

ScopedVariable::~ScopedVariable() {
  if (previous_) {
    ::setenv(name_.c_str(), previous_->c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
}

void DriverTest::SetUp() {
  ::unsetenv("STANDIN_MODE");
  start_up(state, ui, dir.path());
}

void DriverTest::TearDown() {
  // A test that stopped early leaves its run to be ended here.
  if (running_.valid()) {
    TERMINATE(state.running);
    finish();
  }
  ::unsetenv("STANDIN_MODE");
}

void DriverTest::set_mode(const char* mode) {
  if (*mode == '\0') {
    ::unsetenv("STANDIN_MODE");
  } else {
    ::setenv("STANDIN_MODE", mode, 1);
  }
}

void DriverTest::run_as_command_loop(int run_code, const Pacing& pacing) {
  state.pending_command = run_code;
  MENU_GRAYOUTS(state, ui);
  QARN(state.running, state.run_settings, state.paths.executable_paths, ui, run_code, pacing);
  state.pending_command = kIdle;
  MENU_GRAYOUTS(state, ui);
  ui.text().write_line("");
}

void DriverTest::run(int run_code, const Pacing& pacing) {
  start(run_code, pacing);
  finish();
}

void DriverTest::start(int run_code, const Pacing& pacing) {
  running_ = std::async(std::launch::async, [this, run_code, pacing] { run_as_command_loop(run_code, pacing); });
}

void DriverTest::finish() {
  if (running_.wait_for(kBound) == std::future_status::timeout) {
    ADD_FAILURE() << "the run did not end; terminating it";
    TERMINATE(state.running);
    // A driver that ignores Terminate would hang the test run for good.
    if (running_.wait_for(kBound) == std::future_status::timeout) std::abort();
  }
  running_.get();
}

bool DriverTest::window_shows(std::string_view text) {
  const auto deadline = std::chrono::steady_clock::now() + kBound;
  while (ui.text().text().find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

long DriverTest::rows_equal(std::string_view row) {
  const auto rows = ui.text().rows();
  return std::ranges::count(rows, row);
}

std::vector<std::string> DriverTest::rows_after(std::string_view row, std::size_t count) {
  const auto rows = ui.text().rows();
  auto found = std::ranges::find(rows, row);
  if (found == rows.end()) return {};
  ++found;
  const auto left = static_cast<std::size_t>(rows.end() - found);
  return {found, found + static_cast<std::ptrdiff_t>(std::min(count, left))};
}

}  // namespace tarnex::test
