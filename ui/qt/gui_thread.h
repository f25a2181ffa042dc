#pragma once
// The command-loop thread calls the window services too; widgets may only be
// touched on the window thread, so such calls are carried over to it and wait
// for their result there.

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <type_traits>
#include <utility>

namespace tarnex::ui {

template <class F>
auto on_gui(F&& work) -> decltype(work()) {
  using Result = decltype(work());
  auto* app = QCoreApplication::instance();
  if (QThread::currentThread() == app->thread()) return work();
  if constexpr (std::is_void_v<Result>) {
    QMetaObject::invokeMethod(app, std::forward<F>(work), Qt::BlockingQueuedConnection);
  } else {
    Result result{};
    QMetaObject::invokeMethod(app, [&] { result = work(); }, Qt::BlockingQueuedConnection);
    return result;
  }
}

}  // namespace tarnex::ui
