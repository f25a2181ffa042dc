#include "ui/qt/qt_ui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
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
    if (ui_.close_enabled()) ui_.exit_program(0);
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

void QtUi::refresh_text() {
  const auto version = text_.version();
  if (version == shown_version_) return;
  shown_version_ = version;
  QString shown;
  bool first = true;
  for (const auto& row : text_.rows()) {
    if (!first) shown += QLatin1Char('\n');
    shown += from_bytes(row);
    first = false;
  }
  view_->setPlainText(shown);
  view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
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

void QtUi::set_about_text(std::string_view text) {
  on_gui([&] { about_text_ = text; });
}

void QtUi::show_about() {
  on_gui([&] {
    if (stopping_) return;
    QMessageBox::about(frame_, QStringLiteral("About Tarnex"), from_bytes(about_text_));
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
    return QDesktopServices::openUrl(url) ? kOpened : kNoApplication;
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
