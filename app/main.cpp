// TARNEX: the Qarn model programs' window. Start it in the directory that
// holds the model programs, or name that directory on the command line.

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/command_line.h"
#include "app/demo_folder.h"
#include "app/folder_chooser.h"
#include "app/program.h"

namespace {

int refuse(const std::string& line) {
  std::cerr << line << '\n';
  return tarnex::kCommandLineError;
}

bool enter(const std::filesystem::path& directory) {
  std::error_code error;
  std::filesystem::current_path(directory, error);
  if (error) std::cerr << "tarnex: cannot start in '" << directory.string() << "': " << error.message() << '\n';
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  using Action = tarnex::CommandLine::Action;
  const auto command = tarnex::parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
  switch (command.action) {
    case Action::kHelp: std::cout << tarnex::help_text(); return 0;
    case Action::kVersion: std::cout << tarnex::version_text(); return 0;
    case Action::kFail: return refuse(command.error);
    case Action::kDemo: {
      const std::filesystem::path folder =
          command.folder.empty() ? tarnex::default_demo_folder(std::getenv("HOME")) : std::filesystem::path(command.folder);
      const auto demo = tarnex::installed_demo(std::filesystem::read_symlink("/proc/self/exe"));
      if (const auto failure = tarnex::make_demo_folder(folder, demo); !failure.empty()) return refuse(failure);
      // flushed at once: a log read while Tarnex runs shows it
      std::cout << "tarnex: made the demo folder " << std::filesystem::absolute(folder).string() << std::endl;
      if (!enter(folder)) return tarnex::kCommandLineError;
      break;
    }
    case Action::kStart:
      if (!command.folder.empty() && !enter(command.folder)) return tarnex::kCommandLineError;
      break;
  }

  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName("org.example.tarnex");
  if (command.action == Action::kStart && command.folder.empty() && command.choose_folder) {
    const auto chosen = tarnex::choose_model_directory();
    if (!chosen) return 0;
    if (!enter(*chosen)) return tarnex::kCommandLineError;
  }

  tarnex::Program program;
  program.start();
  const int code = QApplication::exec();
  program.stop();
  return code;
}
