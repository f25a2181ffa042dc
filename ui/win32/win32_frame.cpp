// The frame window: its class and procedure, the text window and status bar
// laid out in it, its title, its Close command, the text font and colours.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/win32/history_window.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_text_view.h"
#include "ui/win32/win32_ui.h"
#include "ui/win32/window_thread.h"

namespace tarnex::ui::win32 {
namespace {

constexpr wchar_t kFrameClass[] = L"TarnexFrame";
// The program's icon in its resources; a test program has none and gets
// the system's.
constexpr int kIconResource = 1;
// The frame's first size at 96 dots per inch, the same as the Qt frame.
constexpr int kFrameWidth = 900;
constexpr int kFrameHeight = 640;

void register_frame_class() {
  static const bool registered = [] {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                                       GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    window_class.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), 0));
    window_class.lpszClassName = kFrameClass;
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
}

// A font of the face with the cell height, scaled from 96 dots per inch.
// Only outline fonts: the old bitmap faces look blurred or tiny on a
// monitor of today, and the font mapper offers its closest outline face.
HFONT make_font(const std::wstring& face, int cell_height, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = MulDiv(cell_height, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  font.lfQuality = CLEARTYPE_QUALITY;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

bool fixed_pitch(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ before = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, before);
  ReleaseDC(nullptr, dc);
  // The flag, against its name, marks a font of variable pitch.
  return (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
}

BOOL CALLBACK cancel_dialog(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (IsWindowVisible(window) && std::wstring_view(name) == L"#32770") {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
  return TRUE;
}

}  // namespace

Win32Ui::Win32Ui() {
  if (!is_window_thread()) throw std::logic_error("the window services are made on the window thread");
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  register_frame_class();
  const UINT system_dpi = GetDpiForSystem();
  RECT work{0, 0, 1024, 768};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = std::min<int>(MulDiv(kFrameWidth, system_dpi, USER_DEFAULT_SCREEN_DPI), work.right - work.left);
  const int height =
      std::min<int>(MulDiv(kFrameHeight, system_dpi, USER_DEFAULT_SCREEN_DPI), work.bottom - work.top);
  menu_bar_ = CreateMenu();
  // in the middle of the work area, clear of the taskbar
  frame_ = CreateWindowExW(0, kFrameClass, L"Tarnex", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           work.left + (work.right - work.left - width) / 2,
                           work.top + (work.bottom - work.top - height) / 2, width, height, nullptr, menu_bar_,
                           GetModuleHandleW(nullptr), nullptr);
  if (!frame_) throw std::runtime_error("cannot make the frame window");
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, frame_,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  view_ = std::make_unique<TextView>(frame_, text_);
  SetWindowLongPtrW(frame_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(frame_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Ui::procedure));
  font_face_ = L"Courier New";
  font_height_ = 16;
  apply_font();
  layout();
  exit_handler_ = [](int code) { PostQuitMessage(code); };
}

Win32Ui::~Win32Ui() {
  history_window_.reset();
  view_.reset();
  if (IsWindow(frame_)) {
    SetWindowLongPtrW(frame_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
    DestroyWindow(frame_);
  }
}

LRESULT CALLBACK Win32Ui::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* ui = reinterpret_cast<Win32Ui*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return ui ? ui->handle(message, wparam, lparam) : DefWindowProcW(window, message, wparam, lparam);
}

void Win32Ui::show(int show_command) {
  on_window_thread([&] {
    ShowWindow(frame_, show_command);
    UpdateWindow(frame_);
    SetFocus(view_->window());
  });
}

UINT Win32Ui::dpi() const { return GetDpiForWindow(frame_); }

void Win32Ui::layout() {
  RECT client;
  GetClientRect(frame_, &client);
  SendMessageW(status_, WM_SIZE, 0, 0);
  show_status_parts();
  RECT bar;
  GetWindowRect(status_, &bar);
  const int status_height = bar.bottom - bar.top;
  MoveWindow(view_->window(), 0, 0, client.right, std::max<LONG>(0, client.bottom - status_height), TRUE);
}

// The text window is maximised inside the frame, so the frame's caption
// carries its title after the frame's own, as a maximised document window's.
void Win32Ui::show_caption() {
  std::wstring caption = frame_title_;
  if (text_title_.find_first_not_of(L' ') != std::wstring::npos) caption += L" - [" + text_title_ + L"]";
  SetWindowTextW(frame_, caption.c_str());
}

void Win32Ui::set_frame_title(std::string_view title) {
  on_window_thread([&] {
    frame_title_ = wide(title);
    show_caption();
  });
}

void Win32Ui::set_text_title(std::string_view title) {
  on_window_thread([&] {
    text_title_ = wide(title);
    show_caption();
  });
}

void Win32Ui::apply_font() {
  if (proposed_font_) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi());
    LOGFONTW font{};
    font.lfHeight = metrics.lfMessageFont.lfHeight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    view_->set_font(CreateFontIndirectW(&font));
    return;
  }
  view_->set_font(make_font(font_face_, font_height_, dpi()));
}

bool Win32Ui::set_text_font(std::string_view family, int, int cell_height) {
  return on_window_thread([&] {
    const std::wstring face = wide(family);
    HFONT font = make_font(face, cell_height, dpi());
    if (!font || !fixed_pitch(font)) {
      if (font) DeleteObject(font);
      return false;
    }
    font_face_ = face;
    font_height_ = cell_height;
    proposed_font_ = false;
    view_->set_font(font);
    return true;
  });
}

void Win32Ui::use_proposed_font() {
  on_window_thread([&] {
    proposed_font_ = true;
    apply_font();
  });
}

void Win32Ui::set_colours_black_on_white() {
  on_window_thread([&] { view_->set_colours(RGB(0, 0, 0), RGB(255, 255, 255)); });
}

void Win32Ui::set_close_enabled(bool enabled) {
  close_enabled_ = enabled;
  on_window_thread([&] {
    // Windows grays the close button with its menu item; a close that
    // comes anyway (from the taskbar) gets the refusal.
    if (HMENU system = GetSystemMenu(frame_, FALSE)) {
      EnableMenuItem(system, SC_CLOSE, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    DrawMenuBar(frame_);
  });
}

void Win32Ui::set_close_refusal(std::function<void()> refusal) {
  on_window_thread([&] { close_refusal_ = std::move(refusal); });
}

void Win32Ui::close_clicked() {
  if (close_enabled_) {
    exit_program(0);
  } else if (close_refusal_) {
    close_refusal_();
  }
}

void Win32Ui::set_exit_handler(std::function<void(int)> handler) { exit_handler_ = std::move(handler); }

void Win32Ui::exit_program(int code) {
  on_window_thread([&] {
    shut_down();
    exit_handler_(code);
  });
}

void Win32Ui::shut_down() {
  on_window_thread([&] {
    stopping_ = true;
    EnumThreadWindows(GetCurrentThreadId(), cancel_dialog, 0);
  });
}

HWND Win32Ui::owner() const {
  return on_window_thread([&] {
    HWND active = GetActiveWindow();
    if (active && IsWindowVisible(active) && IsWindowEnabled(active)) return active;
    HWND popup = GetLastActivePopup(frame_);
    return popup && IsWindowVisible(popup) ? popup : frame_;
  });
}

LRESULT Win32Ui::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: layout(); return 0;
    case WM_SETFOCUS: SetFocus(view_->window()); return 0;
    case WM_CLOSE: close_clicked(); return 0;
    case WM_COMMAND:
      if (HIWORD(wparam) == 0 && lparam == 0) {
        for (const auto& [name, item] : items_) {
          if (item.command != LOWORD(wparam)) continue;
          // The routine may add or remove items: it runs from a copy.
          if (const auto routine = item.routine) routine();
          break;
        }
        return 0;
      }
      break;
    case WM_TIMER: on_status_timer(wparam); return 0;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(frame_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      apply_font();
      layout();
      return 0;
    }
    default: break;
  }
  return DefWindowProcW(frame_, message, wparam, lparam);
}

}  // namespace tarnex::ui::win32
