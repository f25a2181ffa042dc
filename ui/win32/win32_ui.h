#pragma once
// The Win32 realisation of the window services: the frame with its menu bar,
// the text window filling it and the status bar, message boxes, the
// open-file dialog, opening documents and web addresses, the History window
// and dialogs built from their templates. The window thread makes it and
// runs its message loop; every service may be called from any thread and is
// carried to the window thread (window_thread.h).

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ui/services.h"

namespace tarnex::ui::win32 {

class HistoryWindow;
class TextView;

class Win32Ui final : public Ui {
 public:
  // On the window thread, after become_window_thread().
  Win32Ui();
  ~Win32Ui() override;
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;

  TextModel& text() override { return text_; }
  void set_frame_title(std::string_view title) override;
  void set_text_title(std::string_view title) override;
  bool set_text_font(std::string_view family, int cell_width, int cell_height) override;
  void use_proposed_font() override;
  void set_colours_black_on_white() override;
  void add_menu(std::string_view title) override;
  void add_menu_item(std::string_view text, std::string_view routine_name, std::function<void()> routine,
                     bool enabled) override;
  void add_menu_separator() override;
  // An unknown name is reported to the debugger and changes nothing.
  void set_menu_item_enabled(std::string_view routine_name, bool enabled) override;
  void set_close_enabled(bool enabled) override;
  void set_close_refusal(std::function<void()> refusal) override;
  void set_about_text(std::string_view text) override;
  void show_about() override;
  void show_run_started(std::string_view program, std::string_view roots) override;
  void show_run_ended(RunEnd end, int exit_code) override;
  void message_box(std::string_view text, std::string_view title) override;
  std::optional<std::string> open_file(const std::vector<std::pair<std::string, std::string>>& filter,
                                       std::string_view title, std::string_view initial) override;
  int shell_open(std::string_view target) override;
  std::optional<int> start_program(const std::vector<std::string>& arguments) override;
  std::unique_ptr<Dialog> make_dialog(int dialog_id) override;
  TemplateLibrary& templates() override { return templates_; }
  void exit_program(int code) override;
  void show_history(HistoryAccess access) override;
  void set_history_notice(std::string_view text) override;

  HWND frame() const { return frame_; }
  void show(int show_command);
  // What ending the program does; by default the window thread's message
  // loop ends with the code.
  void set_exit_handler(std::function<void(int)> handler);
  // The next open-file dialogs answer these paths (nothing: cancelled)
  // without showing, so that a scenario never waits on a system dialog.
  // From any thread.
  void answer_open_file(std::optional<std::string> path);
  // From now on no dialog or message box runs, and those open are closed.
  void shut_down();
  bool close_enabled() const { return close_enabled_; }
  // What the frame's close button does.
  void close_clicked();

  // The window a message box or dialog opening now belongs to: the window
  // of this thread the user works in (a dialog running modally, the History
  // window), else the frame.
  HWND owner() const;
  TextView& view() { return *view_; }
  HWND status_bar() const { return status_; }
  // The menu command of an item, 0 for an unknown name.
  UINT command_of(std::string_view routine_name) const;
  std::wstring status_text(int part) const;
  // Made when first shown.
  HistoryWindow* history_window() const { return history_window_.get(); }

 private:
  struct Item {
    HMENU menu;
    UINT command;
    std::function<void()> routine;
  };

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
  void layout();
  void show_caption();
  void apply_font();
  void show_run_time();
  void on_status_timer(UINT_PTR timer);
  void show_status_parts();
  UINT dpi() const;

  TextModel text_;
  TemplateLibrary templates_;
  HWND frame_ = nullptr;
  HWND status_ = nullptr;
  std::unique_ptr<TextView> view_;
  HMENU menu_bar_ = nullptr;
  HMENU last_menu_ = nullptr;
  std::map<std::string, Item, std::less<>> items_;
  UINT next_command_ = 100;
  std::wstring frame_title_, text_title_;
  // The text font as asked: a face and a cell height at 96 dots per inch,
  // made again when the frame moves to a monitor of another scale.
  std::wstring font_face_;
  int font_height_ = 0;
  bool proposed_font_ = false;
  std::string about_text_;
  std::function<void()> close_refusal_;
  std::atomic<bool> close_enabled_{true};
  std::atomic<bool> stopping_{false};
  std::function<void(int)> exit_handler_;
  std::mutex answers_mutex_;
  std::deque<std::optional<std::string>> open_file_answers_;
  // The status bar: the run now going, and the lasting history notice.
  std::wstring run_program_, run_roots_, history_notice_;
  ULONGLONG run_started_ = 0;
  std::unique_ptr<HistoryWindow> history_window_;
};

}  // namespace tarnex::ui::win32
