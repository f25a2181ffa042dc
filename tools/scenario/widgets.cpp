#include "widgets.h"

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
#include <QTabWidget>

namespace tarnex::scenario {

QWidget* topmost_dialog() { return QApplication::activeModalWidget(); }

QMessageBox* open_message_box() {
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) return box;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) return box;
  }
  return nullptr;
}

QWidget* find_control(QWidget* dialog, int id) {
  return dialog ? dialog->findChild<QWidget*>(QStringLiteral("c%1").arg(id)) : nullptr;
}

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

std::string control_text(QWidget* control) {
  QString text;
  if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
  else if (auto* line = qobject_cast<QLineEdit*>(control)) text = line->text();
  else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) text = edit->toPlainText();
  else if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
  else if (auto* group = qobject_cast<QGroupBox*>(control)) text = group->title();
  else if (auto* combo = qobject_cast<QComboBox*>(control)) text = combo->currentText();
  else if (auto* list = qobject_cast<QListWidget*>(control)) text = list->currentItem() ? list->currentItem()->text() : QString();
  else if (auto* tabs = qobject_cast<QTabWidget*>(control)) text = tabs->tabText(tabs->currentIndex());
  return normalise_breaks(text.toStdString());
}

bool selected_entry(QWidget* control, std::string& text) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    text = combo->currentIndex() >= 0 ? combo->itemText(combo->currentIndex()).toStdString() : std::string();
    return true;
  }
  if (auto* list = qobject_cast<QListWidget*>(control)) {
    text = list->currentItem() ? list->currentItem()->text().toStdString() : std::string();
    return true;
  }
  return false;
}

int entry_count(QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->count();
  if (auto* list = qobject_cast<QListWidget*>(control)) return list->count();
  if (auto* tabs = qobject_cast<QTabWidget*>(control)) return tabs->count();
  return -1;
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

}  // namespace tarnex::scenario
