// Starting a program the user works with: the system's error code when it
// cannot start, and a started program holds none of Tarnex's pipes or
// standard handles.

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "process/start_program.h"
#include "tests/support/environment.h"
#include "tests/support/temporary_directory.h"

namespace tarnex::process {
namespace {

class StartProgram : public testing::Test {
 protected:
  void SetUp() override { directory = test::make_temporary_directory("tarnex-start-"); }
  void TearDown() override { std::filesystem::remove_all(directory); }

  // The file's content once it exists, waiting up to five seconds.
  std::string wait_for(const std::filesystem::path& file) {
    for (int i = 0; i < 500 && !std::filesystem::exists(file); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(file);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }

  std::filesystem::path directory;
};

TEST_F(StartProgram, TheSystemsErrorWhenItCannotStart) {
  const auto not_a_program = directory / "notes.txt";
  std::ofstream(not_a_program) << "text\n";
  struct Case {
    std::vector<std::string> arguments;
    int error;
  };
#ifdef _WIN32
  const Case cases[] = {
      {{"tarnex-no-such-program"}, ERROR_FILE_NOT_FOUND},
      {{(directory / "missing").string()}, ERROR_FILE_NOT_FOUND},
      {{not_a_program.string()}, ERROR_BAD_EXE_FORMAT},
      {{}, ERROR_INVALID_PARAMETER},
  };
#else
  const Case cases[] = {
      {{"tarnex-no-such-program"}, ENOENT},
      {{(directory / "missing").string()}, ENOENT},
      {{not_a_program.string()}, EACCES},
      {{}, EINVAL},
  };
#endif
  for (const auto& c : cases) {
    EXPECT_EQ(start_detached_program(c.arguments), c.error) << (c.arguments.empty() ? "" : c.arguments.front());
  }
}

TEST_F(StartProgram, LooksTheProgramUpAndPassesItsArguments) {
  const auto file = directory / "started";
#ifdef _WIN32
  // Found on the search path as a typed command is, and each argument
  // arrives whole, quotes and backslashes included.
  const std::string child_directory = std::filesystem::path(TEST_CHILD_PATH).parent_path().string();
  const char* path = std::getenv("PATH");
  const std::string saved = path != nullptr ? path : "";
  test::set_environment_variable("PATH", child_directory + ";" + saved);
  const auto started = start_detached_program(
      {"tarnex-test-child", "args", file.string(), "an argument", "a \"quoted\" one", "ends in \\", "C:\\a b\\"});
  test::set_environment_variable("PATH", saved);
  EXPECT_EQ(started, std::nullopt);
  EXPECT_EQ(wait_for(file), "an argument\na \"quoted\" one\nends in \\\nC:\\a b\\\n");
#else
  EXPECT_EQ(start_detached_program({"sh", "-c", "echo \"$0\" > " + file.string(), "an argument"}), std::nullopt);
  EXPECT_EQ(wait_for(file), "an argument\n");
#endif
}

TEST_F(StartProgram, StandardHandlesAreTheNullDevice) {
#ifdef _WIN32
  GTEST_SKIP() << "a program started on its own on Windows gets a console of its own, and no handle of Tarnex's "
                  "(APipeOfTarnexIsNotHeldOpenByIt)";
#else
  const auto file = directory / "handles";
  // Through a pipe, not a redirection: the shell would redirect its own
  // standard output for that.
  const std::string script = "readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2 | tee " + file.string();
  ASSERT_EQ(start_detached_program({"sh", "-c", script}), std::nullopt);
  EXPECT_EQ(wait_for(file), "/dev/null\n/dev/null\n/dev/null\n");
#endif
}

TEST_F(StartProgram, APipeOfTarnexIsNotHeldOpenByIt) {
#ifdef _WIN32
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  ASSERT_TRUE(::CreatePipe(&read, &write, &inherit, 0));  // inheritable on purpose
  ASSERT_EQ(start_detached_program({TEST_CHILD_PATH, "sleep", "3000"}), std::nullopt);
  ::CloseHandle(write);
  // Had the program inherited the writing end, the pipe would not end before
  // it exits.
  DWORD waiting = 0;
  EXPECT_FALSE(::PeekNamedPipe(read, nullptr, 0, nullptr, &waiting, nullptr));
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_BROKEN_PIPE));
  ::CloseHandle(read);
#else
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);  // inheritable on purpose
  ASSERT_EQ(start_detached_program({"sleep", "3"}), std::nullopt);
  ::close(ends[1]);
  pollfd reader{ends[0], POLLIN, 0};
  // Had the program inherited the writing end, no end of file would come
  // before it exits.
  ASSERT_EQ(::poll(&reader, 1, 1000), 1);
  char byte;
  EXPECT_EQ(::read(ends[0], &byte, 1), 0);
  ::close(ends[0]);
#endif
}

}  // namespace
}  // namespace tarnex::process
