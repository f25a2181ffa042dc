#include <QApplication>
#include <QMainWindow>
#include <cstdlib>
#include <iostream>

#include "app/program.h"
#include "play.h"
#include "runner.h"

namespace tarnex::scenario {
namespace {

// The offscreen platform warns that it cannot size windows to their hints,
// and Qt that a test machine has no runtime directory; neither says anything
// about the scenario, so they are kept out of the report.
void quiet_platform_warnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR"))) {
    return;
  }
  std::cerr << qFormatLogMessage(type, context, message).toStdString() << std::endl;
}

}  // namespace

std::optional<Played> play_on_window(int argc, char** argv, std::vector<Step> steps, Player::Options options) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  Played played;
  qInstallMessageHandler(quiet_platform_warnings);
  QApplication application(argc, argv);
  tarnex::Program program;
  Runner runner(program, std::move(steps), std::move(options));
  program.ui().set_exit_handler([&](int) {
    runner.program_exited();
    program.ui().main_window()->hide();
    program.state().request_stop();
  });
  Watchdog watchdog(runner.player());
  program.start();
  runner.start([&](bool passed) {
    played = {passed, runner.failure(), program.ui().text().text()};
    program.ui().shut_down();
    // exit(), not quit(): quit() first asks every window to close, and the
    // main window refuses (its close is the Exit command's), so the runner
    // would never leave its event loop.
    QCoreApplication::exit(0);
  });
  QApplication::exec();
  // Terminates a model still running, its helpers with it.
  program.stop();
  return played;
}

}  // namespace tarnex::scenario
