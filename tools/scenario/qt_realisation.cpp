#include "qt_realisation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace tarnex::scenario {
namespace {

QWidget* topmost_dialog() { return QApplication::activeModalWidget(); }

QMessageBox* open_message_box() {
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) return box;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) return box;
  }
  return nullptr;
}

// Control c<id> of the topmost dialog, pages of its tab controls included.
QWidget* find_control(int id) {
  QWidget* dialog = topmost_dialog();
  return dialog ? dialog->findChild<QWidget*>(QStringLiteral("c%1").arg(id)) : nullptr;
}

QAction* find_menu_item(QMainWindow* window, const std::string& menu, const std::string& item) {
  for (QAction* top : window->menuBar()->actions()) {
    if (top->text().toStdString() != menu || !top->menu()) continue;
    for (QAction* action : top->menu()->actions()) {
      if (!action->isSeparator() && action->text().toStdString() == item) return action;
    }
  }
  return nullptr;
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

// The widget typed into: an editable combo box's line.
QWidget* typing_target(QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) return combo->lineEdit();
  return control;
}

ControlView view_of(QWidget* control) {
  ControlView view;
  view.enabled = control->isEnabled();
  view.shown = control->isVisible();
  QString text;
  if (auto* label = qobject_cast<QLabel*>(control)) {
    view.kind = ControlKind::Label;
    text = label->text();
  } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
    view.kind = ControlKind::Label;
    text = group->title();
  } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
    view.kind = ControlKind::Edit;
    text = line->text();
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
    view.kind = ControlKind::Edit;
    text = edit->toPlainText();
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    view.kind = button->isCheckable() ? ControlKind::CheckBox : ControlKind::PushButton;
    view.checked = button->isChecked();
    text = button->text();
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    view.kind = ControlKind::List;
    text = combo->currentText();
    for (int i = 0; i < combo->count(); ++i) view.entries.push_back(combo->itemText(i).toStdString());
    view.selected = combo->currentIndex();
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    view.kind = ControlKind::List;
    text = list->currentItem() ? list->currentItem()->text() : QString();
    for (int i = 0; i < list->count(); ++i) view.entries.push_back(list->item(i)->text().toStdString());
    view.selected = list->currentItem() ? list->currentRow() : -1;
  } else if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
    view.kind = ControlKind::Tabs;
    text = tabs->tabText(tabs->currentIndex());
    for (int i = 0; i < tabs->count(); ++i) view.entries.push_back(tabs->tabText(i).toStdString());
    view.selected = tabs->currentIndex();
  } else if (qobject_cast<QScrollBar*>(control)) {
    view.kind = ControlKind::ScrollBar;
  }
  const QWidget* target = typing_target(control);
  view.editable = qobject_cast<const QLineEdit*>(target) || qobject_cast<const QPlainTextEdit*>(target);
  view.text = text.toStdString();
  return view;
}

// Runs a user action after the current tick, so that a dialog it opens runs
// its own loop while the ticks go on.
void post(QObject* context, std::function<void()> action) { QTimer::singleShot(0, context, std::move(action)); }

}  // namespace

std::optional<WindowView> QtRealisation::topmost() {
  QWidget* dialog = topmost_dialog();
  if (!dialog) return std::nullopt;
  WindowView view;
  view.name = dialog->objectName().toStdString();
  view.title = dialog->windowTitle().toStdString();
  if (qobject_cast<QMessageBox*>(dialog)) {
    view.kind = WindowView::Kind::MessageBox;
  } else if (view.name.starts_with("d") && dialog->isVisible()) {
    view.kind = WindowView::Kind::Dialog;
    view.dialog_id = QString::fromStdString(view.name.substr(1)).toInt();
  }
  return view;
}

std::optional<ControlView> QtRealisation::control(int id) {
  QWidget* control = find_control(id);
  if (!control) return std::nullopt;
  return view_of(control);
}

std::optional<std::string> QtRealisation::message_box() {
  QMessageBox* box = open_message_box();
  if (!box) return std::nullopt;
  return box->text().toStdString();
}

std::optional<bool> QtRealisation::menu_item(const std::string& menu, const std::string& item) {
  QAction* action = find_menu_item(program_.ui().main_window(), menu, item);
  if (!action) return std::nullopt;
  return action->isEnabled();
}

void QtRealisation::choose_menu_item(const std::string& menu, const std::string& item) {
  QAction* action = find_menu_item(program_.ui().main_window(), menu, item);
  post(&context_, [action] { action->trigger(); });
}

void QtRealisation::focus(int id) {
  QWidget* target = typing_target(find_control(id));
  post(&context_, [target] { give_focus(target); });
}

void QtRealisation::type(int id, const std::string& text) {
  QWidget* target = typing_target(find_control(id));
  post(&context_, [target, text] {
    give_focus(target);
    type_keys(target, text);
  });
}

void QtRealisation::click(int id) {
  auto* button = qobject_cast<QAbstractButton*>(find_control(id));
  post(&context_, [button] { button->click(); });
}

void QtRealisation::choose(int id, int index) {
  QWidget* control = find_control(id);
  post(&context_, [control, index] {
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
      combo->setCurrentIndex(index);
      emit combo->activated(index);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
      list->setCurrentRow(index);
    } else {
      static_cast<QTabWidget*>(control)->setCurrentIndex(index);
    }
  });
}

void QtRealisation::scroll(int id, int position) {
  auto* bar = qobject_cast<QScrollBar*>(find_control(id));
  post(&context_, [bar, position] { bar->setValue(position); });
}

void QtRealisation::press_message_box() {
  QMessageBox* box = open_message_box();
  QAbstractButton* button = box->buttons().isEmpty() ? nullptr : box->buttons().first();
  post(&context_, [box, button] {
    if (button) button->click();
    else box->done(0);
  });
}

}  // namespace tarnex::scenario
