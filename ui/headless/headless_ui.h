#pragma once
// The in-memory realisation of the window services. Every control is a value;
// a test acts as the user through the user_* calls, which fire the same
// callbacks the real window fires. Modal dialogs are played by scripts the
// test queues before the logic opens them, or, in the live mode, wait for a
// player on another thread (ui/headless/modal_loops.h).

#include <deque>
#include <map>
#include <mutex>
#include <stdexcept>

#include "ui/headless/modal_loops.h"
#include "ui/services.h"

namespace tarnex::ui {

// A user action on a control that does not exist, is disabled or hidden.
struct UserActionError : std::logic_error {
  using std::logic_error::logic_error;
};

class HeadlessUi;

class HeadlessDialog final : public Dialog {
 public:
  HeadlessDialog(const DialogTemplate& dialog_template, HeadlessUi& ui);

  int id() const override { return id_; }
  void set_caption(std::string_view caption) override { caption_ = caption; }
  std::string caption() const override { return caption_; }
  bool has_control(int control_id) const override { return controls_.count(control_id) > 0; }
  void set_text(int control_id, std::string_view text) override;
  std::string text(int control_id) const override;
  void set_checked(int control_id, bool checked) override;
  bool checked(int control_id) const override;
  void set_enabled(int control_id, bool enabled) override;
  bool enabled(int control_id) const override;
  void set_text_limit(int control_id, int limit) override;
  void set_caret(int control_id, int position) override;
  int caret(int control_id) const override;
  void set_item_count(int control_id, int count) override;
  int item_count(int control_id) const override;
  void set_item_text(int control_id, int index, std::string_view text) override;
  std::string item_text(int control_id, int index) const override;
  void set_selected(int control_id, int index) override;
  int selected(int control_id) const override;
  void set_scroll_range(int control_id, int minimum, int maximum) override;
  void set_scroll_page(int control_id, int page) override;
  void set_scroll_position(int control_id, int position) override;
  int scroll_position(int control_id) const override;
  void set_callback(int control_id, Event event, Callback callback) override;
  int run_modal() override;
  void end(int result) override;
  void show_page(int tab_control_id, int tab_index, Dialog& page) override;

  // The user's actions.
  void user_focus(int control_id);
  void user_type(int control_id, std::string_view text);
  void user_click(int control_id);
  void user_check(int control_id, bool checked);
  void user_choose(int control_id, int index);
  void user_choose(int control_id, std::string_view entry);
  void user_scroll(int control_id, int position);
  // A double-click on entry `index` of a list selects it and presses the
  // button the template names for it; the Delete key in a list presses its
  // button. Without such a button only the selection changes.
  void user_double_click(int control_id, int index);
  void user_press_delete(int control_id);
  // The focus leaves the dialog, as for another window: the next user_focus
  // on any control fires its focus callback again.
  void user_leave() { focused_ = 0; }

  bool running() const { return running_; }
  // Ended by a button or by end(), while it runs.
  bool ended() const { return ended_; }
  // The template of a control, null when the dialog has none of that id;
  // the ids of its controls, in order.
  const ControlTemplate* layout(int control_id) const;
  std::vector<int> control_ids() const;
  int text_limit(int control_id) const;
  int focused() const { return focused_; }
  Dialog* page(int tab_control_id, int tab_index) const;

 private:
  struct Control {
    ControlTemplate layout;
    std::string text;
    bool checked = false;
    bool enabled = true;
    int limit = 0;  // 0: no limit
    int caret = 1;
    std::vector<std::string> items;
    int selected = 0;
    int minimum = 0, maximum = 100, page = 1, position = 0;
    std::map<int, Dialog*> pages;
  };

  Control& control(int control_id);
  const Control& control(int control_id) const;
  Control& usable(int control_id);
  void fire(int control_id, Event event);

  HeadlessUi& ui_;
  int id_;
  std::string caption_;
  std::map<int, Control> controls_;
  std::map<std::pair<int, Event>, Callback> callbacks_;
  bool running_ = false;
  bool ended_ = false;
  int result_ = kCancel;
  int focused_ = 0;
};

class HeadlessUi final : public Ui {
 public:
  struct Menu {
    std::string title;
    struct Item {
      std::string text;          // empty for a separator
      std::string routine_name;  // empty for a separator
      bool separator = false;
      bool enabled = true;
      std::function<void()> routine;
    };
    std::vector<Item> items;
  };
  struct MessageBox {
    std::string text;
    std::string title;
  };
  // What the status bar was told of one model run.
  struct RunStatus {
    std::string program;
    std::string roots;
    std::optional<RunEnd> end;  // empty while it runs
    int exit_code = 0;
  };

  TextModel& text() override { return text_; }
  void set_frame_title(std::string_view title) override { frame_title_ = title; }
  void set_text_title(std::string_view title) override { text_title_ = title; }
  bool set_text_font(std::string_view family, int cell_width, int cell_height) override;
  void use_proposed_font() override { font_ = "proposed"; }
  void set_colours_black_on_white() override { black_on_white_ = true; }
  void add_menu(std::string_view title) override;
  void add_menu_item(std::string_view text, std::string_view routine_name, std::function<void()> routine,
                     bool enabled) override;
  void add_menu_separator() override;
  // Throws std::invalid_argument for a name no item is bound to.
  void set_menu_item_enabled(std::string_view routine_name, bool enabled) override;
  void set_close_enabled(bool enabled) override;
  void set_close_refusal(std::function<void()> refusal) override;
  void set_about_text(std::string_view text) override { about_text_ = text; }
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

  // Observations and the user's side, for tests.
  std::vector<Menu> menus() const;
  // Throws std::invalid_argument for a name no item is bound to.
  bool menu_item_enabled(std::string_view routine_name) const;
  // Chooses an item by the texts of the menu table; false when it is grayed
  // or does not exist.
  bool user_choose_menu(std::string_view menu, std::string_view item);
  bool close_enabled() const;
  // Clicks the frame's close button: Tarnex ends (exit code 0) when Close is
  // enabled, otherwise the refusal is shown.
  void user_close();
  std::vector<MessageBox> message_boxes() const;
  std::vector<RunStatus> run_statuses() const;
  std::vector<std::string> shell_opened() const;
  std::string frame_title() const { return frame_title_; }
  std::string text_title() const { return text_title_; }
  std::string font() const { return font_; }
  bool black_on_white() const { return black_on_white_; }
  std::string about_text() const { return about_text_; }
  std::optional<int> exit_code() const;

  // The font the desktop accepts; others are refused.
  void accept_fonts(std::string family) { accepted_font_ = std::move(family); }
  // The next open-file dialog returns this path (or cancel, when empty).
  void answer_open_file(std::optional<std::string> path);
  void set_shell_result(int code) { shell_result_ = code; }
  // The next modal run of dialog `dialog_id` is played by `user`; a dialog
  // with no script is closed at once as cancelled.
  void on_modal(int dialog_id, std::function<void(HeadlessDialog&)> user);
  std::vector<int> dialogs_run() const;
  std::vector<std::string> last_open_file_filter() const;
  std::string last_open_file_title() const;
  std::string last_open_file_initial() const;
  // Every start of a program asked for, in order, failed ones included.
  std::vector<std::vector<std::string>> program_starts() const;
  // Starts of the program named `program` fail with the system error `error`;
  // all others start.
  void fail_program_start(std::string program, int error);
  // How often the History window was opened, and what it was opened with.
  int history_shown() const;
  std::optional<HistoryAccess> history() const;
  std::string history_notice() const;
  // The user's Run again on run `row` of the History window's listing
  // (1 the newest); what the shell answered, nothing when the window is not
  // open or has no such row.
  std::optional<std::string> user_run_again(std::size_t row);

  // The live mode, for a player acting as the user while Tarnex runs: from
  // now on modal dialogs, message boxes and an open-file dialog with no
  // answer queued stay open until the user's actions end them, and menu
  // routines are run on the mode's window thread (`live().post_to_window`).
  void go_live();
  bool is_live() const { return live_.has_window_thread(); }
  ModalLoops& live() { return live_; }
  // From now on no dialog or box waits, and those open are closed; as the
  // program ends (exit_program does it too in the live mode).
  void shut_down() { live_.shut_down(); }

 private:
  friend class HeadlessDialog;
  std::function<void(HeadlessDialog&)> take_script(int dialog_id);

  TextModel text_;
  TemplateLibrary templates_;
  mutable std::mutex mutex_;
  std::vector<Menu> menus_;
  bool close_enabled_ = true;
  std::function<void()> close_refusal_;
  std::vector<MessageBox> message_boxes_;
  std::vector<RunStatus> run_statuses_;
  std::vector<std::string> shell_opened_;
  std::deque<std::optional<std::string>> open_file_answers_;
  std::vector<std::string> last_filter_;
  std::string last_title_, last_initial_;
  std::vector<std::vector<std::string>> program_starts_;
  std::map<std::string, int> program_start_errors_;
  std::map<int, std::deque<std::function<void(HeadlessDialog&)>>> scripts_;
  std::vector<int> dialogs_run_;
  std::string frame_title_, text_title_, font_, about_text_;
  std::string accepted_font_ = "COURIER";
  bool black_on_white_ = false;
  int shell_result_ = 33;
  std::optional<int> exit_code_;
  int history_shown_ = 0;
  std::optional<HistoryAccess> history_;
  std::string history_notice_;
  // Last, so that its window thread ends before the rest goes.
  ModalLoops live_;
};

}  // namespace tarnex::ui
