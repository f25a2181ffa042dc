// Starting a program the user works with: the system's error code when it
// cannot start, and a started program holds none of Tarnex's pipes or
// standard handles.

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "process/start_program.h"

namespace tarnex::process {
namespace {

class StartProgram : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnex-start-XXXXXX").string();
    directory = ::mkdtemp(pattern.data());
  }
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
  const Case cases[] = {
      {{"tarnex-no-such-program"}, ENOENT},
      {{(directory / "missing").string()}, ENOENT},
      {{not_a_program.string()}, EACCES},
      {{}, EINVAL},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(start_detached_program(c.arguments), c.error) << (c.arguments.empty() ? "" : c.arguments.front());
  }
}

TEST_F(StartProgram, LooksTheProgramUpAndPassesItsArguments) {
  const auto file = directory / "started";
  EXPECT_EQ(start_detached_program({"sh", "-c", "echo \"$0\" > " + file.string(), "an argument"}), std::nullopt);
  EXPECT_EQ(wait_for(file), "an argument\n");
}

TEST_F(StartProgram, StandardHandlesAreTheNullDevice) {
  const auto file = directory / "handles";
  // Through a pipe, not a redirection: the shell would redirect its own
  // standard output for that.
  const std::string script = "readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2 | tee " + file.string();
  ASSERT_EQ(start_detached_program({"sh", "-c", script}), std::nullopt);
  EXPECT_EQ(wait_for(file), "/dev/null\n/dev/null\n/dev/null\n");
}

TEST_F(StartProgram, APipeOfTarnexIsNotHeldOpenByIt) {
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
}

}  // namespace
}  // namespace tarnex::process
