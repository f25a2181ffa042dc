#include "ui/win32/dialog_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

#include "ui/win32/wide_text.h"

namespace tarnex::ui::win32 {
namespace {

// Widths at 96 DPI: an edit box, a read-only one holding a description of
// some forty characters, a multi-line box, a list without a number of lines,
// a scroll bar, a push button at least.
constexpr int kEditWidth = 160;
constexpr int kDescriptionWidth = 300;
constexpr int kTextBoxWidth = 240;
constexpr int kListWidth = 200;
constexpr int kScrollBarWidth = 100;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

// How many characters wide a list with a given number of lines opens.
constexpr int kListColumns = 80;
// The lines a list or a box of values shows when its template gives none.
constexpr int kDefaultLines = 5;
// A read-only text opens showing all of it, as far as a 1366x768 screen
// allows: at most this many digits wide and this many lines high.
constexpr int kTextColumns = 90;
constexpr int kTextLines = 30;
// The entries a dropped-down list shows before it scrolls.
constexpr int kDroppedEntries = 12;

struct Kind {
  ControlKind kind;
  const wchar_t* window_class;
  DWORD style;
};

constexpr Kind kKinds[] = {
    {ControlKind::Static, L"Static", SS_LEFT | SS_NOPREFIX},
    {ControlKind::Edit, L"Edit", ES_LEFT},
    {ControlKind::PushButton, L"Button", BS_PUSHBUTTON | WS_TABSTOP},
    {ControlKind::DefaultPushButton, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {ControlKind::CheckBox, L"Button", BS_AUTOCHECKBOX | WS_TABSTOP},
    {ControlKind::RadioButton, L"Button", BS_AUTORADIOBUTTON},
    {ControlKind::GroupBox, L"Button", BS_GROUPBOX},
    {ControlKind::DropDownList, L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {ControlKind::DropDownCombo, L"ComboBox", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP},
    {ControlKind::ListBox, L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP},
    {ControlKind::ScrollBar, L"ScrollBar", SBS_HORZ},
    {ControlKind::TabControl, WC_TABCONTROLW, WS_CLIPSIBLINGS | WS_TABSTOP},
};

const Kind& kind_of(const ControlTemplate& control) {
  const auto* found = std::find_if(std::begin(kKinds), std::end(kKinds),
                                   [&control](const Kind& kind) { return kind.kind == control.kind; });
  if (found == std::end(kKinds)) throw std::logic_error("no window class for a control kind");
  return *found;
}

DWORD edit_style(const ControlTemplate& control) {
  DWORD style = ES_LEFT;
  if (control.read_only) style |= ES_READONLY;
  if (!control.read_only && !control.label) style |= WS_TABSTOP;
  if (control.multi_line) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL;
    // Enter breaks the line only in a box of several values
    if (!control.read_only && !control.one_value) style |= ES_WANTRETURN;
    if (control.always_scroll_bar || fitted_to_text(control) || (!control.read_only && !control.one_value)) {
      style |= WS_VSCROLL;
    }
  } else {
    style |= ES_AUTOHSCROLL;
  }
  return style;
}

HFONT font_of(const ControlTemplate& control, const DialogMetrics& metrics) {
  return control.fixed_pitch ? metrics.fixed_font : metrics.font;
}

std::wstring text_of(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

int widest_entry(HWND combo, const DialogMetrics& metrics, HFONT font) {
  int widest = 0;
  const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring entry(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
    entry.resize(static_cast<std::size_t>(
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
    widest = std::max(widest, metrics.text_size(entry, font).width);
  }
  return widest;
}

Size fitted_text_size(const ControlTemplate& control, HWND edit, const DialogMetrics& metrics, bool& scrolls) {
  const HFONT font = font_of(control, metrics);
  const std::wstring text = text_of(edit);
  std::wstring lines;
  for (wchar_t c : text) {
    if (c != L'\r') lines += c;
  }
  const int digit = metrics.digit_width;
  // a character to spare, so that a longest line is never wrapped
  const int width = std::min(metrics.text_size(lines, font).width, kTextColumns * digit) + digit;
  const int height = metrics.text_size(lines, font, width).height;
  const int least = std::max(control.lines, 1) * metrics.line_height;
  const int most = std::max(control.lines, kTextLines) * metrics.line_height;
  scrolls = height > most;
  const int margins = metrics.px(10);
  const int scroll_bar = scrolls ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  return {width + margins + scroll_bar, std::clamp(height, least, most) + metrics.line_height / 2 + margins};
}

}  // namespace

Size DialogMetrics::text_size(std::wstring_view text, HFONT in_font, int width) const {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, in_font);
  RECT rect{0, 0, width, 0};
  UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS;
  if (width > 0) format |= DT_WORDBREAK | DT_EDITCONTROL;
  const std::wstring measured = text.empty() ? std::wstring(L" ") : std::wstring(text);
  DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &rect, format);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {text.empty() ? 0 : static_cast<int>(rect.right), static_cast<int>(rect.bottom)};
}

const DialogMetrics& dialog_metrics() {
  static const DialogMetrics metrics = [] {
    DialogMetrics made;
    HDC dc = GetDC(nullptr);
    made.dpi = GetDeviceCaps(dc, LOGPIXELSY);
    NONCLIENTMETRICSW nonclient{};
    nonclient.cbSize = sizeof nonclient;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof nonclient, &nonclient, 0);
    made.font = CreateFontIndirectW(&nonclient.lfMessageFont);
    LOGFONTW fixed = nonclient.lfMessageFont;
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(fixed.lfFaceName, L"Consolas", LF_FACESIZE);
    made.fixed_font = CreateFontIndirectW(&fixed);
    HGDIOBJ old = SelectObject(dc, made.font);
    TEXTMETRICW text_metrics{};
    GetTextMetricsW(dc, &text_metrics);
    made.line_height = text_metrics.tmHeight;
    SIZE digit{};
    GetTextExtentPoint32W(dc, L"0", 1, &digit);
    made.digit_width = digit.cx;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return made;
  }();
  return metrics;
}

bool fitted_to_text(const ControlTemplate& control) {
  return control.kind == ControlKind::Edit && control.multi_line && control.read_only;
}

HWND create_control(const ControlTemplate& control, HWND dialog, const DialogMetrics& metrics, bool starts_group) {
  const Kind& kind = kind_of(control);
  DWORD style = WS_CHILD | (control.kind == ControlKind::Edit ? edit_style(control) : kind.style);
  if (starts_group) style |= WS_GROUP;
  // Tab reaches a group of radio buttons once, at its checked button
  if (starts_group && control.kind == ControlKind::RadioButton) style |= WS_TABSTOP;
  if (!control.hidden) style |= WS_VISIBLE;
  DWORD extended = 0;
  const bool boxed = control.kind == ControlKind::ListBox ||
                     (control.kind == ControlKind::Edit && !control.label);
  if (boxed) extended |= WS_EX_CLIENTEDGE;
  if (control.kind == ControlKind::ListBox && control.always_scroll_bar) style |= LBS_DISABLENOSCROLL;
  const std::wstring caption =
      control.kind == ControlKind::Edit && control.multi_line ? with_crlf(wide(control.caption)) : wide(control.caption);
  HWND window = CreateWindowExW(extended, kind.window_class, caption.c_str(), style, 0, 0, 0, 0, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) throw std::runtime_error("cannot create the control " + std::to_string(control.id));
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_of(control, metrics)), FALSE);
  // a label reads as text: no box, no margins
  if (control.kind == ControlKind::Edit && control.label) SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  for (const auto& item : control.items) {
    const std::wstring entry = wide(item);
    const auto text = reinterpret_cast<LPARAM>(entry.c_str());
    switch (control.kind) {
      case ControlKind::DropDownList:
      case ControlKind::DropDownCombo:
        SendMessageW(window, CB_ADDSTRING, 0, text);
        break;
      case ControlKind::ListBox:
        SendMessageW(window, LB_ADDSTRING, 0, text);
        break;
      case ControlKind::TabControl: {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(entry.c_str());
        SendMessageW(window, TCM_INSERTITEMW, SendMessageW(window, TCM_GETITEMCOUNT, 0, 0),
                     reinterpret_cast<LPARAM>(&tab));
        break;
      }
      default:
        break;
    }
  }
  return window;
}

Fill fill_of(const ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::Static:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      return Fill::None;
    case ControlKind::Edit:
      if (control.label) return Fill::None;
      return control.multi_line ? Fill::Both : Fill::Width;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo:
    case ControlKind::ScrollBar:
      return Fill::Width;
    case ControlKind::GroupBox:
    case ControlKind::ListBox:
    case ControlKind::TabControl:
      return Fill::Both;
  }
  return Fill::None;
}

Size preferred_size(const ControlTemplate& control, HWND window, const DialogMetrics& metrics) {
  const HFONT font = font_of(control, metrics);
  const int line = metrics.line_height;
  const int box_height = line + metrics.px(8);
  switch (control.kind) {
    case ControlKind::Static: {
      const Size text = metrics.text_size(text_of(window), font);
      return {text.width + 1, std::max(text.height, line)};
    }
    case ControlKind::Edit: {
      if (control.label) {
        const Size text = metrics.text_size(text_of(window), font);
        return {text.width + metrics.px(4), line + metrics.px(2)};
      }
      if (fitted_to_text(control)) {
        bool scrolls = false;
        return fitted_text_size(control, window, metrics, scrolls);
      }
      if (control.multi_line) {
        const int lines = control.lines > 0 ? control.lines : kDefaultLines;
        return {metrics.px(kTextBoxWidth), lines * line + metrics.px(8)};
      }
      return {metrics.px(control.read_only ? kDescriptionWidth : kEditWidth), box_height};
    }
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
      const Size text = metrics.text_size(text_of(window), font);
      return {std::max(metrics.px(kButtonWidth), text.width + metrics.px(24)),
              std::max(metrics.px(kButtonHeight), line + metrics.px(8))};
    }
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
      const Size text = metrics.text_size(text_of(window), font);
      return {text.width + GetSystemMetrics(SM_CXMENUCHECK) + metrics.px(8), std::max(text.height, line) + metrics.px(4)};
    }
    case ControlKind::GroupBox:
      return {};
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo: {
      RECT rect{};
      GetWindowRect(window, &rect);
      const int field = static_cast<int>(SendMessageW(window, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
      return {std::max(widest_entry(window, metrics, font), metrics.px(24)) + GetSystemMetrics(SM_CXVSCROLL) +
                  metrics.px(16),
              std::max(field + metrics.px(6), box_height)};
    }
    case ControlKind::ListBox: {
      const int item = static_cast<int>(SendMessageW(window, LB_GETITEMHEIGHT, 0, 0));
      const int frame = 2 * GetSystemMetrics(SM_CXEDGE);
      const int scroll_bar = GetSystemMetrics(SM_CXVSCROLL);
      if (control.lines > 0) {
        const int digit = metrics.text_size(L"0", font).width;
        return {kListColumns * digit + scroll_bar + frame, control.lines * item + frame};
      }
      return {metrics.px(kListWidth), kDefaultLines * item + frame};
    }
    case ControlKind::ScrollBar:
      return {metrics.px(kScrollBarWidth), GetSystemMetrics(SM_CYHSCROLL)};
    case ControlKind::TabControl: {
      int tabs_width = 0;
      const auto count = SendMessageW(window, TCM_GETITEMCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = text;
        tab.cchTextMax = 255;
        SendMessageW(window, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&tab));
        tabs_width += metrics.text_size(text, font).width + metrics.px(16);
      }
      return {std::max(tabs_width + metrics.px(8), metrics.px(kListWidth)), line + metrics.px(8) + metrics.px(60)};
    }
  }
  return {};
}

void fit_scroll_bar(const ControlTemplate& control, HWND edit, const DialogMetrics& metrics) {
  if (!fitted_to_text(control) || control.always_scroll_bar) return;
  bool scrolls = false;
  fitted_text_size(control, edit, metrics, scrolls);
  ShowScrollBar(edit, SB_VERT, scrolls);
}

int dropped_height(HWND combo, const DialogMetrics& metrics) {
  const int item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  const int field = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  return field + metrics.px(8) + std::clamp(count, 1, kDroppedEntries) * item + 2;
}

}  // namespace tarnex::ui::win32
