#pragma once
// Find in a text view, the same in the main window and in the History
// window's transcript: Ctrl+F opens the bar, Enter or F3 goes to the next
// match and Shift+Enter or Shift+F3 to the previous one, wrapping round;
// the bar counts the matches and marks them all; Escape closes it.

#include <QString>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;

namespace tarnex::ui {

class FindBar final : public QWidget {
 public:
  explicit FindBar(QPlainTextEdit& view, QWidget* parent = nullptr);

  // Ctrl+F, F3 and Shift+F3 anywhere in `window`.
  void add_shortcuts(QWidget& window);
  // What closing the bar does instead of hiding it.
  void set_on_close(std::function<void()> on_close) { on_close_ = std::move(on_close); }
  // Said after "No match", where to look instead.
  void set_no_match_hint(QString hint) { no_match_hint_ = std::move(hint); }

  // Shows the bar with the focus in its field and the field's text selected.
  void open();
  void close_bar();
  void find_next() { go(true); }
  void find_previous() { go(false); }
  // Counts the matches again, as after a change of the text.
  void search();

  std::size_t match_count() const { return matches_.size(); }
  // 1 for the first match, 0 while none is the current one.
  std::size_t current() const { return current_ < 0 ? 0 : static_cast<std::size_t>(current_) + 1; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // To the next or previous match from the selection's end or start; from
  // its start also going forward when `from_start`.
  void go(bool forward, bool from_start = false);
  void mark();
  void show_count();

  QPlainTextEdit& view_;
  QLineEdit* field_;
  QCheckBox* match_case_;
  QLabel* count_;
  std::function<void()> on_close_;
  QString no_match_hint_;
  std::vector<std::size_t> matches_;
  std::ptrdiff_t current_ = -1;
};

// The main window's find bar: a tool bar at the foot of the frame, hidden
// until Ctrl+F. It searches the rows the window shows.
void add_find_bar(QMainWindow& frame, QPlainTextEdit& view);

}  // namespace tarnex::ui
