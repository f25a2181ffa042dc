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
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "ui/qt/gui_thread.h"
#include "ui/qt/qt_text.h"

namespace tarnex::ui {
namespace {

// Widths in pixels: an edit box, and a read-only one, which shows a
// description of some forty characters (the whole text is its tooltip).
constexpr int kEditWidth = 160;
constexpr int kDescriptionWidth = 300;

// How many characters wide a list with a given number of lines opens.
constexpr int kListColumns = 80;

// A read-only text opens showing all of it, as far as a 1366x768 screen
// allows: at most this many digits wide (longer lines wrap; a text wrapped by
// hand at 80 characters is not) and this many lines high (more scroll).
constexpr int kTextColumns = 90;
constexpr int kTextLines = 30;

// The lines a box of values, one a line, shows when its template gives none;
// more scroll.
constexpr int kValueListLines = 5;

// A dialog that ends with Cancel (2) when closed by Escape or the title bar.
class TemplateDialog final : public QDialog {
 public:
  using QDialog::QDialog;
  void reject() override { done(kCancel); }
};

// Reports the focus the user gives (click, Tab, a test's explicit focus), not
// the focus a window gets back when it becomes active again. A click gives
// the focus before the box sees the click; when the focus callback placed the
// caret, the click must not move it elsewhere, so it is not passed on.
class FocusWatcher final : public QObject {
 public:
  // `gained` returns whether the caret was placed in answer.
  FocusWatcher(QObject* parent, std::function<bool()> gained) : QObject(parent), gained_(std::move(gained)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        const bool placed = gained_();
        caret_kept_ = placed && reason == Qt::MouseFocusReason;
      }
    } else if (event->type() == QEvent::MouseButtonPress && caret_kept_) {
      caret_kept_ = false;
      return true;
    } else if (event->type() == QEvent::FocusOut) {
      caret_kept_ = false;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool()> gained_;
  bool caret_kept_ = false;
};

// In a box that holds one value, Enter presses the dialog's default button
// instead of breaking the line.
class EnterPressesDefault final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return QObject::eventFilter(watched, event);
    const auto buttons = static_cast<QWidget*>(watched)->window()->findChildren<QPushButton*>();
    const auto found = std::find_if(buttons.begin(), buttons.end(), [](const QPushButton* button) {
      return button->isDefault() && button->isVisible() && button->isEnabled();
    });
    if (found != buttons.end()) (*found)->click();
    return true;
  }
};

// A key pressed in a list presses a push button of its dialog.
class KeyPressesButton final : public QObject {
 public:
  KeyPressesButton(QObject* parent, int key, std::function<void()> press)
      : QObject(parent), key_(key), press_(std::move(press)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == key_) {
      press_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  int key_;
  std::function<void()> press_;
};

// A multi-line box whose opening size follows its text. Without Q_OBJECT it
// is a QPlainTextEdit to everything that looks for one.
class TextBox final : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  void set_size_hint(QSize hint) {
    hint_ = hint;
    updateGeometry();
  }
  QSize sizeHint() const override { return hint_.isValid() ? hint_ : QPlainTextEdit::sizeHint(); }

 private:
  QSize hint_;
};

// How high `text` is when wrapped at `width` pixels as the box wraps it: at
// word boundaries, or anywhere in a word longer than a line.
qreal wrapped_height(const QString& text, const QFont& font, qreal width) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  qreal height = 0;
  for (const auto& paragraph : text.split(QLatin1Char('\n'))) {
    QTextLayout layout(paragraph, font);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      height += line.height();
    }
    layout.endLayout();
  }
  return height;
}

// The size at which a read-only multi-line edit shows its whole text: as wide
// as its longest line, so that a text wrapped by hand keeps its lines, up to
// kTextColumns; as high as its lines, up to kTextLines, beyond which it
// scrolls; at least `lines` high.
struct TextFit {
  QSize size;
  bool scrolls = false;
};

TextFit fit_for_text(const QPlainTextEdit& edit, int lines) {
  const QFontMetrics metrics(edit.font());
  const QString text = edit.toPlainText();
  int longest = 0;
  for (const auto& line : text.split(QLatin1Char('\n'))) longest = std::max(longest, metrics.horizontalAdvance(line));
  const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
  // a character to spare, so that a longest line is never wrapped
  const int text_width = std::min(longest, kTextColumns * digit) + digit;
  const qreal height = wrapped_height(text, edit.font(), text_width);
  const int least = std::max(lines, 1) * metrics.lineSpacing();
  const int most = std::max(lines, kTextLines) * metrics.lineSpacing();
  const bool scrolls = height > most;
  const int text_height = std::clamp(static_cast<int>(std::ceil(height)), least, most);
  const int margins = static_cast<int>(std::ceil(2 * edit.document()->documentMargin())) + 2 * edit.frameWidth();
  const int scroll_bar = scrolls ? edit.verticalScrollBar()->sizeHint().width() : 0;
  // a line to spare, for the box's own rounding of line heights
  return {{text_width + margins + scroll_bar, text_height + metrics.lineSpacing() + margins}, scrolls};
}

// A box that shows its whole text has no scroll bar: one shown while the box
// is laid out would narrow it and wrap the lines it was made wide for.
void fit_to_text(QPlainTextEdit& edit, int lines) {
  const TextFit fit = fit_for_text(edit, lines);
  edit.setMinimumSize(fit.size);
  if (auto* box = dynamic_cast<TextBox*>(&edit)) box->set_size_hint(fit.size);
  edit.setVerticalScrollBarPolicy(fit.scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

// A set of lambdas called as one, each taking the widget kind it handles.
template <typename... Lambdas>
struct Overloaded : Lambdas... {
  using Lambdas::operator()...;
};
template <typename... Lambdas>
Overloaded(Lambdas...) -> Overloaded<Lambdas...>;

// Calls `act` with `widget` as the first of `Widgets` it is; false when it is
// none of them.
template <typename... Widgets, typename Act>
bool act_as_first_of(QWidget* widget, Act& act) {
  return ([&] {
    auto* as = qobject_cast<Widgets*>(widget);
    if (as) act(*as);
    return as != nullptr;
  }() || ...);
}

// The text of entry `row`, from 0, of a list-like control.
QString entry_text(const QComboBox& combo, int row) { return combo.itemText(row); }
QString entry_text(const QListWidget& list, int row) { return list.item(row)->text(); }
QString entry_text(const QTabWidget& tabs, int row) { return tabs.tabText(row); }

// One factory a control kind; what every kind shares is done by make_widget.
using Factory = QWidget* (*)(const ControlTemplate& control, const QString& caption);

QWidget* make_static(const ControlTemplate&, const QString& caption) {
  auto* label = new QLabel(caption);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// Read-only boxes are no tab stops: Tab goes from value to value, and a click
// still lets the user select and copy their text.
QWidget* make_edit(const ControlTemplate& control, const QString& caption) {
  if (control.label && control.read_only && !control.multi_line) {
    auto* label = new QLabel(caption);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
  }
  if (control.multi_line) {
    auto* edit = new TextBox(caption);
    edit->setReadOnly(control.read_only);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // a tab is never a value: Tab and Shift+Tab move on
    edit->setTabChangesFocus(true);
    if (control.read_only) {
      edit->setFocusPolicy(Qt::ClickFocus);
      fit_to_text(*edit, control.lines);
    } else {
      const int margins = static_cast<int>(2 * (edit->document()->documentMargin() + edit->frameWidth()));
      const int lines = control.lines > 0 ? control.lines : kValueListLines;
      edit->setFixedHeight(lines * edit->fontMetrics().lineSpacing() + margins);
    }
    if (control.one_value) edit->installEventFilter(new EnterPressesDefault(edit));
    return edit;
  }
  auto* edit = new QLineEdit(caption);
  edit->setReadOnly(control.read_only);
  edit->setMinimumWidth(control.read_only ? kDescriptionWidth : kEditWidth);
  if (control.read_only) {
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setToolTip(caption);
  }
  return edit;
}

QWidget* make_push_button(const ControlTemplate& control, const QString& caption) {
  auto* button = new QPushButton(caption);
  const bool is_default = control.kind == ControlKind::DefaultPushButton;
  button->setDefault(is_default);
  button->setAutoDefault(is_default);
  return button;
}

QWidget* make_check_box(const ControlTemplate&, const QString& caption) { return new QCheckBox(caption); }

QWidget* make_radio_button(const ControlTemplate&, const QString& caption) { return new QRadioButton(caption); }

QWidget* make_group_box(const ControlTemplate&, const QString& caption) { return new QGroupBox(caption); }

QWidget* make_drop_down(const ControlTemplate& control, const QString&) {
  auto* combo = new QComboBox;
  combo->setEditable(control.kind == ControlKind::DropDownCombo);
  for (const auto& item : control.items) combo->addItem(from_bytes(item));
  combo->setCurrentIndex(-1);
  return combo;
}

QWidget* make_list_box(const ControlTemplate& control, const QString&) {
  auto* list = new QListWidget;
  for (const auto& item : control.items) list->addItem(from_bytes(item));
  // A list box scrolls sideways only through a scroll bar of its dialog.
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setTextElideMode(Qt::ElideNone);
  return list;
}

QWidget* make_scroll_bar(const ControlTemplate&, const QString&) { return new QScrollBar(Qt::Horizontal); }

// Every tab shows its whole caption, and the control is as wide as its tabs.
QWidget* make_tab_control(const ControlTemplate& control, const QString&) {
  auto* tabs = new QTabWidget;
  tabs->setUsesScrollButtons(false);
  tabs->setElideMode(Qt::ElideNone);
  tabs->tabBar()->setExpanding(false);
  for (const auto& item : control.items) tabs->addTab(new QWidget, from_bytes(item));
  return tabs;
}

constexpr std::pair<ControlKind, Factory> kFactories[] = {
    {ControlKind::Static, make_static},
    {ControlKind::Edit, make_edit},
    {ControlKind::PushButton, make_push_button},
    {ControlKind::DefaultPushButton, make_push_button},
    {ControlKind::CheckBox, make_check_box},
    {ControlKind::RadioButton, make_radio_button},
    {ControlKind::GroupBox, make_group_box},
    {ControlKind::DropDownList, make_drop_down},
    {ControlKind::DropDownCombo, make_drop_down},
    {ControlKind::ListBox, make_list_box},
    {ControlKind::ScrollBar, make_scroll_bar},
    {ControlKind::TabControl, make_tab_control},
};

QWidget* make_widget(const ControlTemplate& control) {
  const auto* factory = std::find_if(std::begin(kFactories), std::end(kFactories),
                                     [&control](const auto& entry) { return entry.first == control.kind; });
  if (factory == std::end(kFactories)) throw std::logic_error("no widget for a control kind");
  QWidget* widget = factory->second(control, from_bytes(control.caption));
  if (control.fixed_pitch) widget->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Measured in the list's final font.
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

// Statics and caption boxes, and the read-only texts that ask for a value
// (the template dialog's prompt).
bool is_caption(const ControlTemplate& control) {
  return control.kind == ControlKind::Static ||
         (control.kind == ControlKind::Edit && (control.label || (control.read_only && control.multi_line)));
}

QString caption_text(const QWidget* caption) {
  if (const auto* label = qobject_cast<const QLabel*>(caption)) return label->text().simplified();
  if (const auto* edit = qobject_cast<const QPlainTextEdit*>(caption)) return edit->toPlainText().simplified();
  return {};
}

bool takes_input(const ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::Edit:
      return !control.label && !control.hidden;
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo:
    case ControlKind::ListBox:
      return true;
    default:
      return false;
  }
}

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
  std::vector<std::pair<const ControlTemplate*, QWidget*>> built;
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
    if (control.id != -1) controls_[control.id] = widget;
    if (control.id != -1 && control.lines > 0) lines_[control.id] = control.lines;
    built.emplace_back(&control, widget);
    connect_events(control, widget);
  }
  caption_controls(built);
}

// A control's caption is what stands before it on its row (a field's
// columns, variable and format), else the text on the row above over its
// column (a root box's question), else its group box's title.
void QtDialog::caption_controls(const std::vector<std::pair<const ControlTemplate*, QWidget*>>& built) {
  for (const auto& [control, widget] : built) {
    if (!takes_input(*control)) continue;
    Captioned captioned{widget, {}, nullptr};
    for (const auto& [other, other_widget] : built) {
      if (!is_caption(*other) || other->parent != control->parent) continue;
      if (other->row == control->row && other->column < control->column) {
        captioned.labels.push_back(other_widget);
      }
    }
    if (captioned.labels.empty()) {
      for (const auto& [other, other_widget] : built) {
        if (is_caption(*other) && other->parent == control->parent && other->row == control->row - 1 &&
            other->column <= control->column && control->column < other->column + other->column_span) {
          captioned.labels.push_back(other_widget);
        }
      }
    }
    for (const auto& [other, other_widget] : built) {
      if (other->kind == ControlKind::GroupBox && other->id == control->parent && control->parent != 0) {
        captioned.group = static_cast<QGroupBox*>(other_widget);
      }
    }
    // a read-only box is named too, but a label stands for the value only
    auto* last = captioned.labels.empty() ? nullptr : qobject_cast<QLabel*>(captioned.labels.back());
    if (last && !control->read_only) last->setBuddy(widget);
    captioned_.push_back(std::move(captioned));
  }
  name_captioned();
}

void QtDialog::name_captioned() {
  for (const auto& captioned : captioned_) {
    QStringList texts;
    for (const QWidget* label : captioned.labels) {
      const QString text = caption_text(label);
      if (!text.isEmpty()) texts << text;
    }
    if (texts.isEmpty() && captioned.group) texts << captioned.group->title().simplified();
    captioned.control->setAccessibleName(texts.join(QLatin1Char(' ')));
  }
}

void QtDialog::connect_events(const ControlTemplate& control, QWidget* widget) {
  const int id = control.id;
  auto on_focus = [this, id] {
    caret_placed_ = 0;
    fire(id, Event::FocusGain);
    return caret_placed_ == id;
  };
  switch (control.kind) {
    case ControlKind::Edit:
      if (qobject_cast<QLabel*>(widget)) break;
      {
        // a multi-line box gets the focus, its viewport the click
        auto* watcher = new FocusWatcher(widget, on_focus);
        widget->installEventFilter(watcher);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) area->viewport()->installEventFilter(watcher);
      }
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
    case ControlKind::ListBox: {
      auto* list = static_cast<QListWidget*>(widget);
      QObject::connect(list, &QListWidget::currentRowChanged, dialog_, [this, id] { fire(id, Event::SelectionChange); });
      if (const int button = control.double_click) {
        QObject::connect(list, &QListWidget::itemDoubleClicked, dialog_, [this, button] { press(button); });
      }
      if (const int button = control.delete_key) {
        list->installEventFilter(new KeyPressesButton(list, Qt::Key_Delete, [this, button] { press(button); }));
      }
      break;
    }
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

int QtDialog::lines_of(int control_id) const {
  auto it = lines_.find(control_id);
  return it == lines_.end() ? 0 : it->second;
}

void QtDialog::press(int button_id) {
  auto* button = qobject_cast<QPushButton*>(find(button_id));
  if (button && button->isEnabled()) button->click();
}

QWidget* QtDialog::find(int control_id) const {
  auto it = controls_.find(control_id);
  return it == controls_.end() ? nullptr : it->second;
}

template <typename... Widgets, typename Change>
void QtDialog::with_control(int control_id, Change change) {
  on_gui([&] {
    QWidget* widget = find(control_id);
    if (!widget) return;
    QSignalBlocker block(widget);
    act_as_first_of<Widgets...>(widget, change);
  });
}

template <typename... Widgets, typename Result, typename Read>
Result QtDialog::read_control(int control_id, Result none, Read read) const {
  return on_gui([&] {
    Result result = none;
    auto keep = [&](auto& widget) { result = read(widget); };
    if (QWidget* widget = find(control_id)) act_as_first_of<Widgets...>(widget, keep);
    return result;
  });
}

// A typed text longer than the box's limit is cut back, as the desktop's
// edit box refuses the extra keys; text set by the program is not limited.
void QtDialog::user_typed(int control_id) {
  auto limit = limits_.find(control_id);
  if (limit != limits_.end() && limit->second > 0) {
    const int most = limit->second;
    with_control<QLineEdit, QPlainTextEdit>(control_id, Overloaded{
        [most](QLineEdit& line) {
          if (line.text().size() > most) line.setText(line.text().left(most));
        },
        [most](QPlainTextEdit& edit) {
          if (edit.toPlainText().size() <= most) return;
          edit.setPlainText(edit.toPlainText().left(most));
          edit.moveCursor(QTextCursor::End);
        },
    });
  }
  fire(control_id, Event::EditChange);
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
  const QString value = from_bytes(text);
  with_control<QLabel, QLineEdit, QPlainTextEdit, QAbstractButton, QGroupBox, QComboBox, QListWidget>(
      control_id, Overloaded{
          [&](QLabel& label) {
            label.setText(value);
            name_captioned();
          },
          [&](QLineEdit& line) {
            line.setText(value);
            // a description reads from its start, not from where typing would
            // go on; its tooltip shows it whole
            if (line.isReadOnly()) {
              line.setCursorPosition(0);
              line.setToolTip(value);
            }
          },
          [&](QPlainTextEdit& edit) {
            edit.setPlainText(value);
            // the text a dialog opens with is shown whole; later texts wrap
            // in the box as it is, so that an open dialog does not jump
            if (!edit.isReadOnly()) return;
            name_captioned();
            if (edit.window()->isVisible()) {
              edit.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            } else {
              fit_to_text(edit, lines_of(control_id));
            }
          },
          [&](QAbstractButton& button) { button.setText(value); },
          [&](QGroupBox& group) { group.setTitle(value); },
          [&](QComboBox& combo) {
            if (combo.isEditable()) {
              combo.setCurrentText(value);
            } else {
              combo.setCurrentIndex(combo.findText(value, Qt::MatchExactly));
            }
          },
          [&](QListWidget& list) {
            const auto found = list.findItems(value, Qt::MatchExactly);
            list.setCurrentRow(found.isEmpty() ? -1 : list.row(found.first()));
          },
      });
}

std::string QtDialog::text(int control_id) const {
  return read_control<QLabel, QLineEdit, QPlainTextEdit, QAbstractButton, QGroupBox, QComboBox, QListWidget,
                      QTabWidget>(
      control_id, std::string(),
      Overloaded{
          [](const QLabel& label) { return to_bytes(label.text()); },
          [](const QLineEdit& line) { return to_bytes(line.text()); },
          [](const QPlainTextEdit& edit) { return to_bytes(edit.toPlainText()); },
          [](const QAbstractButton& button) { return to_bytes(button.text()); },
          [](const QGroupBox& group) { return to_bytes(group.title()); },
          [](const QComboBox& combo) { return to_bytes(combo.currentText()); },
          [](const QListWidget& list) {
            return list.currentItem() ? to_bytes(list.currentItem()->text()) : std::string();
          },
          [](const QTabWidget& tabs) { return to_bytes(tabs.tabText(tabs.currentIndex())); },
      });
}

void QtDialog::set_checked(int control_id, bool checked) {
  with_control<QAbstractButton>(control_id, [&](QAbstractButton& button) { button.setChecked(checked); });
}

bool QtDialog::checked(int control_id) const {
  return read_control<QAbstractButton>(control_id, false,
                                       [](const QAbstractButton& button) { return button.isChecked(); });
}

void QtDialog::set_enabled(int control_id, bool enabled) {
  with_control<QWidget>(control_id, [&](QWidget& widget) { widget.setEnabled(enabled); });
}

bool QtDialog::enabled(int control_id) const {
  return read_control<QWidget>(control_id, false, [](const QWidget& widget) { return widget.isEnabled(); });
}

void QtDialog::set_text_limit(int control_id, int limit) {
  on_gui([&] { limits_[control_id] = limit; });
}

void QtDialog::set_caret(int control_id, int position) {
  on_gui([&] { caret_placed_ = control_id; });
  with_control<QLineEdit, QPlainTextEdit>(control_id, Overloaded{
      [&](QLineEdit& line) { line.setCursorPosition(position - 1); },
      [&](QPlainTextEdit& edit) {
        auto cursor = edit.textCursor();
        cursor.setPosition(std::clamp(position - 1, 0, static_cast<int>(edit.toPlainText().size())));
        edit.setTextCursor(cursor);
        edit.ensureCursorVisible();
      },
  });
}

int QtDialog::caret(int control_id) const {
  return read_control<QLineEdit, QPlainTextEdit>(control_id, 0, Overloaded{
      [](const QLineEdit& line) { return line.cursorPosition() + 1; },
      [](const QPlainTextEdit& edit) { return edit.textCursor().position() + 1; },
  });
}

void QtDialog::set_item_count(int control_id, int count) {
  with_control<QComboBox, QListWidget, QTabWidget>(control_id, Overloaded{
      [&](QComboBox& combo) {
        while (combo.count() > count) combo.removeItem(combo.count() - 1);
        while (combo.count() < count) combo.addItem(QString());
      },
      [&](QListWidget& list) {
        while (list.count() > count) delete list.takeItem(list.count() - 1);
        while (list.count() < count) list.addItem(QString());
      },
      [&](QTabWidget& tabs) {
        while (tabs.count() > count) tabs.removeTab(tabs.count() - 1);
        while (tabs.count() < count) tabs.addTab(new QWidget, QString());
      },
  });
}

int QtDialog::item_count(int control_id) const {
  return read_control<QComboBox, QListWidget, QTabWidget>(control_id, 0, [](const auto& list) { return list.count(); });
}

void QtDialog::set_item_text(int control_id, int index, std::string_view text) {
  if (index < 1) return;
  if (item_count(control_id) < index) set_item_count(control_id, index);
  const QString value = from_bytes(text);
  with_control<QComboBox, QListWidget, QTabWidget>(control_id, Overloaded{
      [&](QComboBox& combo) { combo.setItemText(index - 1, value); },
      [&](QListWidget& list) { list.item(index - 1)->setText(value); },
      [&](QTabWidget& tabs) { tabs.setTabText(index - 1, value); },
  });
}

std::string QtDialog::item_text(int control_id, int index) const {
  if (index < 1) return {};
  return read_control<QComboBox, QListWidget, QTabWidget>(control_id, std::string(), [&](const auto& list) {
    return index > list.count() ? std::string() : to_bytes(entry_text(list, index - 1));
  });
}

void QtDialog::set_selected(int control_id, int index) {
  with_control<QComboBox, QListWidget, QTabWidget>(control_id, Overloaded{
      [&](QComboBox& combo) { combo.setCurrentIndex(index - 1); },
      [&](QListWidget& list) { list.setCurrentRow(index - 1); },
      [&](QTabWidget& tabs) { tabs.setCurrentIndex(index - 1); },
  });
}

int QtDialog::selected(int control_id) const {
  return read_control<QComboBox, QListWidget, QTabWidget>(control_id, 0, Overloaded{
      [](const QComboBox& combo) { return combo.currentIndex() + 1; },
      [](const QListWidget& list) { return list.currentRow() + 1; },
      [](const QTabWidget& tabs) { return tabs.currentIndex() + 1; },
  });
}

void QtDialog::set_scroll_range(int control_id, int minimum, int maximum) {
  with_control<QScrollBar>(control_id, [&](QScrollBar& bar) { bar.setRange(minimum, maximum); });
}

void QtDialog::set_scroll_page(int control_id, int page) {
  with_control<QScrollBar>(control_id, [&](QScrollBar& bar) { bar.setPageStep(page); });
}

void QtDialog::set_scroll_position(int control_id, int position) {
  with_control<QScrollBar>(control_id, [&](QScrollBar& bar) { bar.setValue(position); });
}

int QtDialog::scroll_position(int control_id) const {
  return read_control<QScrollBar>(control_id, 0, [](const QScrollBar& bar) { return bar.value(); });
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
  auto* page_widget = static_cast<QtDialog&>(page).widget();
  with_control<QTabWidget>(tab_control_id, [&](QTabWidget& tabs) {
    if (!page_widget || tab_index < 1 || tab_index > tabs.count()) return;
    QWidget* holder = tabs.widget(tab_index - 1);
    if (!holder->layout()) new QGridLayout(holder);
    page_widget->setParent(holder, Qt::Widget);
    holder->layout()->addWidget(page_widget);
    page_widget->show();
  });
}

}  // namespace tarnex::ui
