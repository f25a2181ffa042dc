#pragma once
// The headless window's live mode: modal windows that wait for a user on
// another thread instead of scripts queued beforehand. Each thread that runs
// a modal window has a queue of the user's actions, which the window's loop
// runs one after another on that thread; an action that opens a nested modal
// window runs the nested loop inside it, on the same thread, as a real
// window system does. So a player acts as the user and reads what the user
// sees without racing the logic, and never waits on a thread that waits on
// it. Menu routines run on a window thread of the mode's own.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tarnex::ui {

class HeadlessDialog;

// A modal window while its loop runs.
struct ModalWindow {
  enum class Kind { Dialog, MessageBox, OpenFile };
  Kind kind = Kind::Dialog;
  HeadlessDialog* dialog = nullptr;  // for a dialog
  std::string text;                  // a message box's text
  std::string title;                 // a message box's or an open-file dialog's title
  bool ended = false;                // a box's button was pressed
};

class ModalLoops {
 public:
  ModalLoops() = default;
  ModalLoops(const ModalLoops&) = delete;
  ModalLoops& operator=(const ModalLoops&) = delete;
  // Ends the window thread, after the action it runs.
  ~ModalLoops();

  void start_window_thread();
  bool has_window_thread() const;
  // Ends the window thread after the action it runs, and waits for it.
  void end_window_thread();

  // Runs the actions posted to this thread while `window` is open, the
  // topmost from now on, until `ended()` holds (checked after each action)
  // or the mode shuts down.
  void run(ModalWindow& window, const std::function<bool()>& ended);
  // Posts `action` to the thread of the topmost modal window (of `kind`,
  // when given), after the actions posted before it. It is handed the
  // window, or null when that window has closed by the time the action
  // runs; it is dropped when no loop is left on that thread. False when no
  // such window is open.
  bool post_to_topmost(std::function<void(ModalWindow*)> action,
                       std::optional<ModalWindow::Kind> kind = std::nullopt);
  // The open modal windows, the topmost last: kind, dialog, a box's text
  // and title, which never change while it is open.
  std::vector<ModalWindow> shown() const;
  // Posts `action` to the window thread.
  void post_to_window(std::function<void()> action);
  bool any_open() const;
  // True when every action posted has been done, or waits in a modal
  // window it opened.
  bool settled() const;

  // From now on no modal window waits: those open end, later ones end at once.
  void shut_down();
  bool shutting_down() const { return stopping_; }
  // What the actions threw, oldest first.
  std::vector<std::string> errors() const;

 private:
  struct Queue {
    std::condition_variable wake;
    std::deque<std::function<void()>> actions;
    int loops = 0;
    // The actions now running on the thread, innermost last; true once it
    // waits in a modal window it opened.
    std::vector<bool> running;
  };
  struct Open {
    std::uint64_t serial;
    ModalWindow* window;
    Queue* queue;
  };

  Queue& queue_of_this_thread();
  // Runs the queue's actions until `done()`; the lock is held except while
  // an action runs.
  void loop(Queue& queue, std::unique_lock<std::mutex>& lock, const std::function<bool()>& done);

  mutable std::mutex mutex_;
  std::map<std::thread::id, std::unique_ptr<Queue>> queues_;
  std::vector<Open> open_;
  std::uint64_t next_serial_ = 1;
  std::atomic<bool> stopping_{false};
  std::thread window_thread_;
  Queue* window_queue_ = nullptr;
  bool window_ending_ = false;
  std::vector<std::string> errors_;
};

}  // namespace tarnex::ui
