#pragma once
// A scenario file: what a user does in Tarnex, step by step, and what the
// user must then see. Reading it is separate from playing it, so that a
// malformed scenario is refused before anything runs.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarnex::scenario {

enum class Keyword {
  Put, Remove, Env,
  Menu, Focus, Type, Check, Uncheck, Click, Choose, Scroll, AnswerFile, Message, Sleep,
  Dialog, NoDialog, Title, Expect, ExpectContains, ExpectChecked, ExpectEnabled, ExpectSelected,
  ExpectCount, ExpectMenu, Window, NoWindow, Idle, File, FileLine, FileLines, NoFile, Answers, Exited,
};

struct Step {
  Keyword keyword;
  int line = 0;        // 1-based line of the step in the file
  std::string source;  // the step's line as written
  int id = 0;          // ID or DIALOG
  int number = 0;      // N, MS; for `choose ID #N` the entry number
  bool by_number = false;
  bool on = false;     // on/off, enabled/grayed
  std::string path;
  std::string name;    // env NAME, answers PROGRAM
  std::string text;    // the text argument, escapes resolved
  std::string menu, item;
  std::string block;   // the lines of put and file, each ended by a line feed
};

struct SyntaxError : std::runtime_error {
  SyntaxError(int line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what), line(line) {}
  int line;
};

std::vector<Step> parse_scenario(std::string_view text);

// Resolves \n \r \t \s and \\ in a step's text.
std::string unescape(std::string_view text, int line);

// True for the steps that wait for their condition.
bool waits(Keyword keyword);

// The first absolute POSIX path a step names as a file (`/tmp/BASIN.DAT`),
// if any: a system without such paths cannot play the scenario.
std::optional<std::string> posix_path(const std::vector<Step>& steps);

}  // namespace tarnex::scenario
