// The driver and the system around it: a missing program, pipes no other
// program inherits, nothing left open, a directory named beyond ASCII,
// Windows executables through wine, and a Fortran program whose runtime
// would otherwise hold its questions back.

#include "driver_fixture.h"

#include <filesystem>
#include <set>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

#include "base/file_system.h"
#include "shell/running_program.h"
#include "shell/tarnex.h"

namespace tarnex::test {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32

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
#endif

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
#ifdef _WIN32
  GTEST_SKIP() << "another process's descriptors are seen in /proc; on Windows PipeEndsAreNotInheritedByStartedPrograms "
                  "and AModelInheritsNoOtherHandle show it";
#else
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
#endif
}

// The model is started with a list of the only handles it inherits: an
// inheritable handle Tarnex holds for another purpose stays out of it.
TEST_F(DriverTest, AModelInheritsNoOtherHandle) {
#ifndef _WIN32
  GTEST_SKIP() << "a POSIX child inherits every descriptor not closed on exec, and Tarnex keeps none open that is not; "
                  "NoOtherProgramInheritsTheModelsPipes shows the model's own";
#else
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  ASSERT_TRUE(::CreatePipe(&read, &write, &inherit, 0));
  dir.add_standin("MOR.exe");
  set_mode("unknown");
  start(kMorRun);
  ASSERT_TRUE(window_shows("Enter the phase of the moon."));
  ::CloseHandle(write);
  DWORD waiting = 0;
  // Had the model inherited the writing end, the pipe would not have ended.
  EXPECT_FALSE(::PeekNamedPipe(read, nullptr, 0, nullptr, &waiting, nullptr));
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_BROKEN_PIPE));
  ::CloseHandle(read);
  TERMINATE(state.running);
  finish();
#endif
}

TEST_F(DriverTest, TwentyRunsLeaveNothingOpen) {
  dir.add_standin("MOR.exe");
  state.run_settings.mor_root = root("BASIN");
  const auto open_before = open_descriptors();
  for (int run_number = 1; run_number <= 20; ++run_number) {
    run(kMorRun);
    EXPECT_EQ(state.running.exit_code(), 0) << run_number;
  }
  EXPECT_EQ(open_descriptors(), open_before);
  EXPECT_EQ(dir.read("MOR.answers")->size(), 20 * std::string("BASIN\n\nA\n\n").size());
}

// Tarnex holds the names as UTF-8; the system gets them in its own form.
TEST_F(DriverTest, AModelDirectoryNamedBeyondAsciiRunsItsPrograms) {
  const ModelDirectory models("Mod\xc3\xa8les \xc3\x86r\xc3\xb8");
  models.add_standin("MOR.exe");
  State started;
  ui::HeadlessUi window;
  start_up(started, window, files::utf8_name(fs::current_path()));
  EXPECT_EQ(path_of(started.paths.executable_paths[kMor]),
            models.path().substr(0, models.path().rfind('/')) + system_spelling().separator +
                "Mod\xc3\xa8les \xc3\x86r\xc3\xb8" + system_spelling().separator + "MOR.exe");
  state.run_settings.mor_root = root("BAS\xc3\x8dN");
  QARN(state.running, state.run_settings, started.paths.executable_paths, ui, kMorRun, kQuick);
  EXPECT_TRUE(ui.message_boxes().empty());
  EXPECT_EQ(models.read("MOR.answers"), "BAS\xc3\x8dN\n\nA\n\n");
  EXPECT_EQ(rows_equal("   BAS\xc3\x8dN"), 1);
}

TEST_F(DriverTest, PipeFailuresAreReportedAndTheRunGoesOn) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows sets no limit on a process's handles that a test could lower";
#else
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
#endif
}

TEST_F(DriverTest, AWindowsExecutableRunsThroughWine) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows starts its own executables";
#else
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
#endif
}

// The program of fortran_mor.f90: built with the tests for Windows, here
// with the system's Fortran compiler when there is one.
TEST_F(DriverTest, AFortranProgramIsAnswered) {
#ifdef _WIN32
  fs::copy_file(FORTRAN_MOR_PATH, files::native_path(dir.file("MOR.exe")));
#else
  if (::system("command -v gfortran > /dev/null 2>&1") != 0) GTEST_SKIP() << "no gfortran";
  ASSERT_EQ(::system("gfortran -o MOR.exe \"" FORTRAN_MOR_SOURCE "\""), 0);
#endif
  struct Case {
    const char* hydrology;
    const char* reading;
    std::vector<std::string> rows;  // the window's rows from the first question on
  };
  const Case cases[] = {
      {"HYD", "Reading BASIN.DAT HYD.FLO A",
       {" Enter root of input and output file names.", "", "   BASIN",
        " Enter root of hydrology file names if different.", "", "   HYD", " Yes(Y), No(N), Replace All(A)", "",
        "   A", "Reading BASIN.DAT HYD.FLO A", "y false", " Exit QARN-MOR", " Press enter to exit."}},
      // A blank root is answered with a line feed alone.
      {"", "Reading BASIN.DAT BASIN.FLO A",
       {" Enter root of input and output file names.", "", "   BASIN",
        " Enter root of hydrology file names if different.", "", "   ", " Yes(Y), No(N), Replace All(A)", "",
        "   A", "Reading BASIN.DAT BASIN.FLO A", "y false", " Exit QARN-MOR", " Press enter to exit."}},
  };
  for (const auto& c : cases) {
    ui.text().clear();
    state.run_settings.mor_root = root("BASIN");
    state.run_settings.hydrology_root = root(c.hydrology);
    run(kMorRun);
    EXPECT_EQ(rows_after(c.rows.front(), c.rows.size() - 1), std::vector(c.rows.begin() + 1, c.rows.end()))
        << c.hydrology;
    EXPECT_EQ(rows_equal(c.reading), 1) << c.hydrology;
    EXPECT_EQ(rows_equal("y false"), 1) << c.hydrology;
    EXPECT_EQ(rows_equal(" Exit QARN-MOR"), 1) << c.hydrology;
    EXPECT_EQ(state.running.exit_code(), 0) << c.hydrology;
  }
}

}  // namespace
}  // namespace tarnex::test
