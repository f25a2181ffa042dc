#pragma once
// The scenario's working directory and the processes a scenario leaves.

#include <filesystem>
#include <string>

namespace tarnex::scenario {

// The six names the stand-in model program is put under.
constexpr const char* kModelPrograms[] = {"MOR.exe", "MORD.exe", "ORB.exe", "MERL.exe", "FLUM.exe", "JORN.exe"};

// The stand-in program: $TARNEX_STANDIN, the one this runner was built with,
// or the one beside the runner.
std::filesystem::path standin_program();

// A fresh empty directory holding the stand-in under each model program's name.
std::filesystem::path make_working_directory(const std::filesystem::path& standin);

// A fresh directory for the desktop's state and settings of the program
// under test, made XDG_STATE_HOME/state and XDG_CONFIG_HOME/config: the runs'
// transcripts of a scenario never join the user's history, and the user's
// settings never change what a scenario sees.
std::filesystem::path make_desktop_directories();

// Kills every child process of this one, with its process group, and reaps
// them; returns how many there were.
int kill_children();

}  // namespace tarnex::scenario
