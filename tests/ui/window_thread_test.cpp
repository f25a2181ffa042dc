#include "ui/win32/window_thread.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

namespace tarnex::ui::win32 {
namespace {

// Lets the window thread take carried calls until `done`.
void pump_until(const std::atomic<bool>& done) {
  while (!done) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

TEST(WindowThreadTest, CallsFromAnotherThreadRunOnTheWindowThreadAndBringBackTheirResultOrFailure) {
  become_window_thread();
  const DWORD window_thread = GetCurrentThreadId();
  EXPECT_TRUE(is_window_thread());
  EXPECT_EQ(on_window_thread([] { return GetCurrentThreadId(); }), window_thread);

  std::atomic<bool> done{false};
  DWORD ran_on = 0;
  bool caller_is_window_thread = true;
  std::string failure;
  std::thread caller([&] {
    caller_is_window_thread = is_window_thread();
    ran_on = on_window_thread([] { return GetCurrentThreadId(); });
    try {
      on_window_thread([] { throw std::runtime_error("refused"); });
    } catch (const std::runtime_error& error) {
      failure = error.what();
    }
    done = true;
  });
  pump_until(done);
  caller.join();

  EXPECT_FALSE(caller_is_window_thread);
  EXPECT_EQ(ran_on, window_thread);
  EXPECT_EQ(failure, "refused");
}

}  // namespace
}  // namespace tarnex::ui::win32
