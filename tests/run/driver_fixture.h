#pragma once
// Runs the console child driver the way the command loop does, against model
// programs in a fresh current directory, with the headless window. Every
// run is bounded: one that does not end in time fails the test and is
// terminated.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <future>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "model_directory.h"
#include "run/qarn.h"
#include "shell/state.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::test {

using namespace std::chrono_literals;

// Shorter waits than the program's; the driver's algorithm is the same.
inline constexpr Pacing kQuick{.while_running = 50ms, .after_end = 100ms, .settle = 20ms, .enter_again = 100ms};

// The exit code of a program that crashed: killed by SIGKILL, or on Windows
// ended as an access violation ends it (the stand-in's crash, the tests'
// child program's).
#ifdef _WIN32
inline constexpr int kCrashCode = static_cast<int>(0xC0000005u);
#else
inline constexpr int kCrashCode = 128 + SIGKILL;
#endif

// Every wait of these tests ends after this long at most.
inline constexpr std::chrono::seconds kBound{60};

// `text` cut or padded to a root field.
std::string root(std::string_view text);

// The descriptors this process has open; on Windows its handles of the kinds
// the process layer makes.
std::set<std::string> open_descriptors();

// An environment variable set for the rest of a scope.
class ScopedVariable {
 public:
  ScopedVariable(std::string name, const std::string& value);
  ~ScopedVariable();
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // STANDIN_MODE for the model programs started from now on; empty: unset.
  void set_mode(const char* mode);
  // A run as the command loop makes it: the run code posted and the menus
  // made busy, the driver, then idle menus and a blank line.
  void run(int run_code, const Pacing& pacing = kQuick);
  // The same run on another thread, as the command-loop thread; finish()
  // waits for it to end.
  void start(int run_code, const Pacing& pacing = kQuick);
  void finish();
  // Waits until the window shows `text`; false when it never does.
  bool window_shows(std::string_view text);
  // How many rows of the window are exactly `row`.
  long rows_equal(std::string_view row);
  // The rows that follow the first row equal to `row`, `count` of them.
  std::vector<std::string> rows_after(std::string_view row, std::size_t count);

  ModelDirectory dir;
  ui::HeadlessUi ui;
  State state;

 private:
  void run_as_command_loop(int run_code, const Pacing& pacing);
  std::future<void> running_;
};

}  // namespace tarnex::test
