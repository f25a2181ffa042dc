#pragma once
// A modal dialog is reached through a blocking exec(): the helper is armed
// before the action and polls, bounded, for the dialog to appear.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tarnex::test {

inline void when_shown(const QString& object_name, std::function<void(QWidget*)> act, int tries = 300) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, object_name, act, tries]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->objectName() == object_name && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(modal);
    } else if (--tries <= 0) {
      timer->stop();
      timer->deleteLater();
      if (modal) modal->close();
    }
  });
  timer->start();
}

}  // namespace tarnex::test
