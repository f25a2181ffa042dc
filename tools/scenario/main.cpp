// tarnex-scenario [--keep] [--timeout SECONDS] [--headless] FILE.scn
// Plays a scenario file against Tarnex in a fresh working directory holding
// the stand-in model programs, on the system's window or, with --headless,
// on the headless one. Exit code 0: every step held (or, on a system
// without POSIX paths, the scenario names one and is skipped); 1: a step
// failed; 2: the scenario or the command line is malformed, or the window
// asked for is not built.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "play.h"
#include "script.h"
#include "workdir.h"

namespace {

using namespace tarnex::scenario;

struct Arguments {
  bool keep = false;
  bool headless = false;
  int timeout_seconds = 10;
  std::string file;
};

bool parse_arguments(int argc, char** argv, Arguments& arguments) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--keep") {
      arguments.keep = true;
    } else if (word == "--headless") {
      arguments.headless = true;
    } else if (word == "--timeout" && i + 1 < argc) {
      arguments.timeout_seconds = std::atoi(argv[++i]);
      if (arguments.timeout_seconds <= 0) return false;
    } else if (arguments.file.empty() && !word.starts_with("--")) {
      arguments.file = word;
    } else {
      return false;
    }
  }
  return !arguments.file.empty();
}

}  // namespace

int main(int argc, char** argv) {
  Arguments arguments;
  if (!parse_arguments(argc, argv, arguments)) {
    std::cerr << "usage: tarnex-scenario [--keep] [--timeout SECONDS] [--headless] FILE.scn\n";
    return 2;
  }
  std::ifstream in(arguments.file, std::ios::binary);
  if (!in) {
    std::cerr << "cannot read " << arguments.file << "\n";
    return 2;
  }
  std::ostringstream content;
  content << in.rdbuf();
  std::vector<Step> steps;
  try {
    steps = parse_scenario(content.str());
  } catch (const SyntaxError& error) {
    std::cout << "SYNTAX " << arguments.file << ": " << error.what() << std::endl;
    return 2;
  }
  if (!kPosixPaths) {
    if (const auto path = posix_path(steps)) {
      std::cout << "SKIP " << arguments.file << ": it names the POSIX path " << *path << std::endl;
      return 0;
    }
  }

  std::filesystem::path directory, desktop;
  try {
    directory = make_working_directory(standin_program());
    desktop = make_desktop_directories();
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 2;
  }
  std::filesystem::current_path(directory);

  const Player::Options options{std::chrono::seconds(arguments.timeout_seconds), directory};
  std::optional<Played> played;
  if (arguments.headless) played = play_headless(std::move(steps), options);
  else played = play_on_window(argc, argv, std::move(steps), options);
  kill_children();

  int code = 2;
  if (played && played->passed) {
    code = 0;
    std::cout << "PASS " << arguments.file << std::endl;
  } else if (played) {
    code = 1;
    std::cout << played->failure << "\n--- main window ---\n" << played->window_text << "\n--- end ---" << std::endl;
  }
  if (arguments.keep) {
    std::cout << "working directory: " << directory.string() << std::endl;
    std::cout << "transcripts and settings: " << desktop.string() << std::endl;
  } else {
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(directory);
    std::filesystem::remove_all(desktop);
  }
  return code;
}
