#include "script.h"

#include <charconv>

#include "base/fixed_text.h"

namespace tarnex::scenario {
namespace {

// The arguments of each step, in order. ID and N are whole numbers, WORD and
// PATH a single word, TEXT the rest of the line (possibly empty), MENU a menu
// path "MENU | ITEM", MENUSTATE the same followed by enabled or grayed, ONOFF
// on or off. A step with BLOCK takes the following lines up to ".end".
struct Grammar {
  std::string_view word;
  Keyword keyword;
  std::string_view arguments;
};

constexpr Grammar kGrammar[] = {
    {"put", Keyword::Put, "PATH BLOCK"},
    {"remove", Keyword::Remove, "PATH"},
    {"env", Keyword::Env, "WORD TEXT"},
    {"menu", Keyword::Menu, "MENU"},
    {"focus", Keyword::Focus, "ID"},
    {"type", Keyword::Type, "ID TEXT"},
    {"check", Keyword::Check, "ID"},
    {"uncheck", Keyword::Uncheck, "ID"},
    {"click", Keyword::Click, "ID"},
    {"choose", Keyword::Choose, "ID ENTRY"},
    {"scroll", Keyword::Scroll, "ID N"},
    {"answer-file", Keyword::AnswerFile, "TEXT"},
    {"message", Keyword::Message, "TEXT"},
    {"sleep", Keyword::Sleep, "N"},
    {"dialog", Keyword::Dialog, "ID"},
    {"no-dialog", Keyword::NoDialog, ""},
    {"title", Keyword::Title, "TEXT"},
    {"expect", Keyword::Expect, "ID TEXT"},
    {"expect-contains", Keyword::ExpectContains, "ID TEXT"},
    {"expect-checked", Keyword::ExpectChecked, "ID ONOFF"},
    {"expect-enabled", Keyword::ExpectEnabled, "ID ONOFF"},
    {"expect-selected", Keyword::ExpectSelected, "ID TEXT"},
    {"expect-count", Keyword::ExpectCount, "ID N"},
    {"expect-menu", Keyword::ExpectMenu, "MENUSTATE"},
    {"window", Keyword::Window, "TEXT"},
    {"no-window", Keyword::NoWindow, "TEXT"},
    {"idle", Keyword::Idle, ""},
    {"file", Keyword::File, "PATH BLOCK"},
    {"file-line", Keyword::FileLine, "PATH N TEXT"},
    {"file-lines", Keyword::FileLines, "PATH N"},
    {"no-file", Keyword::NoFile, "PATH"},
    {"answers", Keyword::Answers, "PROGRAM TEXT"},
    {"exited", Keyword::Exited, ""},
};

constexpr std::string_view kPrograms[] = {"MOR", "MORD", "ORB", "MERL", "FLUM", "JORN"};

int to_number(std::string_view word, int line) {
  int value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
    throw SyntaxError(line, "a whole number expected, found \"" + std::string(word) + "\"");
  }
  return value;
}

// Takes one word (up to the next blank) off the front of `rest`.
std::string_view take_word(std::string_view& rest, int line, std::string_view what) {
  if (rest.empty()) throw SyntaxError(line, std::string(what) + " missing");
  const auto blank = rest.find(' ');
  const auto word = rest.substr(0, blank);
  rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  if (word.empty()) throw SyntaxError(line, std::string(what) + " missing");
  return word;
}

void split_menu(Step& step, std::string_view path) {
  const auto bar = path.find(" | ");
  if (bar == std::string_view::npos) throw SyntaxError(step.line, "menu path \"MENU | ITEM\" expected");
  step.menu = path.substr(0, bar);
  step.item = path.substr(bar + 3);
  if (step.menu.empty() || step.item.empty()) throw SyntaxError(step.line, "menu path \"MENU | ITEM\" expected");
}

void parse_arguments(Step& step, std::string_view arguments, std::string_view rest) {
  const int line = step.line;
  std::string_view pattern = arguments;
  while (!pattern.empty()) {
    const auto blank = pattern.find(' ');
    const auto argument = pattern.substr(0, blank);
    pattern = blank == std::string_view::npos ? std::string_view() : pattern.substr(blank + 1);
    if (argument == "ID") {
      step.id = to_number(take_word(rest, line, "id"), line);
    } else if (argument == "N") {
      step.number = to_number(take_word(rest, line, "number"), line);
    } else if (argument == "PATH") {
      step.path = take_word(rest, line, "path");
    } else if (argument == "WORD") {
      step.name = take_word(rest, line, "name");
    } else if (argument == "PROGRAM") {
      step.name = take_word(rest, line, "program");
      bool known = false;
      for (auto program : kPrograms) known = known || program == step.name;
      if (!known) throw SyntaxError(line, "unknown model program " + step.name);
    } else if (argument == "ONOFF") {
      const auto word = take_word(rest, line, "on or off");
      if (word != "on" && word != "off") throw SyntaxError(line, "on or off expected");
      step.on = word == "on";
    } else if (argument == "TEXT") {
      step.text = unescape(rest, line);
      rest = {};
    } else if (argument == "ENTRY") {
      const auto entry = unescape(rest, line);
      rest = {};
      if (entry.size() > 1 && entry[0] == '#' && entry.find_first_not_of("0123456789", 1) == std::string::npos) {
        step.by_number = true;
        step.number = to_number(std::string_view(entry).substr(1), line);
      } else {
        step.text = entry;
      }
    } else if (argument == "MENU") {
      split_menu(step, rest);
      rest = {};
    } else if (argument == "MENUSTATE") {
      const auto last = rest.rfind(' ');
      if (last == std::string_view::npos) throw SyntaxError(line, "enabled or grayed expected");
      const auto state = rest.substr(last + 1);
      if (state != "enabled" && state != "grayed") throw SyntaxError(line, "enabled or grayed expected");
      step.on = state == "enabled";
      split_menu(step, rest.substr(0, last));
      rest = {};
    }
  }
  if (!rest.empty()) throw SyntaxError(line, "unexpected \"" + std::string(rest) + "\"");
}

}  // namespace

std::string unescape(std::string_view text, int line) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      result += text[i];
      continue;
    }
    if (++i == text.size()) throw SyntaxError(line, "a lone backslash ends the text");
    switch (text[i]) {
      case 'n': result += '\n'; break;
      case 'r': result += '\r'; break;
      case 't': result += '\t'; break;
      case 's': result += ' '; break;
      case '\\': result += '\\'; break;
      default: throw SyntaxError(line, std::string("unknown escape \\") + text[i]);
    }
  }
  return result;
}

bool waits(Keyword keyword) {
  switch (keyword) {
    case Keyword::Dialog:
    case Keyword::NoDialog:
    case Keyword::Window:
    case Keyword::Idle:
    case Keyword::Exited:
    case Keyword::Message:
      return true;
    default:
      return false;
  }
}

std::optional<std::string> posix_path(const std::vector<Step>& steps) {
  for (const auto& step : steps) {
    const std::string& path = step.keyword == Keyword::AnswerFile ? step.text : step.path;
    if (path.starts_with("/")) return path;
  }
  return std::nullopt;
}

std::vector<Step> parse_scenario(std::string_view text) {
  std::vector<Step> steps;
  const auto lines = split_lines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line_no = static_cast<int>(i) + 1;
    const auto line = lines[i];
    if (is_blank(line) || line[0] == '#') continue;
    const auto blank = line.find(' ');
    const auto word = line.substr(0, blank);
    const auto rest = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    const Grammar* grammar = nullptr;
    for (const auto& g : kGrammar) {
      if (g.word == word) grammar = &g;
    }
    if (!grammar) throw SyntaxError(line_no, "unknown step \"" + std::string(word) + "\"");
    Step step;
    step.keyword = grammar->keyword;
    step.line = line_no;
    step.source = line;
    std::string_view arguments = grammar->arguments;
    const bool block = arguments.ends_with("BLOCK");
    if (block) arguments.remove_suffix(std::string_view(" BLOCK").size());
    parse_arguments(step, arguments, rest);
    if (block) {
      bool ended = false;
      while (++i < lines.size()) {
        if (lines[i] == ".end") {
          ended = true;
          break;
        }
        step.block += std::string(lines[i]) + "\n";
      }
      if (!ended) throw SyntaxError(line_no, "no \".end\" after " + std::string(word));
    }
    steps.push_back(std::move(step));
  }
  return steps;
}

}  // namespace tarnex::scenario
