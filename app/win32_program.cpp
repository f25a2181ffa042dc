#include "app/win32_program.h"

namespace tarnex {

Win32Program::~Win32Program() { stop(); }

void Win32Program::start(int show_command) {
  ui_.show(show_command);
  session_.start();
}

void Win32Program::stop() {
  if (!session_.running()) return;
  ui_.shut_down();
  session_.stop([] {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  });
}

}  // namespace tarnex
