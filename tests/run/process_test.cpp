// Child processes and pipes on their own: what a started program inherits,
// how it ends, and how Terminate reaches every process it started.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/resource.h>
#endif

#include "driver_fixture.h"
#include "model_directory.h"
#include "process/process.h"
#include "process/process_command.h"

namespace tarnex::process {
namespace {

using namespace std::chrono_literals;
using test::kBound;

// A child started on two fresh pipes, with Tarnex's ends at hand.
struct Started {
  std::shared_ptr<ChildProcess> child;
  PipeEnd input;   // the child's standard input
  PipeEnd output;  // its standard output and error
};

Started start_with_pipes(const std::string& program, std::vector<std::pair<std::string, std::string>> environment = {}) {
  auto in = create_pipe();
  auto out = create_pipe();
  EXPECT_TRUE(in && out);
  auto child = start_child({program, &in->read, &out->write, std::move(environment)});
  return {child, std::move(in->write), std::move(out->read)};
}

// Everything the child writes until it has ended and its output is drained,
// bounded.
std::string read_all(Started& started) {
  std::string text;
  std::array<char, 511> chunk;
  const auto deadline = std::chrono::steady_clock::now() + kBound;
  while (std::chrono::steady_clock::now() < deadline) {
    if (started.output.wait(10ms) == PipeWait::Readable) {
      text.append(chunk.data(), started.output.read(chunk));
    } else if (started.child->exit_code() != kStillActive) {
      // What it wrote between the wait and its end is still in the pipe.
      while (started.output.available() > 0) text.append(chunk.data(), started.output.read(chunk));
      break;
    }
  }
  return text;
}

// The exit code once the child has ended, bounded.
std::optional<int> ended(ChildProcess& child) {
  const auto deadline = std::chrono::steady_clock::now() + kBound;
  for (auto code = child.exit_code(); code && std::chrono::steady_clock::now() < deadline; code = child.exit_code()) {
    if (*code != kStillActive) return code;
    std::this_thread::sleep_for(10ms);
  }
  return child.exit_code();
}

#ifdef _WIN32
// Ended: gone, or a process whose last handle is still held somewhere.
bool process_ended(const std::string& id) {
  const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::stoul(id)));
  if (process == nullptr) return true;
  const bool ended = ::WaitForSingleObject(process, static_cast<DWORD>(kBound.count() * 1000)) == WAIT_OBJECT_0;
  ::CloseHandle(process);
  return ended;
}

bool inheritable(const PipeEnd& end) {
  DWORD flags = 0;
  return ::GetHandleInformation(reinterpret_cast<HANDLE>(end.native()), &flags) && (flags & HANDLE_FLAG_INHERIT) != 0;
}

// A process of the id exists, though it may have ended: a handle holds it.
bool id_taken(NativeHandle id) {
  const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
  if (process != nullptr) ::CloseHandle(process);
  return process != nullptr;
}
#else
// Gone, or a zombie waiting for a parent that is not this process.
bool process_ended(const std::string& id) {
  const auto deadline = std::chrono::steady_clock::now() + kBound;
  while (std::chrono::steady_clock::now() < deadline) {
    std::ifstream stat("/proc/" + id + "/stat");
    std::string pid, name, status;
    if (!(stat >> pid >> name >> status) || status == "Z") return true;
    std::this_thread::sleep_for(10ms);
  }
  return false;
}

bool inheritable(const PipeEnd& end) { return (::fcntl(static_cast<int>(end.native()), F_GETFD) & FD_CLOEXEC) == 0; }

// A process of the id exists, though it may be a zombie.
bool id_taken(NativeHandle id) { return ::kill(static_cast<pid_t>(id), 0) == 0; }
#endif

class Process : public ::testing::Test {
 protected:
  // A program that plays `posix` as a shell script, or on Windows `windows`
  // as a script of the tests' child program (tests/support/test_child.cpp).
  std::string program(const std::string& name, [[maybe_unused]] const std::string& posix,
                      [[maybe_unused]] const std::string& windows) {
#ifdef _WIN32
    return dir.add_test_child(name + ".exe", windows);
#else
    return script(name, posix);
#endif
  }
  // A shell script, for the tests only POSIX systems run.
  std::string script(const std::string& name, const std::string& body) {
    dir.put(name, "#!/bin/sh\n" + body, true);
    return dir.file(name);
  }
  test::ModelDirectory dir;
};

TEST_F(Process, PipeEndsAreNotInheritedByStartedPrograms) {
  auto pipe = create_pipe();
  ASSERT_TRUE(pipe);
  for (const PipeEnd* end : {&pipe->read, &pipe->write}) EXPECT_FALSE(inheritable(*end));
}

TEST_F(Process, AChildStartsFreshInTarnexsDirectoryWithTheAddedVariables) {
#ifdef _WIN32
  GTEST_SKIP() << "signal dispositions and process groups are POSIX's; "
                  "AWindowsChildStartsInTarnexsDirectoryInAJobWithTheAddedVariables is the Windows start";
#else
  // Tarnex ignores SIGPIPE once it has made a pipe; the child must not.
  ASSERT_TRUE(create_pipe());
  ASSERT_EQ(std::signal(SIGPIPE, SIG_IGN), SIG_IGN);
  const test::ScopedVariable kept("TARNEX_TEST_KEPT", "inherited");
  const test::ScopedVariable overridden("TARNEX_TEST_SET", "old");
  auto started = start_with_pipes(script("show",
                                          "sed -n 's/^SigIgn:\\t//p' /proc/$$/status\n"
                                          "pwd\n"
                                          "echo \"$TARNEX_TEST_KEPT $TARNEX_TEST_SET\"\n"
                                          "echo to-error >&2\n"
                                          "test \"$(cut -d' ' -f5 /proc/$$/stat)\" = $$ && echo own-group\n"),
                                   {{"TARNEX_TEST_SET", "new"}});
  ASSERT_TRUE(started.child);
  started.input.close();
  std::istringstream lines(read_all(started));
  std::string ignored_signals, directory, variables, error, group;
  std::getline(lines, ignored_signals);
  // Signals 1 to 31; the real-time ones the C library keeps for itself stay
  // as it sets them.
  EXPECT_EQ(std::stoull(ignored_signals, nullptr, 16) & 0x7fffffffu, 0u) << ignored_signals;
  lines >> directory >> std::ws;
  std::getline(lines, variables);
  lines >> error >> group;
  EXPECT_EQ(directory, dir.path());
  EXPECT_EQ(variables, "inherited new");
  EXPECT_EQ(error, "to-error");
  EXPECT_EQ(group, "own-group");
  EXPECT_EQ(ended(*started.child), 0);
#endif
}

TEST_F(Process, AWindowsChildStartsInTarnexsDirectoryInAJobWithTheAddedVariables) {
#ifndef _WIN32
  GTEST_SKIP() << "jobs are Windows'; AChildStartsFreshInTarnexsDirectoryWithTheAddedVariables is the POSIX start";
#else
  const test::ScopedVariable kept("TARNEX_TEST_KEPT", "inherited");
  const test::ScopedVariable overridden("TARNEX_TEST_SET", "old");
  auto started = start_with_pipes(
      program("show", "", "cwd;env TARNEX_TEST_KEPT;env TARNEX_TEST_SET;error to-error;job"), {{"tarnex_test_set", "new"}});
  ASSERT_TRUE(started.child);
  started.input.close();
  std::istringstream lines(read_all(started));
  std::string directory, kept_value, set_value, error, job;
  std::getline(lines, directory);
  std::getline(lines, kept_value);
  std::getline(lines, set_value);
  std::getline(lines, error);
  std::getline(lines, job);
  EXPECT_TRUE(std::filesystem::equivalent(directory, std::filesystem::current_path())) << directory;
  EXPECT_EQ(kept_value, "inherited");
  EXPECT_EQ(set_value, "new") << "a variable is replaced whatever the letter case of its name";
  EXPECT_EQ(error, "to-error");
  EXPECT_EQ(job, "in a job");
  EXPECT_EQ(ended(*started.child), 0);
#endif
}

TEST_F(Process, AChildWithoutPipesHasTheNullDeviceAsItsStreams) {
  auto child = start_child({program("streams",
                                    "streams=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2)\n"
                                    "read=$(wc -c < /proc/$$/fd/0)\n"
                                    "echo \"$streams $read\" > streams.txt\n",
                                    "streams streams.txt")});
  ASSERT_TRUE(child);
  EXPECT_EQ(ended(*child), 0);
#ifdef _WIN32
  // NUL is a character device there.
  EXPECT_EQ(dir.read("streams.txt"), "char char char 0\n");
#else
  EXPECT_EQ(dir.read("streams.txt"), "/dev/null\n/dev/null\n/dev/null 0\n");
#endif
}

TEST_F(Process, TheExitCodeIsStillActiveUntilTheChildEnds) {
  struct Case {
    const char* body;
    const char* windows;
    int code;
  };
  const Case cases[] = {{"exit 0\n", "read;exit 0", 0},
                        {"exit 3\n", "read;exit 3", 3},
                        {"kill -KILL $$\n", "read;crash", test::kCrashCode}};
  for (const auto& c : cases) {
    auto started = start_with_pipes(program("ending", "read line\n" + std::string(c.body), c.windows));
    ASSERT_TRUE(started.child);
    EXPECT_EQ(started.child->exit_code(), kStillActive);
    EXPECT_TRUE(started.input.write("go\n"));
    EXPECT_EQ(ended(*started.child), c.code) << c.body;
    EXPECT_EQ(started.child->exit_code(), c.code) << "the code stays once reaped";
  }
}

TEST(PipeEnd, AWaitTellsBytesFromTheEndOfThePipe) {
  auto pipe = create_pipe();
  ASSERT_TRUE(pipe);
  EXPECT_EQ(pipe->read.wait(0ms), PipeWait::TimedOut);
  ASSERT_TRUE(pipe->write.write("x"));
  EXPECT_EQ(pipe->read.wait(0ms), PipeWait::Readable);
  pipe->write.close();
  EXPECT_EQ(pipe->read.wait(0ms), PipeWait::Readable) << "bytes left after the writer has gone";
  std::array<char, 8> chunk;
  EXPECT_EQ(pipe->read.read(chunk), 1u);
  EXPECT_EQ(pipe->read.wait(kBound), PipeWait::Ended);
  pipe->read.close();
  EXPECT_EQ(pipe->read.wait(kBound), PipeWait::Ended);
}

TEST_F(Process, WritingToAChildThatHasGoneFailsQuietly) {
  auto started = start_with_pipes(program("gone", "exit 0\n", "exit 0"));
  ASSERT_TRUE(started.child);
  ASSERT_EQ(ended(*started.child), 0);
#ifdef _WIN32
  // The console the child had may hold its input a moment longer; Wine's
  // console host does. Until then the answer waits in the pipe unread.
  const auto deadline = std::chrono::steady_clock::now() + kBound;
  while (started.input.write("BASIN\n") && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(10ms);
  }
#endif
  EXPECT_FALSE(started.input.write("BASIN\n"));
}

TEST_F(Process, TerminateEndsTheWholeGroupAndClosesTheChild) {
  struct Case {
    const char* body;
    const char* windows;
    bool ended;  // whether the child has ended before Terminate
  };
  const Case cases[] = {{"sleep 60 &\necho $!\nread line\n", "spawn;read", false},
                        {"sleep 60 &\necho $!\n", "spawn", true}};
  for (const auto& c : cases) {
    auto started = start_with_pipes(program("lingers", c.body, c.windows));
    ASSERT_TRUE(started.child);
    std::string helper;
    std::array<char, 64> chunk;
    while (!helper.ends_with('\n') && started.output.wait(kBound) == PipeWait::Readable) {
      const std::size_t got = started.output.read(chunk);
      if (got == 0) break;
      helper.append(chunk.data(), got);
    }
    ASSERT_FALSE(helper.empty());
    helper.pop_back();
    const auto id = started.child->id();
    if (c.ended) {
      ASSERT_EQ(ended(*started.child), 0);
      // Its id, the id of the helper's group, is no other process's.
      EXPECT_TRUE(id_taken(id)) << "an ended child stays unreaped until closed";
    }
    started.child->terminate();
    EXPECT_EQ(started.child->exit_code(), std::nullopt);
    EXPECT_TRUE(process_ended(helper)) << c.body;
    EXPECT_TRUE(process_ended(std::to_string(id))) << c.body;
    started.child->terminate();  // again: nothing left to reach
  }
}

TEST_F(Process, PrioritiesAreBestEffort) {
#ifdef _WIN32
  auto started = start_with_pipes(program("waits", "", "read;priority"));
  ASSERT_TRUE(started.child);
  started.child->set_thread_priority(Priority::AboveNormal);
  started.child->set_thread_priority(Priority::BelowNormal);
  started.input.write("\n");
  EXPECT_EQ(read_all(started), std::to_string(THREAD_PRIORITY_BELOW_NORMAL) + "\n");
  EXPECT_EQ(ended(*started.child), 0);
  started.child->set_priority_class(Priority::Normal);  // ended: reaches nobody
#else
  auto started = start_with_pipes(script("waits", "read line\n"));
  ASSERT_TRUE(started.child);
  const auto id = static_cast<id_t>(started.child->id());
  started.child->set_thread_priority(Priority::AboveNormal);  // may be refused
  started.child->set_thread_priority(Priority::BelowNormal);
  errno = 0;
  EXPECT_EQ(::getpriority(PRIO_PROCESS, id), 1);
  started.input.write("\n");
  EXPECT_EQ(ended(*started.child), 0);
  started.child->set_priority_class(Priority::Normal);  // reaped: reaches nobody
#endif
}

TEST_F(Process, AProgramThatCannotStartIsNoChild) {
  dir.put("not-a-program", "just text\n", true);
  EXPECT_EQ(start_child({dir.file("missing")}), nullptr);
  EXPECT_EQ(start_child({dir.file("not-a-program")}), nullptr);
}

TEST_F(Process, WindowsExecutablesStartThroughWineWhenThereIsOne) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows starts its own executables";
#else
  dir.put("bin/wine", "#!/bin/sh\n", true);
  dir.put("plain/wine", "not executable\n");
  dir.put("MOR.exe", "MZ\x90", false);
  dir.put("tool", "\x7f" "ELF", true);
  dir.put("MZ-named", "#!/bin/sh\n", true);
  struct Case {
    const char* program;
    std::string path;
    Command command;
  };
  const std::string wine = dir.file("bin/wine");
  const Case cases[] = {
      {"MOR.exe", dir.file("plain") + ":" + dir.file("bin"), {{wine, dir.file("MOR.exe")}, {{"WINEDEBUG", "-all"}}}},
      {"MOR.exe", dir.file("plain"), {{dir.file("MOR.exe")}, {}}},
      {"MOR.exe", "", {{dir.file("MOR.exe")}, {}}},
      {"tool", dir.file("bin"), {{dir.file("tool")}, {}}},
      {"MZ-named", dir.file("bin"), {{dir.file("MZ-named")}, {}}},
      {"missing", dir.file("bin"), {{dir.file("missing")}, {}}},
  };
  for (const auto& c : cases) {
    const Command command = command_for(dir.file(c.program), c.path);
    EXPECT_EQ(command.arguments, c.command.arguments) << c.program << " on " << c.path;
    EXPECT_EQ(command.environment, c.command.environment) << c.program << " on " << c.path;
  }
#endif
}

}  // namespace
}  // namespace tarnex::process
