#include "ui/win32/window_thread.h"

#include <windows.h>

#include <exception>
#include <stdexcept>

namespace tarnex::ui::win32 {

namespace {

constexpr UINT kRunWork = WM_APP + 1;

DWORD window_thread_id = 0;
// A message-only window of the window thread: sent messages reach it even
// while a modal dialog's loop runs there.
HWND carrier = nullptr;

struct Carried {
  const std::function<void()>* work;
  std::exception_ptr failure;
};

LRESULT CALLBACK carrier_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != kRunWork) return DefWindowProcW(window, message, wparam, lparam);
  auto* carried = reinterpret_cast<Carried*>(lparam);
  try {
    (*carried->work)();
  } catch (...) {
    carried->failure = std::current_exception();
  }
  return 0;
}

}  // namespace

void become_window_thread() {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = carrier_procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"TarnexCarrier";
  RegisterClassW(&window_class);
  carrier = CreateWindowExW(0, L"TarnexCarrier", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            window_class.hInstance, nullptr);
  if (!carrier) throw std::runtime_error("cannot make the window thread's message window");
  window_thread_id = GetCurrentThreadId();
}

bool is_window_thread() { return GetCurrentThreadId() == window_thread_id; }

void run_on_window_thread(const std::function<void()>& work) {
  if (is_window_thread()) {
    work();
    return;
  }
  Carried carried{&work, nullptr};
  SendMessageW(carrier, kRunWork, 0, reinterpret_cast<LPARAM>(&carried));
  if (carried.failure) std::rethrow_exception(carried.failure);
}

}  // namespace tarnex::ui::win32
