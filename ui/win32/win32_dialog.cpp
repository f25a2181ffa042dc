#include "ui/win32/win32_dialog.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ui/win32/dialog_controls.h"
#include "ui/win32/dialog_layout.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_thread.h"

namespace tarnex::ui::win32 {
namespace {

// Margins and gaps at 96 DPI: around a dialog's grid, a page's and a group
// box's (below its caption line), and between columns and rows.
constexpr int kDialogMargin = 11;
constexpr int kPageMargin = 7;
constexpr int kGroupMargin = 9;
constexpr int kGap = 7;

// Qt's defaults for a scroll bar the program has not set up.
constexpr int kScrollMaximum = 99;
constexpr int kScrollPage = 10;

bool is_combo(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo; }

// Texts whose size the layout follows while the dialog is not yet shown.
bool sized_by_text(const ControlTemplate& control) {
  return control.kind != ControlKind::Edit || control.label || fitted_to_text(control);
}

class Win32Dialog final : public Dialog {
 public:
  Win32Dialog(const DialogTemplate& dialog_template, HWND owner);
  ~Win32Dialog() override;

  int id() const override { return id_; }
  void set_caption(std::string_view caption) override;
  std::string caption() const override;
  bool has_control(int control_id) const override;
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

  HWND window() const { return window_; }

  static INT_PTR CALLBACK dialog_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK control_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                            UINT_PTR control_id, DWORD_PTR dialog);

 private:
  struct Control {
    ControlTemplate layout;
    HWND window = nullptr;
    int minimum = 0;
    int maximum = kScrollMaximum;
    int page = kScrollPage;
  };

  // Program changes made inside it reach no callback.
  struct Quiet {
    explicit Quiet(int& depth) : depth_(depth) { ++depth_; }
    ~Quiet() { --depth_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;
    int& depth_;
  };

  void build(const DialogTemplate& dialog_template);
  Control* find(int control_id);
  const Control* find(int control_id) const;
  Control* find(HWND window);
  // Runs `change` on the window thread with the control, if the dialog has
  // it, no callback firing.
  template <typename Change>
  void change_control(int control_id, Change change);
  template <typename Result, typename Read>
  Result read_control(int control_id, Result none, Read read) const;

  INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT control_message(int control_id, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void command(int control_id, int code, HWND from);
  void scrolled(HWND bar, WPARAM wparam);
  void click(int button_id);
  void press(int button_id);
  void fire(int control_id, Event event);
  bool focus_from_inside(HWND previous) const;
  bool escape_pressed(MSG& message) const;
  int run();
  bool shown() const;
  // After a change of size: laid out again now while the dialog is not
  // shown, or later before it is.
  void changed_size();

  // The grid of the controls in group box `parent` (0: the dialog), laid
  // out in `available`.
  GridLayout grid_of(int parent, Size available);
  Size preferred(const Control& control);
  void place(int parent, Rect area);
  void lay_out();
  // Lays a page out to fill `area` of its tab control's dialog.
  void lay_out_page(Rect area);
  void place_over_owner();
  void show_current_page(const Control& tabs);
  Win32Dialog* page_of(HWND window) const;

  int id_;
  bool page_;
  HWND window_ = nullptr;
  std::vector<Control> controls_;
  std::map<int, std::size_t> index_;
  std::map<std::pair<int, Event>, Callback> callbacks_;
  // the pages shown in each tab control, by tab index from 1
  std::map<int, std::map<int, HWND>> pages_;
  int quiet_ = 0;
  bool running_ = false;
  bool ended_ = false;
  bool destroying_ = false;
  bool layout_stale_ = false;
  int result_ = kCancel;
  // The control whose caret the program placed last, so that a click that
  // gives a box the focus keeps the caret its focus callback placed.
  int caret_placed_ = 0;
};

INT_PTR CALLBACK Win32Dialog::dialog_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lparam);
    return FALSE;
  }
  auto* dialog = reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!dialog || dialog->destroying_) return FALSE;
  return dialog->handle(message, wparam, lparam);
}

LRESULT CALLBACK Win32Dialog::control_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                                UINT_PTR control_id, DWORD_PTR dialog) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, control_procedure, control_id);
    return DefSubclassProc(window, message, wparam, lparam);
  }
  auto* self = reinterpret_cast<Win32Dialog*>(dialog);
  if (self->destroying_) return DefSubclassProc(window, message, wparam, lparam);
  return self->control_message(static_cast<int>(control_id), window, message, wparam, lparam);
}

Win32Dialog::Win32Dialog(const DialogTemplate& dialog_template, HWND owner)
    : id_(dialog_template.id), page_(dialog_template.page) {
  // An empty in-memory template: the controls are made one by one, so that
  // they take the system's dialog font and sizes in pixels.
  std::vector<WORD> memory(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
  auto* empty = reinterpret_cast<DLGTEMPLATE*>(memory.data());
  empty->style = page_ ? WS_POPUP | DS_CONTROL : WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  empty->dwExtendedStyle = WS_EX_CONTROLPARENT | (page_ ? 0 : WS_EX_DLGMODALFRAME);
  window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), empty, page_ ? nullptr : owner, dialog_procedure,
                                       reinterpret_cast<LPARAM>(this));
  if (!window_) throw std::runtime_error("cannot create dialog " + std::to_string(id_));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_metrics().font), FALSE);
  SetWindowTextW(window_, wide(dialog_template.title).c_str());
  build(dialog_template);
  lay_out();
}

Win32Dialog::~Win32Dialog() {
  on_window_thread([this] {
    if (!IsWindow(window_) || GetWindowLongPtrW(window_, DWLP_USER) != reinterpret_cast<LONG_PTR>(this)) return;
    destroying_ = true;
    DestroyWindow(window_);
  });
}

void Win32Dialog::build(const DialogTemplate& dialog_template) {
  const DialogMetrics& metrics = dialog_metrics();
  const ControlTemplate* before = nullptr;
  for (const auto& control : dialog_template.controls) {
    const bool goes_on_group = control.kind == ControlKind::RadioButton && before &&
                               before->kind == ControlKind::RadioButton &&
                               before->radio_group == control.radio_group;
    HWND window = create_control(control, window_, metrics, !goes_on_group);
    if (control.id != -1) index_[control.id] = controls_.size();
    controls_.push_back({control, window});
    before = &control;
    if (control.kind == ControlKind::DefaultPushButton) SendMessageW(window_, DM_SETDEFID, control.id, 0);
    if (control.kind == ControlKind::ScrollBar) set_scroll_range(control.id, 0, kScrollMaximum);
    if (control.kind == ControlKind::Edit && !control.label) {
      SetWindowSubclass(window, control_procedure, static_cast<UINT_PTR>(control.id), reinterpret_cast<DWORD_PTR>(this));
      fit_scroll_bar(control, window, metrics);
    }
    if (control.kind == ControlKind::DropDownCombo) {
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      if (GetComboBoxInfo(window, &info) && info.hwndItem) {
        SetWindowSubclass(info.hwndItem, control_procedure, static_cast<UINT_PTR>(control.id),
                          reinterpret_cast<DWORD_PTR>(this));
      }
    }
    if (control.kind == ControlKind::ListBox && control.delete_key) {
      SetWindowSubclass(window, control_procedure, static_cast<UINT_PTR>(control.id), reinterpret_cast<DWORD_PTR>(this));
    }
  }
}

Win32Dialog::Control* Win32Dialog::find(int control_id) {
  auto it = index_.find(control_id);
  return it == index_.end() ? nullptr : &controls_[it->second];
}

const Win32Dialog::Control* Win32Dialog::find(int control_id) const {
  auto it = index_.find(control_id);
  return it == index_.end() ? nullptr : &controls_[it->second];
}

Win32Dialog::Control* Win32Dialog::find(HWND window) {
  for (auto& control : controls_) {
    if (control.window == window) return control.layout.id == -1 ? nullptr : &control;
  }
  return nullptr;
}

template <typename Change>
void Win32Dialog::change_control(int control_id, Change change) {
  on_window_thread([&] {
    Control* control = find(control_id);
    if (!control) return;
    Quiet quiet(quiet_);
    change(*control);
  });
}

template <typename Result, typename Read>
Result Win32Dialog::read_control(int control_id, Result none, Read read) const {
  return on_window_thread([&] {
    const Control* control = find(control_id);
    return control ? read(*control) : none;
  });
}

// ---- what the user does ----

INT_PTR Win32Dialog::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      // a menu or accelerator, or Enter in a dialog without a default button
      if (lparam == 0) return TRUE;
      if (quiet_ == 0) command(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->code != static_cast<UINT>(TCN_SELCHANGE)) return FALSE;
      const Control* tabs = find(static_cast<int>(header->idFrom));
      if (!tabs) return FALSE;
      show_current_page(*tabs);
      if (quiet_ == 0) fire(tabs->layout.id, Event::SelectionChange);
      return TRUE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lparam != 0 && quiet_ == 0) scrolled(reinterpret_cast<HWND>(lparam), wparam);
      return TRUE;
    case WM_CLOSE:
      end(kCancel);
      return TRUE;
    default:
      return FALSE;
  }
}

void Win32Dialog::command(int control_id, int code, HWND from) {
  const Control* control = find(from);
  if (!control || control->layout.id != static_cast<int>(static_cast<WORD>(control_id))) return;
  const int id = control->layout.id;
  switch (control->layout.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
      if (code == BN_CLICKED) click(id);
      break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      if (code == BN_CLICKED) fire(id, Event::Click);
      break;
    case ControlKind::Edit:
      if (code == EN_CHANGE && !control->layout.label) fire(id, Event::EditChange);
      break;
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo:
      if (code == CBN_SELCHANGE) fire(id, Event::SelectionChange);
      if (code == CBN_EDITCHANGE) fire(id, Event::EditChange);
      break;
    case ControlKind::ListBox:
      if (code == LBN_SELCHANGE) fire(id, Event::SelectionChange);
      if (code == LBN_DBLCLK && control->layout.double_click) press(control->layout.double_click);
      break;
    default:
      break;
  }
}

LRESULT Win32Dialog::control_message(int control_id, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const Control* control = find(control_id);
  const bool edit = control && control->layout.kind == ControlKind::Edit;
  const bool multi_line = edit && control->layout.multi_line;
  const bool breaks_lines = (GetWindowLongPtrW(window, GWL_STYLE) & ES_WANTRETURN) != 0;
  switch (message) {
    case WM_GETDLGCODE: {
      LRESULT code = DefSubclassProc(window, message, wparam, lparam);
      const auto* key = reinterpret_cast<const MSG*>(lparam);
      // A tab is never a value and Escape closes the dialog: a multi-line
      // box leaves both, and Enter when it holds one value, to the dialog.
      if (multi_line && key && (key->message == WM_KEYDOWN || key->message == WM_CHAR)) {
        const auto pressed = key->wParam;
        if (pressed == VK_TAB || pressed == VK_ESCAPE || (pressed == VK_RETURN && !breaks_lines)) {
          code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        }
      }
      return code;
    }
    case WM_CHAR:
      if (multi_line && (wparam == L'\t' || (wparam == L'\r' && !breaks_lines))) return 0;
      break;
    case WM_SETFOCUS: {
      const LRESULT done = DefSubclassProc(window, message, wparam, lparam);
      // the focus a window gets back when it becomes active again is not the user's
      if (quiet_ == 0 && focus_from_inside(reinterpret_cast<HWND>(wparam))) {
        caret_placed_ = 0;
        fire(control_id, Event::FocusGain);
      }
      return done;
    }
    case WM_LBUTTONDOWN:
      // the click gives the focus first; a caret the focus callback placed stays
      if (GetFocus() != window && focus_from_inside(GetFocus())) {
        caret_placed_ = 0;
        SetFocus(window);
        if (caret_placed_ == control_id) return 0;
      }
      break;
    case WM_KEYDOWN:
      if (control && control->layout.kind == ControlKind::ListBox && wparam == VK_DELETE) {
        press(control->layout.delete_key);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

void Win32Dialog::scrolled(HWND bar, WPARAM wparam) {
  const Control* control = find(bar);
  if (!control || control->layout.kind != ControlKind::ScrollBar) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS | SIF_TRACKPOS;
  GetScrollInfo(bar, SB_CTL, &info);
  const int step = std::max(control->page, 1);
  int position = info.nPos;
  switch (LOWORD(wparam)) {
    case SB_LINELEFT: --position; break;
    case SB_LINERIGHT: ++position; break;
    case SB_PAGELEFT: position -= step; break;
    case SB_PAGERIGHT: position += step; break;
    case SB_LEFT: position = control->minimum; break;
    case SB_RIGHT: position = control->maximum; break;
    case SB_THUMBTRACK: position = info.nTrackPos; break;
    case SB_THUMBPOSITION: position = HIWORD(wparam); break;
    default: return;
  }
  position = std::clamp(position, control->minimum, control->maximum);
  if (position == info.nPos) return;
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  fire(control->layout.id, Event::ScrollChange);
}

void Win32Dialog::click(int button_id) {
  if (callbacks_.count({button_id, Event::Click})) {
    fire(button_id, Event::Click);
  } else {
    end(button_id);
  }
}

void Win32Dialog::press(int button_id) {
  const Control* button = find(button_id);
  if (button && IsWindowEnabled(button->window)) click(button_id);
}

void Win32Dialog::fire(int control_id, Event event) {
  auto it = callbacks_.find({control_id, event});
  if (it == callbacks_.end()) return;
  auto callback = it->second;  // the callback may replace itself
  callback(*this, control_id, event);
}

bool Win32Dialog::focus_from_inside(HWND previous) const {
  return previous && GetAncestor(previous, GA_ROOT) == GetAncestor(window_, GA_ROOT);
}

bool Win32Dialog::escape_pressed(MSG& message) const {
  if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  const auto wants = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  return (wants & DLGC_WANTMESSAGE) == 0;
}

// ---- running ----

int Win32Dialog::run_modal() {
  return on_window_thread([this] { return run(); });
}

int Win32Dialog::run() {
  ended_ = false;
  result_ = kCancel;
  fire(id_, Event::DialogInit);
  if (!ended_) {
    running_ = true;
    if (layout_stale_) lay_out();
    place_over_owner();
    HWND owner = GetWindow(window_, GW_OWNER);
    const bool owner_enabled = owner && IsWindowEnabled(owner);
    if (owner_enabled) EnableWindow(owner, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) {
      SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
    MSG message;
    while (!ended_) {
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got <= 0) {
        // the program is ending: the loop outside sees its quit message too
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      if (escape_pressed(message)) {
        end(kCancel);
      } else if (!IsDialogMessageW(window_, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    // the owner is enabled first, so that it becomes the active window again
    if (owner_enabled) EnableWindow(owner, TRUE);
    ShowWindow(window_, SW_HIDE);
    running_ = false;
  }
  fire(id_, Event::DialogClose);
  return result_;
}

void Win32Dialog::end(int result) {
  on_window_thread([&] {
    ended_ = true;
    result_ = result;
    // wakes the modal loop when a call from another thread ended it
    PostMessageW(window_, WM_NULL, 0, 0);
  });
}

bool Win32Dialog::shown() const { return IsWindowVisible(GetAncestor(window_, GA_ROOT)); }

void Win32Dialog::changed_size() {
  if (shown()) return;
  if (page_ && GetParent(window_)) {
    if (auto* holder = page_of(GetParent(window_))) holder->layout_stale_ = true;
  } else {
    layout_stale_ = true;
  }
}

void Win32Dialog::place_over_owner() {
  RECT dialog{};
  GetWindowRect(window_, &dialog);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  HWND owner = GetWindow(window_, GW_OWNER);
  GetMonitorInfoW(MonitorFromWindow(owner ? owner : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT around = monitor.rcWork;
  if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &around);
  const int width = dialog.right - dialog.left;
  const int height = dialog.bottom - dialog.top;
  const RECT& work = monitor.rcWork;
  const int left = static_cast<int>(work.left);
  const int top = static_cast<int>(work.top);
  const int x = std::clamp(static_cast<int>(around.left + around.right - width) / 2, left,
                           std::max(static_cast<int>(work.right) - width, left));
  const int y = std::clamp(static_cast<int>(around.top + around.bottom - height) / 2, top,
                           std::max(static_cast<int>(work.bottom) - height, top));
  SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- layout ----

Win32Dialog* Win32Dialog::page_of(HWND window) const {
  if (!IsWindow(window)) return nullptr;
  return reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
}

Size Win32Dialog::preferred(const Control& control) {
  const DialogMetrics& metrics = dialog_metrics();
  if (control.layout.kind == ControlKind::GroupBox) return grid_of(control.layout.id, {}).size;
  Size size = preferred_size(control.layout, control.window, metrics);
  if (control.layout.kind != ControlKind::TabControl) return size;
  auto pages = pages_.find(control.layout.id);
  if (pages == pages_.end()) return size;
  for (const auto& [index, window] : pages->second) {
    Win32Dialog* page = page_of(window);
    if (!page) continue;
    const Size content = page->grid_of(0, {}).size;
    RECT frame{0, 0, content.width, content.height};
    SendMessageW(control.window, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&frame));
    size.width = std::max(size.width, static_cast<int>(frame.right - frame.left));
    size.height = std::max(size.height, static_cast<int>(frame.bottom - frame.top));
  }
  return size;
}

GridLayout Win32Dialog::grid_of(int parent, Size available) {
  const DialogMetrics& metrics = dialog_metrics();
  Spacing spacing{};
  if (parent == 0) {
    const int margin = metrics.px(page_ ? kPageMargin : kDialogMargin);
    spacing = {margin, margin, margin, margin, metrics.px(kGap), metrics.px(kGap)};
  } else {
    const int margin = metrics.px(kGroupMargin);
    spacing = {margin, metrics.line_height + metrics.px(4), margin, margin, metrics.px(kGap), metrics.px(kGap)};
  }
  std::vector<Cell> cells;
  for (const auto& control : controls_) {
    if (control.layout.parent != parent) continue;
    const auto& layout = control.layout;
    cells.push_back({layout.row, layout.column, std::max(layout.row_span, 1), std::max(layout.column_span, 1),
                     preferred(control), fill_of(layout), layout.hidden});
  }
  return lay_out_grid(cells, spacing, available);
}

void Win32Dialog::place(int parent, Rect area) {
  const GridLayout grid = grid_of(parent, {area.width, area.height});
  std::size_t cell = 0;
  for (const auto& control : controls_) {
    if (control.layout.parent != parent) continue;
    Rect rect = grid.rects[cell++];
    rect.x += area.x;
    rect.y += area.y;
    const int height = is_combo(control.layout.kind) ? dropped_height(control.window, dialog_metrics()) : rect.height;
    MoveWindow(control.window, rect.x, rect.y, rect.width, height, FALSE);
    if (control.layout.kind == ControlKind::GroupBox) place(control.layout.id, rect);
    if (control.layout.kind != ControlKind::TabControl) continue;
    auto pages = pages_.find(control.layout.id);
    if (pages == pages_.end()) continue;
    RECT display{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
    SendMessageW(control.window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (const auto& [index, window] : pages->second) {
      if (Win32Dialog* page = page_of(window)) {
        page->lay_out_page({static_cast<int>(display.left), static_cast<int>(display.top),
                            static_cast<int>(display.right - display.left),
                            static_cast<int>(display.bottom - display.top)});
        // just above its tab control, which would paint over it otherwise
        HWND above = GetWindow(control.window, GW_HWNDPREV);
        SetWindowPos(window, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
    }
  }
}

void Win32Dialog::lay_out() {
  layout_stale_ = false;
  const GridLayout grid = grid_of(0, {});
  place(0, {0, 0, grid.size.width, grid.size.height});
  RECT frame{0, 0, grid.size.width, grid.size.height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
}

void Win32Dialog::lay_out_page(Rect area) {
  layout_stale_ = false;
  SetWindowPos(window_, nullptr, area.x, area.y, area.width, area.height, SWP_NOZORDER | SWP_NOACTIVATE);
  place(0, {0, 0, area.width, area.height});
  InvalidateRect(window_, nullptr, TRUE);
}

void Win32Dialog::show_current_page(const Control& tabs) {
  auto pages = pages_.find(tabs.layout.id);
  if (pages == pages_.end()) return;
  const int current = static_cast<int>(SendMessageW(tabs.window, TCM_GETCURSEL, 0, 0)) + 1;
  for (const auto& [index, window] : pages->second) {
    if (IsWindow(window)) ShowWindow(window, index == current ? SW_SHOWNA : SW_HIDE);
  }
}

// ---- what the program does ----

void Win32Dialog::set_caption(std::string_view caption) {
  on_window_thread([&] { SetWindowTextW(window_, wide(caption).c_str()); });
}

std::string Win32Dialog::caption() const {
  return on_window_thread([&] { return window_text(window_); });
}

bool Win32Dialog::has_control(int control_id) const {
  return on_window_thread([&] { return find(control_id) != nullptr; });
}

void Win32Dialog::set_text(int control_id, std::string_view text) {
  const std::wstring value = wide(text);
  change_control(control_id, [&](Control& control) {
    const auto& layout = control.layout;
    HWND window = control.window;
    auto entry = [&](UINT get_length, UINT get_text, UINT get_count) {
      const auto count = SendMessageW(window, get_count, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(window, get_length, i, 0)) + 1, L'\0');
        item.resize(static_cast<std::size_t>(SendMessageW(window, get_text, i, reinterpret_cast<LPARAM>(item.data()))));
        if (item == value) return i;
      }
      return static_cast<LRESULT>(-1);
    };
    switch (layout.kind) {
      case ControlKind::DropDownList:
        SendMessageW(window, CB_SETCURSEL, entry(CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCOUNT), 0);
        return;
      case ControlKind::ListBox:
        SendMessageW(window, LB_SETCURSEL, entry(LB_GETTEXTLEN, LB_GETTEXT, LB_GETCOUNT), 0);
        return;
      case ControlKind::TabControl:
      case ControlKind::ScrollBar:
        return;
      case ControlKind::Edit:
        SetWindowTextW(window, layout.multi_line ? with_crlf(value).c_str() : value.c_str());
        // typing goes on at the end; a description reads from its start
        if (!layout.multi_line && !layout.read_only) {
          SendMessageW(window, EM_SETSEL, value.size(), static_cast<LPARAM>(value.size()));
        }
        if (fitted_to_text(layout) && shown()) ShowScrollBar(window, SB_VERT, TRUE);
        if (fitted_to_text(layout) && !shown()) fit_scroll_bar(layout, window, dialog_metrics());
        break;
      default:
        SetWindowTextW(window, value.c_str());
        break;
    }
    if (sized_by_text(layout)) changed_size();
  });
}

std::string Win32Dialog::text(int control_id) const {
  return read_control(control_id, std::string(), [](const Control& control) {
    HWND window = control.window;
    switch (control.layout.kind) {
      case ControlKind::ListBox: {
        const auto index = SendMessageW(window, LB_GETCURSEL, 0, 0);
        if (index < 0) return std::string();
        std::wstring item(static_cast<std::size_t>(SendMessageW(window, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
        item.resize(static_cast<std::size_t>(SendMessageW(window, LB_GETTEXT, index, reinterpret_cast<LPARAM>(item.data()))));
        return narrow(item);
      }
      case ControlKind::TabControl: {
        wchar_t item[256] = {};
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = item;
        tab.cchTextMax = 255;
        const auto index = SendMessageW(window, TCM_GETCURSEL, 0, 0);
        if (index < 0 || !SendMessageW(window, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&tab))) return std::string();
        return narrow(item);
      }
      case ControlKind::ScrollBar:
        return std::string();
      default:
        return window_text(window);
    }
  });
}

void Win32Dialog::set_checked(int control_id, bool checked) {
  change_control(control_id, [&](Control& control) {
    SendMessageW(control.window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!checked || control.layout.kind != ControlKind::RadioButton) return;
    for (const auto& other : controls_) {
      if (other.window != control.window && other.layout.kind == ControlKind::RadioButton &&
          other.layout.radio_group == control.layout.radio_group) {
        SendMessageW(other.window, BM_SETCHECK, BST_UNCHECKED, 0);
      }
    }
  });
}

bool Win32Dialog::checked(int control_id) const {
  return read_control(control_id, false, [](const Control& control) {
    return SendMessageW(control.window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
}

void Win32Dialog::set_enabled(int control_id, bool enabled) {
  change_control(control_id, [&](Control& control) { EnableWindow(control.window, enabled); });
}

bool Win32Dialog::enabled(int control_id) const {
  return read_control(control_id, false, [](const Control& control) { return IsWindowEnabled(control.window) != 0; });
}

void Win32Dialog::set_text_limit(int control_id, int limit) {
  change_control(control_id, [&](Control& control) {
    if (control.layout.kind == ControlKind::Edit) SendMessageW(control.window, EM_LIMITTEXT, std::max(limit, 0), 0);
  });
}

void Win32Dialog::set_caret(int control_id, int position) {
  change_control(control_id, [&](Control& control) {
    if (control.layout.kind != ControlKind::Edit) return;
    caret_placed_ = control_id;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control.window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control.window, text.data(), static_cast<int>(text.size()))));
    const int at = std::clamp(box_position(text, std::max(position - 1, 0)), 0, static_cast<int>(text.size()));
    SendMessageW(control.window, EM_SETSEL, at, at);
    SendMessageW(control.window, EM_SCROLLCARET, 0, 0);
  });
}

int Win32Dialog::caret(int control_id) const {
  return read_control(control_id, 0, [](const Control& control) {
    if (control.layout.kind != ControlKind::Edit) return 0;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(control.window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control.window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control.window, text.data(), static_cast<int>(text.size()))));
    return outside_position(text, static_cast<int>(end)) + 1;
  });
}

void Win32Dialog::set_item_count(int control_id, int count) {
  change_control(control_id, [&](Control& control) {
    HWND window = control.window;
    const int wanted = std::max(count, 0);
    switch (control.layout.kind) {
      case ControlKind::DropDownList:
      case ControlKind::DropDownCombo:
        while (SendMessageW(window, CB_GETCOUNT, 0, 0) > wanted) SendMessageW(window, CB_DELETESTRING, SendMessageW(window, CB_GETCOUNT, 0, 0) - 1, 0);
        while (SendMessageW(window, CB_GETCOUNT, 0, 0) < wanted) SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
        break;
      case ControlKind::ListBox:
        while (SendMessageW(window, LB_GETCOUNT, 0, 0) > wanted) SendMessageW(window, LB_DELETESTRING, SendMessageW(window, LB_GETCOUNT, 0, 0) - 1, 0);
        while (SendMessageW(window, LB_GETCOUNT, 0, 0) < wanted) SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
        break;
      case ControlKind::TabControl:
        while (SendMessageW(window, TCM_GETITEMCOUNT, 0, 0) > wanted) SendMessageW(window, TCM_DELETEITEM, SendMessageW(window, TCM_GETITEMCOUNT, 0, 0) - 1, 0);
        while (SendMessageW(window, TCM_GETITEMCOUNT, 0, 0) < wanted) {
          TCITEMW tab{};
          tab.mask = TCIF_TEXT;
          tab.pszText = const_cast<wchar_t*>(L"");
          SendMessageW(window, TCM_INSERTITEMW, SendMessageW(window, TCM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&tab));
        }
        show_current_page(control);
        break;
      default:
        return;
    }
    changed_size();
  });
}

int Win32Dialog::item_count(int control_id) const {
  return read_control(control_id, 0, [](const Control& control) {
    switch (control.layout.kind) {
      case ControlKind::DropDownList:
      case ControlKind::DropDownCombo:
        return static_cast<int>(SendMessageW(control.window, CB_GETCOUNT, 0, 0));
      case ControlKind::ListBox:
        return static_cast<int>(SendMessageW(control.window, LB_GETCOUNT, 0, 0));
      case ControlKind::TabControl:
        return static_cast<int>(SendMessageW(control.window, TCM_GETITEMCOUNT, 0, 0));
      default:
        return 0;
    }
  });
}

void Win32Dialog::set_item_text(int control_id, int index, std::string_view text) {
  if (index < 1) return;
  if (item_count(control_id) < index) set_item_count(control_id, index);
  const std::wstring value = wide(text);
  change_control(control_id, [&](Control& control) {
    HWND window = control.window;
    const WPARAM at = static_cast<WPARAM>(index - 1);
    const auto entry = reinterpret_cast<LPARAM>(value.c_str());
    switch (control.layout.kind) {
      case ControlKind::DropDownList:
      case ControlKind::DropDownCombo: {
        const auto current = SendMessageW(window, CB_GETCURSEL, 0, 0);
        SendMessageW(window, CB_DELETESTRING, at, 0);
        SendMessageW(window, CB_INSERTSTRING, at, entry);
        if (current == static_cast<LRESULT>(at)) SendMessageW(window, CB_SETCURSEL, at, 0);
        break;
      }
      case ControlKind::ListBox: {
        const auto current = SendMessageW(window, LB_GETCURSEL, 0, 0);
        SendMessageW(window, LB_DELETESTRING, at, 0);
        SendMessageW(window, LB_INSERTSTRING, at, entry);
        if (current == static_cast<LRESULT>(at)) SendMessageW(window, LB_SETCURSEL, at, 0);
        break;
      }
      case ControlKind::TabControl: {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(value.c_str());
        SendMessageW(window, TCM_SETITEMW, at, reinterpret_cast<LPARAM>(&tab));
        break;
      }
      default:
        return;
    }
    changed_size();
  });
}

std::string Win32Dialog::item_text(int control_id, int index) const {
  if (index < 1) return {};
  return read_control(control_id, std::string(), [&](const Control& control) {
    HWND window = control.window;
    const WPARAM at = static_cast<WPARAM>(index - 1);
    std::wstring item;
    switch (control.layout.kind) {
      case ControlKind::DropDownList:
      case ControlKind::DropDownCombo: {
        const auto length = SendMessageW(window, CB_GETLBTEXTLEN, at, 0);
        if (length < 0) return std::string();
        item.resize(static_cast<std::size_t>(length) + 1);
        item.resize(static_cast<std::size_t>(SendMessageW(window, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(item.data()))));
        break;
      }
      case ControlKind::ListBox: {
        const auto length = SendMessageW(window, LB_GETTEXTLEN, at, 0);
        if (length < 0) return std::string();
        item.resize(static_cast<std::size_t>(length) + 1);
        item.resize(static_cast<std::size_t>(SendMessageW(window, LB_GETTEXT, at, reinterpret_cast<LPARAM>(item.data()))));
        break;
      }
      case ControlKind::TabControl: {
        wchar_t text[256] = {};
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = text;
        tab.cchTextMax = 255;
        if (!SendMessageW(window, TCM_GETITEMW, at, reinterpret_cast<LPARAM>(&tab))) return std::string();
        item = text;
        break;
      }
      default:
        break;
    }
    return narrow(item);
  });
}

void Win32Dialog::set_selected(int control_id, int index) {
  change_control(control_id, [&](Control& control) {
    HWND window = control.window;
    switch (control.layout.kind) {
      case ControlKind::DropDownList:
      case ControlKind::DropDownCombo: {
        const auto count = SendMessageW(window, CB_GETCOUNT, 0, 0);
        SendMessageW(window, CB_SETCURSEL, index >= 1 && index <= count ? index - 1 : -1, 0);
        break;
      }
      case ControlKind::ListBox: {
        const auto count = SendMessageW(window, LB_GETCOUNT, 0, 0);
        SendMessageW(window, LB_SETCURSEL, index >= 1 && index <= count ? index - 1 : -1, 0);
        break;
      }
      case ControlKind::TabControl:
        if (index >= 1 && index <= SendMessageW(window, TCM_GETITEMCOUNT, 0, 0)) {
          SendMessageW(window, TCM_SETCURSEL, index - 1, 0);
          show_current_page(control);
        }
        break;
      default:
        break;
    }
  });
}

int Win32Dialog::selected(int control_id) const {
  return read_control(control_id, 0, [](const Control& control) {
    switch (control.layout.kind) {
      case ControlKind::DropDownList:
      case ControlKind::DropDownCombo:
        return static_cast<int>(SendMessageW(control.window, CB_GETCURSEL, 0, 0)) + 1;
      case ControlKind::ListBox:
        return static_cast<int>(SendMessageW(control.window, LB_GETCURSEL, 0, 0)) + 1;
      case ControlKind::TabControl:
        return static_cast<int>(SendMessageW(control.window, TCM_GETCURSEL, 0, 0)) + 1;
      default:
        return 0;
    }
  });
}

// Win32 lets the thumb reach the end of the range less the page; Tarnex's
// scroll bars, like Qt's, reach their maximum whatever their page.
void apply_scroll(HWND bar, int minimum, int maximum, int page, int position) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMin = minimum;
  info.nMax = maximum + std::max(page, 1) - 1;
  info.nPage = static_cast<UINT>(std::max(page, 0));
  info.nPos = std::clamp(position, minimum, maximum);
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

void Win32Dialog::set_scroll_range(int control_id, int minimum, int maximum) {
  change_control(control_id, [&](Control& control) {
    if (control.layout.kind != ControlKind::ScrollBar) return;
    control.minimum = minimum;
    control.maximum = std::max(minimum, maximum);
    apply_scroll(control.window, control.minimum, control.maximum, control.page, GetScrollPos(control.window, SB_CTL));
  });
}

void Win32Dialog::set_scroll_page(int control_id, int page) {
  change_control(control_id, [&](Control& control) {
    if (control.layout.kind != ControlKind::ScrollBar) return;
    control.page = page;
    apply_scroll(control.window, control.minimum, control.maximum, control.page, GetScrollPos(control.window, SB_CTL));
  });
}

void Win32Dialog::set_scroll_position(int control_id, int position) {
  change_control(control_id, [&](Control& control) {
    if (control.layout.kind != ControlKind::ScrollBar) return;
    apply_scroll(control.window, control.minimum, control.maximum, control.page, position);
  });
}

int Win32Dialog::scroll_position(int control_id) const {
  return read_control(control_id, 0, [](const Control& control) {
    return control.layout.kind == ControlKind::ScrollBar ? GetScrollPos(control.window, SB_CTL) : 0;
  });
}

void Win32Dialog::set_callback(int control_id, Event event, Callback callback) {
  on_window_thread([&] {
    if (control_id == id_ && event == Event::DialogInit) callbacks_[{id_, Event::DialogClose}] = callback;
    callbacks_[{control_id, event}] = std::move(callback);
  });
}

void Win32Dialog::show_page(int tab_control_id, int tab_index, Dialog& page) {
  HWND page_window = window_of(page);
  change_control(tab_control_id, [&](Control& tabs) {
    if (!page_window || tabs.layout.kind != ControlKind::TabControl || tab_index < 1 ||
        tab_index > SendMessageW(tabs.window, TCM_GETITEMCOUNT, 0, 0)) {
      return;
    }
    // the page becomes a child of this dialog, over the tab control's display area
    SetWindowLongPtrW(page_window, GWL_STYLE, WS_CHILD | DS_CONTROL | WS_CLIPSIBLINGS);
    SetParent(page_window, window_);
    EnableThemeDialogTexture(page_window, ETDT_ENABLETAB);
    pages_[tabs.layout.id][tab_index] = page_window;
    lay_out();
    show_current_page(tabs);
  });
}

}  // namespace

std::unique_ptr<Dialog> make_win32_dialog(const DialogTemplate& dialog_template, HWND owner) {
  return on_window_thread([&] {
    static const bool registered = [] {
      INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
      return InitCommonControlsEx(&classes) != 0;
    }();
    (void)registered;
    return std::unique_ptr<Dialog>(std::make_unique<Win32Dialog>(dialog_template, owner));
  });
}

HWND window_of(const Dialog& dialog) {
  const auto* win32 = dynamic_cast<const Win32Dialog*>(&dialog);
  return win32 ? win32->window() : nullptr;
}

}  // namespace tarnex::ui::win32
