#include "player.h"

#include <fstream>
#include <sstream>

#include "base/fixed_text.h"
#include "workdir.h"

namespace tarnex::scenario {
namespace {

constexpr std::size_t kShownBytes = 600;

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string shown(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text.substr(0, kShownBytes)) {
    if (c == '\n') quoted += "\\n";
    else if (c == '\r') quoted += "\\r";
    else quoted += c;
  }
  return quoted + (text.size() > kShownBytes ? "...\"" : "\"");
}

std::string window_name(const std::optional<WindowView>& window) {
  return window ? window->name + " \"" + window->title + "\"" : "none";
}

bool is_user_action(Keyword keyword) { return keyword >= Keyword::Menu && keyword < Keyword::Dialog; }

bool is_button(ControlKind kind) { return kind == ControlKind::PushButton || kind == ControlKind::CheckBox; }

bool has_entries(ControlKind kind) { return kind == ControlKind::List || kind == ControlKind::Tabs; }

// The text of lines the system may end with CR LF, as lines ended by LF.
std::string with_line_feeds(std::string text) {
  if (!kLinesMayEndWithCrLf) return text;
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result += text[i];
  }
  return result;
}

}  // namespace

std::string normalise_breaks(std::string text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      result += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

Player::Player(Realisation& realisation, std::vector<Step> steps, Options options)
    : realisation_(realisation), steps_(std::move(steps)), options_(std::move(options)) {}

void Player::start() {
  started_ = std::chrono::steady_clock::now();
  watch(options_.timeout, "FAIL Tarnex did not start up");
}

void Player::finish(bool passed) {
  ended_ = true;
  passed_ = passed;
  // Ending the program ends any run in progress, so the end is bounded too.
  watch({}, (passed ? std::string() : failure_ + "\n") + "FAIL the program did not end within " +
                std::to_string(options_.grace.count()) + " ms of the scenario's end");
}

void Player::watch(std::chrono::steady_clock::duration budget, std::string report) {
  std::lock_guard lock(watch_mutex_);
  due_ = std::chrono::steady_clock::now() + budget + options_.grace;
  overdue_report_ = std::move(report);
}

std::optional<std::string> Player::overdue() const {
  std::lock_guard lock(watch_mutex_);
  if (std::chrono::steady_clock::now() < due_) return std::nullopt;
  return overdue_report_;
}

bool Player::tick() {
  if (ended_) return true;
  if (ticking_) return false;
  if (!realisation_.started_up()) {
    // Start-up is waited for like a step, no longer than the timeout.
    if (std::chrono::steady_clock::now() - started_ >= options_.timeout) {
      failure_ = "FAIL Tarnex did not start up within " + std::to_string(options_.timeout.count()) + " ms";
      finish(false);
    }
    return ended_;
  }
  // The action played last shows its effects once the window has handled it.
  if (!realisation_.settled()) return false;
  ticking_ = true;
  while (next_ < steps_.size()) {
    const auto& step = steps_[next_];
    if (watched_ != next_) {
      watched_ = next_;
      const auto budget = step.keyword == Keyword::Sleep ? std::chrono::milliseconds(step.number) : options_.timeout;
      watch(budget, "FAIL line " + std::to_string(step.line) + ": " + step.source + "\n  the program stopped answering");
    }
    const auto outcome = perform(step);
    if (outcome == Outcome::Wait) {
      const auto now = std::chrono::steady_clock::now();
      if (!waiting_since_) waiting_since_ = now;
      if (step.keyword == Keyword::Sleep || now - *waiting_since_ < options_.timeout) break;
      failure_ = "FAIL line " + std::to_string(step.line) + ": " + step.source + "\n  waited " +
                 std::to_string(options_.timeout.count()) + " ms; saw: " + last_seen_;
      ticking_ = false;
      finish(false);
      return true;
    }
    if (outcome == Outcome::Failed) {
      failure_ = "FAIL line " + std::to_string(step.line) + ": " + step.source + "\n  saw: " + last_seen_;
      ticking_ = false;
      finish(false);
      return true;
    }
    waiting_since_.reset();
    ++next_;
    if (is_user_action(step.keyword)) break;
  }
  ticking_ = false;
  if (next_ == steps_.size()) finish(true);
  return ended_;
}

Player::Outcome Player::fail(std::string why) {
  last_seen_ = std::move(why);
  return Outcome::Failed;
}

std::filesystem::path Player::in_directory(const std::string& path) const {
  // A scenario's names are UTF-8 whatever the system's own encoding.
  const std::filesystem::path p(std::u8string(path.begin(), path.end()));
  return p.is_absolute() ? p : options_.directory / p;
}

std::string Player::read_lines_file(const std::filesystem::path& path) const {
  return with_line_feeds(read_file(path));
}

bool Player::idle() {
  auto& state = realisation_.state();
  return state.pending_command == kIdle && !state.in_command && !state.running.child();
}

std::string Player::no_control(const Step& step, const std::optional<WindowView>& dialog) const {
  return dialog ? "dialog " + window_name(dialog) + " has no control " + std::to_string(step.id) : "no dialog is open";
}

std::optional<ControlView> Player::usable_control(const Step& step, std::string& why) {
  const auto dialog = realisation_.topmost();
  if (!dialog) {
    why = "no dialog is open";
    return std::nullopt;
  }
  if (dialog->kind == WindowView::Kind::MessageBox) {
    why = "a message box is open: " + shown(normalise_breaks(realisation_.message_box().value_or("")));
    return std::nullopt;
  }
  auto control = realisation_.control(step.id);
  if (!control) why = no_control(step, dialog);
  else if (!control->enabled) why = "control " + std::to_string(step.id) + " is disabled";
  else if (!control->shown) why = "control " + std::to_string(step.id) + " is not shown";
  else return control;
  return std::nullopt;
}

Player::Outcome Player::perform(const Step& step) {
  return step.keyword < Keyword::Dialog ? act(step) : check(step);
}

Player::Outcome Player::act(const Step& step) {
  std::string why;
  const std::string id = std::to_string(step.id);
  switch (step.keyword) {
    case Keyword::Put: {
      const auto path = in_directory(step.path);
      if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
      std::ofstream(path, std::ios::binary) << step.block;
      return Outcome::Done;
    }
    case Keyword::Remove:
      std::filesystem::remove(in_directory(step.path));
      return Outcome::Done;
    case Keyword::Env:
      set_environment(step.name, step.text);
      return Outcome::Done;
    case Keyword::Menu: {
      const auto enabled = realisation_.menu_item(step.menu, step.item);
      if (!enabled) return fail("no menu item \"" + step.menu + " | " + step.item + "\"");
      if (!*enabled) return fail("the menu item is grayed");
      realisation_.choose_menu_item(step.menu, step.item);
      return Outcome::Done;
    }
    case Keyword::Focus:
    case Keyword::Type: {
      const auto control = usable_control(step, why);
      if (!control) return fail(why);
      if (step.keyword == Keyword::Focus) {
        realisation_.focus(step.id);
        return Outcome::Done;
      }
      if (!control->editable) return fail("control " + id + " is not an edit box");
      realisation_.type(step.id, step.text);
      return Outcome::Done;
    }
    case Keyword::Check:
    case Keyword::Uncheck:
    case Keyword::Click: {
      const auto control = usable_control(step, why);
      if (!control) return fail(why);
      if (!is_button(control->kind)) return fail("control " + id + " is not a button");
      const bool wanted = step.keyword == Keyword::Check;
      if (step.keyword != Keyword::Click && control->kind != ControlKind::CheckBox) {
        return fail("control " + id + " is not a check box");
      }
      if (step.keyword == Keyword::Click || control->checked != wanted) realisation_.click(step.id);
      return Outcome::Done;
    }
    case Keyword::Choose: {
      const auto control = usable_control(step, why);
      if (!control) return fail(why);
      if (!has_entries(control->kind)) return fail("control " + id + " is not a list");
      const int count = static_cast<int>(control->entries.size());
      int index = step.by_number ? step.number - 1 : -1;
      for (int i = 0; !step.by_number && i < count; ++i) {
        if (control->entries[static_cast<std::size_t>(i)] == step.text) index = i;
      }
      if (index < 0 || index >= count) {
        return fail("control " + id + " has no entry " +
                    (step.by_number ? "#" + std::to_string(step.number) : shown(step.text)));
      }
      realisation_.choose(step.id, index);
      return Outcome::Done;
    }
    case Keyword::Scroll: {
      const auto control = usable_control(step, why);
      if (!control) return fail(why);
      if (control->kind != ControlKind::ScrollBar) return fail("control " + id + " is not a scroll bar");
      realisation_.scroll(step.id, step.number);
      return Outcome::Done;
    }
    case Keyword::AnswerFile:
      // Full paths in UTF-8 with forward slashes, which every system takes.
      if (step.text == "cancel") {
        realisation_.answer_open_file(std::nullopt);
      } else {
        const auto path = in_directory(step.text).generic_u8string();
        realisation_.answer_open_file(std::string(path.begin(), path.end()));
      }
      return Outcome::Done;
    case Keyword::Message: {
      const auto box = realisation_.message_box();
      const auto text = box ? normalise_breaks(*box) : std::string();
      if (!box || text.find(normalise_breaks(step.text)) == std::string::npos) {
        last_seen_ = box ? "a message box saying " + shown(text) : "no message box";
        return Outcome::Wait;
      }
      realisation_.press_message_box();
      return Outcome::Done;
    }
    case Keyword::Sleep:
      if (!waiting_since_) return Outcome::Wait;
      return std::chrono::steady_clock::now() - *waiting_since_ >= std::chrono::milliseconds(step.number)
                 ? Outcome::Done
                 : Outcome::Wait;
    default:
      return fail("not an action");
  }
}

Player::Outcome Player::check(const Step& step) {
  auto holds = [this](bool condition, std::string seen) {
    last_seen_ = std::move(seen);
    return condition ? Outcome::Done : Outcome::Failed;
  };
  auto waits_for = [this](bool condition, std::string seen) {
    last_seen_ = std::move(seen);
    return condition ? Outcome::Done : Outcome::Wait;
  };
  const std::string id = std::to_string(step.id);
  switch (step.keyword) {
    case Keyword::Dialog: {
      const auto dialog = realisation_.topmost();
      const bool open = dialog && dialog->kind == WindowView::Kind::Dialog && dialog->dialog_id == step.id;
      return waits_for(open, "topmost dialog " + window_name(dialog));
    }
    case Keyword::NoDialog: {
      const auto dialog = realisation_.topmost();
      return waits_for(!dialog, "topmost dialog " + window_name(dialog));
    }
    case Keyword::Title: {
      const auto dialog = realisation_.topmost();
      const auto title = dialog ? without_trailing_blanks(dialog->title) : std::string();
      return holds(dialog && title == step.text, dialog ? "title " + shown(title) : "no dialog is open");
    }
    case Keyword::Expect:
    case Keyword::ExpectContains:
    case Keyword::ExpectChecked:
    case Keyword::ExpectEnabled:
    case Keyword::ExpectSelected:
    case Keyword::ExpectCount: {
      const auto control = realisation_.control(step.id);
      if (!control) return fail(no_control(step, realisation_.topmost()));
      switch (step.keyword) {
        case Keyword::Expect:
        case Keyword::ExpectContains: {
          const auto text = without_trailing_blanks(normalise_breaks(control->text));
          const auto wanted = normalise_breaks(step.text);
          const bool ok = step.keyword == Keyword::Expect ? text == wanted : text.find(wanted) != std::string::npos;
          return holds(ok, "control " + id + " holds " + shown(text));
        }
        case Keyword::ExpectChecked:
          if (!is_button(control->kind)) return fail("control " + id + " is not a button");
          return holds(control->checked == step.on, control->checked ? "checked" : "not checked");
        case Keyword::ExpectEnabled:
          return holds(control->enabled == step.on, control->enabled ? "enabled" : "disabled");
        case Keyword::ExpectSelected: {
          if (control->kind != ControlKind::List) return fail("control " + id + " is not a list");
          const auto selected = control->selected;
          const std::string entry = selected >= 0 && selected < static_cast<int>(control->entries.size())
                                        ? control->entries[static_cast<std::size_t>(selected)]
                                        : std::string();
          return holds(without_trailing_blanks(entry) == without_trailing_blanks(step.text), "selected " + shown(entry));
        }
        default: {
          if (!has_entries(control->kind)) return fail("control " + id + " is not a list");
          const int count = static_cast<int>(control->entries.size());
          return holds(count == step.number, std::to_string(count) + " entries");
        }
      }
    }
    case Keyword::ExpectMenu: {
      const auto enabled = realisation_.menu_item(step.menu, step.item);
      if (!enabled) return fail("no menu item \"" + step.menu + " | " + step.item + "\"");
      return holds(*enabled == step.on, *enabled ? "enabled" : "grayed");
    }
    case Keyword::Window:
    case Keyword::NoWindow: {
      const auto text = normalise_breaks(realisation_.window_text());
      const bool found = text.find(normalise_breaks(step.text)) != std::string::npos;
      if (step.keyword == Keyword::Window) return waits_for(found, "not in the main window");
      return holds(!found, "it is in the main window");
    }
    case Keyword::Idle: {
      const auto& state = realisation_.state();
      return waits_for(idle(), "command code " + std::to_string(state.pending_command.load()) +
                                   (state.in_command ? ", a command in progress" : ""));
    }
    case Keyword::Exited:
      return waits_for(realisation_.exited(), "the program still running");
    case Keyword::File: {
      const auto path = in_directory(step.path);
      if (!std::filesystem::exists(path)) return fail("no file " + step.path);
      const auto content = read_lines_file(path);
      return holds(content == step.block, "the file holds " + shown(content));
    }
    case Keyword::FileLine:
    case Keyword::FileLines: {
      const auto path = in_directory(step.path);
      if (!std::filesystem::exists(path)) return fail("no file " + step.path);
      const auto content = read_lines_file(path);
      const auto lines = split_lines(content);
      if (step.keyword == Keyword::FileLines) {
        return holds(static_cast<int>(lines.size()) == step.number, std::to_string(lines.size()) + " lines");
      }
      if (step.number < 1 || step.number > static_cast<int>(lines.size())) {
        return fail("the file has " + std::to_string(lines.size()) + " lines");
      }
      const std::string line(lines[static_cast<std::size_t>(step.number) - 1]);
      return holds(line == step.text, "line " + std::to_string(step.number) + " is " + shown(line));
    }
    case Keyword::NoFile:
      return holds(!std::filesystem::exists(in_directory(step.path)), "the file exists");
    case Keyword::Answers: {
      const auto content = read_lines_file(options_.directory / (step.name + ".answers"));
      return holds(content == step.text, step.name + " has read " + shown(content));
    }
    default:
      return fail("not a check");
  }
}

}  // namespace tarnex::scenario
