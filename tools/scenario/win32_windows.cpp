#include "win32_windows.h"

#include <commctrl.h>

#include "ui/win32/wide_text.h"
#include "ui/win32/win32_dialog.h"

namespace tarnex::scenario::win32 {

using ui::win32::narrow;
using ui::win32::wide;
using ui::win32::window_text;

namespace {

// The class of the system's dialogs, Tarnex's and the message boxes alike.
constexpr wchar_t kDialogClass[] = L"#32770";
// A message box shows its text in the static control of this id.
constexpr int kMessageTextId = 0xFFFF;

std::wstring class_name(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

bool is_class(HWND window, const wchar_t* name) { return class_name(window) == name; }

std::vector<HWND> thread_windows() {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

bool is_tarnex_dialog(HWND window) { return GetPropW(window, ui::win32::kDialogIdProperty) != nullptr; }

LRESULT send(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return SendMessageW(window, message, wparam, lparam);
}

LONG_PTR style_of(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

// Tells the control's parent what the user's pick did, as the control itself
// does when the user picks.
void notify(HWND control, WORD code) {
  send(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

std::string list_entry(HWND control, UINT length_message, UINT text_message, int index) {
  const auto length = send(control, length_message, static_cast<WPARAM>(index));
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  send(control, text_message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return narrow(text);
}

std::string tab_text(HWND control, int index) {
  wchar_t text[256] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 256;
  send(control, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return narrow(text);
}

// The window that takes the keys: an editable combo's edit.
HWND key_target(HWND control) {
  if (HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr)) return edit;
  return control;
}

// One key message as the dialog's modal loop handles it: the dialog's own
// key handling first (Enter presses the default button), else the control.
void key(HWND control, UINT message, WPARAM code, LPARAM flags) {
  MSG msg{control, message, code, flags, static_cast<DWORD>(GetMessageTime()), {}};
  if (!IsDialogMessageW(GetAncestor(control, GA_ROOT), &msg)) DispatchMessageW(&msg);
}

// The key's repeat count and, on release, its previous state and transition.
constexpr LPARAM kPressed = 1;
constexpr LPARAM kReleased = static_cast<LPARAM>(0xC0000001);

void press_key(HWND control, WPARAM virtual_key, wchar_t character) {
  key(control, WM_KEYDOWN, virtual_key, kPressed);
  if (IsWindowVisible(control)) key(control, WM_CHAR, character, kPressed);
  if (IsWindowVisible(control)) key(control, WM_KEYUP, virtual_key, kReleased);
}

}  // namespace

HWND topmost_dialog() {
  for (HWND window : thread_windows()) {
    if (is_tarnex_dialog(window) && IsWindowVisible(window) && IsWindowEnabled(window)) return window;
  }
  return nullptr;
}

int dialog_id(HWND dialog) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(dialog, ui::win32::kDialogIdProperty)));
}

HWND open_message_box() {
  for (HWND window : thread_windows()) {
    if (is_class(window, kDialogClass) && !is_tarnex_dialog(window) && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

std::string message_box_text(HWND box) {
  HWND text = GetDlgItem(box, kMessageTextId);
  return text ? window_text(text) : std::string();
}

void press_message_box(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (is_class(child, L"Button") && IsWindowVisible(child)) {
      send(child, BM_CLICK);
      return;
    }
  }
  send(box, WM_COMMAND, IDCANCEL);
}

HWND find_control(HWND dialog, int id) {
  if (!dialog) return nullptr;
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM data) {
        auto* search = reinterpret_cast<Search*>(data);
        // a tab page is a dialog of its own, whose id is no control's
        if (GetDlgCtrlID(child) != search->id || is_tarnex_dialog(child)) return TRUE;
        // the edit of a combo box has an id of its own, which may clash
        if (is_class(GetParent(child), L"ComboBox")) return TRUE;
        search->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Reading read_control(HWND control) {
  using Kind = Reading::Kind;
  Reading reading;
  const auto style = style_of(control);
  if (is_class(control, L"Static")) {
    reading.kind = Kind::Label;
  } else if (is_class(control, L"Edit")) {
    // a read-only line is a label to the user
    const bool label = (style & ES_READONLY) && !(style & ES_MULTILINE);
    reading.kind = label ? Kind::Label : Kind::Edit;
    reading.editable = !label;
  } else if (is_class(control, L"Button")) {
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX: reading.kind = Kind::Label; break;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
        reading.kind = Kind::CheckBox;
        reading.checked = send(control, BM_GETCHECK) == BST_CHECKED;
        break;
      default: reading.kind = Kind::PushButton; break;
    }
  } else if (is_class(control, L"ComboBox")) {
    reading.kind = Kind::List;
    reading.editable = (style & 3) == CBS_DROPDOWN;
    const auto count = static_cast<int>(send(control, CB_GETCOUNT));
    for (int i = 0; i < count; ++i) reading.entries.push_back(list_entry(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, i));
    reading.selected = static_cast<int>(send(control, CB_GETCURSEL));
  } else if (is_class(control, L"ListBox")) {
    reading.kind = Kind::List;
    const auto count = static_cast<int>(send(control, LB_GETCOUNT));
    for (int i = 0; i < count; ++i) reading.entries.push_back(list_entry(control, LB_GETTEXTLEN, LB_GETTEXT, i));
    reading.selected = static_cast<int>(send(control, LB_GETCURSEL));
  } else if (is_class(control, WC_TABCONTROLW)) {
    reading.kind = Kind::Tabs;
    const auto count = static_cast<int>(send(control, TCM_GETITEMCOUNT));
    for (int i = 0; i < count; ++i) reading.entries.push_back(tab_text(control, i));
    reading.selected = static_cast<int>(send(control, TCM_GETCURSEL));
  } else if (is_class(control, L"ScrollBar")) {
    reading.kind = Kind::ScrollBar;
  }
  const bool has_entries = reading.kind == Kind::List || reading.kind == Kind::Tabs;
  if (has_entries && !reading.editable) {
    // a list shows its selected entry
    const auto count = static_cast<int>(reading.entries.size());
    if (reading.selected >= 0 && reading.selected < count) {
      reading.text = reading.entries[static_cast<std::size_t>(reading.selected)];
    }
  } else if (reading.kind != Kind::ScrollBar) {
    reading.text = window_text(control);
  }
  return reading;
}

void give_focus(HWND control) {
  control = key_target(control);
  if (GetFocus() == control) {
    // The focus a click gives the control it has: the control hears of it
    // from its dialog, as from a control of the dialog it left.
    send(control, WM_SETFOCUS, reinterpret_cast<WPARAM>(GetAncestor(control, GA_ROOT)));
    return;
  }
  SetFocus(control);
}

void type_keys(HWND control, const std::string& text) {
  control = key_target(control);
  give_focus(control);
  if (!IsWindowVisible(control)) return;
  send(control, EM_SETSEL, 0, -1);
  if (text.empty()) {
    press_key(control, VK_BACK, L'\b');
    return;
  }
  for (wchar_t character : wide(text)) {
    if (!IsWindowVisible(control)) return;
    if (character == L'\n') press_key(control, VK_RETURN, L'\r');
    else key(control, WM_CHAR, character, kPressed);
  }
}

void click(HWND control) { send(control, BM_CLICK); }

void choose(HWND control, int index) {
  if (is_class(control, L"ComboBox")) {
    send(control, CB_SETCURSEL, static_cast<WPARAM>(index));
    notify(control, CBN_SELCHANGE);
  } else if (is_class(control, L"ListBox")) {
    send(control, LB_SETCURSEL, static_cast<WPARAM>(index));
    notify(control, LBN_SELCHANGE);
  } else {
    send(control, TCM_SETCURSEL, static_cast<WPARAM>(index));
    NMHDR header{control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), static_cast<UINT>(TCN_SELCHANGE)};
    send(GetParent(control), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  }
}

void scroll(HWND bar, int position) {
  // As the thumb dragged there and let go: the dialog moves the bar.
  const bool vertical = (style_of(bar) & SBS_VERT) != 0;
  send(GetParent(bar), vertical ? WM_VSCROLL : WM_HSCROLL,
       MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(bar));
}

UINT find_menu_item(HWND frame, const std::string& menu, const std::string& item, bool& enabled) {
  HMENU bar = GetMenu(frame);
  auto text_of = [](HMENU owner, int position) {
    wchar_t text[256] = {};
    GetMenuStringW(owner, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    const std::string shown = narrow(text);
    // An accelerator follows a tab; the menu table's text comes before it.
    return shown.substr(0, shown.find('\t'));
  };
  for (int top = 0; bar && top < GetMenuItemCount(bar); ++top) {
    HMENU sub = GetSubMenu(bar, top);
    if (!sub || text_of(bar, top) != menu) continue;
    for (int i = 0; i < GetMenuItemCount(sub); ++i) {
      const UINT state = GetMenuState(sub, static_cast<UINT>(i), MF_BYPOSITION);
      if ((state & MF_SEPARATOR) || text_of(sub, i) != item) continue;
      enabled = (state & (MF_GRAYED | MF_DISABLED)) == 0;
      return GetMenuItemID(sub, i);
    }
  }
  return 0;
}

void choose_menu_item(HWND frame, UINT command) { send(frame, WM_COMMAND, MAKEWPARAM(command, 0)); }

}  // namespace tarnex::scenario::win32
