#pragma once
// The scenario player's realisation on the Win32 window: it finds dialogs by
// the window property that holds their id and controls by their ids, reads
// them as the user sees them (win32_windows.h) and acts on them from posted
// messages, so that each action runs in the window thread's message loop
// after the player's tick, and a dialog it opens runs its own loop while the
// ticks go on. Lives on the window thread.

#include <windows.h>

#include <deque>
#include <functional>

#include "app/win32_program.h"
#include "realisation.h"

namespace tarnex::scenario {

class Win32Realisation final : public Realisation {
 public:
  explicit Win32Realisation(Win32Program& program);
  ~Win32Realisation() override;
  Win32Realisation(const Win32Realisation&) = delete;
  Win32Realisation& operator=(const Win32Realisation&) = delete;

  // Called by the program's exit handler.
  void program_exited() { exited_ = true; }
  // Calls `tick` every few milliseconds from the window thread's message
  // loop, the loops of modal dialogs and message boxes included, until
  // stop_ticks().
  void tick_every(UINT milliseconds, std::function<void()> tick);
  void stop_ticks();

  bool started_up() override { return program_.started_up(); }
  bool exited() override { return exited_; }
  State& state() override { return program_.state(); }
  std::string window_text() override { return program_.ui().text().text(); }
  std::optional<WindowView> topmost() override;
  std::optional<ControlView> control(int id) override;
  std::optional<std::string> message_box() override;
  std::optional<bool> menu_item(const std::string& menu, const std::string& item) override;
  void focus(int id) override;
  void type(int id, const std::string& text) override;
  void click(int id) override;
  void choose(int id, int index) override;
  void scroll(int id, int position) override;
  void press_message_box() override;
  void choose_menu_item(const std::string& menu, const std::string& item) override;
  void answer_open_file(std::optional<std::string> path) override { program_.ui().answer_open_file(std::move(path)); }
  // Every action posted has begun; one that opened a dialog waits in it.
  bool settled() override { return actions_.empty(); }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // Runs `action` from the window thread's message loop after this tick.
  void post(std::function<void()> action);
  // An action on control `id` of the topmost dialog, if it is still there.
  void on_control(int id, std::function<void(HWND)> action);

  Win32Program& program_;
  HWND window_ = nullptr;
  std::deque<std::function<void()>> actions_;
  std::function<void()> tick_;
  bool exited_ = false;
};

}  // namespace tarnex::scenario
