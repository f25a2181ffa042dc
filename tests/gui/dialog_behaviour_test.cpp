// How the Qt dialogs behave for a desktop user: every dialog fits a
// 1366x768 screen and shows its texts whole, Tab goes from value to value,
// Enter presses the default button, and the caret the focus routine places
// stays where it was placed.

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>
#include <filesystem>
#include <set>

#include "base/dialog_template.h"
#include "common/cursor_position.h"
#include "modal_helper.h"
#include "resources/resources.h"
#include "shell/information_commands.h"
#include "templates/template_commands.h"
#include "tin/catalogue/message_dialog.h"
#include "tin/catalogue/tin_state.h"
#include "tin/editor/create_record.h"
#include "tin/editor/editor_help.h"
#include "ui/qt/qt_dialog.h"
#include "ui/qt/qt_ui.h"

namespace {

// A 1366x768 screen less a desktop panel (48 px) and a window's title bar
// and borders (40 px high, 16 px wide) leaves this for a dialog.
constexpr QSize kScreenRoom{1366 - 16, 768 - 48 - 40};
// The offscreen platform lays texts out with its own font metrics, which
// differ from a desktop's by some percent: a dialog must fit with a tenth of
// the room to spare.
constexpr double kFontMargin = 0.9;

bool fits(const QSize& size) {
  return size.width() <= kScreenRoom.width() * kFontMargin && size.height() <= kScreenRoom.height() * kFontMargin;
}

// Every dialog of the templates that opens as a window of its own.
std::vector<const tarnex::DialogTemplate*> window_dialogs(const tarnex::TemplateLibrary& library) {
  std::set<int> ids;
  for (const auto& resource : tarnex::resources::all()) {
    if (!resource.name.ends_with(".dlg")) continue;
    for (const auto& dialog : tarnex::parse_dialog_templates(resource.text)) ids.insert(dialog.id);
  }
  std::vector<const tarnex::DialogTemplate*> dialogs;
  for (int id : ids) {
    const auto* dialog = library.find(id);
    if (dialog && !dialog->page) dialogs.push_back(dialog);
  }
  return dialogs;
}

// Buttons that confirm what the dialog is for; Enter should press them.
bool ok_like(const tarnex::ControlTemplate& control) {
  static const std::set<std::string> captions = {"OK", "Add", "Begin Simulation", "Begin Editing", "Create File",
                                                 "Close"};
  const bool button = control.kind == tarnex::ControlKind::PushButton ||
                      control.kind == tarnex::ControlKind::DefaultPushButton;
  return button && control.id != tarnex::ui::kCancel && (control.id == tarnex::ui::kOk || captions.contains(control.caption));
}

// True when every line of a read-only text shows on one line of its box.
bool no_line_wrapped(const QPlainTextEdit& edit) {
  for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
    if (block.layout() && block.layout()->lineCount() > 1) return false;
  }
  return true;
}

}  // namespace

class DialogBehaviourTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<tarnex::ui::QtUi> ui;

  static QDialog* widget(tarnex::ui::Dialog& dialog) { return static_cast<tarnex::ui::QtDialog&>(dialog).widget(); }
  template <class W>
  static W* control(QWidget* dialog, int id) {
    auto* found = dialog->findChild<W*>(QStringLiteral("c%1").arg(id));
    if (!found) qFatal("no control %d", id);
    return found;
  }
  static void show(QWidget* dialog) {
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
  }

 private slots:
  void init() { ui = std::make_unique<tarnex::ui::QtUi>(); }
  void cleanup() { ui.reset(); }

  void every_dialog_of_the_templates_fits_the_screen_data() {
    QTest::addColumn<int>("dialog");
    const tarnex::TemplateLibrary library;
    for (const auto* dialog : window_dialogs(library)) {
      QTest::newRow(std::to_string(dialog->id).c_str()) << dialog->id;
    }
  }
  void every_dialog_of_the_templates_fits_the_screen() {
    QFETCH(int, dialog);
    auto built = ui->make_dialog(dialog);
    QVERIFY(built);
    QWidget* window = widget(*built);
    window->layout()->activate();
    qInfo("dialog %d opens %dx%d, at least %dx%d", dialog, window->sizeHint().width(), window->sizeHint().height(),
          window->minimumSizeHint().width(), window->minimumSizeHint().height());
    QVERIFY2(fits(window->sizeHint()), qPrintable(QStringLiteral("dialog %1 opens %2x%3").arg(dialog)
                                                      .arg(window->sizeHint().width())
                                                      .arg(window->sizeHint().height())));
  }

  // The dialogs as the program opens them, filled with their texts.
  void dialogs_opened_by_the_program_fit_and_show_their_texts_whole_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("text");  // the read-only text that must show whole; 0: none
    QTest::addColumn<bool>("hard_wrapped");
    QTest::newRow("2ASF") << QStringLiteral("d142") << 0 << false;
    QTest::newRow("IDEN") << QStringLiteral("d223") << 0 << false;
    QTest::newRow("3NAT") << QStringLiteral("d144") << 0 << false;
    QTest::newRow("Help") << QStringLiteral("d151") << 1186 << false;
    QTest::newRow("256 records") << QStringLiteral("d106") << 1188 << false;
    QTest::newRow("Instructions") << QStringLiteral("d101") << 0 << true;
    QTest::newRow("Documentation") << QStringLiteral("d192") << 1000 << true;
  }
  void dialogs_opened_by_the_program_fit_and_show_their_texts_whole() {
    QFETCH(QString, shown);
    QFETCH(int, text);
    QFETCH(bool, hard_wrapped);
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    QSize size;
    bool whole = true;
    bool unwrapped = true;
    QStringList tab_captions;
    bool tabs_whole = true;
    tarnex::test::when_shown(shown, [&](QWidget* dialog) {
      size = dialog->size();
      if (text != 0) {
        auto* edit = control<QPlainTextEdit>(dialog, text);
        whole = edit->verticalScrollBar()->maximum() == 0;
        unwrapped = no_line_wrapped(*edit);
      }
      if (auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("c1267"))) {
        for (int t = 0; t < tabs->count(); ++t) {
          tab_captions << tabs->tabText(t);
          const QRect place = tabs->tabBar()->tabRect(t);
          tabs_whole = tabs_whole && tabs->tabBar()->rect().contains(place) &&
                       place.width() >= tabs->tabBar()->fontMetrics().horizontalAdvance(tabs->tabText(t));
          tabs->setCurrentIndex(t);
          for (auto* edit : tabs->currentWidget()->findChildren<QPlainTextEdit*>()) {
            whole = whole && edit->verticalScrollBar()->maximum() == 0;
            unwrapped = unwrapped && no_line_wrapped(*edit);
          }
        }
      }
      qInfo("%s opens %dx%d", qPrintable(row), size.width(), size.height());
      static_cast<QDialog*>(dialog)->reject();
    });
    tarnex::tin::TinState tin;
    if (row == "2ASF" || row == "IDEN" || row == "3NAT") {
      tarnex::tin::create_record(tin, *ui, row.toStdString());
    } else if (row == "Help") {
      tarnex::tin::show_message(*ui, "Help", tarnex::tin::editor_help_text());
    } else if (row == "256 records") {
      auto dialog = ui->make_dialog(106);
      dialog->set_text(1188,
                       "The file holds more than 256 records, and the ORBEN File Builder can edit no more than 256.  "
                       "The file was not opened and nothing was changed.");
      dialog->run_modal();
    } else if (row == "Instructions") {
      tarnex::INSTRUCTIONS(*ui);
    } else {
      tarnex::QARN_DOCUMENTATION(*ui);
    }
    QVERIFY2(size.isValid(), "the dialog never showed");
    QVERIFY2(fits(size), qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
    QVERIFY2(whole, "a text must be scrolled to be read");
    if (hard_wrapped) QVERIFY2(unwrapped, "a line wrapped by hand is wrapped again");
    if (!tab_captions.isEmpty()) {
      QCOMPARE(tab_captions, (QStringList{"Directories and Files", "Program Execution", "File Builders"}));
      QVERIFY2(tabs_whole, "a tab's caption is cut or a tab is hidden");
    }
  }

  void the_about_box_shows_its_whole_title() {
    ui->set_about_text("Tarnex Version\rMarch 2008");
    int width = 0;
    int title = 0;
    QString text;
    tarnex::test::when_shown(QStringLiteral("aboutbox"), [&](QWidget* box) {
      width = box->width();
      title = box->fontMetrics().horizontalAdvance(box->windowTitle());
      text = static_cast<QMessageBox*>(box)->text();
      static_cast<QMessageBox*>(box)->accept();
    });
    ui->show_about();
    QCOMPARE(text, QStringLiteral("Tarnex Version\nMarch 2008"));
    QVERIFY2(width > title + 100, qPrintable(QStringLiteral("%1 px for a title of %2 px").arg(width).arg(title)));
  }

  void read_only_boxes_are_no_tab_stops_data() { every_dialog_of_the_templates_fits_the_screen_data(); }
  void read_only_boxes_are_no_tab_stops() {
    QFETCH(int, dialog);
    auto built = ui->make_dialog(dialog);
    for (const auto& c : ui->templates().find(dialog)->controls) {
      if (c.kind != tarnex::ControlKind::Edit || !c.read_only || c.id == -1) continue;
      QWidget* box = control<QWidget>(widget(*built), c.id);
      QVERIFY2(!(box->focusPolicy() & Qt::TabFocus), qPrintable(QStringLiteral("control %1").arg(c.id)));
    }
  }

  void tab_after_a_value_skips_its_description() {
    auto built = ui->make_dialog(144);
    QDialog* dialog = widget(*built);
    show(dialog);
    auto* hec = control<QComboBox>(dialog, 1115);
    hec->setFocus(Qt::TabFocusReason);
    QTest::keyClick(hec, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("c1117"));
    dialog->hide();
  }

  void every_dialog_with_an_ok_like_button_has_it_as_default_data() { every_dialog_of_the_templates_fits_the_screen_data(); }
  void every_dialog_with_an_ok_like_button_has_it_as_default() {
    QFETCH(int, dialog);
    auto built = ui->make_dialog(dialog);
    std::vector<int> ok_buttons;
    for (const auto& c : ui->templates().find(dialog)->controls) {
      if (ok_like(c)) ok_buttons.push_back(c.id);
    }
    if (ok_buttons.empty()) return;
    QCOMPARE(ok_buttons.size(), std::size_t{1});
    QVERIFY(control<QPushButton>(widget(*built), ok_buttons.front())->isDefault());
    int defaults = 0;
    for (auto* button : widget(*built)->findChildren<QPushButton*>()) defaults += button->isDefault() ? 1 : 0;
    QCOMPARE(defaults, 1);
  }

  // The caret of the first box each dialog opens with, and what Enter there
  // presses.
  void enter_in_a_root_box_presses_begin_data() {
    QTest::addColumn<int>("dialog");
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("begin");
    QTest::newRow("MOR root") << 191 << 1217 << 1216;
    QTest::newRow("ORB source root") << 191 << 1218 << 1216;
    QTest::newRow("MERL root") << 214 << 1219 << 1278;
    QTest::newRow("FLUM input root") << 193 << 1234 << 1238;
    QTest::newRow("JORN output root") << 215 << 1281 << 1284;
    QTest::newRow("TIN root") << 104 << 1002 << 1271;
    QTest::newRow("template root") << 194 << 1241 << 1239;
  }
  void enter_in_a_root_box_presses_begin() {
    QFETCH(int, dialog);
    QFETCH(int, root);
    QFETCH(int, begin);
    auto built = ui->make_dialog(dialog);
    QString typed;
    tarnex::test::when_shown(QStringLiteral("d%1").arg(dialog), [&](QWidget* d) {
      QWidget* box = control<QWidget>(d, root);
      box->setFocus(Qt::TabFocusReason);
      QTest::keyClicks(box, "BASIN");
      QTest::keyClick(box, Qt::Key_Return);
      if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) typed = edit->toPlainText();
      if (auto* line = qobject_cast<QLineEdit*>(box)) typed = line->text();
    });
    // Begin has no callback here: pressing it ends the dialog with its id.
    QCOMPARE(built->run_modal(), begin);
    QCOMPARE(typed, QStringLiteral("BASIN"));
  }

  // Tab and Shift+Tab move on from a multi-line box: a tab is never a value.
  void tab_leaves_a_multi_line_box_data() {
    QTest::addColumn<int>("dialog");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("next");
    QTest::addColumn<int>("previous");  // -1: not checked
    QTest::newRow("MOR root") << 191 << 1217 << 1245 << -1;
    QTest::newRow("FLUM input root") << 193 << 1234 << 1286 << 2;
    QTest::newRow("2ASF value list") << 142 << 1111 << 1112 << 1109;
  }
  void tab_leaves_a_multi_line_box() {
    QFETCH(int, dialog);
    QFETCH(int, box);
    QFETCH(int, next);
    QFETCH(int, previous);
    auto built = ui->make_dialog(dialog);
    QDialog* window = widget(*built);
    show(window);
    auto* edit = control<QPlainTextEdit>(window, box);
    for (int press = 0; press < 18; ++press) {
      edit->setFocus(Qt::TabFocusReason);
      QTest::keyClick(edit, Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("c%1").arg(next));
    }
    QCOMPARE(edit->toPlainText(), QString());
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget() != edit);
    if (previous != -1) QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("c%1").arg(previous));
    window->hide();
  }

  void enter_in_a_value_list_breaks_the_line() {
    auto built = ui->make_dialog(142);
    QDialog* window = widget(*built);
    show(window);
    auto* values = control<QPlainTextEdit>(window, 1111);
    values->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(values, "CP1");
    QTest::keyClick(values, Qt::Key_Return);
    QTest::keyClicks(values, "CP2");
    QCOMPARE(values->toPlainText(), QStringLiteral("CP1\nCP2"));
    QVERIFY(window->isVisible());
    window->hide();
  }

  // Clicking into the empty name box fires the focus routine, which leaves a
  // blank with the caret before it; the click must not move the caret past
  // the blank. The dialog opens with the focus in the name box.
  void a_name_typed_after_a_click_into_the_box_is_written_as_typed() {
    const auto previous = std::filesystem::current_path();
    QTemporaryDir directory;
    std::filesystem::current_path(directory.path().toStdString());
    QString focused_at_opening;
    QString typed;
    tarnex::test::when_shown(QStringLiteral("d194"), [&](QWidget* d) {
      focused_at_opening = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
      auto* name = control<QLineEdit>(d, 1241);
      control<QPushButton>(d, 2)->setFocus(Qt::TabFocusReason);
      QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(name->width() - 5, name->height() / 2));
      QTest::keyClicks(name, "NEWDAT");
      typed = name->text();
      QTest::keyClick(name, Qt::Key_Return);
    });
    tarnex::test::when_shown(QStringLiteral("d195"), [](QWidget* d) { static_cast<QDialog*>(d)->accept(); });
    tarnex::templates::MOR_TEMPLATE(*ui);
    std::filesystem::current_path(previous);
    QCOMPARE(focused_at_opening, QStringLiteral("c1241"));
    QCOMPARE(typed, QStringLiteral("NEWDAT "));
    QVERIFY(QFile::exists(directory.filePath("NEWDAT.dat")));
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files), QStringList{"NEWDAT.dat"});
  }

  // A screen reader names each value by its caption; a description box shows
  // its whole text as its tooltip.
  void inputs_are_named_by_their_captions_data() {
    QTest::addColumn<int>("dialog");
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("buddy");  // the caption is a label whose buddy the input is
    QTest::newRow("root box") << 191 << 1217 << QStringLiteral("Enter root of input and output file names.") << true;
    QTest::newRow("ORB source") << 191 << 1218 << QStringLiteral("Enter root MOR/MORD/MERL filenames.") << true;
    QTest::newRow("field") << 142 << 1112 << QStringLiteral("25 - 28 DECIMAL 3x,A1") << true;
    QTest::newRow("description") << 142 << 1113 << QStringLiteral("25 - 28 DECIMAL 3x,A1") << false;
    QTest::newRow("record type list") << 108 << 1257 << QStringLiteral("Misc") << true;
    QTest::newRow("File View") << 108 << 1011 << QStringLiteral("File View") << false;
    QTest::newRow("template root") << 194 << 1241 << QString() << false;  // its prompt is set at run time
  }
  void inputs_are_named_by_their_captions() {
    QFETCH(int, dialog);
    QFETCH(int, input);
    QFETCH(QString, name);
    QFETCH(bool, buddy);
    auto built = ui->make_dialog(dialog);
    QWidget* box = control<QWidget>(widget(*built), input);
    QCOMPARE(box->accessibleName(), name);
    bool is_buddy = false;
    for (auto* label : widget(*built)->findChildren<QLabel*>()) is_buddy = is_buddy || label->buddy() == box;
    QCOMPARE(is_buddy, buddy);
  }

  void captions_set_by_the_program_rename_their_value_and_descriptions_carry_tooltips() {
    auto built = ui->make_dialog(142);
    built->set_text(1182, "5 - 12");
    built->set_text(1183, "ID");
    built->set_text(1184, "2x,A6");
    QCOMPARE(control<QWidget>(widget(*built), 1111)->accessibleName(), QStringLiteral("5 - 12 ID 2x,A6"));
    auto name_dialog = ui->make_dialog(194);
    name_dialog->set_text(1242, "Enter the name of the MOR\r\nDAT file template to create.");
    QCOMPARE(control<QWidget>(widget(*name_dialog), 1241)->accessibleName(),
             QStringLiteral("Enter the name of the MOR DAT file template to create."));
    const std::string description = "Identifiers of control points or reservoirs, one a line, as many as NUM says";
    built->set_text(1110, description);
    QCOMPARE(control<QLineEdit>(widget(*built), 1110)->toolTip(), QString::fromStdString(description));
  }

  void the_caret_placed_on_focus_survives_the_click_in_a_value_list() {
    auto built = ui->make_dialog(142);
    built->set_callback(1111, tarnex::ui::Event::FocusGain, tarnex::CURSORPOSITION);
    QDialog* window = widget(*built);
    show(window);
    auto* values = control<QPlainTextEdit>(window, 1111);
    control<QPushButton>(window, 2)->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, QPoint(values->viewport()->width() - 5, 5));
    QTest::keyClicks(values, "CP1");
    QCOMPARE(values->toPlainText(), QStringLiteral("CP1 "));
    window->hide();
  }

  void a_list_presses_its_buttons_on_double_click_and_delete() {
    ui->templates().add(R"(
dialog 9101 "List"
list 11 row=0 col=0 doubleclick=12 deletekey=13 "" "alpha" "beta"
button 12 row=1 col=0 "Edit"
button 13 row=1 col=1 "Delete"
button 2 row=1 col=2 "Cancel"
)");
    auto built = ui->make_dialog(9101);
    std::vector<std::pair<int, int>> pressed;  // button, selected entry
    for (int button : {12, 13}) {
      built->set_callback(button, tarnex::ui::Event::Click, [&pressed](tarnex::ui::Dialog& d, int id, tarnex::ui::Event) {
        pressed.emplace_back(id, d.selected(11));
      });
    }
    QDialog* window = widget(*built);
    show(window);
    auto* list = control<QListWidget>(window, 11);
    const QRect second = list->visualItemRect(list->item(1));
    // A view takes a double-click as the second click of a pair.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    QVERIFY((pressed == std::vector<std::pair<int, int>>{{12, 2}, {13, 1}}));
    window->hide();
  }
};

QTEST_MAIN(DialogBehaviourTest)
#include "dialog_behaviour_test.moc"
