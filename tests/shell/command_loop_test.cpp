#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

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

// The user's choice lands as the loop finishes the command before it: the
// operation posts from another thread at its very end, or between the two
// runs of a request while the menus are enabled, so that nothing of the
// loop runs between the post and the loop's reset.
TEST(CommandLoop, ACodePostedAsTheLoopResetsIsPerformed) {
  struct Case {
    const char* name;
    int next;     // the code chosen as the first command ends
    bool runs;    // the first command runs a model, setting the code itself
  };
  const Case cases[] = {
      {"the same item again after Cancel", kMorOrbDialog, false},
      {"another item after Cancel", kClearScreen, false},
      {"an item chosen between two runs of a request", kFlumDialog, true},
  };
  for (const auto& c : cases) {
    State state;
    std::vector<int> performed;
    std::mutex mutex;
    bool first = true;
    auto perform = [&](int code) {
      {
        std::lock_guard lock(mutex);
        performed.push_back(code);
      }
      if (!std::exchange(first, false)) return;
      if (c.runs) {
        state.pending_command = kMorRun;
        state.pending_command = kIdle;
        std::thread([&] { state.post(c.next); }).join();
        state.pending_command = kOrbRun;
        state.pending_command = kIdle;
      } else {
        std::thread([&] { state.post(c.next); }).join();
      }
    };
    CommandOperations operations;
    for (int code : {kClearScreen, kMorOrbDialog, kFlumDialog}) operations[code] = [&perform, code] { perform(code); };
    std::thread loop([&] { command_loop(state, operations); });
    state.post(kMorOrbDialog);
    const bool both = eventually([&] {
      std::lock_guard lock(mutex);
      return performed.size() == 2;
    });
    EXPECT_TRUE(both) << c.name;
    EXPECT_TRUE(eventually([&] { return state.pending_command == kIdle && !state.in_command; })) << c.name;
    state.request_stop();
    loop.join();
    EXPECT_EQ(performed, (std::vector<int>{kMorOrbDialog, c.next})) << c.name;
  }
}

}  // namespace
}  // namespace tarnex
