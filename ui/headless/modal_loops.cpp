#include "ui/headless/modal_loops.h"

#include <algorithm>
#include <exception>

namespace tarnex::ui {

ModalLoops::~ModalLoops() { end_window_thread(); }

void ModalLoops::end_window_thread() {
  if (!window_thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    window_ending_ = true;
    window_queue_->wake.notify_all();
  }
  window_thread_.join();
}

void ModalLoops::start_window_thread() {
  std::unique_lock lock(mutex_);
  if (window_thread_.joinable()) return;
  std::condition_variable ready;
  window_thread_ = std::thread([this, &ready] {
    std::unique_lock lock(mutex_);
    window_queue_ = &queue_of_this_thread();
    ready.notify_all();
    loop(*window_queue_, lock, [this] { return window_ending_; });
  });
  ready.wait(lock, [this] { return window_queue_ != nullptr; });
}

bool ModalLoops::has_window_thread() const {
  std::lock_guard lock(mutex_);
  return window_queue_ != nullptr;
}

ModalLoops::Queue& ModalLoops::queue_of_this_thread() {
  auto& queue = queues_[std::this_thread::get_id()];
  if (!queue) queue = std::make_unique<Queue>();
  return *queue;
}

void ModalLoops::loop(Queue& queue, std::unique_lock<std::mutex>& lock, const std::function<bool()>& done) {
  // The action that opened this loop now waits in it.
  if (!queue.running.empty()) queue.running.back() = true;
  ++queue.loops;
  while (!done()) {
    queue.wake.wait(lock, [&] { return !queue.actions.empty() || done(); });
    if (queue.actions.empty()) break;
    auto action = std::move(queue.actions.front());
    queue.actions.pop_front();
    queue.running.push_back(false);
    lock.unlock();
    try {
      action();
    } catch (const std::exception& error) {
      std::lock_guard again(mutex_);
      errors_.emplace_back(error.what());
    }
    lock.lock();
    queue.running.pop_back();
  }
  // Nothing runs what is left once the thread's last loop has ended.
  if (--queue.loops == 0) queue.actions.clear();
  if (!queue.running.empty()) queue.running.back() = false;
}

void ModalLoops::run(ModalWindow& window, const std::function<bool()>& ended) {
  std::unique_lock lock(mutex_);
  if (stopping_) return;
  Queue& queue = queue_of_this_thread();
  const auto serial = next_serial_++;
  open_.push_back({serial, &window, &queue});
  // `ended` reads what only this thread's actions change; a shut-down comes
  // from elsewhere and wakes every queue.
  loop(queue, lock, [&] { return stopping_ || ended(); });
  std::erase_if(open_, [serial](const Open& open) { return open.serial == serial; });
}

bool ModalLoops::post_to_topmost(std::function<void(ModalWindow*)> action, std::optional<ModalWindow::Kind> kind) {
  std::lock_guard lock(mutex_);
  auto found = std::find_if(open_.rbegin(), open_.rend(),
                            [&kind](const Open& open) { return !kind || open.window->kind == *kind; });
  if (found == open_.rend()) return false;
  const Open topmost = *found;
  topmost.queue->actions.push_back([this, serial = topmost.serial, action = std::move(action)] {
    ModalWindow* window = nullptr;
    {
      std::lock_guard lock(mutex_);
      for (const auto& open : open_) {
        if (open.serial == serial) window = open.window;
      }
    }
    action(window);
  });
  topmost.queue->wake.notify_all();
  return true;
}

void ModalLoops::post_to_window(std::function<void()> action) {
  std::lock_guard lock(mutex_);
  if (!window_queue_) throw std::logic_error("the live mode has no window thread");
  window_queue_->actions.push_back(std::move(action));
  window_queue_->wake.notify_all();
}

std::vector<ModalWindow> ModalLoops::shown() const {
  std::lock_guard lock(mutex_);
  std::vector<ModalWindow> windows;
  for (const auto& open : open_) {
    ModalWindow& shown = windows.emplace_back();
    shown.kind = open.window->kind;
    shown.dialog = open.window->dialog;
    shown.text = open.window->text;
    shown.title = open.window->title;
  }
  return windows;
}

bool ModalLoops::any_open() const {
  std::lock_guard lock(mutex_);
  return !open_.empty();
}

bool ModalLoops::settled() const {
  std::lock_guard lock(mutex_);
  return std::all_of(queues_.begin(), queues_.end(), [](const auto& entry) {
    const Queue& queue = *entry.second;
    return queue.actions.empty() && (queue.running.empty() || queue.running.back());
  });
}

void ModalLoops::shut_down() {
  std::lock_guard lock(mutex_);
  stopping_ = true;
  for (auto& [thread, queue] : queues_) queue->wake.notify_all();
}

std::vector<std::string> ModalLoops::errors() const {
  std::lock_guard lock(mutex_);
  return errors_;
}

}  // namespace tarnex::ui
