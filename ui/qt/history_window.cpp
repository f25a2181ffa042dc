#include "ui/qt/history_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "history/display_text.h"
#include "ui/qt/find_bar.h"
#include "ui/qt/gui_thread.h"
#include "ui/qt/history_settings.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_ui.h"

namespace tarnex::ui {
namespace {

// The view holds at most this much of a transcript, the head and the tail
// of a larger one: a text view slows down long before a flood's end.
constexpr std::size_t kMostShownBytes = 4 * 1024 * 1024;
constexpr int kFollowMilliseconds = 1000;

enum Column { kStarted, kProgram, kRoots, kDuration, kResult, kColumns };

QString local_time(history::SystemTime time) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
  return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString path_text(const std::filesystem::path& path) { return from_bytes(path.string()); }

QString tool_tip(const history::RunRecord& run) {
  QString tip = path_text(run.path);
  if (!run.header.directory.empty()) tip += QStringLiteral("\nRan in ") + from_bytes(run.header.directory);
  for (const auto& answer : run.header.answers) {
    tip += QStringLiteral("\n") + (answer.root ? QStringLiteral("Root of ") : QStringLiteral("Replace for ")) +
           from_bytes(answer.label) + QStringLiteral(": ") + from_bytes(answer.value);
  }
  if (!run.header_complete) tip += QStringLiteral("\nThe header is damaged: shown as far as it reads.");
  return tip;
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
  auto* made = new QPushButton(text, parent);
  made->setObjectName(name);
  made->setAutoDefault(false);
  return made;
}

}  // namespace

HistoryWindow::HistoryWindow(Ui& ui, QWidget* owner) : QWidget(owner, Qt::Window), ui_(ui) {
  setObjectName(QStringLiteral("history"));
  setWindowTitle(QStringLiteral("Tarnex - History of Runs"));
  resize(1000, 660);

  keep_ = new QCheckBox(QStringLiteral("Keep a transcript of every run"), this);
  keep_->setObjectName(QStringLiteral("keep"));
  place_ = new QLabel(this);
  place_->setObjectName(QStringLiteral("place"));
  place_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  runs_ = new QTreeWidget(this);
  runs_->setObjectName(QStringLiteral("runs"));
  runs_->setColumnCount(kColumns);
  runs_->setHeaderLabels({QStringLiteral("Started"), QStringLiteral("Program"), QStringLiteral("Roots"),
                          QStringLiteral("Duration"), QStringLiteral("Result")});
  runs_->setRootIsDecorated(false);
  runs_->setUniformRowHeights(true);
  runs_->setAllColumnsShowFocus(true);
  runs_->setSelectionMode(QAbstractItemView::SingleSelection);
  runs_->header()->setStretchLastSection(false);
  runs_->header()->setSectionResizeMode(kRoots, QHeaderView::Stretch);
  runs_->setColumnWidth(kStarted, 160);
  runs_->setColumnWidth(kProgram, 80);
  runs_->setColumnWidth(kDuration, 100);
  runs_->setColumnWidth(kResult, 120);

  transcript_ = new QPlainTextEdit(this);
  transcript_->setObjectName(QStringLiteral("transcript"));
  transcript_->setReadOnly(true);
  transcript_->setLineWrapMode(QPlainTextEdit::NoWrap);
  transcript_->setUndoRedoEnabled(false);
  transcript_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  transcript_->setPlaceholderText(QStringLiteral("Choose a run to read what it printed."));
  find_ = new FindBar(*transcript_, this);
  find_->hide();
  find_->add_shortcuts(*this);

  auto* below = new QWidget(this);
  auto* below_layout = new QVBoxLayout(below);
  below_layout->setContentsMargins(0, 0, 0, 0);
  below_layout->addWidget(transcript_);
  below_layout->addWidget(find_);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(runs_);
  split->addWidget(below);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 2);

  auto* find = button(QStringLiteral("&Find..."), QStringLiteral("findbutton"), this);
  copy_ = button(QStringLiteral("&Copy"), QStringLiteral("copy"), this);
  copy_->setToolTip(QStringLiteral("Copies the selected text, or the whole transcript when none is selected"));
  open_ = button(QStringLiteral("&Open transcript"), QStringLiteral("open"), this);
  open_->setToolTip(QStringLiteral("Opens the transcript file with the desktop's default application"));
  again_ = button(QStringLiteral("&Run again..."), QStringLiteral("again"), this);
  again_->setToolTip(QStringLiteral("Opens the run dialog filled with this run's roots and choices"));
  auto* close = button(QStringLiteral("Close"), QStringLiteral("close"), this);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("history-status"));

  auto* top = new QHBoxLayout;
  top->addWidget(keep_);
  top->addSpacing(16);
  top->addWidget(place_, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {find, copy_, open_, again_}) buttons->addWidget(b);
  buttons->addWidget(status_, 1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(split, 1);
  layout->addLayout(buttons);

  follow_ = new QTimer(this);
  follow_->setInterval(kFollowMilliseconds);
  connect(follow_, &QTimer::timeout, this, [this] { refresh(); });
  connect(runs_, &QTreeWidget::currentItemChanged, this, [this] { show_selected(false); });
  connect(keep_, &QCheckBox::toggled, this, [this](bool on) { set_keeping(on); });
  connect(find, &QPushButton::clicked, this, [this] { find_->open(); });
  connect(copy_, &QPushButton::clicked, this, [this] { copy(); });
  connect(open_, &QPushButton::clicked, this, [this] { open_transcript(); });
  connect(again_, &QPushButton::clicked, this, [this] { run_again(); });
  connect(close, &QPushButton::clicked, this, [this] { hide(); });
}

void HistoryWindow::open(HistoryAccess access) {
  access_ = std::move(access);
  {
    const QSignalBlocker quiet(keep_);
    keep_->setChecked(access_.runs && access_.runs->keeping());
  }
  show_place();
  refresh();
  if (!runs_->currentItem() && runs_->topLevelItemCount() > 0) runs_->setCurrentItem(runs_->topLevelItem(0));
  show();
  raise();
  activateWindow();
  follow_->start();
}

void HistoryWindow::refresh() {
  if (!access_.runs) return;
  current_ = access_.runs->current();
  listing_.refresh(access_.runs->directory());
  const auto changes = shown_.update(listing_.runs(), current_);
  if (changes.new_list) fill_list();
  // A run going or just ended: only its row changes.
  for (const std::size_t i : changes.rows) describe(*runs_->topLevelItem(static_cast<int>(i)), listing_.runs()[i]);
  // The run now going, or one that just ended, grows under the view.
  if (const auto* run = selected(); run && run->path == viewed_ && run->file_bytes != viewed_bytes_) {
    show_selected(true);
  }
}

void HistoryWindow::describe(QTreeWidgetItem& item, const history::RunRecord& run) const {
  const bool ended = run.end.outcome != history::Outcome::Unknown;
  item.setText(kStarted, local_time(run.when()));
  item.setText(kProgram, run.header.program.empty() ? QStringLiteral("?") : from_bytes(run.header.program));
  item.setText(kRoots, from_bytes(run.roots_text()));
  item.setText(kDuration, ended ? QString::fromStdString(history::duration_text(run.end.duration)) : QString());
  item.setText(kResult, run.path == current_ ? QStringLiteral("running")
                                             : QString::fromStdString(history::outcome_text(run.end)));
  item.setTextAlignment(kDuration, Qt::AlignRight | Qt::AlignVCenter);
  item.setData(0, Qt::UserRole, path_text(run.path));
  item.setToolTip(kRoots, tool_tip(run));
  item.setToolTip(kStarted, tool_tip(run));
}

void HistoryWindow::fill_list() {
  const QString chosen = runs_->currentItem() ? runs_->currentItem()->data(0, Qt::UserRole).toString() : QString();
  const QSignalBlocker quiet(runs_);
  runs_->clear();
  QList<QTreeWidgetItem*> items;
  QTreeWidgetItem* again = nullptr;
  for (const auto& run : listing_.runs()) {
    auto* item = new QTreeWidgetItem;
    describe(*item, run);
    if (item->data(0, Qt::UserRole).toString() == chosen) again = item;
    items.push_back(item);
  }
  runs_->addTopLevelItems(items);
  if (again) runs_->setCurrentItem(again);
  if (!again && !chosen.isEmpty()) show_selected(false);
  const bool any = runs_->currentItem() != nullptr;
  for (QPushButton* b : {copy_, open_, again_}) b->setEnabled(any);
}

// The rows stand in the listing's order.
const history::RunRecord* HistoryWindow::selected() const {
  const int row = runs_->indexOfTopLevelItem(runs_->currentItem());
  if (row < 0 || static_cast<std::size_t>(row) >= listing_.runs().size()) return nullptr;
  return &listing_.runs()[static_cast<std::size_t>(row)];
}

void HistoryWindow::show_selected(bool follow) {
  const auto* run = selected();
  for (QPushButton* b : {copy_, open_, again_}) b->setEnabled(run != nullptr);
  if (!run) {
    transcript_->clear();
    viewed_.clear();
    return;
  }
  auto* bar = transcript_->verticalScrollBar();
  const bool at_end = bar->value() == bar->maximum();
  const int kept = bar->value();
  viewed_ = run->path;
  viewed_bytes_ = run->file_bytes;
  transcript_->setPlainText(
      QString::fromUtf8(history::displayable(history::transcript_bytes(run->path, kMostShownBytes))));
  if (follow) bar->setValue(at_end ? bar->maximum() : kept);
  if (find_->isVisible()) find_->search();
  say({});
}

void HistoryWindow::copy() {
  const QString selection = transcript_->textCursor().selectedText();
  QString text = selection.isEmpty() ? transcript_->toPlainText() : selection;
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  QApplication::clipboard()->setText(text);
  say(selection.isEmpty() ? QStringLiteral("The whole transcript is copied.")
                          : QStringLiteral("The selection is copied."));
}

void HistoryWindow::open_transcript() {
  const auto* run = selected();
  if (!run) return;
  if (ui_.shell_open(run->path.string()) <= 32) say(QStringLiteral("No application opened ") + path_text(run->path));
}

void HistoryWindow::run_again() {
  const auto* run = selected();
  if (!run || !access_.run_again) return;
  const std::string refusal = access_.run_again(*run);
  say(refusal.empty() ? QStringLiteral("The run dialog opens with this run's roots and choices.")
                      : from_bytes(refusal));
}

void HistoryWindow::set_keeping(bool keeping) {
  if (access_.runs) access_.runs->set_keeping(keeping);
  store_keeping(keeping);
  show_place();
}

void HistoryWindow::show_place() {
  if (!access_.runs) return;
  const auto directory = access_.runs->directory();
  const auto limits = access_.runs->limits();
  if (directory.empty()) {
    place_->setText(QStringLiteral("No state directory is known: set HOME or XDG_STATE_HOME."));
    return;
  }
  place_->setText(QStringLiteral("The newest %1 runs, within %2 MB, in %3")
                      .arg(limits.runs)
                      .arg(limits.bytes / 1'000'000)
                      .arg(path_text(directory)));
}

void HistoryWindow::say(const QString& text) { status_->setText(text); }

void QtUi::show_history(HistoryAccess access) {
  on_gui([&] {
    if (stopping_) return;
    if (!history_window_) history_window_ = new HistoryWindow(*this, main_window());
    history_window_->open(std::move(access));
  });
}

void QtUi::set_history_notice(std::string_view text) {
  on_gui([&] {
    if (!history_notice_) {
      history_notice_ = new QLabel;
      history_notice_->setObjectName(QStringLiteral("history-notice"));
      main_window()->statusBar()->addPermanentWidget(history_notice_);
    }
    history_notice_->setText(from_bytes(text));
    history_notice_->setVisible(!text.empty());
  });
}

}  // namespace tarnex::ui
