// tarnex-scenario [--keep] [--timeout SECONDS] FILE.scn
// Plays a scenario file against Tarnex in a fresh working directory holding
// the stand-in model programs. Exit code 0: every step held; 1: a step
// failed; 2: the scenario or the command line is malformed.

#include <QApplication>
#include <QMainWindow>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "app/program.h"
#include "runner.h"
#include "script.h"
#include "workdir.h"

namespace {

using namespace tarnex::scenario;

struct Arguments {
  bool keep = false;
  int timeout_seconds = 10;
  std::string file;
};

bool parse_arguments(int argc, char** argv, Arguments& arguments) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--keep") {
      arguments.keep = true;
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

// The offscreen platform warns that it cannot size windows to their hints,
// and Qt that a test machine has no runtime directory; neither says anything
// about the scenario, so they are kept out of the report.
void quiet_platform_warnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR"))) {
    return;
  }
  std::cerr << qFormatLogMessage(type, context, message).toStdString() << std::endl;
}

// Ends the runner when a step, or the end of the scenario, outlasts its
// bound, whether the window thread still runs or not, so that no scenario
// can hang whoever runs it.
void watch(const Runner& runner, std::atomic<bool>& done) {
  while (!done) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    if (const auto report = runner.overdue()) {
      std::cout << *report << std::endl;
      kill_children();
      std::_Exit(1);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  Arguments arguments;
  if (!parse_arguments(argc, argv, arguments)) {
    std::cerr << "usage: tarnex-scenario [--keep] [--timeout SECONDS] FILE.scn\n";
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

  std::filesystem::path directory, desktop;
  try {
    directory = make_working_directory(standin_program());
    desktop = make_desktop_directories();
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 2;
  }
  std::filesystem::current_path(directory);
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }

  int code = 1;
  std::string failure;
  std::string window_text;
  {
    qInstallMessageHandler(quiet_platform_warnings);
    QApplication application(argc, argv);
    tarnex::Program program;
    Runner runner(program, std::move(steps), {std::chrono::seconds(arguments.timeout_seconds), directory});
    program.ui().set_exit_handler([&](int) {
      runner.program_exited();
      program.ui().main_window()->hide();
      program.state().request_stop();
    });

    std::atomic<bool> done{false};
    std::thread watchdog(watch, std::cref(runner), std::ref(done));

    program.start();
    runner.start([&](bool passed) {
      code = passed ? 0 : 1;
      failure = runner.failure();
      window_text = program.ui().text().text();
      program.ui().shut_down();
      // exit(), not quit(): quit() first asks every window to close, and the
      // main window refuses (its close is the Exit command's), so the runner
      // would never leave its event loop.
      QCoreApplication::exit(0);
    });
    QApplication::exec();
    // Terminates a model still running, its helpers with it.
    program.stop();
    done = true;
    watchdog.join();
  }
  kill_children();

  if (code == 0) {
    std::cout << "PASS " << arguments.file << std::endl;
  } else {
    std::cout << failure << "\n--- main window ---\n" << window_text << "\n--- end ---" << std::endl;
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
