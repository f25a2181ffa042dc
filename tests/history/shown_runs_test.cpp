// What a History window redraws when it looks at the runs again.

#include "history/shown_runs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace tarnex::history {
namespace {

RunRecord run(const char* name, std::uint64_t bytes = 100, int modified_seconds = 0) {
  RunRecord record;
  record.path = name;
  record.file_bytes = bytes;
  record.modified = SystemTime(std::chrono::seconds(modified_seconds));
  return record;
}

struct Look {
  const char* what;
  std::vector<RunRecord> runs;
  const char* running;
  bool new_list;
  std::vector<std::size_t> rows;
};

TEST(ShownRuns, RedrawsTheWholeListOnlyWhenRunsCameWentOrMovedAndOtherwiseTheRowsThatChanged) {
  // One window looking again and again, each look against the one before.
  const std::vector<Look> looks = {
      {"nothing yet, nothing shown", {}, "", false, {}},
      {"the first runs", {run("b"), run("a")}, "", true, {}},
      {"the same again", {run("b"), run("a")}, "", false, {}},
      {"a run starts", {run("c", 10), run("b"), run("a")}, "c", true, {}},
      {"it grows", {run("c", 20), run("b"), run("a")}, "c", false, {0}},
      {"it is written again at the same size", {run("c", 20, 5), run("b"), run("a")}, "c", false, {0}},
      {"it ends", {run("c", 20, 5), run("b"), run("a")}, "", false, {0}},
      {"two change at once", {run("c", 20, 5), run("b", 1), run("a", 1)}, "", false, {1, 2}},
      {"the oldest is removed", {run("c", 20, 5), run("b", 1)}, "", true, {}},
      {"the order changes", {run("b", 1), run("c", 20, 5)}, "", true, {}},
  };
  ShownRuns shown;
  for (const auto& look : looks) {
    const auto changes = shown.update(look.runs, look.running);
    EXPECT_EQ(changes.new_list, look.new_list) << look.what;
    EXPECT_EQ(changes.rows, look.rows) << look.what;
  }
}

}  // namespace
}  // namespace tarnex::history
