#include <windows.h>
#include <objbase.h>

#include "app/win32_program.h"
#include "play.h"
#include "ui/win32/window_thread.h"
#include "win32_realisation.h"

namespace tarnex::scenario {
namespace {

constexpr UINT kTickMilliseconds = 10;

}  // namespace

// Tarnex's window on this thread as tarnex.exe makes it, the player ticking
// from a timer of the window thread.
std::optional<Played> play_on_window(int, char**, std::vector<Step> steps, Player::Options options) {
  // The shell's document opening wants COM on the thread that calls it.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  ui::win32::become_window_thread();
  Played played;
  {
    Win32Program program;
    Win32Realisation realisation(program);
    Player player(realisation, std::move(steps), std::move(options));
    program.ui().set_exit_handler([&](int) {
      realisation.program_exited();
      ShowWindow(program.ui().frame(), SW_HIDE);
      program.state().request_stop();
    });
    Watchdog watchdog(player);
    program.start(SW_SHOWNORMAL);
    player.start();
    realisation.tick_every(kTickMilliseconds, [&] {
      if (!player.tick()) return;
      realisation.stop_ticks();
      played = {player.passed(), player.failure(), program.ui().text().text()};
      // Closes what is open; every modal loop ends with the quit message.
      program.ui().shut_down();
      PostQuitMessage(0);
    });
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    // Terminates a model still running, its helpers with it.
    program.stop();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return played;
}

}  // namespace tarnex::scenario
