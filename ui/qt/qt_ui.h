#pragma once
// The Qt Widgets realisation of the window services: the frame with its menu
// bar and text window, message boxes, the open-file dialog, opening documents
// and web addresses, and dialogs built from their templates.

#include <QPointer>
#include <QString>
#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ui/services.h"

class QAction;
class QElapsedTimer;
class QLabel;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace tarnex::ui {

class HistoryWindow;

class QtUi final : public Ui {
 public:
  QtUi();
  ~QtUi() override;

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
  // An unknown name is logged as a warning and changes nothing.
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

  QMainWindow* main_window() const;
  void show();
  // What ending the program does; by default the application quits with the
  // code. The scenario runner watches instead.
  void set_exit_handler(std::function<void(int)> handler);
  // The next open-file dialogs answer these paths (empty: cancelled) without
  // showing, so that tests never wait on a system dialog.
  void answer_open_file(std::optional<std::string> path);
  // From now on no dialog or message box runs, and those open are closed.
  void shut_down();
  bool close_enabled() const { return close_enabled_; }
  // Brings the text window up to the text model at once: what is new is
  // appended, a view scrolled to the end follows it, and a view scrolled up
  // or holding a selection keeps them.
  void refresh_text();
  // What the frame's close button does.
  void close_clicked();

 private:
  class Frame;

  // The status bar's text of the run now going on.
  void show_run_time();

  TextModel text_;
  TemplateLibrary templates_;
  QPointer<Frame> frame_;
  QPlainTextEdit* view_ = nullptr;
  QTimer* refresh_timer_ = nullptr;
  // The model's version the text window shows, and its count of rows
  // dropped from the top then.
  std::uint64_t shown_version_ = 0;
  std::uint64_t shown_dropped_ = 0;
  QLabel* run_status_ = nullptr;
  QTimer* run_clock_ = nullptr;
  std::unique_ptr<QElapsedTimer> run_time_;
  QString run_program_, run_roots_;
  // Counts the runs, so that an old run's end no longer clears the status
  // of a newer one.
  std::uint64_t run_number_ = 0;
  std::function<void()> close_refusal_;
  QMenu* last_menu_ = nullptr;
  // Each item by the name of its routine, which is also its objectName.
  std::map<std::string, QAction*, std::less<>> items_;
  std::string about_text_;
  std::atomic<bool> close_enabled_{true};
  std::atomic<bool> stopping_{false};
  std::function<void(int)> exit_handler_;
  std::mutex answers_mutex_;
  std::deque<std::optional<std::string>> open_file_answers_;
  // Made when first shown (history_window.cpp).
  QPointer<HistoryWindow> history_window_;
  QPointer<QLabel> history_notice_;
};

}  // namespace tarnex::ui
