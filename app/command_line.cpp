#include "app/command_line.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace tarnex {
namespace {

enum class Flag { kHelp, kVersion, kDemo, kChooseFolder };

struct Option {
  std::string_view short_name;
  std::string_view long_name;
  std::string_view argument;
  Flag flag;
  std::string_view description;
};

constexpr Option kOptions[] = {
    {"", "--demo", " [FOLDER]", Flag::kDemo,
     "copy the demo (stand-in model programs and sample\n"
     "files) into the new folder FOLDER, ~/tarnex-demo by\n"
     "default, and start there; an existing folder is\n"
     "never written to"},
    {"", "--choose-folder", "", Flag::kChooseFolder,
     "ask for the model directory when none is given\n"
     "(the desktop entry starts tarnex so)"},
    {"-h", "--help", "", Flag::kHelp, "print this help and exit"},
    {"", "--version", "", Flag::kVersion, "print the version and exit"},
};

constexpr std::size_t kDescriptionColumn = 24;

const Option* find_option(std::string_view word) {
  for (const auto& option : kOptions) {
    if (word == option.long_name || (!option.short_name.empty() && word == option.short_name)) return &option;
  }
  return nullptr;
}

CommandLine failure(std::string message) {
  CommandLine result;
  result.action = CommandLine::Action::kFail;
  result.error = "tarnex: " + std::move(message) + "; try 'tarnex --help'";
  return result;
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& arguments) {
  CommandLine result;
  bool demo = false;
  for (const auto& word : arguments) {
    if (word.size() > 1 && word.front() == '-') {
      const Option* option = find_option(word);
      if (!option) return failure("unknown option '" + word + "'");
      switch (option->flag) {
        case Flag::kHelp: result.action = CommandLine::Action::kHelp; return result;
        case Flag::kVersion: result.action = CommandLine::Action::kVersion; return result;
        case Flag::kDemo: demo = true; break;
        case Flag::kChooseFolder: result.choose_folder = true; break;
      }
      continue;
    }
    if (!result.folder.empty()) return failure("one folder at most, and '" + word + "' is a second");
    result.folder = word;
  }
  if (demo) {
    result.action = CommandLine::Action::kDemo;
    return result;
  }
  std::error_code ignored;
  if (!result.folder.empty() && !std::filesystem::is_directory(result.folder, ignored)) {
    return failure(std::filesystem::exists(result.folder, ignored) ? "'" + result.folder + "' is not a directory"
                                                                   : "no directory '" + result.folder + "'");
  }
  return result;
}

std::string help_text() {
  std::string text =
      "Usage: tarnex [OPTION]... [DIRECTORY]\n"
      "Starts Tarnex, the window that runs the Qarn model programs (MOR.exe, MORD.exe,\n"
      "ORB.exe, MERL.exe, FLUM.exe, JORN.exe) of DIRECTORY, by default the current\n"
      "directory, and edits their input files.\n"
      "\n";
  for (const auto& option : kOptions) {
    std::string names = "  ";
    if (!option.short_name.empty()) names += std::string(option.short_name) + ", ";
    names += std::string(option.long_name) + std::string(option.argument);
    names.resize(std::max(names.size() + 2, kDescriptionColumn), ' ');
    text += names;
    for (char c : option.description) {
      text += c;
      if (c == '\n') text += std::string(kDescriptionColumn, ' ');
    }
    text += '\n';
  }
  text +=
      "\n"
      "Exit status: 0 when Tarnex ends normally, 2 when the command line cannot be\n"
      "followed (an unknown option, a missing directory, a demo folder that exists).\n";
  return text;
}

std::string version_text() { return "tarnex " TARNEX_VERSION "\n"; }

}  // namespace tarnex
