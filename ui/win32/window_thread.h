#pragma once
// Windows belong to the thread that made them, and only the window thread
// runs the message loop of the frame and its dialogs. The command-loop thread
// calls the window services too: such calls are carried to the window thread
// by a sent message, and the caller waits there for their result.

#include <functional>
#include <type_traits>
#include <utility>

namespace tarnex::ui::win32 {

// Makes the calling thread the window thread. Called once, before any window
// exists and before another thread calls on_window_thread.
void become_window_thread();
bool is_window_thread();
// Runs `work` on the window thread and returns when it has run; an exception
// it throws is thrown again to the caller.
void run_on_window_thread(const std::function<void()>& work);

template <class F>
auto on_window_thread(F&& work) -> decltype(work()) {
  using Result = decltype(work());
  if (is_window_thread()) return work();
  if constexpr (std::is_void_v<Result>) {
    run_on_window_thread(std::forward<F>(work));
  } else {
    Result result{};
    run_on_window_thread([&] { result = work(); });
    return result;
  }
}

}  // namespace tarnex::ui::win32
