// The History window on the real program with the stand-in model programs:
// a MOR-ORB request is listed run by run with its roots, its transcript
// keeps what scrolled out of the main window's 250 rows and Find finds it
// there, and Run again opens dialog 191 filled with that run's roots and
// choices. Also the switch and its setting, the main window's own Find, and
// the status line's notice.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include "app/program.h"
#include "runner.h"
#include "script.h"
#include "ui/qt/history_settings.h"
#include "workdir.h"

using namespace tarnex;

class HistoryWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir desktop;
  std::filesystem::path models;
  std::unique_ptr<Program> program;

  QWidget* history() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QLatin1String("history")) return w;
    }
    return nullptr;
  }
  template <typename W>
  W* in_history(const char* name) {
    auto* found = history() ? history()->findChild<W*>(name) : nullptr;
    if (!found) qFatal("the History window has no %s", name);
    return found;
  }
  QAction* item(const char* routine) { return program->ui().main_window()->menuBar()->findChild<QAction*>(routine); }

  // Plays scenario steps against the program; empty when every step held.
  QString play(const QString& steps) {
    scenario::Runner runner(*program, scenario::parse_scenario(steps.toStdString()),
                            {std::chrono::milliseconds(30000), models});
    bool finished = false;
    bool passed = false;
    runner.start([&](bool ok) {
      passed = ok;
      finished = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!finished && clock.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return passed ? QString() : QString::fromStdString(runner.failure());
  }

  QString row(int index, int column) { return in_history<QTreeWidget>("runs")->topLevelItem(index)->text(column); }

 private slots:
  void initTestCase() {
    QVERIFY(desktop.isValid());
    qputenv("XDG_STATE_HOME", desktop.filePath("state").toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, desktop.filePath("config"));
    models = scenario::make_working_directory(scenario::standin_program());
    std::filesystem::current_path(models);
  }
  void cleanupTestCase() {
    std::filesystem::current_path(QDir::tempPath().toStdString());
    std::filesystem::remove_all(models);
  }
  void init() {
    program = std::make_unique<Program>();
    program->ui().set_exit_handler([](int) {});
    program->start();
    QTRY_VERIFY_WITH_TIMEOUT(program->started_up(), 5000);
  }
  void cleanup() {
    program->stop();
    program.reset();
  }

  void lists_runs_finds_what_scrolled_away_and_runs_again() {
    // Each program prints a mebibyte of lines before its questions: far more
    // than the main window's 250 rows keep.
    QString failure = play(
        "env STANDIN_MODE flood:1\nput BASIN.DAT\nT1 a basin\n.end\n"
        "menu &QARN Programs | &MOR-ORB\ndialog 191\ncheck 1231\ntype 1217 BASIN\nclick 1225\ncheck 1230\n"
        "type 1220 BASIN\nclick 1216\nidle\nenv STANDIN_MODE \\s\n"
        // A later request with other roots: the dialog remembers those.
        "menu &QARN Programs | &MOR-ORB\ndialog 191\ntype 1217 OTHER\ntype 1219 OTHER\nclick 1224\nclick 1229\n"
        "click 1216\nidle\n");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QString main_text = program->ui().main_window()->findChild<QPlainTextEdit*>("text")->toPlainText();
    QVERIFY(!main_text.contains("flood line 00000001 "));

    item("RUN_HISTORY")->trigger();
    QTRY_VERIFY(history() && history()->isVisible());
    auto* runs = in_history<QTreeWidget>("runs");
    QCOMPARE(runs->topLevelItemCount(), 4);
    const QStringList programs{row(0, 1), row(1, 1), row(2, 1), row(3, 1)};
    QCOMPARE(programs, (QStringList{"ORB", "MORD", "ORB", "MOR"}));
    QCOMPARE(row(3, 2), QStringLiteral("BASIN"));
    QCOMPARE(row(2, 2), QStringLiteral("BASIN"));
    QCOMPARE(row(1, 2), QStringLiteral("OTHER"));
    QCOMPARE(row(3, 4), QStringLiteral("exit code 0"));
    QVERIFY(!row(3, 3).isEmpty());

    // The first MOR run: its transcript holds the lines the window lost.
    runs->setCurrentItem(runs->topLevelItem(3));
    auto* transcript = in_history<QPlainTextEdit>("transcript");
    QVERIFY(transcript->toPlainText().startsWith("Tarnex run transcript\nProgram: MOR\n"));
    QVERIFY(transcript->toPlainText().contains("Root of input and output: BASIN"));
    QVERIFY(transcript->toPlainText().contains("Replace for output files: No"));
    QVERIFY(QTest::qWaitForWindowActive(history()));
    QTest::keyClick(history(), Qt::Key_F, Qt::ControlModifier);
    auto* field = in_history<QLineEdit>("find-text");
    QTRY_VERIFY(field->isVisible());
    QTest::keyClicks(field, "FLOOD LINE 00000001 ");
    QCOMPARE(in_history<QLabel>("find-count")->text(), QStringLiteral("1 of 1"));
    QCOMPARE(transcript->textCursor().selectedText(), QStringLiteral("flood line 00000001 "));
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!field->isVisible());

    // Run again: dialog 191 opens with that run's roots and choices, not
    // with those the dialog remembers; the user still begins it.
    in_history<QPushButton>("again")->click();
    failure = play(
        "dialog 191\nexpect 1217 BASIN\nexpect 1219 BASIN\nexpect-checked 1231 on\n"
        "expect-checked 1228 on\nexpect-checked 1229 off\nexpect-checked 1225 on\n"
        "expect-checked 1224 off\nexpect 1220 BASIN\nclick 2\nno-dialog\nidle\n");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(runs->topLevelItemCount(), 4);
  }

  void the_switch_turns_transcripts_off_and_is_remembered() {
    QSettings(QStringLiteral("Tarnex"), QStringLiteral("tarnex")).clear();
    item("RUN_HISTORY")->trigger();
    QTRY_VERIFY(history() && history()->isVisible());
    auto* keep = in_history<QCheckBox>("keep");
    QVERIFY(keep->isChecked());
    keep->click();
    QVERIFY(!program->state().history.keeping());
    QVERIFY(!ui::load_history_settings().keeping);
    const QString failure = play("menu &QARN Programs | &JORN\ndialog 215\ntype 1280 J\nclick 1284\nidle\n");
    keep->click();
    QVERIFY(program->state().history.keeping());
    QVERIFY(ui::load_history_settings().keeping);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    for (const auto& run : history::list_runs(program->state().history.directory())) {
      QVERIFY(run.header.program != "JORN");
    }
  }

  void settings_hold_without_a_file_and_refuse_nonsense() {
    QSettings stored(QStringLiteral("Tarnex"), QStringLiteral("tarnex"));
    stored.clear();
    stored.sync();
    auto loaded = ui::load_history_settings();
    QVERIFY(loaded.keeping);
    QCOMPARE(loaded.limits, history::Limits{});
    stored.setValue("history/most-runs", 20);
    stored.setValue("history/most-megabytes", 3);
    stored.setValue("history/keep-transcripts", false);
    stored.sync();
    loaded = ui::load_history_settings();
    QVERIFY(!loaded.keeping);
    QCOMPARE(loaded.limits, (history::Limits{20, 3'000'000}));
    stored.setValue("history/most-runs", "many");
    stored.setValue("history/most-megabytes", -4);
    stored.sync();
    QCOMPARE(ui::load_history_settings().limits, history::Limits{});
    stored.clear();
  }

  void main_window_find_searches_its_rows() {
    for (int i = 1; i <= 300; ++i) program->ui().text().write_line("row " + std::to_string(i) + " end");
    program->ui().refresh_text();
    auto* frame = program->ui().main_window();
    auto* bar = frame->findChild<QToolBar*>("findbar");
    QVERIFY(bar && !bar->isVisible());
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(frame, Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(bar->isVisible());
    auto* field = bar->findChild<QLineEdit*>("find-text");
    QTest::keyClicks(field, "row 299 ");
    QCOMPARE(bar->findChild<QLabel*>("find-count")->text(), QStringLiteral("1 of 1"));
    auto* view = frame->findChild<QPlainTextEdit*>("text");
    QCOMPARE(view->textCursor().selectedText(), QStringLiteral("row 299 "));
    view->moveCursor(QTextCursor::Start);
    field->setText("end");
    QCOMPARE(bar->findChild<QLabel*>("find-count")->text(), QStringLiteral("1 of %1").arg(view->blockCount() - 1));
    QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(bar->findChild<QLabel*>("find-count")->text(), QStringLiteral("%1 of %1").arg(view->blockCount() - 1));
    field->setText("row 1 end");
    QVERIFY(bar->findChild<QLabel*>("find-count")->text().startsWith("No match in the window's rows; History keeps"));
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
  }

  void the_status_line_says_when_transcripts_are_not_kept() {
    program->ui().set_history_notice("Transcripts are not being kept: cannot make /x: Not a directory");
    auto* notice = program->ui().main_window()->findChild<QLabel*>("history-notice");
    QVERIFY(notice && notice->isVisible());
    QVERIFY(notice->text().contains("cannot make /x"));
    program->ui().set_history_notice("");
    QVERIFY(!notice->isVisible());
  }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
