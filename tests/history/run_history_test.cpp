// Where transcripts are kept, their names, the limits that remove the
// oldest, and a state directory that cannot be written.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "history/run_history.h"
#include "history/transcript_reader.h"
#include "tests/support/environment.h"
#include "scratch_directory.h"

namespace tarnex::history {
namespace {

using namespace std::chrono_literals;
using test::ScratchDirectory;

struct DirectoryCase {
  const char* xdg_state_home;
  const char* home;
  std::string expected;
};

TEST(RunsDirectory, FollowsTheDesktopsStateDirectory) {
#ifdef _WIN32
  GTEST_SKIP() << "the state directory of the XDG rules is the Linux desktop's; "
                  "OnWindowsTheLocalApplicationData is the Windows one";
#else
  const DirectoryCase cases[] = {
      {"/var/state", "/home/me", "/var/state/tarnex/runs"},
      {nullptr, "/home/me", "/home/me/.local/state/tarnex/runs"},
      {"", "/home/me", "/home/me/.local/state/tarnex/runs"},
      {"relative/state", "/home/me", "/home/me/.local/state/tarnex/runs"},
      {"/var/state", nullptr, "/var/state/tarnex/runs"},
      {nullptr, nullptr, ""},
      {nullptr, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(runs_directory(c.xdg_state_home, c.home).string(), c.expected)
        << (c.xdg_state_home ? c.xdg_state_home : "(unset)") << " " << (c.home ? c.home : "(unset)");
  }
#endif
}

// XDG_STATE_HOME still counts when it names a directory of the system (the
// tests set it); otherwise Windows keeps the runs with the user's local
// application data.
TEST(RunsDirectory, OnWindowsTheLocalApplicationData) {
#ifndef _WIN32
  GTEST_SKIP() << "LOCALAPPDATA is Windows'; FollowsTheDesktopsStateDirectory is the Linux desktop's rule";
#else
  const char* saved_state = std::getenv("XDG_STATE_HOME");
  const std::string state = saved_state != nullptr ? saved_state : "";
  const char* saved_local = std::getenv("LOCALAPPDATA");
  const std::string local = saved_local != nullptr ? saved_local : "";
  struct Case {
    const char* xdg_state_home;
    const char* local_application_data;
    std::filesystem::path expected;
  };
  const Case cases[] = {
      {"", "C:\\Users\\me\\AppData\\Local", "C:\\Users\\me\\AppData\\Local\\Tarnex\\runs"},
      {"/var/state", "C:\\Users\\me\\AppData\\Local", "C:\\Users\\me\\AppData\\Local\\Tarnex\\runs"},
      {"D:\\state", "C:\\Users\\me\\AppData\\Local", "D:\\state\\tarnex\\runs"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    test::set_environment_variable("XDG_STATE_HOME", c.xdg_state_home);
    test::set_environment_variable("LOCALAPPDATA", c.local_application_data);
    EXPECT_EQ(default_runs_directory(), c.expected) << c.xdg_state_home << " " << c.local_application_data;
  }
  test::set_environment_variable("XDG_STATE_HOME", state);
  test::set_environment_variable("LOCALAPPDATA", local);
#endif
}

TEST(TranscriptName, StartTimeAndProgramThenANumber) {
  TranscriptHeader header;
  header.program = "MOR/D";
  header.started = std::chrono::system_clock::now();
  const auto first = transcript_name(header, 1);
  EXPECT_TRUE(first.ends_with("_MOR_D.txt")) << first;
  EXPECT_EQ(first.size(), std::string("2024-05-01_10-22-33_MOR_D.txt").size());
  EXPECT_EQ(transcript_name(header, 2), first.substr(0, first.size() - 4) + "_2.txt");
}

// Transcripts written one minute apart, the oldest first, each `bytes` long.
std::vector<std::filesystem::path> transcripts(const ScratchDirectory& dir, int count, std::size_t bytes) {
  std::vector<std::filesystem::path> made;
  const auto now = std::filesystem::file_time_type::clock::now();
  for (int i = 0; i < count; ++i) {
    made.push_back(dir.put("run" + std::to_string(i) + ".txt", std::string(bytes, 'x')));
    std::filesystem::last_write_time(made.back(), now - std::chrono::minutes(count - i));
  }
  return made;
}

std::vector<bool> kept(const std::vector<std::filesystem::path>& files) {
  std::vector<bool> exists;
  for (const auto& f : files) exists.push_back(std::filesystem::exists(f));
  return exists;
}

TEST(Prune, PastTheNumberOfRunsTheOldestGo) {
  ScratchDirectory dir;
  const auto files = transcripts(dir, 5, 10);
  const auto other = dir.put("notes.md", "kept, not a transcript");
  std::filesystem::last_write_time(other, std::filesystem::file_time_type::clock::now() - 24h);
  prune(dir.path(), {3, 1'000'000}, files.back());
  EXPECT_EQ(kept(files), (std::vector<bool>{false, false, true, true, true}));
  EXPECT_TRUE(std::filesystem::exists(other));
}

TEST(Prune, PastTheSizeTheOldestGo) {
  ScratchDirectory dir;
  const auto files = transcripts(dir, 5, 100);
  prune(dir.path(), {1000, 250}, files.back());
  EXPECT_EQ(kept(files), (std::vector<bool>{false, false, false, true, true}));
}

TEST(Prune, TheRunJustWrittenStaysEvenPastTheLimits) {
  ScratchDirectory dir;
  const auto files = transcripts(dir, 3, 100);
  // The run just written is the oldest by its time, as after a clock change.
  prune(dir.path(), {1, 50}, files.front());
  EXPECT_EQ(kept(files), (std::vector<bool>{true, false, false}));
}

TEST(Prune, WithinTheLimitsNothingGoes) {
  ScratchDirectory dir;
  const auto files = transcripts(dir, 4, 10);
  prune(dir.path(), {}, files.back());
  EXPECT_EQ(kept(files), (std::vector<bool>{true, true, true, true}));
  prune(dir.path() / "missing", {}, {});
}

TranscriptHeader jorn() {
  TranscriptHeader header;
  header.program = "JORN";
  header.run_code = 500;
  header.started = std::chrono::system_clock::now();
  return header;
}

TEST(RunHistory, BeginsATranscriptInItsDirectoryMadeOnDemand) {
  ScratchDirectory dir;
  RunHistory runs;
  runs.set_directory(dir.path() / "state" / "tarnex" / "runs");
  std::string failure;
  auto first = runs.begin(jorn(), failure);
  ASSERT_TRUE(first) << failure;
  EXPECT_EQ(failure, "");
  EXPECT_EQ(runs.current(), first->path());
  // A second run in the same second by the same program gets a name of its own.
  auto second = runs.begin(jorn(), failure);
  ASSERT_TRUE(second) << failure;
  EXPECT_NE(second->path(), first->path());
  first->finish({Outcome::Exited, 0, 1ms, 0});
  runs.end(*first);
  EXPECT_EQ(runs.current(), "");
  EXPECT_EQ(list_runs(runs.directory()).size(), 2u);
}

TEST(RunHistory, OffKeepsNothingAndSaysNothing) {
  ScratchDirectory dir;
  RunHistory runs;
  runs.set_directory(dir.path());
  runs.set_keeping(false);
  std::string failure = "stale";
  EXPECT_FALSE(runs.begin(jorn(), failure));
  EXPECT_EQ(failure, "");
  EXPECT_TRUE(list_runs(dir.path()).empty());
}

// A regular file where a directory should be: no one, root included, can
// make the state directory there.
TEST(RunHistory, AStateDirectoryThatCannotBeMadeSaysWhy) {
  ScratchDirectory dir;
  const auto file = dir.put("state", "a file, not a directory");
  RunHistory runs;
  runs.set_directory(file / "tarnex" / "runs");
  std::string failure;
  EXPECT_FALSE(runs.begin(jorn(), failure));
  EXPECT_TRUE(failure.starts_with("cannot make " + (file / "tarnex" / "runs").string() + ": ")) << failure;
  runs.set_directory({});
  EXPECT_FALSE(runs.begin(jorn(), failure));
  EXPECT_NE(failure.find("no state directory"), std::string::npos) << failure;
}

TEST(RunHistory, AFailureIsNotedOnceAndItsEndOnce) {
  RunHistory runs;
  EXPECT_FALSE(runs.note_failure(""));
  EXPECT_TRUE(runs.note_failure("cannot make /x: Not a directory"));
  EXPECT_FALSE(runs.note_failure("cannot make /x: Not a directory"));
  EXPECT_TRUE(runs.note_failure(""));
  EXPECT_FALSE(runs.note_failure(""));
}

TEST(RunHistory, StartsKeepingWithTheDefaultLimits) {
  const RunHistory runs;
  EXPECT_TRUE(runs.keeping());
  EXPECT_EQ(runs.limits().runs, 1000u);
  EXPECT_EQ(runs.limits().bytes, 500'000'000u);
  EXPECT_EQ(runs.directory(), default_runs_directory());
}

}  // namespace
}  // namespace tarnex::history
