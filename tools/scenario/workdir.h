#pragma once
// The scenario's working directory, the environment of the programs it
// starts, and the processes a scenario leaves. What differs between systems
// is in workdir_posix.cpp and workdir_win32.cpp.

#include <filesystem>
#include <string>

namespace tarnex::scenario {

// The six names the stand-in model program is put under.
constexpr const char* kModelPrograms[] = {"MOR.exe", "MORD.exe", "ORB.exe", "MERL.exe", "FLUM.exe", "JORN.exe"};

// Where Tarnex writes its files with CR LF line ends; a scenario's file
// lines compare with LF and CR LF alike there.
// Where absolute paths begin with a drive, a scenario naming a POSIX path
// (`/tmp/BASIN.DAT`) is skipped.
#ifdef _WIN32
constexpr bool kLinesMayEndWithCrLf = true;
constexpr bool kPosixPaths = false;
#else
constexpr bool kLinesMayEndWithCrLf = false;
constexpr bool kPosixPaths = true;
#endif

// The stand-in program: $TARNEX_STANDIN, the one this runner was built with,
// or the one beside the runner.
std::filesystem::path standin_program();

// A fresh empty directory holding the stand-in under each model program's name.
std::filesystem::path make_working_directory(const std::filesystem::path& standin);

// A fresh directory for the desktop's state and settings of the program
// under test: the runs' transcripts of a scenario never join the user's
// history, and the user's settings never change what a scenario sees.
std::filesystem::path make_desktop_directories();

// Sets an environment variable for the programs started from now on.
void set_environment(const std::string& name, const std::string& value);

// Kills every child process of this one, with its descendants, and reaps
// them; returns how many children there were.
int kill_children();

// System parts of the above.
std::filesystem::path make_temporary_directory(const std::string& prefix);
std::filesystem::path this_program_directory();
void make_executable(const std::filesystem::path& program);

}  // namespace tarnex::scenario
