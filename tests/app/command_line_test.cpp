#include "app/command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "scratch_folder.h"

namespace tarnex {
namespace {

using Action = CommandLine::Action;

struct Case {
  std::vector<std::string> arguments;  // "<dir>" is an existing directory, "<file>" a file, "<gone>" a missing path
  Action action;
  std::string folder;
  bool choose_folder;
  std::string error;  // the whole line, for kFail
};

TEST(CommandLine, EachFormIsReadAsItsAction) {
  const test::ScratchFolder scratch;
  const std::string dir = scratch.path().string();
  const std::string file = (scratch.path() / "BASIN.DAT").string();
  const std::string gone = (scratch.path() / "gone").string();
  std::ofstream(file) << "x";

  const Case cases[] = {
      {{}, Action::kStart, "", false, ""},
      {{"--help"}, Action::kHelp, "", false, ""},
      {{"-h"}, Action::kHelp, "", false, ""},
      {{"--version"}, Action::kVersion, "", false, ""},
      // help and version win over whatever follows them, even a mistake
      {{"<dir>", "--help", "--bogus"}, Action::kHelp, "", false, ""},
      {{"--version", "<gone>"}, Action::kVersion, "", false, ""},
      {{"<dir>"}, Action::kStart, "<dir>", false, ""},
      {{"--choose-folder"}, Action::kStart, "", true, ""},
      // the desktop entry with a folder dropped on it
      {{"--choose-folder", "<dir>"}, Action::kStart, "<dir>", true, ""},
      {{"-"}, Action::kFail, "", false, "tarnex: no directory '-'; try 'tarnex --help'"},
      {{"--bogus"}, Action::kFail, "", false, "tarnex: unknown option '--bogus'; try 'tarnex --help'"},
      {{"-x", "<dir>"}, Action::kFail, "", false, "tarnex: unknown option '-x'; try 'tarnex --help'"},
      {{"<gone>"}, Action::kFail, "", false, "tarnex: no directory '<gone>'; try 'tarnex --help'"},
      {{"<file>"}, Action::kFail, "", false, "tarnex: '<file>' is not a directory; try 'tarnex --help'"},
      {{"<dir>", "<dir>"}, Action::kFail, "", false, "tarnex: one folder at most, and '<dir>' is a second; try 'tarnex --help'"},
      // the demo's folder need not exist: it is made
      {{"--demo"}, Action::kDemo, "", false, ""},
      {{"--demo", "<gone>"}, Action::kDemo, "<gone>", false, ""},
      {{"<gone>", "--demo"}, Action::kDemo, "<gone>", false, ""},
      {{"--demo", "<gone>", "<dir>"}, Action::kFail, "", false, "tarnex: one folder at most, and '<dir>' is a second; try 'tarnex --help'"},
  };
  const auto place = [&](std::string text) {
    for (const auto& [word, path] : {std::pair{"<dir>", dir}, {"<file>", file}, {"<gone>", gone}}) {
      for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + path.size())) {
        text.replace(at, std::string_view(word).size(), path);
      }
    }
    return text;
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments;
    std::string shown;
    for (const auto& word : c.arguments) {
      arguments.push_back(place(word));
      shown += " " + word;
    }
    SCOPED_TRACE("tarnex" + shown);
    const CommandLine read = parse_command_line(arguments);
    EXPECT_EQ(read.action, c.action);
    EXPECT_EQ(read.error, place(c.error));
    if (c.action != Action::kStart && c.action != Action::kDemo) continue;
    EXPECT_EQ(read.folder, place(c.folder));
    EXPECT_EQ(read.choose_folder, c.choose_folder);
  }
}

TEST(CommandLine, HelpNamesEveryOptionAndVersionTheProjectVersion) {
  const std::string help = help_text();
  EXPECT_EQ(help.rfind("Usage: tarnex [OPTION]... [DIRECTORY]\n", 0), 0u);
  for (const char* option : {"--demo [FOLDER]", "--choose-folder", "-h, --help", "--version"}) {
    EXPECT_NE(help.find("\n  " + std::string(option) + " "), std::string::npos) << option;
  }
  // continued descriptions stay in their column
  EXPECT_NE(help.find("\n                        files) into the new folder FOLDER"), std::string::npos);
  std::istringstream lines(help);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79u) << line;
  EXPECT_EQ(version_text(), "tarnex " TARNEX_VERSION "\n");
}

}  // namespace
}  // namespace tarnex
