// The driver and the system around it: a missing program, pipes no other
// program inherits, Windows executables through wine, and a Fortran program
// whose runtime would otherwise hold its questions back.

#include "driver_fixture.h"

#include <filesystem>
#include <set>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/running_program.h"

extern char** environ;

namespace tarnex::test {
namespace {

namespace fs = std::filesystem;

// What each descriptor of a process refers to ("pipe:[1234]", a path ...).
std::multiset<std::string> targets_of(const std::string& process) {
  std::multiset<std::string> targets;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator("/proc/" + process + "/fd", ignored)) {
    targets.insert(fs::read_symlink(entry.path(), ignored).string());
  }
  return targets;
}

std::string target_of(const std::string& process, int fd) {
  return fs::read_symlink("/proc/" + process + "/fd/" + std::to_string(fd)).string();
}

// Starts a program from outside the driver, as another menu command would.
pid_t spawn(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t id = -1;
  return ::posix_spawn(&id, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? id : -1;
}

void end_process(pid_t id) {
  ::kill(id, SIGKILL);
  ::waitpid(id, nullptr, 0);
}

TEST_F(DriverTest, AMissingProgramIsReportedAndNothingIsLeftOpen) {
  const auto open_before = open_descriptors();
  struct Case {
    int run_code;
    const char* file;
  };
  const Case cases[] = {{kMorRun, "MOR.exe"},   {kMordRun, "MORD.exe"}, {kOrbRun, "ORB.exe"},
                        {kMerlRun, "MERL.exe"}, {kFlumRun, "FLUM.exe"}, {kJornRun, "JORN.exe"}};
  for (const auto& c : cases) run(c.run_code);
  run(kClearScreen);  // a code with no program starts nothing
  const auto boxes = ui.message_boxes();
  ASSERT_EQ(boxes.size(), std::size(cases));
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_EQ(boxes[i].text, std::string("Spawning of Console Application Failed.\r\nCheck the location of ") +
                                 cases[i].file);
    EXPECT_EQ(boxes[i].title, "ERROR");
  }
  EXPECT_EQ(open_descriptors(), open_before);
  EXPECT_EQ(state.running.child(), nullptr);
}

TEST_F(DriverTest, AProgramThatIsNoProgramIsReported) {
  dir.put("MOR.exe", "MZ not a program here\n", true);
  const ScopedVariable no_wine("PATH", dir.file("empty"));
  run(kMorRun);
  ASSERT_EQ(ui.message_boxes().size(), 1u);
}

TEST_F(DriverTest, NoOtherProgramInheritsTheModelsPipes) {
  dir.add_standin("MOR.exe");
  set_mode("unknown");
  start(kMorRun);
  ASSERT_TRUE(window_shows("Enter the phase of the moon."));
  const std::string model = std::to_string(state.running.child()->id());
  const std::string input = target_of(model, 0);
  const std::string output = target_of(model, 1);
  ASSERT_TRUE(input.starts_with("pipe:"));
  ASSERT_TRUE(output.starts_with("pipe:"));
  EXPECT_EQ(target_of(model, 2), output);
  // The model holds its own ends only: no end of Tarnex's that would keep
  // its input open after Tarnex closed it.
  const auto model_targets = targets_of(model);
  EXPECT_EQ(model_targets.count(input), 1u);
  EXPECT_EQ(model_targets.count(output), 2u);

  const pid_t other = spawn({"/bin/sleep", "30"});
  ASSERT_GT(other, 0);
  const auto other_targets = targets_of(std::to_string(other));
  end_process(other);
  EXPECT_EQ(other_targets.count(input), 0u);
  EXPECT_EQ(other_targets.count(output), 0u);
  TERMINATE(state.running);
  finish();
}

TEST_F(DriverTest, PipeFailuresAreReportedAndTheRunGoesOn) {
  dir.add_standin("MOR.exe");
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
  // No descriptor is free below the lowest free one: no pipe can be made.
  const int lowest_free = ::dup(0);
  ASSERT_GE(lowest_free, 0);
  ::close(lowest_free);
  rlimit tight = limit;
  tight.rlim_cur = static_cast<rlim_t>(lowest_free);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
  QARN(state.running, state.run_settings, state.paths.executable_paths, ui, kMorRun, kQuick);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
  EXPECT_EQ(rows_equal("Creation of Input Pipe Failed"), 1);
  EXPECT_EQ(rows_equal("Creation of Output Pipe Failed"), 1);
  EXPECT_EQ(state.running.child(), nullptr);
}

TEST_F(DriverTest, AWindowsExecutableRunsThroughWine) {
  // The stand-in plays the part of the Windows program; its own name tells
  // it which program it is.
  dir.put("real/.keep", "");
  fs::create_symlink(QARN_STANDIN_PATH, dir.file("real/MOR.exe"));
  dir.put("MOR.exe", std::string("MZ\x90\0\3\0\0\0", 8), false);
  // Like wine, it leaves a helper behind that holds the output pipe open.
  dir.put("bin/wine",
          "#!/bin/sh\n"
          "echo \"$WINEDEBUG $GFORTRAN_UNBUFFERED_PRECONNECTED $FORT_BUFFERED $*\" > wine.log\n"
          "sleep 60 &\n"
          "echo $! > helper.pid\n"
          "exec " + dir.file("real/MOR.exe") + "\n",
          true);
  const ScopedVariable with_wine("PATH", dir.file("bin") + ":" + ::getenv("PATH"));
  state.run_settings.mor_root = root("BASIN");
  run(kMorRun);
  const auto helper = dir.read("helper.pid");
  ASSERT_TRUE(helper.has_value());
  const pid_t helper_id = std::stoi(*helper);
  EXPECT_TRUE(fs::exists("/proc/" + std::to_string(helper_id))) << "the run ended while the helper lived";
  ::kill(helper_id, SIGKILL);

  EXPECT_EQ(dir.read("wine.log"), "-all y false " + dir.file("MOR.exe") + "\n");
  EXPECT_EQ(dir.read("MOR.answers"), "BASIN\n\nA\n\n");
  EXPECT_EQ(rows_equal("Exit QARN-MOR"), 1);
  EXPECT_EQ(state.running.exit_code(), 0);
}

TEST_F(DriverTest, AFortranProgramIsAnswered) {
  if (::system("command -v gfortran > /dev/null 2>&1") != 0) GTEST_SKIP() << "no gfortran";
  // List-directed writes, as model programs use them: each line begins with
  // a blank. The runtime is told to write at once; it shows what it was told.
  dir.put("mor.f90",
          "program mor\n"
          "  character(len=256) :: root, hydrology, replace, enter, unbuffered, buffered\n"
          "  call get_environment_variable('GFORTRAN_UNBUFFERED_PRECONNECTED', unbuffered)\n"
          "  call get_environment_variable('FORT_BUFFERED', buffered)\n"
          "  write(*,*) 'Enter root of input and output file names.'\n"
          "  read(*,'(A)') root\n"
          "  write(*,*) 'Enter root of hydrology file names if different.'\n"
          "  read(*,'(A)') hydrology\n"
          "  write(*,*) 'Yes(Y), No(N), Replace All(A)'\n"
          "  read(*,'(A)') replace\n"
          "  write(*,'(6A)') 'Reading ', trim(root), '.DAT ', trim(hydrology), '.FLO ', trim(replace)\n"
          "  write(*,'(3A)') trim(unbuffered), ' ', trim(buffered)\n"
          "  write(*,*) 'Exit QARN-MOR'\n"
          "  write(*,*) 'Press enter to exit.'\n"
          "  read(*,'(A)') enter\n"
          "end program mor\n");
  ASSERT_EQ(::system("gfortran -o MOR.exe mor.f90"), 0);
  state.run_settings.mor_root = root("BASIN");
  state.run_settings.hydrology_root = root("HYD");
  run(kMorRun);
  EXPECT_EQ(rows_equal("Reading BASIN.DAT HYD.FLO A"), 1);
  EXPECT_EQ(rows_equal("y false"), 1);
  EXPECT_EQ(rows_equal(" Exit QARN-MOR"), 1);
  EXPECT_EQ(state.running.exit_code(), 0);
}

}  // namespace
}  // namespace tarnex::test
