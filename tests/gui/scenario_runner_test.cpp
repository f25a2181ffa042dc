// The scenario runner's own tests: each step kind in a scenario that must
// pass, and each check (and each way an action fails) in one that must fail at
// its line, so that a check that cannot fail is caught. The program gets a
// test menu that opens a dialog holding every control kind. Every test runs
// on both realisations, the Qt window and the headless one, so that a step
// means the same on each.

#include <QTemporaryDir>
#include <QtTest>
#include <optional>
#include <thread>

#include "app/program.h"
#include "headless_realisation.h"
#include "player.h"
#include "runner.h"
#include "script.h"
#include "test_templates.h"

using namespace tarnex;

namespace {

struct Played {
  bool passed = false;
  std::string failure;
};

// Writes what the user did to the dialog into the main window, so that a
// scenario can see which callbacks fired.
void report_events(ui::Ui& ui, ui::Dialog& dialog) {
  const std::pair<int, ui::Event> watched[] = {{102, ui::Event::EditChange},      {103, ui::Event::FocusGain},
                                               {108, ui::Event::Click},           {114, ui::Event::SelectionChange},
                                               {117, ui::Event::ScrollChange}};
  for (const auto& [id, event] : watched) {
    dialog.set_callback(id, event, [&ui](ui::Dialog&, int control, ui::Event e) {
      ui.text().write_line("event " + std::to_string(control) + " " + std::to_string(static_cast<int>(e)));
    });
  }
}

void add_test_menu(ui::Ui& ui) {
  ui.add_menu("Test");
  ui.add_menu_item("Open", "TEST_OPEN", [&ui] {
    auto dialog = ui.make_dialog(test::kEveryKindDialog);
    report_events(ui, *dialog);
    dialog->set_enabled(113, false);
    ui.text().write_line("ended " + std::to_string(dialog->run_modal()));
  }, true);
  ui.add_menu_item("Warn", "TEST_WARN", [&ui] {
    ui.message_box("Something\r\nhappened", "ERROR");
    ui.text().write_line("after box");
  }, true);
  ui.add_menu_item("Pick", "TEST_PICK", [&ui] {
    auto path = ui.open_file({{"DAT Files", "*.DAT"}}, "Select the QARN file", "");
    ui.text().write_line(path ? "picked " + *path : "cancelled");
  }, true);
  ui.add_menu_item("Gray", "TEST_GRAY", nullptr, false);
}

Played play_on_qt(const QString& text, int timeout_ms) {
  QTemporaryDir directory;
  std::filesystem::current_path(directory.path().toStdString());
  Played played;
  Program program;
  program.ui().templates().add(test::kEveryKindTemplate);
  scenario::Runner runner(program, scenario::parse_scenario(text.toStdString()),
                          {std::chrono::milliseconds(timeout_ms), directory.path().toStdString()});
  program.ui().set_exit_handler([&](int) {
    runner.program_exited();
    program.state().request_stop();
  });
  program.start();
  QElapsedTimer clock;
  clock.start();
  while (!program.started_up() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  add_test_menu(program.ui());
  bool finished = false;
  runner.start([&](bool passed) {
    played.passed = passed;
    played.failure = runner.failure();
    finished = true;
    program.ui().shut_down();
  });
  while (!finished && clock.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  program.stop();
  std::filesystem::current_path(QDir::tempPath().toStdString());
  return played;
}

// As the headless player plays (play_headless.cpp), with the test menu.
Played play_headless(const QString& text, int timeout_ms) {
  QTemporaryDir directory;
  std::filesystem::current_path(directory.path().toStdString());
  Played played;
  {
    ui::HeadlessUi ui;
    ui.templates().add(test::kEveryKindTemplate);
    ui.go_live();
    Session session(ui);
    scenario::HeadlessRealisation realisation(ui, session);
    scenario::Player player(realisation, scenario::parse_scenario(text.toStdString()),
                            {std::chrono::milliseconds(timeout_ms), directory.path().toStdString()});
    session.start();
    QElapsedTimer clock;
    clock.start();
    while (!session.started_up() && clock.elapsed() < 10000) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    add_test_menu(ui);
    player.start();
    while (!player.tick() && clock.elapsed() < 30000) {
      if (ui.exit_code()) session.state().request_stop();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    played = {player.ended() && player.passed(), player.failure()};
    ui.shut_down();
    ui.live().end_window_thread();
    session.stop([] {});
  }
  std::filesystem::current_path(QDir::tempPath().toStdString());
  return played;
}

bool on_headless() {
  QFETCH_GLOBAL(bool, headless);
  return headless;
}

Played play(const QString& text, int timeout_ms) {
  return on_headless() ? play_headless(text, timeout_ms) : play_on_qt(text, timeout_ms);
}

}  // namespace

class ScenarioRunnerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase_data() {
    QTest::addColumn<bool>("headless");
    QTest::newRow("qt") << false;
    QTest::newRow("headless") << true;
  }

  void step_kinds_that_hold_data() {
    QTest::addColumn<QString>("scenario");
    QTest::newRow("files") << "put sub/A.TXT\nfirst line\n  second  \n.end\n"
                              "file sub/A.TXT\nfirst line\n  second  \n.end\n"
                              "file-line sub/A.TXT 2   second  \nfile-lines sub/A.TXT 2\n"
                              "remove sub/A.TXT\nno-file sub/A.TXT\nanswers MOR \n";
    QTest::newRow("menus and window") << "window Tarnex\nno-window Nothing like this\nidle\nsleep 30\n"
                                         "expect-menu &QARN Programs | Te&rminate grayed\n"
                                         "expect-menu &QARN Programs | &MOR-ORB enabled\n";
    QTest::newRow("every control") << "menu Test | Open\ndialog 9001\ntitle Every kind\nexpect 101 A label\n"
                                      "type 102 BASIN\nexpect 102 BASIN\nwindow event 102 2\n"
                                      "focus 103\nwindow event 103 3\ntype 103 one\\ntwo\nexpect 103 one\\ntwo\n"
                                      "expect-contains 103 e\\nt\nexpect 104 fixed\n"
                                      "check 108\nexpect-checked 108 on\nwindow event 108 0\nuncheck 108\n"
                                      "expect-checked 108 off\nclick 111\nexpect-checked 111 on\n"
                                      "expect-checked 110 off\nexpect-enabled 113 off\nexpect-enabled 112 on\n"
                                      "choose 114 TWO\nexpect-selected 114 TWO\nwindow event 114 1\n"
                                      "choose 116 #3\nexpect 116 gamma\nexpect-count 116 3\nexpect-count 114 2\n"
                                      "scroll 117 40\nwindow event 117 4\ntype 102\nexpect 102 \n"
                                      "click 107\nno-dialog\nwindow ended 107\n";
    QTest::newRow("text beyond ASCII") << "menu Test | Open\ndialog 9001\ntype 102 basinü €\nexpect 102 basinü €\n"
                                          "type 103 ñ\\n𝄞 x\nexpect 103 ñ\\n𝄞 x\nclick 107\nno-dialog\n";
    QTest::newRow("enter ends with the default button") << "menu Test | Open\ndialog 9001\ntype 102 X\\n\n"
                                                           "no-dialog\nwindow ended 1\n";
    QTest::newRow("message box") << "menu Test | Warn\nmessage Something\\nhappened\nwindow after box\n";
    QTest::newRow("open-file answers") << "answer-file sub/B.DAT\nmenu Test | Pick\nwindow sub/B.DAT\n"
                                          "answer-file cancel\nmenu Test | Pick\nwindow cancelled\n";
    QTest::newRow("exit") << "menu &Exit | &Exit\nexited\nno-file nothing\n";
  }
  void step_kinds_that_hold() {
    QFETCH(QString, scenario);
    const auto played = play(scenario, 5000);
    QVERIFY2(played.passed, played.failure.c_str());
  }

  void env_reaches_programs_started_later() {
    const auto played = play("env TARNEX_SCENARIO_TEST a value \n", 1000);
    QVERIFY(played.passed);
    QCOMPARE(qgetenv("TARNEX_SCENARIO_TEST"), QByteArray("a value "));
  }

  void checks_that_must_fail_data() {
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("failure");
    const QString open = "menu Test | Open\ndialog 9001\n";
    QTest::newRow("dialog") << "dialog 9001\n" << "FAIL line 1: dialog 9001";
    QTest::newRow("no-dialog") << open + "no-dialog\n" << "FAIL line 3: no-dialog";
    QTest::newRow("title") << open + "title Every\n" << "FAIL line 3: title Every";
    QTest::newRow("expect") << open + "expect 101 A labe\n" << "FAIL line 3";
    QTest::newRow("expect blank") << open + "expect 104\n" << "FAIL line 3";
    QTest::newRow("expect-contains") << open + "expect-contains 101 B\n" << "FAIL line 3";
    QTest::newRow("expect-checked") << open + "expect-checked 108 on\n" << "FAIL line 3";
    QTest::newRow("expect-enabled") << open + "expect-enabled 113 on\n" << "FAIL line 3";
    QTest::newRow("expect-selected") << open + "choose 114 ONE\nexpect-selected 114 TWO\n" << "FAIL line 4";
    QTest::newRow("expect-count") << open + "expect-count 116 4\n" << "FAIL line 3";
    QTest::newRow("expect-menu") << "expect-menu &QARN Programs | Te&rminate enabled\n" << "FAIL line 1";
    QTest::newRow("window") << "window Not there\n" << "FAIL line 1";
    QTest::newRow("no-window") << "no-window Tarnex\n" << "FAIL line 1";
    QTest::newRow("idle") << "menu &QARN Programs | &MOR-ORB\nidle\n" << "FAIL line 2";
    QTest::newRow("file") << "put A\nx\n.end\nfile A\ny\n.end\n" << "FAIL line 4";
    QTest::newRow("file missing") << "file A\n.end\n" << "FAIL line 1";
    QTest::newRow("file-line") << "put A\nx \n.end\nfile-line A 1 x\n" << "FAIL line 4";
    QTest::newRow("file-lines") << "put A\nx\n.end\nfile-lines A 2\n" << "FAIL line 4";
    QTest::newRow("no-file") << "put A\n.end\nno-file A\n" << "FAIL line 3";
    QTest::newRow("answers") << "answers MOR BASIN\n" << "FAIL line 1";
    QTest::newRow("exited") << "exited\n" << "FAIL line 1";
    QTest::newRow("message") << "message Anything\n" << "FAIL line 1";
    QTest::newRow("message text") << "menu Test | Warn\nmessage Other\n" << "FAIL line 2";
    QTest::newRow("missing control") << open + "click 999\n" << "has no control 999";
    QTest::newRow("disabled control") << open + "click 113\n" << "control 113 is disabled";
    QTest::newRow("hidden control") << open + "type 105 x\n" << "control 105 is not shown";
    QTest::newRow("no dialog open") << "click 1\n" << "no dialog is open";
    QTest::newRow("missing entry") << open + "choose 114 THREE\n" << "has no entry";
    QTest::newRow("grayed item") << "menu Test | Gray\n" << "the menu item is grayed";
    QTest::newRow("unknown item") << "menu Test | Absent\n" << "no menu item";
  }
  void checks_that_must_fail() {
    QFETCH(QString, scenario);
    QFETCH(QString, failure);
    const auto played = play(scenario, 300);
    QVERIFY(!played.passed);
    QVERIFY2(QString::fromStdString(played.failure).contains(failure), played.failure.c_str());
  }

  // Steps wait for start-up; a start-up that never ends fails the scenario
  // at the timeout like any other wait.
  void a_start_up_that_never_ends_fails_at_the_timeout() {
    if (on_headless()) {
      ui::HeadlessUi ui;
      Session session(ui);  // never started
      scenario::HeadlessRealisation realisation(ui, session);
      scenario::Player player(realisation, scenario::parse_scenario("window Tarnex\n"),
                              {std::chrono::milliseconds(300), QDir::tempPath().toStdString()});
      player.start();
      QElapsedTimer clock;
      clock.start();
      while (!player.tick() && clock.elapsed() < 30000) std::this_thread::sleep_for(std::chrono::milliseconds(2));
      QVERIFY(player.ended());
      QVERIFY(!player.passed());
      QVERIFY2(QString::fromStdString(player.failure()).contains("did not start up"), player.failure().c_str());
      return;
    }
    QTemporaryDir directory;
    Program program;  // never started
    scenario::Runner runner(program, scenario::parse_scenario("window Tarnex\n"),
                            {std::chrono::milliseconds(300), directory.path().toStdString()});
    std::optional<bool> passed;
    runner.start([&](bool result) { passed = result; });
    QElapsedTimer clock;
    clock.start();
    while (!passed && clock.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCOMPARE(passed, std::optional<bool>(false));
    QVERIFY2(QString::fromStdString(runner.failure()).contains("did not start up"), runner.failure().c_str());
  }

  // What the watchdog thread sees when the window thread stops: no tick
  // runs, yet once the wait and the grace have passed the runner is overdue.
  void a_runner_whose_window_thread_stops_is_overdue() {
    if (on_headless()) {
      ui::HeadlessUi ui;
      Session session(ui);
      scenario::HeadlessRealisation realisation(ui, session);
      scenario::Player player(realisation, scenario::parse_scenario("window Tarnex\n"),
                              {std::chrono::milliseconds(50), QDir::tempPath().toStdString(), std::chrono::milliseconds(0)});
      QVERIFY(!player.overdue());
      player.start();
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      const auto report = player.overdue();
      QVERIFY(report.has_value());
      QVERIFY2(report->find("did not start up") != std::string::npos, report->c_str());
      return;
    }
    QTemporaryDir directory;
    Program program;
    scenario::Runner runner(program, scenario::parse_scenario("window Tarnex\n"),
                            {std::chrono::milliseconds(50), directory.path().toStdString(), std::chrono::milliseconds(0)});
    QVERIFY(!runner.overdue());
    runner.start([](bool) {});
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const auto report = runner.overdue();
    QVERIFY(report.has_value());
    QVERIFY2(report->find("did not start up") != std::string::npos, report->c_str());
  }

  void the_documented_example_parses() {
    const auto steps = scenario::parse_scenario(
        "# MOR then ORB from dialog 191\nput BASIN.DAT\nT1 a basin\n.end\nmenu &QARN Programs | &MOR-ORB\n"
        "dialog 191\ncheck 1231\ntype 1217 BASIN\ncheck 1230\ntype 1220 BASIN\nclick 1216\nidle\n"
        "answers MOR BASIN\\nBASIN\\nA\\n\\n\nwindow Exit QARN-MOR\n");
    QCOMPARE(steps.size(), std::size_t{11});
    QCOMPARE(steps[0].block, std::string("T1 a basin\n"));
    QCOMPARE(steps[9].text, std::string("BASIN\nBASIN\nA\n\n"));
    QCOMPARE(steps[9].line, 13);
  }

  // A system without POSIX paths skips a scenario that names one as a file.
  void posix_paths_are_found_data() {
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("path");
    QTest::newRow("answer-file") << "answer-file /tmp/BASIN.DAT\n" << "/tmp/BASIN.DAT";
    QTest::newRow("file") << "file /tmp/A\n.end\n" << "/tmp/A";
    QTest::newRow("no-file") << "no-file /A\n" << "/A";
    QTest::newRow("relative paths") << "answer-file cancel\nput sub/A\n.end\nno-file A\n" << "";
    QTest::newRow("a message naming one") << "message /BASIN.DAT\n" << "";
  }
  void posix_paths_are_found() {
    QFETCH(QString, scenario);
    QFETCH(QString, path);
    QCOMPARE(QString::fromStdString(scenario::posix_path(scenario::parse_scenario(scenario.toStdString())).value_or("")),
             path);
  }
};

QTEST_MAIN(ScenarioRunnerTest)
#include "scenario_runner_test.moc"
