#include "win32_realisation.h"

#include <stdexcept>

#include "ui/win32/wide_text.h"
#include "win32_windows.h"

namespace tarnex::scenario {
namespace {

constexpr wchar_t kClassName[] = L"TarnexScenarioPlayer";
// The message that runs the next posted action.
constexpr UINT kAction = WM_APP + 1;
constexpr UINT_PTR kTickTimer = 1;

void register_class() {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
}

ControlKind kind_of(win32::Reading::Kind kind) {
  using Kind = win32::Reading::Kind;
  switch (kind) {
    case Kind::Label: return ControlKind::Label;
    case Kind::Edit: return ControlKind::Edit;
    case Kind::PushButton: return ControlKind::PushButton;
    case Kind::CheckBox: return ControlKind::CheckBox;
    case Kind::List: return ControlKind::List;
    case Kind::Tabs: return ControlKind::Tabs;
    case Kind::ScrollBar: return ControlKind::ScrollBar;
    case Kind::Other: break;
  }
  return ControlKind::Other;
}

}  // namespace

Win32Realisation::Win32Realisation(Win32Program& program) : program_(program) {
  register_class();
  // A message-only window: the modal loops dispatch its messages as any
  // window's, and the user never sees it.
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
  if (!window_) throw std::runtime_error("cannot make the scenario player's window");
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Realisation::procedure));
}

Win32Realisation::~Win32Realisation() { DestroyWindow(window_); }

LRESULT CALLBACK Win32Realisation::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<Win32Realisation*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  if (message == kAction && !self->actions_.empty()) {
    // Taken off first: the action may open a dialog whose loop the next
    // ticks run in, and the player is settled meanwhile.
    auto action = std::move(self->actions_.front());
    self->actions_.pop_front();
    action();
    return 0;
  }
  if (message == WM_TIMER && wparam == kTickTimer) {
    if (self->tick_) self->tick_();
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void Win32Realisation::tick_every(UINT milliseconds, std::function<void()> tick) {
  tick_ = std::move(tick);
  SetTimer(window_, kTickTimer, milliseconds, nullptr);
}

void Win32Realisation::stop_ticks() {
  // The tick itself may call this: its function stays until the next
  // tick_every().
  KillTimer(window_, kTickTimer);
}

void Win32Realisation::post(std::function<void()> action) {
  actions_.push_back(std::move(action));
  PostMessageW(window_, kAction, 0, 0);
}

void Win32Realisation::on_control(int id, std::function<void(HWND)> action) {
  post([id, action = std::move(action)] {
    if (HWND control = win32::find_control(win32::topmost_dialog(), id)) action(control);
  });
}

std::optional<WindowView> Win32Realisation::topmost() {
  if (HWND box = win32::open_message_box()) {
    WindowView view;
    view.kind = WindowView::Kind::MessageBox;
    view.name = "messagebox";
    view.title = ui::win32::window_text(box);
    return view;
  }
  HWND dialog = win32::topmost_dialog();
  if (!dialog) return std::nullopt;
  WindowView view;
  view.kind = WindowView::Kind::Dialog;
  view.dialog_id = win32::dialog_id(dialog);
  view.name = "d" + std::to_string(view.dialog_id);
  view.title = ui::win32::window_text(dialog);
  return view;
}

std::optional<ControlView> Win32Realisation::control(int id) {
  if (win32::open_message_box()) return std::nullopt;
  HWND control = win32::find_control(win32::topmost_dialog(), id);
  if (!control) return std::nullopt;
  auto reading = win32::read_control(control);
  ControlView view;
  view.kind = kind_of(reading.kind);
  view.editable = reading.editable;
  view.enabled = IsWindowEnabled(control) != FALSE;
  view.shown = IsWindowVisible(control) != FALSE;
  view.text = std::move(reading.text);
  view.checked = reading.checked;
  view.entries = std::move(reading.entries);
  view.selected = reading.selected;
  return view;
}

std::optional<std::string> Win32Realisation::message_box() {
  HWND box = win32::open_message_box();
  if (!box) return std::nullopt;
  return win32::message_box_text(box);
}

std::optional<bool> Win32Realisation::menu_item(const std::string& menu, const std::string& item) {
  bool enabled = false;
  if (!win32::find_menu_item(program_.ui().frame(), menu, item, enabled)) return std::nullopt;
  return enabled;
}

void Win32Realisation::choose_menu_item(const std::string& menu, const std::string& item) {
  bool enabled = false;
  const UINT command = win32::find_menu_item(program_.ui().frame(), menu, item, enabled);
  HWND frame = program_.ui().frame();
  post([frame, command] { win32::choose_menu_item(frame, command); });
}

void Win32Realisation::focus(int id) { on_control(id, win32::give_focus); }

void Win32Realisation::type(int id, const std::string& text) {
  on_control(id, [text](HWND control) { win32::type_keys(control, text); });
}

void Win32Realisation::click(int id) { on_control(id, win32::click); }

void Win32Realisation::choose(int id, int index) {
  on_control(id, [index](HWND control) { win32::choose(control, index); });
}

void Win32Realisation::scroll(int id, int position) {
  on_control(id, [position](HWND control) { win32::scroll(control, position); });
}

void Win32Realisation::press_message_box() {
  post([] {
    if (HWND box = win32::open_message_box()) win32::press_message_box(box);
  });
}

}  // namespace tarnex::scenario
