#pragma once
// The command line of tarnex. It is read before any window exists, so that
// --help, --version and a mistyped option need no display.

#include <string>
#include <vector>

namespace tarnex {

// The exit status for a command line that cannot be followed.
constexpr int kCommandLineError = 2;

struct CommandLine {
  enum class Action { kStart, kDemo, kHelp, kVersion, kFail };
  Action action = Action::kStart;
  // kStart: the model directory to start in, empty for the current one.
  // kDemo: the new folder to copy the demo into, empty for the default.
  std::string folder;
  // kStart with no folder: ask for the model directory first (the desktop
  // entry starts tarnex this way; a shell has a current directory worth using).
  bool choose_folder = false;
  // kFail: the one line for stderr.
  std::string error;
};

// Reads the arguments after the program's name. A directory to start in must
// exist; the demo's folder is checked when it is made.
CommandLine parse_command_line(const std::vector<std::string>& arguments);

std::string help_text();
std::string version_text();

}  // namespace tarnex
