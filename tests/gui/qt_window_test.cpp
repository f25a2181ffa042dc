// The Qt main window's wiring: start-up on the command-loop thread, the menu
// bar, the text window fed from the model, message boxes, Close and Exit.

#include <QAbstractButton>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/program.h"
#include "modal_helper.h"
#include "shell/running_program.h"

class QtWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<tarnex::Program> program;

  QPlainTextEdit* view() { return program->ui().main_window()->findChild<QPlainTextEdit*>("text"); }
  // A menu item by the routine bound to it.
  QAction* item(const char* routine) {
    auto* found = program->ui().main_window()->menuBar()->findChild<QAction*>(routine);
    if (!found) qFatal("no menu item for %s", routine);
    return found;
  }

 private slots:
  void init() {
    program = std::make_unique<tarnex::Program>();
    program->ui().set_exit_handler([](int) {});
    program->start();
    QTRY_VERIFY_WITH_TIMEOUT(program->started_up(), 5000);
  }
  void cleanup() {
    program->stop();
    program.reset();
  }

  void banner_and_titles_show() {
    QTRY_VERIFY(view()->toPlainText().contains("Tarnex"));
    QVERIFY(view()->toPlainText().contains("   *****************************************************"));
    // The maximised text window's title joins the frame's, as the desktop shows
    // a maximised child window.
    QCOMPARE(program->ui().main_window()->windowTitle(), QStringLiteral(" Windows Interface for the Qarn - [Tarnex]"));
    QVERIFY(QFontInfo(view()->font()).fixedPitch());
  }

  void menus_in_order_with_separators_and_terminate_grayed() {
    QStringList titles;
    for (QAction* a : program->ui().main_window()->menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, (QStringList{"QARN Files", "MS Programs", "&QARN Programs", "&HEC-DSSVue", "File Building Aids",
                                  "Information", "&Exit", "History"}));
    QAction* terminate = item("TERMINATE");
    auto* menu = qobject_cast<QMenu*>(terminate->parent());
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("&QARN Programs"));
    const auto actions = menu->actions();
    QCOMPARE(actions.indexOf(terminate), 5);
    QVERIFY(actions[4]->isSeparator());
    QCOMPARE(terminate->text(), QStringLiteral("Te&rminate"));
    QVERIFY(!terminate->isEnabled());
    QVERIFY(item("QARN_MOR_ORB")->isEnabled());
  }

  void run_item_posts_its_code() {
    program->state().post(tarnex::kIdle);
    item("QARN_FLUM")->trigger();
    QCOMPARE(program->state().pending_command.load(), int{tarnex::kFlumDialog});
  }

  void grayouts_from_the_loop_thread_reach_the_menus() {
    std::atomic<bool> done{false};
    std::thread loop([&] {
      // ORB's run code: a code the command loop has no operation for, so no
      // dialog opens meanwhile
      program->state().pending_command = tarnex::kOrbRun;
      tarnex::MENU_GRAYOUTS(program->state(), program->ui());
      done = true;
    });
    QTRY_VERIFY(done.load());  // the loop thread's calls wait for this thread's events
    loop.join();
    QVERIFY(!item("QARN_MOR_ORB")->isEnabled());
    QVERIFY(item("TERMINATE")->isEnabled());
    QVERIFY(!program->ui().close_enabled());
    program->state().pending_command = tarnex::kIdle;
    tarnex::MENU_GRAYOUTS(program->state(), program->ui());
    QVERIFY(item("QARN_MOR_ORB")->isEnabled());
  }

  void text_written_from_another_thread_shows_and_keeps_250_rows() {
    std::thread writer([&] {
      for (int i = 1; i <= 600; ++i) program->ui().text().write_line("row " + std::to_string(i));
      program->ui().text().write(std::string("bad \xff byte and \0 nul", 20));
    });
    writer.join();
    QTRY_VERIFY(view()->toPlainText().contains("row 600"));
    QCOMPARE(view()->blockCount(), 250);
    QVERIFY(!view()->toPlainText().contains("row 350\n"));
    QVERIFY(view()->toPlainText().contains(QString::fromUtf8("bad \xEF\xBF\xBD byte and   nul")));
  }

  void message_box_is_a_warning_with_its_title() {
    QString seen_title, seen_text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    tarnex::test::when_shown("messagebox", [&](QWidget* w) {
      auto* box = static_cast<QMessageBox*>(w);
      seen_title = box->windowTitle();
      seen_text = box->text();
      icon = box->icon();
      box->button(QMessageBox::Ok)->click();
    });
    program->ui().message_box("line one\r\nline two", "ERROR");
    QCOMPARE(seen_title, QStringLiteral("ERROR"));
    QCOMPARE(seen_text, QStringLiteral("line one\nline two"));
    QCOMPARE(icon, QMessageBox::Warning);
  }

  void exit_item_ends_through_the_exit_handler() {
    int code = -1;
    program->ui().set_exit_handler([&](int c) { code = c; });
    item("EXIT_TARNEX")->trigger();
    QCOMPARE(code, 259);
  }

  void close_is_refused_while_disabled() {
    int code = -1;
    program->ui().set_exit_handler([&](int c) { code = c; });
    program->ui().set_close_enabled(false);
    program->ui().main_window()->close();
    QCOMPARE(code, -1);
    program->ui().set_close_enabled(true);
    program->ui().main_window()->close();
    QCOMPARE(code, 0);
  }
};

QTEST_MAIN(QtWindowTest)
#include "qt_window_test.moc"
