// The Qt dialogs' wiring: objectNames, which events reach the callbacks, and
// how a modal run ends.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>
#include <thread>

#include "modal_helper.h"
#include "test_templates.h"
#include "ui/qt/qt_dialog.h"
#include "ui/qt/qt_ui.h"

using tarnex::ui::Event;

class QtDialogTest : public QObject {
  Q_OBJECT

 private:
  struct Fired {
    int control;
    Event event;
    bool operator==(const Fired&) const = default;
  };

  std::unique_ptr<tarnex::ui::QtUi> ui;
  std::unique_ptr<tarnex::ui::Dialog> dialog;
  std::vector<Fired> fired;

  QDialog* widget() { return static_cast<tarnex::ui::QtDialog&>(*dialog).widget(); }
  template <class W>
  W* control(int id) {
    auto* w = widget()->findChild<W*>(QStringLiteral("c%1").arg(id));
    if (!w) qFatal("no control %d", id);
    return w;
  }
  void record_everything() {
    for (int id : {102, 103, 106, 108, 110, 111, 114, 115, 116, 117, 118}) {
      for (Event e : {Event::Click, Event::SelectionChange, Event::EditChange, Event::FocusGain, Event::ScrollChange}) {
        dialog->set_callback(id, e, [this](tarnex::ui::Dialog&, int c, Event ev) { fired.push_back({c, ev}); });
      }
    }
  }

 private slots:
  void init() {
    ui = std::make_unique<tarnex::ui::QtUi>();
    ui->templates().add(tarnex::test::kEveryKindTemplate);
    dialog = ui->make_dialog(tarnex::test::kEveryKindDialog);
    QVERIFY(dialog);
    fired.clear();
  }
  void cleanup() {
    dialog.reset();
    ui.reset();
  }

  void every_kind_renders_with_its_object_name_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("kind");
    const std::pair<int, const char*> controls[] = {
        {101, "QLabel"},      {102, "QLineEdit"},   {103, "QPlainTextEdit"}, {104, "QLineEdit"},
        {105, "QLineEdit"},   {106, "QPushButton"}, {1, "QPushButton"},      {108, "QCheckBox"},
        {109, "QGroupBox"},   {110, "QRadioButton"}, {114, "QComboBox"},     {115, "QComboBox"},
        {116, "QListWidget"}, {117, "QScrollBar"},  {118, "QTabWidget"}};
    for (const auto& [id, kind] : controls) QTest::newRow(kind) << id << QString::fromLatin1(kind);
  }
  void every_kind_renders_with_its_object_name() {
    QFETCH(int, id);
    QFETCH(QString, kind);
    QCOMPARE(widget()->objectName(), QStringLiteral("d9001"));
    auto* w = widget()->findChild<QWidget*>(QStringLiteral("c%1").arg(id));
    QVERIFY(w);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), kind);
  }

  void kinds_keep_their_properties() {
    QVERIFY(control<QLineEdit>(104)->isReadOnly());
    QVERIFY(control<QLineEdit>(105)->isHidden());
    QVERIFY(control<QPushButton>(1)->isDefault());
    QVERIFY(!control<QComboBox>(114)->isEditable());
    QVERIFY(control<QComboBox>(115)->isEditable());
    QCOMPARE(control<QScrollBar>(117)->orientation(), Qt::Horizontal);
    QVERIFY(control<QRadioButton>(110)->group() == control<QRadioButton>(111)->group());
    QVERIFY(control<QRadioButton>(111)->group() != control<QRadioButton>(112)->group());
  }

  void programmatic_changes_fire_nothing() {
    record_everything();
    dialog->set_text(102, "BASIN");
    dialog->set_text(103, "one\r\ntwo");
    dialog->set_checked(108, true);
    dialog->set_checked(110, true);
    dialog->set_selected(114, 2);
    dialog->set_text(115, "GREEN");
    dialog->set_item_count(116, 5);
    dialog->set_item_text(116, 4, "delta");
    dialog->set_selected(116, 4);
    dialog->set_scroll_range(117, 1, 129);
    dialog->set_scroll_page(117, 10);
    dialog->set_scroll_position(117, 50);
    dialog->set_item_count(118, 3);
    dialog->set_selected(118, 2);
    QCOMPARE(fired.size(), std::size_t{0});
    QCOMPARE(dialog->text(103), std::string("one\ntwo"));
    QCOMPARE(dialog->text(114), std::string("TWO"));
    QCOMPARE(dialog->text(116), std::string("delta"));
    QCOMPARE(dialog->scroll_position(117), 50);
    QCOMPARE(control<QScrollBar>(117)->pageStep(), 10);
  }

  void user_actions_fire_exactly_their_callbacks() {
    record_everything();
    widget()->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget()));
    widget()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(widget()));
    control<QLineEdit>(102)->clearFocus();  // the dialog may have opened with it focused
    control<QLineEdit>(102)->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(control<QLineEdit>(102), "AB");
    auto* check = control<QCheckBox>(108);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    control<QListWidget>(116)->setCurrentRow(1);
    control<QScrollBar>(117)->setValue(7);
    const std::vector<Fired> expected = {{102, Event::FocusGain},        {102, Event::EditChange},
                                         {102, Event::EditChange},       {108, Event::Click},
                                         {116, Event::SelectionChange}, {117, Event::ScrollChange}};
    QVERIFY(fired == expected);
    QCOMPARE(dialog->text(102), std::string("AB"));
    QVERIFY(dialog->checked(108));
  }

  void typing_stops_at_the_limit_the_program_does_not() {
    widget()->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget()));
    dialog->set_text_limit(102, 3);
    QTest::keyClicks(control<QLineEdit>(102), "ABCDE");
    QCOMPARE(dialog->text(102), std::string("ABC"));
    dialog->set_text(102, "ABCDEFG");
    QCOMPARE(dialog->text(102), std::string("ABCDEFG"));
    dialog->set_caret(102, 3);
    QCOMPARE(dialog->caret(102), 3);
  }

  void push_button_without_callback_ends_with_its_id() {
    std::vector<Event> lifecycle;
    dialog->set_callback(9001, Event::DialogInit, [&](tarnex::ui::Dialog&, int, Event e) { lifecycle.push_back(e); });
    tarnex::test::when_shown("d9001", [](QWidget* d) { QTest::mouseClick(d->findChild<QPushButton*>("c107"), Qt::LeftButton); });
    QCOMPARE(dialog->run_modal(), 107);
    QVERIFY(lifecycle == (std::vector<Event>{Event::DialogInit, Event::DialogClose}));
  }

  void callback_ends_with_any_id_and_escape_cancels() {
    dialog->set_callback(106, Event::Click, [](tarnex::ui::Dialog& d, int, Event) { d.end(77); });
    tarnex::test::when_shown("d9001", [](QWidget* d) { QTest::mouseClick(d->findChild<QPushButton*>("c106"), Qt::LeftButton); });
    QCOMPARE(dialog->run_modal(), 77);
    tarnex::test::when_shown("d9001", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
    QCOMPARE(dialog->run_modal(), tarnex::ui::kCancel);
  }

  void opening_callback_may_end_the_dialog_before_it_shows() {
    dialog->set_callback(9001, Event::DialogInit, [](tarnex::ui::Dialog& d, int, Event e) {
      if (e == Event::DialogInit) d.end(5);
    });
    QCOMPARE(dialog->run_modal(), 5);
  }

  void modal_run_from_the_command_loop_thread() {
    tarnex::test::when_shown("d9001", [](QWidget* d) {
      d->findChild<QLineEdit*>("c102")->setText("typed");
      QTest::mouseClick(d->findChild<QPushButton*>("c1"), Qt::LeftButton);
    });
    int result = 0;
    std::string typed;
    std::atomic<bool> done{false};
    std::thread loop([&] {
      dialog->set_text(104, "from the loop");
      result = dialog->run_modal();
      typed = dialog->text(102);
      done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
    loop.join();
    QCOMPARE(result, tarnex::ui::kOk);
    QCOMPARE(typed, std::string("typed"));
  }

  void tab_pages_show_their_child_dialog() {
    auto page = ui->make_dialog(tarnex::test::kEveryKindPage);
    QVERIFY(page);
    dialog->set_item_count(118, 2);
    dialog->set_item_text(118, 1, "First page");
    dialog->set_item_text(118, 2, "Second page");
    dialog->show_page(118, 2, *page);
    page->set_text(1000, "page text");
    auto* tabs = control<QTabWidget>(118);
    QCOMPARE(tabs->tabText(1), QStringLiteral("Second page"));
    QVERIFY(tabs->widget(1)->findChild<QPlainTextEdit*>("c1000"));
    QCOMPARE(dialog->item_text(118, 1), std::string("First page"));
    page.reset();
  }
};

QTEST_MAIN(QtDialogTest)
#include "qt_dialog_test.moc"
