#include "ui/qt/find_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "base/find_text.h"

namespace tarnex::ui {
namespace {

std::u16string_view utf16(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QToolButton* tool_button(const QString& text, const QString& name, const QString& tip, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(text);
  button->setObjectName(name);
  button->setToolTip(tip);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

FindBar::FindBar(QPlainTextEdit& view, QWidget* parent) : QWidget(parent), view_(view) {
  setObjectName(QStringLiteral("find"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  auto* label = new QLabel(QStringLiteral("Find:"), this);
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("find-text"));
  field_->setClearButtonEnabled(true);
  field_->setMinimumWidth(220);
  field_->installEventFilter(this);
  label->setBuddy(field_);
  auto* previous = tool_button(QStringLiteral("Previous"), QStringLiteral("find-previous"),
                               QStringLiteral("The previous match (Shift+F3)"), this);
  auto* next =
      tool_button(QStringLiteral("Next"), QStringLiteral("find-next"), QStringLiteral("The next match (F3)"), this);
  match_case_ = new QCheckBox(QStringLiteral("Match case"), this);
  match_case_->setObjectName(QStringLiteral("find-case"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("find-count"));
  count_->setMinimumWidth(110);
  auto* close = tool_button(QStringLiteral("Hide"), QStringLiteral("find-close"),
                            QStringLiteral("Hide the find bar (Escape)"), this);
  layout->addWidget(label);
  layout->addWidget(field_);
  layout->addWidget(previous);
  layout->addWidget(next);
  layout->addWidget(match_case_);
  layout->addWidget(count_);
  layout->addStretch();
  layout->addWidget(close);
  // As the needle grows the match found so far stays, if it still matches.
  connect(field_, &QLineEdit::textChanged, this, [this] {
    search();
    if (!matches_.empty()) go(true, true);
  });
  connect(match_case_, &QCheckBox::toggled, this, [this] { search(); });
  connect(previous, &QToolButton::clicked, this, [this] { find_previous(); });
  connect(next, &QToolButton::clicked, this, [this] { find_next(); });
  connect(close, &QToolButton::clicked, this, [this] { close_bar(); });
  // The view's text changes under the bar while a run writes to it.
  connect(&view_, &QPlainTextEdit::textChanged, this, [this] {
    if (isVisible()) search();
  });
  // Only the matches in sight are marked: a short needle may match a
  // hundred thousand times in a flood's transcript.
  connect(view_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (isVisible()) mark();
  });
}

void FindBar::add_shortcuts(QWidget& window) {
  connect(new QShortcut(QKeySequence::Find, &window), &QShortcut::activated, this, [this] { open(); });
  connect(new QShortcut(QKeySequence::FindNext, &window), &QShortcut::activated, this, [this] { find_next(); });
  connect(new QShortcut(QKeySequence::FindPrevious, &window), &QShortcut::activated, this, [this] { find_previous(); });
}

void FindBar::open() {
  show();
  field_->setFocus(Qt::ShortcutFocusReason);
  field_->selectAll();
  search();
}

void FindBar::close_bar() {
  view_.setExtraSelections({});
  if (on_close_) {
    on_close_();
  } else {
    hide();
  }
  view_.setFocus();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      go(!(key->modifiers() & Qt::ShiftModifier));
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      close_bar();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FindBar::search() {
  const QString text = view_.toPlainText();
  const QString needle = field_->text();
  matches_ = find_matches(utf16(text), utf16(needle), match_case_->isChecked() ? MatchCase::Exact : MatchCase::Ignore);
  current_ = -1;
  mark();
  show_count();
}

void FindBar::go(bool forward, bool from_start) {
  if (matches_.empty()) {
    search();
    if (matches_.empty()) return;
  }
  const QTextCursor caret = view_.textCursor();
  const auto from = static_cast<std::size_t>(forward && !from_start ? caret.selectionEnd() : caret.selectionStart());
  current_ = next_match(matches_, from, forward);
  const auto at = static_cast<int>(matches_[static_cast<std::size_t>(current_)]);
  QTextCursor cursor(view_.document());
  cursor.setPosition(at);
  cursor.setPosition(at + static_cast<int>(field_->text().size()), QTextCursor::KeepAnchor);
  view_.setTextCursor(cursor);
  view_.ensureCursorVisible();
  show_count();
}

void FindBar::mark() {
  QList<QTextEdit::ExtraSelection> marks;
  const auto length = static_cast<int>(field_->text().size());
  QTextCharFormat format;
  format.setBackground(QColor(255, 230, 120));
  const QRect sight = view_.viewport()->rect();
  const auto first = static_cast<std::size_t>(view_.cursorForPosition(sight.topLeft()).block().position());
  const QTextBlock last = view_.cursorForPosition(sight.bottomRight()).block();
  const auto end = static_cast<std::size_t>(last.position() + last.length());
  const auto from = std::ranges::lower_bound(matches_, first >= static_cast<std::size_t>(length) ? first - length : 0);
  for (auto i = static_cast<std::size_t>(from - matches_.begin()); i < matches_.size() && matches_[i] < end; ++i) {
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(view_.document());
    mark.cursor.setPosition(static_cast<int>(matches_[i]));
    mark.cursor.setPosition(static_cast<int>(matches_[i]) + length, QTextCursor::KeepAnchor);
    mark.format = format;
    marks.push_back(mark);
  }
  view_.setExtraSelections(marks);
}

void FindBar::show_count() {
  if (field_->text().isEmpty()) {
    count_->clear();
  } else if (matches_.empty()) {
    count_->setText(QStringLiteral("No match") + no_match_hint_);
  } else if (current_ < 0) {
    count_->setText(QStringLiteral("%1 matches").arg(matches_.size()));
  } else {
    count_->setText(QStringLiteral("%1 of %2").arg(current_ + 1).arg(matches_.size()));
  }
}

void add_find_bar(QMainWindow& frame, QPlainTextEdit& view) {
  auto* bar = new QToolBar(QStringLiteral("Find"), &frame);
  bar->setObjectName(QStringLiteral("findbar"));
  bar->setMovable(false);
  bar->setFloatable(false);
  auto* find = new FindBar(view, bar);
  find->setObjectName(QStringLiteral("mainfind"));
  bar->addWidget(find);
  frame.addToolBar(Qt::BottomToolBarArea, bar);
  bar->hide();
  find->set_on_close([bar] { bar->hide(); });
  // The window keeps its last 250 rows; the transcripts keep every line.
  find->set_no_match_hint(QStringLiteral(" in the window's rows; History keeps every line of each run"));
  QObject::connect(new QShortcut(QKeySequence::Find, &frame), &QShortcut::activated, bar, [bar, find] {
    bar->show();
    find->open();
  });
  QObject::connect(new QShortcut(QKeySequence::FindNext, &frame), &QShortcut::activated, find,
                   [find] { find->find_next(); });
  QObject::connect(new QShortcut(QKeySequence::FindPrevious, &frame), &QShortcut::activated, find,
                   [find] { find->find_previous(); });
}

}  // namespace tarnex::ui
