// The Qt main window's wiring: start-up on the command-loop thread, the menu
// bar, the text window fed from the model, message boxes, Close and Exit.

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "app/program.h"
#include "modal_helper.h"
#include "shell/running_program.h"
#include "ui/qt/qt_text.h"

class QtWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<tarnex::Program> program;

  QPlainTextEdit* view() { return program->ui().main_window()->findChild<QPlainTextEdit*>("text"); }
  QString status() { return program->ui().main_window()->findChild<QLabel*>("runstatus")->text(); }
  void write_rows(int from, int to) {
    for (int i = from; i <= to; ++i) program->ui().text().write_line("row " + std::to_string(i));
    program->ui().refresh_text();
  }
  // Every row of the model, one line each.
  QString model_rows() {
    QStringList rows;
    for (const auto& row : program->ui().text().rows()) rows << QString::fromStdString(row);
    return rows.join('\n');
  }
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

  void appending_keeps_a_selection_and_a_scrolled_up_view() {
    program->ui().text().clear();
    write_rows(1, 100);
    QScrollBar* bar = view()->verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
    bar->setValue(60);
    QTextCursor selection(view()->document()->findBlockByNumber(70));
    selection.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 2);
    view()->setTextCursor(selection);
    const QString selected = view()->textCursor().selectedText();
    QVERIFY(selected.startsWith("row 71"));
    write_rows(101, 120);
    QCOMPARE(bar->value(), 60);
    QCOMPARE(view()->textCursor().selectedText(), selected);
    // A row that goes on is appended to, not written anew.
    program->ui().text().write("partial");
    program->ui().refresh_text();
    program->ui().text().write(" line");
    program->ui().refresh_text();
    QVERIFY(view()->toPlainText().endsWith("row 120\npartial line"));
    QCOMPARE(view()->textCursor().selectedText(), selected);
    // Rows that leave the top (41 of them) take the view along: it still
    // begins with the row it began with.
    write_rows(121, 290);
    QCOMPARE(view()->blockCount(), 250);
    QCOMPARE(bar->value(), 60 - 41);
    QCOMPARE(view()->document()->findBlockByNumber(bar->value()).text(), QStringLiteral("row 61"));
    QCOMPARE(view()->textCursor().selectedText(), selected);
    QCOMPARE(view()->toPlainText(), model_rows());
  }

  void a_view_at_the_end_follows_it() {
    program->ui().text().clear();
    write_rows(1, 100);
    QScrollBar* bar = view()->verticalScrollBar();
    write_rows(101, 400);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(view()->document()->lastBlock().previous().text() == "row 400");
    // Text written over from column 1 shows as the model holds it.
    program->ui().text().write("12345\rab");
    program->ui().refresh_text();
    QVERIFY(view()->toPlainText().endsWith("row 400\nab345"));
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(view()->toPlainText(), model_rows());
  }

  // However much a program printed without a line break, the view holds one
  // block per row of the model, none longer than a row may be, and after
  // each redraw it shows exactly what the model holds.
  void the_view_holds_the_model_row_for_row() {
    using tarnex::TextModel;
    struct Case {
      const char* name;
      std::function<void(TextModel&, tarnex::ui::QtUi&)> steps;
    };
    const std::string mebibyte(1 << 20, 'm');
    const Case cases[] = {
        {"a mebibyte on one line in one write", [&](TextModel& m, auto&) { m.write(mebibyte); }},
        {"a mebibyte on one line as the driver writes it, redrawn on the way",
         [&](TextModel& m, auto& ui) {
           for (std::size_t at = 0; at < mebibyte.size(); at += 511) {
             m.write(std::string_view(mebibyte).substr(at, 511));
             if (at % (64 * 511) == 0) ui.refresh_text();
           }
         }},
        {"a long line after short ones, then a line break",
         [&](TextModel& m, auto& ui) {
           for (int i = 0; i < 100; ++i) m.write_line("short " + std::to_string(i));
           ui.refresh_text();
           m.write(std::string(3 * TextModel::kColumns + 5, 'w') + "\nend");
         }},
        {"a row above written over and a row below going on",
         [&](TextModel& m, auto& ui) {
           for (int i = 0; i < 10; ++i) m.write_line("row " + std::to_string(i));
           m.write("last");
           ui.refresh_text();
           m.set_position({3, 1});
           m.write("ROW");
           m.set_position({11, 5});
           m.write(" goes on");
         }},
        {"progress written over from column 1",
         [&](TextModel& m, auto& ui) {
           m.write("10%");
           ui.refresh_text();
           m.write("\r20%");
           ui.refresh_text();
           m.write("\r");
         }},
        {"characters that would end a block of the document",
         [&](TextModel& m, auto&) { m.write("a\xe2\x80\xa9" "b\xef\xb7\x90" "c\xef\xb7\x91" "d\nnext"); }},
    };
    for (const auto& c : cases) {
      program->ui().text().clear();
      program->ui().refresh_text();
      c.steps(program->ui().text(), program->ui());
      program->ui().refresh_text();
      const auto rows = program->ui().text().rows();
      QTextDocument* document = view()->document();
      QVERIFY2(document->blockCount() == static_cast<int>(rows.size()), c.name);
      QVERIFY2(rows.size() <= TextModel::kRows, c.name);
      int longest = 0;
      for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        longest = std::max(longest, block.length() - 1);
      }
      QVERIFY2(longest <= static_cast<int>(TextModel::kColumns), c.name);
      QStringList shown;
      for (const auto& row : rows) shown << tarnex::ui::text_row(row);
      QVERIFY2(view()->toPlainText() == shown.join('\n'), c.name);
    }
  }

  void the_status_bar_shows_a_run_and_how_it_ended() {
    program->ui().refresh_text();
    const QString text_before = view()->toPlainText();
    struct Case {
      tarnex::ui::RunEnd end;
      int code;
      QString shown;
    };
    const Case cases[] = {
        {tarnex::ui::RunEnd::Exited, 3, "MOR.exe ended with exit code 3 after 0:00"},
        {tarnex::ui::RunEnd::Terminated, 0, "MOR.exe terminated after 0:00"},
        {tarnex::ui::RunEnd::NotStarted, 0, "MOR.exe could not be started"},
    };
    for (const auto& c : cases) {
      program->ui().show_run_started("MOR.exe", "BASIN, HYD");
      QCOMPARE(status(), QStringLiteral("Running MOR.exe (roots BASIN, HYD): 0:00"));
      program->ui().show_run_ended(c.end, c.code);
      QCOMPARE(status(), c.shown);
    }
    program->ui().show_run_started("FLUM.exe", "");
    QCOMPARE(status(), QStringLiteral("Running FLUM.exe: 0:00"));
    program->ui().refresh_text();
    QCOMPARE(view()->toPlainText(), text_before);
  }

  void close_during_a_run_shows_the_exit_refusal_and_keeps_tarnex_open() {
    int code = -1;
    program->ui().set_exit_handler([&](int c) { code = c; });
    program->state().pending_command = tarnex::kMorRun;
    tarnex::MENU_GRAYOUTS(program->state(), program->ui());
    program->state().running.set_exit_code(tarnex::kStillActive);
    QString refusal;
    tarnex::test::when_shown("messagebox", [&](QWidget* w) {
      auto* box = static_cast<QMessageBox*>(w);
      refusal = box->windowTitle() + ": " + box->text();
      box->button(QMessageBox::Ok)->click();
    });
    program->ui().main_window()->close();
    QCOMPARE(refusal, QStringLiteral("ERROR: WARNING: MOR.exe is still active.\n\nSelect TERMINATE in the QARN\nmenu if "
                                     "you wish to stop MOR.exe."));
    QCOMPARE(code, -1);
    program->state().running.set_exit_code(0);
    program->state().pending_command = tarnex::kIdle;
    tarnex::MENU_GRAYOUTS(program->state(), program->ui());
    program->ui().main_window()->close();
    QCOMPARE(code, 0);
  }

  // The desktop's opener is played by scripts put first on the search path.
  void a_file_the_opener_cannot_open_is_a_failure_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("opened");
    QTest::newRow("no application") << QStringLiteral("exit 3") << false;
    QTest::newRow("opened") << QStringLiteral("exit 0") << true;
    QTest::newRow("application in the foreground") << QStringLiteral("exec sleep 5") << true;
  }
  void a_file_the_opener_cannot_open_is_a_failure() {
    QFETCH(QString, opener);
    QFETCH(bool, opened);
    QTemporaryDir bin;
    QFile script(bin.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\n" + opener + "\n").toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":" + path);
    const int result = program->ui().shell_open(bin.filePath("BASIN.DAT").toStdString());
    qputenv("PATH", path);
    QCOMPARE(result > 32, opened);
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
