#include "app/program.h"

#include <QCoreApplication>

#include "ui/qt/history_settings.h"

namespace tarnex {

Program::~Program() { stop(); }

void Program::start() {
  const auto history = ui::load_history_settings();
  state().history.set_keeping(history.keeping);
  state().history.set_limits(history.limits);
  ui_.show();
  session_.start();
}

void Program::stop() {
  if (!session_.running()) return;
  ui_.shut_down();
  session_.stop([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); });
}

}  // namespace tarnex
