#include "runner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/fixed_text.h"
#include "widgets.h"

namespace tarnex::scenario {
namespace {

constexpr int kTickMilliseconds = 10;
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

std::string widget_name(QWidget* widget) {
  return widget ? widget->objectName().toStdString() + " \"" + widget->windowTitle().toStdString() + "\"" : "none";
}

// Gives a control the focus as a click would, so its focus callback fires even
// when the dialog opened with the focus already in it.
void give_focus(QWidget* control) {
  control->window()->activateWindow();
  if (control->hasFocus()) control->clearFocus();
  control->setFocus(Qt::MouseFocusReason);
}

// ASCII characters are typed as their keys, as QTest knows them; the keys of
// other characters are unknown to it, so they are sent as key events that
// carry the character's text (a pair of surrogates when it needs two).
void type_characters(QWidget* target, const QString& text) {
  qsizetype k = 0;
  while (k < text.size()) {
    const QChar c = text.at(k);
    if (c.unicode() < 0x80) {
      QTest::keyClick(target, static_cast<char>(c.unicode()));
      ++k;
      continue;
    }
    const qsizetype length = c.isHighSurrogate() && k + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(k, length), Qt::NoModifier);
    k += length;
  }
}

void type_keys(QWidget* target, const std::string& text) {
  if (auto* line = qobject_cast<QLineEdit*>(target)) line->selectAll();
  if (auto* edit = qobject_cast<QPlainTextEdit*>(target)) edit->selectAll();
  if (text.empty()) {
    QTest::keyClick(target, Qt::Key_Backspace);
    return;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = std::min(text.find('\n', start), text.size());
    type_characters(target, QString::fromUtf8(text.data() + start, static_cast<qsizetype>(end - start)));
    if (end == text.size()) break;
    QTest::keyClick(target, Qt::Key_Return);
    start = end + 1;
  }
}

// Runs a user action after the current tick, so that a dialog it opens runs
// its own loop while the ticks go on.
void post(QObject* context, std::function<void()> action) { QTimer::singleShot(0, context, std::move(action)); }

}  // namespace

Runner::Runner(Program& program, std::vector<Step> steps, Options options)
    : program_(program), steps_(std::move(steps)), options_(std::move(options)) {
  timer_.setInterval(kTickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void Runner::start(std::function<void(bool)> finished) {
  finished_ = std::move(finished);
  started_ = std::chrono::steady_clock::now();
  watch(options_.timeout, "FAIL Tarnex did not start up");
  timer_.start();
}

void Runner::finish(bool passed) {
  timer_.stop();
  // Ending the program ends any run in progress, so the end is bounded too.
  watch({}, (passed ? std::string() : failure_ + "\n") + "FAIL the program did not end within " +
                std::to_string(options_.grace.count()) + " ms of the scenario's end");
  if (finished_) std::exchange(finished_, nullptr)(passed);
}

void Runner::watch(std::chrono::steady_clock::duration budget, std::string report) {
  std::lock_guard lock(watch_mutex_);
  due_ = std::chrono::steady_clock::now() + budget + options_.grace;
  overdue_report_ = std::move(report);
}

std::optional<std::string> Runner::overdue() const {
  std::lock_guard lock(watch_mutex_);
  if (std::chrono::steady_clock::now() < due_) return std::nullopt;
  return overdue_report_;
}

void Runner::tick() {
  if (ticking_) return;
  if (!program_.started_up()) {
    // Start-up is waited for like a step, no longer than the timeout.
    if (std::chrono::steady_clock::now() - started_ >= options_.timeout) {
      failure_ = "FAIL Tarnex did not start up within " + std::to_string(options_.timeout.count()) + " ms";
      finish(false);
    }
    return;
  }
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
      return;
    }
    if (outcome == Outcome::Failed) {
      failure_ = "FAIL line " + std::to_string(step.line) + ": " + step.source + "\n  saw: " + last_seen_;
      ticking_ = false;
      finish(false);
      return;
    }
    waiting_since_.reset();
    ++next_;
    // A user action shows its effects after the window has handled it.
    if (is_user_action(step.keyword)) break;
  }
  ticking_ = false;
  if (next_ == steps_.size()) finish(true);
}

Runner::Outcome Runner::fail(std::string why) {
  last_seen_ = std::move(why);
  return Outcome::Failed;
}

std::filesystem::path Runner::in_directory(const std::string& path) const {
  const std::filesystem::path p(path);
  return p.is_absolute() ? p : options_.directory / p;
}

bool Runner::idle() const {
  auto& state = program_.state();
  return state.pending_command == kIdle && !state.in_command && !state.running.child();
}

QWidget* Runner::usable_control(const Step& step, std::string& why) {
  QWidget* dialog = topmost_dialog();
  if (!dialog) {
    why = "no dialog is open";
    return nullptr;
  }
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    why = "a message box is open: " + shown(normalise_breaks(box->text().toStdString()));
    return nullptr;
  }
  QWidget* control = find_control(dialog, step.id);
  if (!control) why = "dialog " + widget_name(dialog) + " has no control " + std::to_string(step.id);
  else if (!control->isEnabled()) why = "control " + std::to_string(step.id) + " is disabled";
  else if (!control->isVisible()) why = "control " + std::to_string(step.id) + " is not shown";
  else return control;
  return nullptr;
}

Runner::Outcome Runner::perform(const Step& step) {
  return step.keyword < Keyword::Dialog ? act(step) : check(step);
}

bool Runner::is_user_action(Keyword keyword) { return keyword >= Keyword::Menu && keyword < Keyword::Dialog; }

Runner::Outcome Runner::act(const Step& step) {
  std::string why;
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
      setenv(step.name.c_str(), step.text.c_str(), 1);
      return Outcome::Done;
    case Keyword::Menu: {
      QAction* item = find_menu_item(program_.ui().main_window(), step.menu, step.item);
      if (!item) return fail("no menu item \"" + step.menu + " | " + step.item + "\"");
      if (!item->isEnabled()) return fail("the menu item is grayed");
      post(this, [item] { item->trigger(); });
      return Outcome::Done;
    }
    case Keyword::Focus:
    case Keyword::Type: {
      QWidget* control = usable_control(step, why);
      if (!control) return fail(why);
      QWidget* target = control;
      if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) target = combo->lineEdit();
      const bool typing = step.keyword == Keyword::Type;
      if (typing && !qobject_cast<QLineEdit*>(target) && !qobject_cast<QPlainTextEdit*>(target)) {
        return fail("control " + std::to_string(step.id) + " is not an edit box");
      }
      const std::string text = step.text;
      post(this, [target, typing, text] {
        give_focus(target);
        if (typing) type_keys(target, text);
      });
      return Outcome::Done;
    }
    case Keyword::Check:
    case Keyword::Uncheck:
    case Keyword::Click: {
      QWidget* control = usable_control(step, why);
      if (!control) return fail(why);
      auto* button = qobject_cast<QAbstractButton*>(control);
      if (!button) return fail("control " + std::to_string(step.id) + " is not a button");
      const bool wanted = step.keyword == Keyword::Check;
      if (step.keyword != Keyword::Click && !button->isCheckable()) {
        return fail("control " + std::to_string(step.id) + " is not a check box");
      }
      if (step.keyword == Keyword::Click || button->isChecked() != wanted) post(this, [button] { button->click(); });
      return Outcome::Done;
    }
    case Keyword::Choose: {
      QWidget* control = usable_control(step, why);
      if (!control) return fail(why);
      int index = step.by_number ? step.number - 1 : -1;
      auto entry_text = [control](int i) -> std::string {
        if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->itemText(i).toStdString();
        if (auto* list = qobject_cast<QListWidget*>(control)) return list->item(i)->text().toStdString();
        return static_cast<QTabWidget*>(control)->tabText(i).toStdString();
      };
      const int count = entry_count(control);
      if (count < 0) return fail("control " + std::to_string(step.id) + " is not a list");
      for (int i = 0; !step.by_number && i < count; ++i) {
        if (entry_text(i) == step.text) index = i;
      }
      if (index < 0 || index >= count) {
        return fail("control " + std::to_string(step.id) + " has no entry " +
                    (step.by_number ? "#" + std::to_string(step.number) : shown(step.text)));
      }
      post(this, [control, index] {
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
          combo->setCurrentIndex(index);
          emit combo->activated(index);
        } else if (auto* list = qobject_cast<QListWidget*>(control)) {
          list->setCurrentRow(index);
        } else {
          static_cast<QTabWidget*>(control)->setCurrentIndex(index);
        }
      });
      return Outcome::Done;
    }
    case Keyword::Scroll: {
      QWidget* control = usable_control(step, why);
      if (!control) return fail(why);
      auto* bar = qobject_cast<QScrollBar*>(control);
      if (!bar) return fail("control " + std::to_string(step.id) + " is not a scroll bar");
      const int position = step.number;
      post(this, [bar, position] { bar->setValue(position); });
      return Outcome::Done;
    }
    case Keyword::AnswerFile:
      if (step.text == "cancel") program_.ui().answer_open_file(std::nullopt);
      else program_.ui().answer_open_file(in_directory(step.text).string());
      return Outcome::Done;
    case Keyword::Message: {
      QMessageBox* box = open_message_box();
      const auto text = box ? normalise_breaks(box->text().toStdString()) : std::string();
      if (!box || text.find(normalise_breaks(step.text)) == std::string::npos) {
        last_seen_ = box ? "a message box saying " + shown(text) : "no message box";
        return Outcome::Wait;
      }
      QAbstractButton* button = box->buttons().isEmpty() ? nullptr : box->buttons().first();
      post(this, [box, button] {
        if (button) button->click();
        else box->done(0);
      });
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

Runner::Outcome Runner::check(const Step& step) {
  auto holds = [this](bool condition, std::string seen) {
    last_seen_ = std::move(seen);
    return condition ? Outcome::Done : Outcome::Failed;
  };
  auto waits_for = [this](bool condition, std::string seen) {
    last_seen_ = std::move(seen);
    return condition ? Outcome::Done : Outcome::Wait;
  };
  QWidget* dialog = topmost_dialog();
  QWidget* control = find_control(dialog, step.id);
  const std::string no_control =
      dialog ? "dialog " + widget_name(dialog) + " has no control " + std::to_string(step.id) : "no dialog is open";
  switch (step.keyword) {
    case Keyword::Dialog: {
      const auto name = QStringLiteral("d%1").arg(step.id);
      return waits_for(dialog && dialog->objectName() == name && dialog->isVisible(),
                       "topmost dialog " + widget_name(dialog));
    }
    case Keyword::NoDialog:
      return waits_for(dialog == nullptr, "topmost dialog " + widget_name(dialog));
    case Keyword::Title: {
      const auto title = dialog ? without_trailing_blanks(dialog->windowTitle().toStdString()) : std::string();
      return holds(dialog && title == step.text, dialog ? "title " + shown(title) : "no dialog is open");
    }
    case Keyword::Expect:
    case Keyword::ExpectContains: {
      if (!control) return fail(no_control);
      const auto text = without_trailing_blanks(control_text(control));
      const auto wanted = normalise_breaks(step.text);
      const bool ok = step.keyword == Keyword::Expect ? text == wanted : text.find(wanted) != std::string::npos;
      return holds(ok, "control " + std::to_string(step.id) + " holds " + shown(text));
    }
    case Keyword::ExpectChecked: {
      auto* button = qobject_cast<QAbstractButton*>(control);
      if (!button) return fail(control ? "control " + std::to_string(step.id) + " is not a button" : no_control);
      return holds(button->isChecked() == step.on, button->isChecked() ? "checked" : "not checked");
    }
    case Keyword::ExpectEnabled:
      if (!control) return fail(no_control);
      return holds(control->isEnabled() == step.on, control->isEnabled() ? "enabled" : "disabled");
    case Keyword::ExpectSelected: {
      std::string entry;
      if (!control) return fail(no_control);
      if (!selected_entry(control, entry)) return fail("control " + std::to_string(step.id) + " is not a list");
      return holds(without_trailing_blanks(entry) == without_trailing_blanks(step.text), "selected " + shown(entry));
    }
    case Keyword::ExpectCount: {
      if (!control) return fail(no_control);
      const int count = entry_count(control);
      if (count < 0) return fail("control " + std::to_string(step.id) + " is not a list");
      return holds(count == step.number, std::to_string(count) + " entries");
    }
    case Keyword::ExpectMenu: {
      QAction* item = find_menu_item(program_.ui().main_window(), step.menu, step.item);
      if (!item) return fail("no menu item \"" + step.menu + " | " + step.item + "\"");
      return holds(item->isEnabled() == step.on, item->isEnabled() ? "enabled" : "grayed");
    }
    case Keyword::Window:
    case Keyword::NoWindow: {
      const auto text = normalise_breaks(program_.ui().text().text());
      const bool found = text.find(normalise_breaks(step.text)) != std::string::npos;
      if (step.keyword == Keyword::Window) return waits_for(found, "not in the main window");
      return holds(!found, "it is in the main window");
    }
    case Keyword::Idle: {
      const auto& state = program_.state();
      return waits_for(idle(), "command code " + std::to_string(state.pending_command.load()) +
                                   (state.in_command ? ", a command in progress" : ""));
    }
    case Keyword::Exited:
      return waits_for(exited_, "the program still running");
    case Keyword::File: {
      const auto path = in_directory(step.path);
      if (!std::filesystem::exists(path)) return fail("no file " + step.path);
      const auto content = read_file(path);
      return holds(content == step.block, "the file holds " + shown(content));
    }
    case Keyword::FileLine:
    case Keyword::FileLines: {
      const auto path = in_directory(step.path);
      if (!std::filesystem::exists(path)) return fail("no file " + step.path);
      const auto content = read_file(path);
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
      const auto content = read_file(options_.directory / (step.name + ".answers"));
      return holds(content == step.text, step.name + " has read " + shown(content));
    }
    default:
      return fail("not a check");
  }
}

}  // namespace tarnex::scenario
