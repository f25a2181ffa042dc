#include "ui/qt/qt_dialog.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextBlock>

#include "ui/qt/gui_thread.h"
#include "ui/qt/qt_text.h"

namespace tarnex::ui {
namespace {

// Widths in pixels: an edit box, and a read-only one, which shows a
// description of some forty characters.
constexpr int kEditWidth = 160;
constexpr int kDescriptionWidth = 300;

// How many characters wide a list with a given number of lines opens.
constexpr int kListColumns = 80;

// A dialog that ends with Cancel (2) when closed by Escape or the title bar.
class TemplateDialog final : public QDialog {
 public:
  using QDialog::QDialog;
  void reject() override { done(kCancel); }
};

// Reports the focus the user gives (click, Tab, a test's explicit focus), not
// the focus a window gets back when it becomes active again.
class FocusWatcher final : public QObject {
 public:
  FocusWatcher(QObject* parent, std::function<void()> gained) : QObject(parent), gained_(std::move(gained)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) gained_();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> gained_;
};

}  // namespace

QtDialog::QtDialog(const DialogTemplate& dialog_template, QWidget* owner, const std::atomic<bool>& stopping)
    : id_(dialog_template.id), stopping_(stopping) {
  dialog_ = new TemplateDialog(dialog_template.page ? nullptr : owner);
  dialog_->setObjectName(QStringLiteral("d%1").arg(id_));
  dialog_->setWindowTitle(from_bytes(dialog_template.title));
  if (dialog_template.page) dialog_->setWindowFlags(Qt::Widget);
  build(dialog_template);
}

QtDialog::~QtDialog() {
  if (dialog_) {
    QDialog* dialog = dialog_;
    on_gui([dialog] { delete dialog; });
  }
}

void QtDialog::build(const DialogTemplate& dialog_template) {
  auto* grid = new QGridLayout(dialog_);
  std::map<int, QGridLayout*> group_grids;
  std::map<int, QButtonGroup*> radio_groups;
  for (const auto& control : dialog_template.controls) {
    QWidget* widget = make_widget(control);
    QGridLayout* target = grid;
    if (control.parent != 0 && group_grids.count(control.parent)) target = group_grids[control.parent];
    target->addWidget(widget, control.row, control.column, control.row_span, control.column_span);
    if (control.kind == ControlKind::GroupBox) group_grids[control.id] = new QGridLayout(widget);
    if (control.kind == ControlKind::RadioButton) {
      auto*& group = radio_groups[control.radio_group];
      if (!group) group = new QButtonGroup(dialog_);
      group->addButton(static_cast<QAbstractButton*>(widget));
    }
    if (control.hidden) widget->hide();
    if (control.id != -1) controls_[control.id] = {control.kind, widget};
    connect_events(control, widget);
  }
}

QWidget* QtDialog::make_widget(const ControlTemplate& control) {
  const QString caption = from_bytes(control.caption);
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Static: {
      auto* label = new QLabel(caption);
      label->setTextFormat(Qt::PlainText);
      widget = label;
      break;
    }
    case ControlKind::Edit:
      if (control.multi_line) {
        auto* edit = new QPlainTextEdit(caption);
        edit->setReadOnly(control.read_only);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        if (control.lines > 0) {
          const int margins = static_cast<int>(2 * (edit->document()->documentMargin() + edit->frameWidth()));
          edit->setFixedHeight(control.lines * edit->fontMetrics().lineSpacing() + margins);
        }
        widget = edit;
      } else {
        auto* edit = new QLineEdit(caption);
        edit->setReadOnly(control.read_only);
        edit->setMinimumWidth(control.read_only ? kDescriptionWidth : kEditWidth);
        widget = edit;
      }
      break;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
      auto* button = new QPushButton(caption);
      button->setDefault(control.kind == ControlKind::DefaultPushButton);
      button->setAutoDefault(control.kind == ControlKind::DefaultPushButton);
      widget = button;
      break;
    }
    case ControlKind::CheckBox:
      widget = new QCheckBox(caption);
      break;
    case ControlKind::RadioButton:
      widget = new QRadioButton(caption);
      break;
    case ControlKind::GroupBox:
      widget = new QGroupBox(caption);
      break;
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo: {
      auto* combo = new QComboBox;
      combo->setEditable(control.kind == ControlKind::DropDownCombo);
      for (const auto& item : control.items) combo->addItem(from_bytes(item));
      combo->setCurrentIndex(-1);
      widget = combo;
      break;
    }
    case ControlKind::ListBox: {
      auto* list = new QListWidget;
      for (const auto& item : control.items) list->addItem(from_bytes(item));
      // A list box scrolls sideways only through a scroll bar of its dialog.
      list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      list->setTextElideMode(Qt::ElideNone);
      widget = list;
      break;
    }
    case ControlKind::ScrollBar:
      widget = new QScrollBar(Qt::Horizontal);
      break;
    case ControlKind::TabControl: {
      auto* tabs = new QTabWidget;
      for (const auto& item : control.items) tabs->addTab(new QWidget, from_bytes(item));
      widget = tabs;
      break;
    }
  }
  if (control.fixed_pitch) widget->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  if (auto* list = qobject_cast<QListWidget*>(widget); list && control.lines > 0) {
    const QFontMetrics metrics(list->font());
    list->setMinimumSize(kListColumns * metrics.horizontalAdvance(QLatin1Char('0')),
                         control.lines * metrics.lineSpacing() + 2 * list->frameWidth());
  }
  if (control.always_scroll_bar) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  widget->setObjectName(QStringLiteral("c%1").arg(control.id));
  return widget;
}

void QtDialog::connect_events(const ControlTemplate& control, QWidget* widget) {
  const int id = control.id;
  auto on_focus = [this, id] { fire(id, Event::FocusGain); };
  switch (control.kind) {
    case ControlKind::Edit:
      widget->installEventFilter(new FocusWatcher(widget, on_focus));
      if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        QObject::connect(line, &QLineEdit::textEdited, dialog_, [this, id] { user_typed(id); });
      } else {
        auto* edit = static_cast<QPlainTextEdit*>(widget);
        QObject::connect(edit, &QPlainTextEdit::textChanged, dialog_, [this, id] { user_typed(id); });
      }
      break;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
      QObject::connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, dialog_, [this, id] {
        if (callbacks_.count({id, Event::Click})) {
          fire(id, Event::Click);
        } else {
          end(id);
        }
      });
      break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, dialog_,
                       [this, id] { fire(id, Event::Click); });
      break;
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo: {
      auto* combo = static_cast<QComboBox*>(widget);
      QObject::connect(combo, &QComboBox::activated, dialog_, [this, id] { fire(id, Event::SelectionChange); });
      if (combo->lineEdit()) {
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, dialog_, [this, id] { fire(id, Event::EditChange); });
        combo->lineEdit()->installEventFilter(new FocusWatcher(combo, on_focus));
      }
      break;
    }
    case ControlKind::ListBox:
      QObject::connect(static_cast<QListWidget*>(widget), &QListWidget::currentRowChanged, dialog_,
                       [this, id] { fire(id, Event::SelectionChange); });
      break;
    case ControlKind::ScrollBar:
      QObject::connect(static_cast<QScrollBar*>(widget), &QScrollBar::valueChanged, dialog_,
                       [this, id] { fire(id, Event::ScrollChange); });
      break;
    case ControlKind::TabControl:
      QObject::connect(static_cast<QTabWidget*>(widget), &QTabWidget::currentChanged, dialog_,
                       [this, id] { fire(id, Event::SelectionChange); });
      break;
    case ControlKind::Static:
    case ControlKind::GroupBox:
      break;
  }
}

// A typed text longer than the box's limit is cut back, as the desktop's
// edit box refuses the extra keys; text set by the program is not limited.
void QtDialog::user_typed(int control_id) {
  const auto* c = find(control_id);
  auto limit = limits_.find(control_id);
  if (limit != limits_.end() && limit->second > 0) {
    if (auto* line = qobject_cast<QLineEdit*>(c->widget); line && line->text().size() > limit->second) {
      QSignalBlocker block(line);
      line->setText(line->text().left(limit->second));
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(c->widget);
               edit && edit->toPlainText().size() > limit->second) {
      QSignalBlocker block(edit);
      edit->setPlainText(edit->toPlainText().left(limit->second));
      edit->moveCursor(QTextCursor::End);
    }
  }
  fire(control_id, Event::EditChange);
}

const QtDialog::Control* QtDialog::find(int control_id) const {
  auto it = controls_.find(control_id);
  return it == controls_.end() ? nullptr : &it->second;
}

void QtDialog::fire(int control_id, Event event) {
  auto it = callbacks_.find({control_id, event});
  if (it == callbacks_.end()) return;
  auto callback = it->second;
  callback(*this, control_id, event);
}

void QtDialog::set_caption(std::string_view caption) {
  on_gui([&] { dialog_->setWindowTitle(from_bytes(caption)); });
}

std::string QtDialog::caption() const {
  return on_gui([&] { return to_bytes(dialog_->windowTitle()); });
}

bool QtDialog::has_control(int control_id) const { return find(control_id) != nullptr; }

void QtDialog::set_text(int control_id, std::string_view text) {
  on_gui([&] {
    const auto* c = find(control_id);
    if (!c) return;
    const QString value = from_bytes(text);
    QSignalBlocker block(c->widget);
    if (auto* label = qobject_cast<QLabel*>(c->widget)) label->setText(value);
    else if (auto* line = qobject_cast<QLineEdit*>(c->widget)) {
      line->setText(value);
      // a description reads from its start, not from where typing would go on
      if (line->isReadOnly()) line->setCursorPosition(0);
    }
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(c->widget)) edit->setPlainText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(c->widget)) button->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(c->widget)) group->setTitle(value);
    else if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
      if (combo->isEditable()) combo->setCurrentText(value);
      else combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly));
    } else if (auto* list = qobject_cast<QListWidget*>(c->widget)) {
      const auto found = list->findItems(value, Qt::MatchExactly);
      list->setCurrentRow(found.isEmpty() ? -1 : list->row(found.first()));
    }
  });
}

std::string QtDialog::text(int control_id) const {
  return on_gui([&]() -> std::string {
    const auto* c = find(control_id);
    if (!c) return {};
    if (auto* label = qobject_cast<QLabel*>(c->widget)) return to_bytes(label->text());
    if (auto* line = qobject_cast<QLineEdit*>(c->widget)) return to_bytes(line->text());
    if (auto* edit = qobject_cast<QPlainTextEdit*>(c->widget)) return to_bytes(edit->toPlainText());
    if (auto* button = qobject_cast<QAbstractButton*>(c->widget)) return to_bytes(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(c->widget)) return to_bytes(group->title());
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) return to_bytes(combo->currentText());
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) {
      return list->currentItem() ? to_bytes(list->currentItem()->text()) : std::string();
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(c->widget)) return to_bytes(tabs->tabText(tabs->currentIndex()));
    return {};
  });
}

void QtDialog::set_checked(int control_id, bool checked) {
  on_gui([&] {
    const auto* c = find(control_id);
    if (auto* button = c ? qobject_cast<QAbstractButton*>(c->widget) : nullptr) {
      QSignalBlocker block(button);
      button->setChecked(checked);
    }
  });
}

bool QtDialog::checked(int control_id) const {
  return on_gui([&] {
    const auto* c = find(control_id);
    auto* button = c ? qobject_cast<QAbstractButton*>(c->widget) : nullptr;
    return button && button->isChecked();
  });
}

void QtDialog::set_enabled(int control_id, bool enabled) {
  on_gui([&] {
    if (const auto* c = find(control_id)) c->widget->setEnabled(enabled);
  });
}

bool QtDialog::enabled(int control_id) const {
  return on_gui([&] {
    const auto* c = find(control_id);
    return c && c->widget->isEnabled();
  });
}

void QtDialog::set_text_limit(int control_id, int limit) {
  on_gui([&] { limits_[control_id] = limit; });
}

void QtDialog::set_caret(int control_id, int position) {
  on_gui([&] {
    const auto* c = find(control_id);
    if (!c) return;
    if (auto* line = qobject_cast<QLineEdit*>(c->widget)) {
      line->setCursorPosition(position - 1);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(c->widget)) {
      auto cursor = edit->textCursor();
      cursor.setPosition(std::clamp(position - 1, 0, static_cast<int>(edit->toPlainText().size())));
      edit->setTextCursor(cursor);
      edit->ensureCursorVisible();
    }
  });
}

int QtDialog::caret(int control_id) const {
  return on_gui([&] {
    const auto* c = find(control_id);
    if (!c) return 0;
    if (auto* line = qobject_cast<QLineEdit*>(c->widget)) return line->cursorPosition() + 1;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(c->widget)) return edit->textCursor().position() + 1;
    return 0;
  });
}

void QtDialog::set_item_count(int control_id, int count) {
  on_gui([&] {
    const auto* c = find(control_id);
    if (!c) return;
    QSignalBlocker block(c->widget);
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
      while (combo->count() > count) combo->removeItem(combo->count() - 1);
      while (combo->count() < count) combo->addItem(QString());
    } else if (auto* list = qobject_cast<QListWidget*>(c->widget)) {
      while (list->count() > count) delete list->takeItem(list->count() - 1);
      while (list->count() < count) list->addItem(QString());
    } else if (auto* tabs = qobject_cast<QTabWidget*>(c->widget)) {
      while (tabs->count() > count) tabs->removeTab(tabs->count() - 1);
      while (tabs->count() < count) tabs->addTab(new QWidget, QString());
    }
  });
}

int QtDialog::item_count(int control_id) const {
  return on_gui([&] {
    const auto* c = find(control_id);
    if (!c) return 0;
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) return combo->count();
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) return list->count();
    if (auto* tabs = qobject_cast<QTabWidget*>(c->widget)) return tabs->count();
    return 0;
  });
}

void QtDialog::set_item_text(int control_id, int index, std::string_view text) {
  if (index < 1) return;
  if (item_count(control_id) < index) set_item_count(control_id, index);
  on_gui([&] {
    const auto* c = find(control_id);
    if (!c) return;
    QSignalBlocker block(c->widget);
    const QString value = from_bytes(text);
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) combo->setItemText(index - 1, value);
    else if (auto* list = qobject_cast<QListWidget*>(c->widget)) list->item(index - 1)->setText(value);
    else if (auto* tabs = qobject_cast<QTabWidget*>(c->widget)) tabs->setTabText(index - 1, value);
  });
}

std::string QtDialog::item_text(int control_id, int index) const {
  return on_gui([&]() -> std::string {
    const auto* c = find(control_id);
    if (!c || index < 1 || index > item_count(control_id)) return {};
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) return to_bytes(combo->itemText(index - 1));
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) return to_bytes(list->item(index - 1)->text());
    if (auto* tabs = qobject_cast<QTabWidget*>(c->widget)) return to_bytes(tabs->tabText(index - 1));
    return {};
  });
}

void QtDialog::set_selected(int control_id, int index) {
  on_gui([&] {
    const auto* c = find(control_id);
    if (!c) return;
    QSignalBlocker block(c->widget);
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) combo->setCurrentIndex(index - 1);
    else if (auto* list = qobject_cast<QListWidget*>(c->widget)) list->setCurrentRow(index - 1);
    else if (auto* tabs = qobject_cast<QTabWidget*>(c->widget)) tabs->setCurrentIndex(index - 1);
  });
}

int QtDialog::selected(int control_id) const {
  return on_gui([&] {
    const auto* c = find(control_id);
    if (!c) return 0;
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) return combo->currentIndex() + 1;
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) return list->currentRow() + 1;
    if (auto* tabs = qobject_cast<QTabWidget*>(c->widget)) return tabs->currentIndex() + 1;
    return 0;
  });
}

void QtDialog::set_scroll_range(int control_id, int minimum, int maximum) {
  on_gui([&] {
    const auto* c = find(control_id);
    if (auto* bar = c ? qobject_cast<QScrollBar*>(c->widget) : nullptr) {
      QSignalBlocker block(bar);
      bar->setRange(minimum, maximum);
    }
  });
}

void QtDialog::set_scroll_page(int control_id, int page) {
  on_gui([&] {
    const auto* c = find(control_id);
    if (auto* bar = c ? qobject_cast<QScrollBar*>(c->widget) : nullptr) {
      QSignalBlocker block(bar);
      bar->setPageStep(page);
    }
  });
}

void QtDialog::set_scroll_position(int control_id, int position) {
  on_gui([&] {
    const auto* c = find(control_id);
    if (auto* bar = c ? qobject_cast<QScrollBar*>(c->widget) : nullptr) {
      QSignalBlocker block(bar);
      bar->setValue(position);
    }
  });
}

int QtDialog::scroll_position(int control_id) const {
  return on_gui([&] {
    const auto* c = find(control_id);
    auto* bar = c ? qobject_cast<QScrollBar*>(c->widget) : nullptr;
    return bar ? bar->value() : 0;
  });
}

void QtDialog::set_callback(int control_id, Event event, Callback callback) {
  on_gui([&] {
    if (control_id == id_ && event == Event::DialogInit) callbacks_[{id_, Event::DialogClose}] = callback;
    callbacks_[{control_id, event}] = std::move(callback);
  });
}

int QtDialog::run_modal() {
  return on_gui([&] {
    if (stopping_) return kCancel;
    ended_early_ = false;
    fire(id_, Event::DialogInit);
    int result = ended_early_ ? early_result_ : dialog_->exec();
    fire(id_, Event::DialogClose);
    return result;
  });
}

void QtDialog::end(int result) {
  on_gui([&] {
    if (dialog_->isVisible()) {
      dialog_->done(result);
    } else {
      // Ended by the opening callback, before the dialog is shown.
      ended_early_ = true;
      early_result_ = result;
    }
  });
}

void QtDialog::show_page(int tab_control_id, int tab_index, Dialog& page) {
  on_gui([&] {
    const auto* c = find(tab_control_id);
    auto* tabs = c ? qobject_cast<QTabWidget*>(c->widget) : nullptr;
    auto* page_widget = static_cast<QtDialog&>(page).widget();
    if (!tabs || !page_widget || tab_index < 1 || tab_index > tabs->count()) return;
    QWidget* holder = tabs->widget(tab_index - 1);
    if (!holder->layout()) new QGridLayout(holder);
    page_widget->setParent(holder, Qt::Widget);
    holder->layout()->addWidget(page_widget);
    page_widget->show();
  });
}

}  // namespace tarnex::ui
