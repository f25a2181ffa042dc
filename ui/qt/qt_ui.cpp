#include "ui/qt/qt_ui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include "process/start_program.h"
#include "ui/qt/find_bar.h"
#include "ui/qt/gui_thread.h"
#include "ui/qt/qt_dialog.h"
#include "ui/qt/qt_text.h"

namespace tarnex::ui {
namespace {

// The text window is redrawn from the model at most this often, so that a
// model program printing fast cannot starve the menus.
constexpr int kRefreshMilliseconds = 50;
// While a flood of output replaces every row shown from one redraw to the
// next, nobody can read it: the window redraws less often and the menus get
// more of the window thread.
constexpr int kFloodRefreshMilliseconds = 200;

// The status bar counts a run's time in seconds, and shows how a run ended
// for this long.
constexpr int kRunClockMilliseconds = 1000;
constexpr int kRunEndShownMilliseconds = 8000;

// The desktop's opener says at once when no application is registered for a
// file or address; one it runs in its own foreground keeps it running, which
// counts as opened once this wait is over.
constexpr int kOpenerVerdictMilliseconds = 2000;

// Room beside a window title for the title bar's icon and buttons.
constexpr int kTitleBarButtons = 160;

// "1:05", or "1:02:05" from an hour on.
QString duration(qint64 milliseconds) {
  const qint64 seconds = milliseconds / 1000;
  const auto two = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
  if (seconds >= 3600) return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(two(seconds / 60 % 60), two(seconds % 60));
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(two(seconds % 60));
}

// Opens a document or address through the desktop's opener, waiting for its
// verdict as long as kOpenerVerdictMilliseconds; true when it opened.
bool open_with_desktop(const QUrl& url) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return QDesktopServices::openUrl(url);
  // Not owned by anything: an application the opener keeps in its foreground
  // outlives Tarnex instead of being ended with it.
  auto* process = new QProcess;
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  process->start(opener, {url.isLocalFile() ? url.toLocalFile() : url.toString()});
  if (!process->waitForStarted()) {
    delete process;
    return false;
  }
  QEventLoop verdict;
  QTimer::singleShot(kOpenerVerdictMilliseconds, &verdict, &QEventLoop::quit);
  QObject::connect(process, &QProcess::finished, &verdict, &QEventLoop::quit);
  // The window keeps painting; the user's input waits for the verdict.
  verdict.exec(QEventLoop::ExcludeUserInputEvents);
  if (process->state() != QProcess::NotRunning) {
    // it ends later, through the event loop, which then releases it
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
  }
  const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
  delete process;
  return opened;
}

// "*.DAT" matches basin.dat and Basin.Dat too: each letter becomes a set of
// both cases. "*.*" is every file, names without a dot included.
QString any_case_pattern(const QString& pattern) {
  if (pattern == QStringLiteral("*.*")) return QStringLiteral("*");
  QString result;
  for (QChar c : pattern) {
    if (c.isLetter() && c.toLower() != c.toUpper()) {
      result += QStringLiteral("[%1%2]").arg(c.toUpper(), c.toLower());
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace

class QtUi::Frame final : public QMainWindow {
 public:
  explicit Frame(QtUi& ui) : ui_(ui) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    ui_.close_clicked();
  }

 private:
  QtUi& ui_;
};

QtUi::QtUi() {
  frame_ = new Frame(*this);
  frame_->setObjectName(QStringLiteral("tarnex"));
  auto* area = new QMdiArea;
  view_ = new QPlainTextEdit;
  view_->setObjectName(QStringLiteral("text"));
  view_->setReadOnly(true);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setUndoRedoEnabled(false);
  auto* sub = area->addSubWindow(view_, Qt::FramelessWindowHint);
  sub->showMaximized();
  frame_->setCentralWidget(area);
  add_find_bar(*frame_, *view_);
  frame_->setStatusBar(new QStatusBar);
  run_status_ = new QLabel;
  run_status_->setObjectName(QStringLiteral("runstatus"));
  frame_->statusBar()->addWidget(run_status_, 1);
  run_clock_ = new QTimer(frame_);
  run_clock_->setInterval(kRunClockMilliseconds);
  QObject::connect(run_clock_, &QTimer::timeout, frame_, [this] { show_run_time(); });
  run_time_ = std::make_unique<QElapsedTimer>();
  frame_->resize(900, 640);
  refresh_timer_ = new QTimer(frame_);
  refresh_timer_->setInterval(kRefreshMilliseconds);
  QObject::connect(refresh_timer_, &QTimer::timeout, frame_, [this] { refresh_text(); });
  refresh_timer_->start();
  exit_handler_ = [](int code) { QCoreApplication::exit(code); };
}

QtUi::~QtUi() { delete frame_; }

QMainWindow* QtUi::main_window() const { return frame_; }

void QtUi::show() { frame_->show(); }

// Only the rows that changed since the last redraw are taken from the model,
// and each row is at most TextModel::kColumns long, so a redraw costs at most
// the kept rows however much the program printed meanwhile.
void QtUi::refresh_text() {
  const auto changes = text_.changes_since(shown_version_);
  if (changes.version == shown_version_) return;
  shown_version_ = changes.version;
  const auto gone = static_cast<std::size_t>(changes.dropped - shown_dropped_);
  shown_dropped_ = changes.dropped;
  const std::size_t rows = changes.first + changes.rows.size();
  // The rows from `from` on, one line each.
  const auto joined = [&changes](std::size_t from) {
    QStringList lines;
    for (std::size_t r = from; r < changes.rows.size(); ++r) lines << text_row(changes.rows[r]);
    return lines.join(QLatin1Char('\n'));
  };

  QScrollBar* bar = view_->verticalScrollBar();
  const bool following = bar->value() == bar->maximum();
  const int first_shown = bar->value();
  // Edits through a cursor of their own leave the view's selection on the
  // text it covers. The document holds one block for each shown row.
  QTextDocument* document = view_->document();
  QTextCursor edit(document);
  edit.beginEditBlock();
  auto shown = static_cast<std::size_t>(document->blockCount());
  const bool flood = gone >= shown && rows == TextModel::kRows;
  refresh_timer_->setInterval(flood ? kFloodRefreshMilliseconds : kRefreshMilliseconds);
  if (gone >= shown) {
    // every row shown left the top: the model gives all rows anew
    edit.select(QTextCursor::Document);
    edit.insertText(joined(0));
  } else {
    if (gone > 0) {
      edit.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, static_cast<int>(gone));
      edit.removeSelectedText();
      shown -= gone;
    }
    std::size_t row = changes.first;
    for (QTextBlock block = document->findBlockByNumber(static_cast<int>(row)); row < std::min(rows, shown);
         ++row, block = block.next()) {
      const QString now = text_row(changes.rows[row - changes.first]);
      const QString before = block.text();
      if (now == before) continue;
      if (now.startsWith(before)) {
        // the row goes on
        edit.setPosition(block.position() + block.length() - 1);
        edit.insertText(now.mid(before.size()));
      } else {
        // the row was written over
        edit.setPosition(block.position());
        edit.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        if (now.isEmpty()) edit.removeSelectedText();
        else edit.insertText(now);
      }
    }
    if (row < rows) {
      edit.movePosition(QTextCursor::End);
      edit.insertText(QLatin1Char('\n') + joined(row - changes.first));
    }
  }
  edit.endEditBlock();
  // As terminals do: the view follows the end only while it is at the end.
  bar->setValue(following ? bar->maximum() : std::max(0, first_shown - static_cast<int>(gone)));
}

void QtUi::set_frame_title(std::string_view title) {
  on_gui([&] { frame_->setWindowTitle(from_bytes(title)); });
}

void QtUi::set_text_title(std::string_view title) {
  on_gui([&] { view_->setWindowTitle(from_bytes(title)); });
}

bool QtUi::set_text_font(std::string_view family, int, int cell_height) {
  return on_gui([&] {
    QFont font(from_bytes(family));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(cell_height - 2);
    if (!QFontInfo(font).fixedPitch()) return false;
    view_->setFont(font);
    return true;
  });
}

void QtUi::use_proposed_font() {
  on_gui([&] { view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); });
}

void QtUi::set_colours_black_on_white() {
  on_gui([&] {
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    view_->setPalette(palette);
  });
}

void QtUi::add_menu(std::string_view title) {
  on_gui([&] { last_menu_ = frame_->menuBar()->addMenu(from_bytes(title)); });
}

void QtUi::add_menu_item(std::string_view text, std::string_view routine_name, std::function<void()> routine,
                         bool enabled) {
  on_gui([&] {
    QAction* action = last_menu_->addAction(from_bytes(text));
    action->setObjectName(from_bytes(routine_name));
    action->setEnabled(enabled);
    if (routine) QObject::connect(action, &QAction::triggered, frame_, [routine] { routine(); });
    items_.emplace(routine_name, action);
  });
}

void QtUi::add_menu_separator() {
  on_gui([&] { last_menu_->addSeparator(); });
}

void QtUi::set_menu_item_enabled(std::string_view routine_name, bool enabled) {
  on_gui([&] {
    auto item = items_.find(routine_name);
    if (item == items_.end()) {
      qWarning("no menu item is bound to \"%.*s\"", static_cast<int>(routine_name.size()), routine_name.data());
      return;
    }
    item->second->setEnabled(enabled);
  });
}

void QtUi::set_close_enabled(bool enabled) { close_enabled_ = enabled; }

void QtUi::set_close_refusal(std::function<void()> refusal) {
  on_gui([&] { close_refusal_ = std::move(refusal); });
}

void QtUi::close_clicked() {
  if (close_enabled_) {
    exit_program(0);
  } else if (close_refusal_) {
    close_refusal_();
  }
}

void QtUi::show_run_started(std::string_view program, std::string_view roots) {
  on_gui([&] {
    ++run_number_;
    run_program_ = from_bytes(program);
    run_roots_ = from_bytes(roots);
    run_time_->start();
    run_clock_->start();
    show_run_time();
  });
}

void QtUi::show_run_time() {
  const QString roots = run_roots_.isEmpty() ? QString() : QStringLiteral(" (roots %1)").arg(run_roots_);
  run_status_->setText(QStringLiteral("Running %1%2: %3").arg(run_program_, roots, duration(run_time_->elapsed())));
}

void QtUi::show_run_ended(RunEnd end, int exit_code) {
  on_gui([&] {
    run_clock_->stop();
    const QString ran = duration(run_time_->isValid() ? run_time_->elapsed() : 0);
    switch (end) {
      case RunEnd::Exited:
        run_status_->setText(QStringLiteral("%1 ended with exit code %2 after %3").arg(run_program_).arg(exit_code).arg(ran));
        break;
      case RunEnd::Terminated:
        run_status_->setText(QStringLiteral("%1 terminated after %2").arg(run_program_, ran));
        break;
      case RunEnd::NotStarted:
        run_status_->setText(QStringLiteral("%1 could not be started").arg(run_program_));
        break;
    }
    QTimer::singleShot(kRunEndShownMilliseconds, run_status_, [this, run = run_number_] {
      if (run == run_number_) run_status_->clear();
    });
  });
}

void QtUi::set_about_text(std::string_view text) {
  on_gui([&] { about_text_ = text; });
}

void QtUi::show_about() {
  on_gui([&] {
    if (stopping_) return;
    const QString title = QStringLiteral("About Tarnex");
    QMessageBox box(QMessageBox::Information, title, from_bytes(about_text_), QMessageBox::Ok, frame_);
    box.setObjectName(QStringLiteral("aboutbox"));
    // A box as narrow as its two short lines would cut its own title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
      const int width = box.fontMetrics().horizontalAdvance(title) + kTitleBarButtons;
      grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                    grid->columnCount());
    }
    box.exec();
  });
}

void QtUi::message_box(std::string_view text, std::string_view title) {
  on_gui([&] {
    if (stopping_) return;
    QMessageBox box(QMessageBox::Warning, from_bytes(title), from_bytes(text), QMessageBox::Ok, frame_);
    box.setObjectName(QStringLiteral("messagebox"));
    box.exec();
  });
}

void QtUi::answer_open_file(std::optional<std::string> path) {
  std::lock_guard lock(answers_mutex_);
  open_file_answers_.push_back(std::move(path));
}

std::optional<std::string> QtUi::open_file(const std::vector<std::pair<std::string, std::string>>& filter,
                                           std::string_view title, std::string_view initial) {
  {
    std::lock_guard lock(answers_mutex_);
    if (!open_file_answers_.empty()) {
      auto answer = open_file_answers_.front();
      open_file_answers_.pop_front();
      return answer;
    }
  }
  return on_gui([&]() -> std::optional<std::string> {
    if (stopping_) return std::nullopt;
    QStringList filters;
    for (const auto& [description, patterns] : filter) {
      QStringList any_case;
      for (const auto& pattern : from_bytes(patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        any_case << any_case_pattern(pattern.trimmed());
      }
      filters << QStringLiteral("%1 (%2)").arg(from_bytes(description), any_case.join(QLatin1Char(' ')));
    }
    QFileDialog dialog(frame_, from_bytes(title), from_bytes(initial));
    dialog.setObjectName(QStringLiteral("openfile"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!initial.empty()) dialog.selectFile(from_bytes(initial));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return to_bytes(dialog.selectedFiles().first());
  });
}

int QtUi::shell_open(std::string_view target) {
  // 33 and above is success; 31 is the code of "no application for it".
  constexpr int kOpened = 33;
  constexpr int kNoApplication = 31;
  return on_gui([&] {
    const QUrl url = QUrl::fromUserInput(from_bytes(target), QString(), QUrl::AssumeLocalFile);
    return open_with_desktop(url) ? kOpened : kNoApplication;
  });
}

std::optional<int> QtUi::start_program(const std::vector<std::string>& arguments) {
  return process::start_detached_program(arguments);
}

std::unique_ptr<Dialog> QtUi::make_dialog(int dialog_id) {
  const auto* dialog_template = templates_.find(dialog_id);
  if (!dialog_template) return nullptr;
  return on_gui([&] { return std::make_unique<QtDialog>(*dialog_template, frame_, stopping_); });
}

void QtUi::set_exit_handler(std::function<void(int)> handler) { exit_handler_ = std::move(handler); }

void QtUi::exit_program(int code) {
  on_gui([&] {
    shut_down();
    exit_handler_(code);
  });
}

void QtUi::shut_down() {
  on_gui([&] {
    stopping_ = true;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible()) dialog->done(kCancel);
    }
  });
}

}  // namespace tarnex::ui
