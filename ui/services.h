#pragma once
// The window, menu, dialog and shell operations that the logic of Tarnex
// uses. The logic never knows which realisation it runs on: in the program it
// is the Qt window, in tests the headless one.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/dialog_template.h"
#include "base/text_model.h"
#include "history/run_history.h"
#include "history/transcript_reader.h"

namespace tarnex::ui {

enum class Event {
  Click,
  SelectionChange,
  EditChange,
  FocusGain,
  ScrollChange,
  DialogInit,   // to a callback registered for the dialog id: the dialog opens
  DialogClose,  // to the same callback: the dialog closes
};

class Dialog;
using Callback = std::function<void(Dialog& dialog, int control_id, Event event)>;

constexpr int kOk = 1;
constexpr int kCancel = 2;

// A dialog built from a template. Controls are addressed by their ids. Setting
// a control from code never fires a callback; only the user's actions do.
// List indexes are 1-based and 0 means no selection.
class Dialog {
 public:
  virtual ~Dialog() = default;

  virtual int id() const = 0;
  virtual void set_caption(std::string_view caption) = 0;
  virtual std::string caption() const = 0;
  virtual bool has_control(int control_id) const = 0;

  // The text of an edit, static or button; of a list, the selected entry.
  virtual void set_text(int control_id, std::string_view text) = 0;
  virtual std::string text(int control_id) const = 0;
  virtual void set_checked(int control_id, bool checked) = 0;
  virtual bool checked(int control_id) const = 0;
  virtual void set_enabled(int control_id, bool enabled) = 0;
  virtual bool enabled(int control_id) const = 0;
  // The most characters the user can type into an edit box.
  virtual void set_text_limit(int control_id, int limit) = 0;
  // Caret position of an edit box, 1 before its first character; setting it
  // also scrolls the caret into view.
  virtual void set_caret(int control_id, int position) = 0;
  virtual int caret(int control_id) const = 0;

  // Lists, drop-down lists and combos, tab controls.
  virtual void set_item_count(int control_id, int count) = 0;
  virtual int item_count(int control_id) const = 0;
  virtual void set_item_text(int control_id, int index, std::string_view text) = 0;
  virtual std::string item_text(int control_id, int index) const = 0;
  virtual void set_selected(int control_id, int index) = 0;
  virtual int selected(int control_id) const = 0;

  // Scroll bars.
  virtual void set_scroll_range(int control_id, int minimum, int maximum) = 0;
  virtual void set_scroll_page(int control_id, int page) = 0;
  virtual void set_scroll_position(int control_id, int position) = 0;
  virtual int scroll_position(int control_id) const = 0;

  // A callback for an event of a control; the dialog's own id with
  // Event::DialogInit registers the callback called at opening and closing.
  virtual void set_callback(int control_id, Event event, Callback callback) = 0;
  // Runs the dialog modally and returns the id of the control that ended it.
  // A push button without a click callback ends it with its own id.
  virtual int run_modal() = 0;
  // Ends a running dialog from inside a callback.
  virtual void end(int result) = 0;
  // Shows `page` modeless as the page of tab `tab_index` of a tab control.
  virtual void show_page(int tab_control_id, int tab_index, Dialog& page) = 0;
};

// What the History window works with; the shell fills it in.
struct HistoryAccess {
  // Where the transcripts are, the limits, the switch, the run now going.
  history::RunHistory* runs = nullptr;
  // Run again: the run's dialog opens filled with the run's roots and
  // choices, for the user to begin. Returns why it cannot now; empty when it
  // will.
  std::function<std::string(const history::RunRecord&)> run_again;
};

// How a model run ended, for the status bar.
enum class RunEnd {
  Exited,      // the program ended with its exit code
  Terminated,  // the user ended it with Terminate
  NotStarted,  // it could not be started
};

// The main window and the desktop around it.
class Ui {
 public:
  virtual ~Ui() = default;

  // The text area. Safe to use from any thread; never blocks on the window.
  virtual TextModel& text() = 0;

  virtual void set_frame_title(std::string_view title) = 0;
  virtual void set_text_title(std::string_view title) = 0;
  // Sets the text area's font; false when the desktop refuses it.
  virtual bool set_text_font(std::string_view family, int cell_width, int cell_height) = 0;
  // Applies the fixed-pitch font the desktop proposes instead.
  virtual void use_proposed_font() = 0;
  virtual void set_colours_black_on_white() = 0;

  // Menus are added left to right, each item to the menu added last. An item
  // is known by the name of the routine bound to it, unique in the menu bar,
  // so that its place in the menu can change freely.
  virtual void add_menu(std::string_view title) = 0;
  virtual void add_menu_item(std::string_view text, std::string_view routine_name, std::function<void()> routine,
                             bool enabled) = 0;
  virtual void add_menu_separator() = 0;
  // Naming a routine no item is bound to is a programming error.
  virtual void set_menu_item_enabled(std::string_view routine_name, bool enabled) = 0;
  // The frame's own Close command.
  virtual void set_close_enabled(bool enabled) = 0;
  // What the frame's Close does while it is disabled: a desktop cannot gray
  // a window's close button, so the user is told why Tarnex stays open.
  virtual void set_close_refusal(std::function<void()> refusal) = 0;
  virtual void set_about_text(std::string_view text) = 0;
  virtual void show_about() = 0;

  // The status bar, which shows what runs while the window's text belongs to
  // the model program: the program and its roots from the start, with the
  // time it has run; at the end, how it ended and how long it ran, for a
  // few seconds. The window's text is not touched.
  virtual void show_run_started(std::string_view program, std::string_view roots) = 0;
  virtual void show_run_ended(RunEnd end, int exit_code) = 0;

  // A message box with a warning icon; returns when the user has closed it.
  virtual void message_box(std::string_view text, std::string_view title) = 0;
  // The system open-file dialog. `filter` is a list of "description" and
  // "*.EXT;*.EXT" pairs; patterns match in any letter case. Empty on cancel.
  virtual std::optional<std::string> open_file(const std::vector<std::pair<std::string, std::string>>& filter,
                                               std::string_view title, std::string_view initial) = 0;
  // Opens a document or web address with its default application; a code
  // greater than 32 is success.
  virtual int shell_open(std::string_view target) = 0;
  // Starts a program that Tarnex neither waits for nor tracks; it inherits
  // none of Tarnex's files or pipes. `arguments[0]` is the program's path or a
  // name looked up on the search path. Empty when it started, otherwise the
  // system's error code.
  virtual std::optional<int> start_program(const std::vector<std::string>& arguments) = 0;

  // A dialog from its template; empty when there is no template of that id.
  virtual std::unique_ptr<Dialog> make_dialog(int dialog_id) = 0;
  virtual TemplateLibrary& templates() = 0;

  // Ends the program with an exit code (the window closes without a prompt).
  virtual void exit_program(int code) = 0;

  // The History window, listing the transcripts of the runs. Returns at
  // once: the window stays open beside the main window.
  virtual void show_history(HistoryAccess access) = 0;
  // A lasting note in the status line that transcripts are not being kept,
  // and why; empty removes it.
  virtual void set_history_notice(std::string_view text) = 0;
};

}  // namespace tarnex::ui
