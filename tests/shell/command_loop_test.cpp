#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "shell/tarnex.h"

namespace tarnex {
namespace {

using namespace std::chrono_literals;

bool eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 500; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(5ms);
  }
  return condition();
}

TEST(CommandLoop, PerformsEachPostedCodeOnceAndReturnsToIdle) {
  State state;
  std::vector<int> performed;
  std::mutex mutex;
  CommandOperations operations;
  for (int code : {100, 200, 300, 400, 500}) {
    operations[code] = [&, code] {
      std::lock_guard lock(mutex);
      performed.push_back(code);
    };
  }
  std::thread loop([&] { command_loop(state, operations); });
  for (int code : {200, 100, 500, 300, 400}) {
    state.post(code);
    ASSERT_TRUE(eventually([&] { return state.pending_command == kIdle; })) << code;
  }
  state.request_stop();
  loop.join();
  EXPECT_EQ(performed, (std::vector<int>{200, 100, 500, 300, 400}));
}

TEST(CommandLoop, LeavesACodeWithoutOperationWaitingAndStops) {
  State state;
  int performed = 0;
  std::thread loop([&] { command_loop(state, {{100, [&] { ++performed; }}}); });
  state.post(999);
  std::this_thread::sleep_for(250ms);
  EXPECT_EQ(state.pending_command, 999);
  EXPECT_EQ(performed, 0);
  state.post(100);
  ASSERT_TRUE(eventually([&] { return state.pending_command == kIdle; }));
  EXPECT_EQ(performed, 1);
  state.request_stop();
  loop.join();
}

TEST(CommandLoop, IsInCommandOnlyWhilePerforming) {
  State state;
  std::atomic<bool> release{false};
  std::atomic<bool> seen_in_command{false};
  std::thread loop([&] {
    command_loop(state, {{200, [&] {
                            seen_in_command = state.in_command.load();
                            while (!release) std::this_thread::sleep_for(1ms);
                          }}});
  });
  EXPECT_FALSE(state.in_command);
  state.post(200);
  ASSERT_TRUE(eventually([&] { return state.in_command.load(); }));
  release = true;
  ASSERT_TRUE(eventually([&] { return !state.in_command && state.pending_command == kIdle; }));
  EXPECT_TRUE(seen_in_command);
  state.request_stop();
  loop.join();
}

}  // namespace
}  // namespace tarnex
