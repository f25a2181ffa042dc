#pragma once
// What the scenario player sees of the Win32 window and does to it, as a
// user would: the topmost dialog or message box, a dialog's controls by id,
// their texts as the user reads them, the menu items. Called on the window
// thread. The actions run at once: the realisation calls them from a posted
// message, so that a dialog they open runs its loop in the window's own
// message loop and never inside the player's tick.

#include <windows.h>

#include <string>
#include <vector>

namespace tarnex::scenario::win32 {

// The topmost modal dialog of Tarnex, or null.
HWND topmost_dialog();
// Its dialog id.
int dialog_id(HWND dialog);
// A visible message box, or null.
HWND open_message_box();
std::string message_box_text(HWND box);
// Presses the box's first button.
void press_message_box(HWND box);

// Control <id> of a dialog (inside its group boxes and tab pages), or null.
HWND find_control(HWND dialog, int id);

// A control as the user reads it.
struct Reading {
  enum class Kind { Label, Edit, PushButton, CheckBox, List, Tabs, ScrollBar, Other };
  Kind kind = Kind::Other;
  // An edit box or a combo box the user can type into.
  bool editable = false;
  // What the user reads: a button's caption, an edit's text, a list's or tab
  // control's selected entry; line breaks as line feeds.
  std::string text;
  bool checked = false;
  std::vector<std::string> entries;
  int selected = -1;
};
Reading read_control(HWND control);

// The user's actions. `give_focus` fires the control's focus even when it
// has the focus already, as a click into it does.
void give_focus(HWND control);
// Selects all the text and types `text` key by key through the dialog's own
// key handling; a line feed is Enter, an empty text one Backspace. Typing
// stops once the control is no longer shown (Enter ended its dialog).
void type_keys(HWND control, const std::string& text);
void click(HWND control);
// Picks entry `index` (0-based) and sends the notification the user's pick
// sends.
void choose(HWND control, int index);
void scroll(HWND bar, int position);

// The command id of a menu item of the frame named by its texts as the menu
// table gives them, 0 when there is none; `enabled` tells whether it is grayed.
UINT find_menu_item(HWND frame, const std::string& menu, const std::string& item, bool& enabled);
void choose_menu_item(HWND frame, UINT command);

}  // namespace tarnex::scenario::win32
