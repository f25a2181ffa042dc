#pragma once
// What the scenario player needs of a window realisation to play a scenario
// on it. The player (player.h) reads the steps, waits, checks files and
// answers, and writes the report; a realisation performs one step's action
// or reading on its own windows. Every step means the same on every
// realisation, so a realisation does only what is said here, and the player
// judges what it reads.
//
// Threads: every call comes from the player's tick, which the realisation's
// driver calls on a thread of its choice (the Qt window thread from a timer;
// the headless player's own loop; the Win32 window thread from a timer). A
// reading returns what the user sees now. An action returns at once and is
// performed after the tick, as the user's input would arrive; a dialog it
// opens runs its own loop while the ticks go on. The player ticks again only
// once settled() holds, so a step sees the effects of the action before it.
//
// Adding a realisation: implement this class, make a Player with it and
// call Player::start() once and Player::tick() every few milliseconds until
// it returns true; then end the program (which ends any run in progress)
// and print Player::report() (see play_headless.cpp).

#include <optional>
#include <string>
#include <vector>

#include "shell/state.h"

namespace tarnex::scenario {

// A control as the user knows it.
enum class ControlKind {
  Label,       // a static text or a group box
  Edit,        // an edit box
  PushButton,  // a push button
  CheckBox,    // a check box or radio button
  List,        // a list, drop-down list or combo box
  Tabs,        // a tab control
  ScrollBar,
  Other,
};

struct ControlView {
  ControlKind kind = ControlKind::Other;
  // An edit box or a combo box the user can type into.
  bool editable = false;
  bool enabled = true;
  // Shown to the user: not hidden, and on the tab page shown.
  bool shown = true;
  // What the user reads: a button's caption, an edit's text, a list's or
  // tab control's selected entry.
  std::string text;
  bool checked = false;
  // The entries of a list or tab control, and the selected one (0-based;
  // -1 when none is).
  std::vector<std::string> entries;
  int selected = -1;
};

// The topmost modal window.
struct WindowView {
  enum class Kind { Dialog, MessageBox, Other };
  Kind kind = Kind::Other;
  int dialog_id = 0;  // a dialog's template id
  // How the report names it: "d<id>" for a dialog, "messagebox", ...
  std::string name;
  std::string title;
};

class Realisation {
 public:
  virtual ~Realisation() = default;

  // The program: its start-up has ended; it has ended itself (Exit); its
  // state, whose command loop the `idle` step watches.
  virtual bool started_up() = 0;
  virtual bool exited() = 0;
  virtual State& state() = 0;
  // The main window's text.
  virtual std::string window_text() = 0;

  // The topmost modal window; nothing when none is open.
  virtual std::optional<WindowView> topmost() = 0;
  // Control `id` of the topmost dialog, its tab pages included; nothing when
  // it has none (or the topmost window is no dialog).
  virtual std::optional<ControlView> control(int id) = 0;
  // The text of the message box shown, if one is.
  virtual std::optional<std::string> message_box() = 0;
  // Whether a menu item, named by the menu table's texts, is enabled;
  // nothing when there is no such item.
  virtual std::optional<bool> menu_item(const std::string& menu, const std::string& item) = 0;

  // The user's actions, on controls the player has found usable. `type`
  // gives the control the focus, selects all its text and types the text
  // key by key; '\n' is the Enter key (a line break in a multi-line box,
  // the default button elsewhere); an empty text is one Backspace. `focus`
  // fires the focus callback even when the control had the focus.
  virtual void focus(int id) = 0;
  virtual void type(int id, const std::string& text) = 0;
  // A push button, check box or radio button.
  virtual void click(int id) = 0;
  // Entry `index` (0-based) of a list or tab control.
  virtual void choose(int id, int index) = 0;
  virtual void scroll(int id, int position) = 0;
  // Presses the button of the message box shown.
  virtual void press_message_box() = 0;
  virtual void choose_menu_item(const std::string& menu, const std::string& item) = 0;
  // The next system open-file dialog returns `path`; nothing cancels it.
  virtual void answer_open_file(std::optional<std::string> path) = 0;
  // Every action posted has been handled, or waits in a dialog it opened.
  virtual bool settled() = 0;
};

}  // namespace tarnex::scenario
