// The status bar: what runs, with the time it has run, and how it ended for
// a few seconds after; on its right, the lasting note that transcripts are
// not being kept.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/win32/win32_text.h"
#include "ui/win32/win32_ui.h"
#include "ui/win32/window_thread.h"

namespace tarnex::ui::win32 {
namespace {

constexpr UINT_PTR kRunClockTimer = 1;
constexpr UINT_PTR kRunEndTimer = 2;
// The status bar counts a run's time in seconds, and shows how a run ended
// for this long.
constexpr UINT kRunClockMilliseconds = 1000;
constexpr UINT kRunEndShownMilliseconds = 8000;

// "1:05", or "1:02:05" from an hour on.
std::wstring duration(ULONGLONG milliseconds) {
  const ULONGLONG seconds = milliseconds / 1000;
  const auto two = [](ULONGLONG n) { return (n < 10 ? L"0" : L"") + std::to_wstring(n); };
  if (seconds >= 3600) return std::to_wstring(seconds / 3600) + L":" + two(seconds / 60 % 60) + L":" + two(seconds % 60);
  return std::to_wstring(seconds / 60) + L":" + two(seconds % 60);
}

}  // namespace

void Win32Ui::show_status_parts() {
  RECT bar;
  GetClientRect(status_, &bar);
  if (history_notice_.empty()) {
    int whole = -1;
    SendMessageW(status_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole));
  } else {
    HDC dc = GetDC(status_);
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(status_, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, history_notice_.c_str(), static_cast<int>(history_notice_.size()), &size);
    SelectObject(dc, before);
    ReleaseDC(status_, dc);
    // room for the part's borders and the size grip
    const int notice = size.cx + MulDiv(40, static_cast<int>(dpi()), USER_DEFAULT_SCREEN_DPI);
    int edges[2] = {std::max<int>(0, bar.right - notice), -1};
    SendMessageW(status_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    SendMessageW(status_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(history_notice_.c_str()));
  }
}

std::wstring Win32Ui::status_text(int part) const {
  return on_window_thread([&] {
    const auto length = LOWORD(SendMessageW(status_, SB_GETTEXTLENGTHW, part, 0));
    std::wstring text(length + 1, L'\0');
    SendMessageW(status_, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
  });
}

void Win32Ui::show_run_started(std::string_view program, std::string_view roots) {
  on_window_thread([&] {
    KillTimer(frame_, kRunEndTimer);
    run_program_ = wide(program);
    run_roots_ = wide(roots);
    run_started_ = GetTickCount64();
    SetTimer(frame_, kRunClockTimer, kRunClockMilliseconds, nullptr);
    show_run_time();
  });
}

void Win32Ui::show_run_time() {
  const std::wstring roots = run_roots_.empty() ? L"" : L" (roots " + run_roots_ + L")";
  const std::wstring text = L"Running " + run_program_ + roots + L": " + duration(GetTickCount64() - run_started_);
  SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32Ui::show_run_ended(RunEnd end, int exit_code) {
  on_window_thread([&] {
    KillTimer(frame_, kRunClockTimer);
    const std::wstring ran = duration(run_started_ ? GetTickCount64() - run_started_ : 0);
    std::wstring text;
    switch (end) {
      case RunEnd::Exited:
        text = run_program_ + L" ended with exit code " + std::to_wstring(exit_code) + L" after " + ran;
        break;
      case RunEnd::Terminated: text = run_program_ + L" terminated after " + ran; break;
      case RunEnd::NotStarted: text = run_program_ + L" could not be started"; break;
    }
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SetTimer(frame_, kRunEndTimer, kRunEndShownMilliseconds, nullptr);
  });
}

void Win32Ui::on_status_timer(UINT_PTR timer) {
  if (timer == kRunClockTimer) {
    show_run_time();
  } else if (timer == kRunEndTimer) {
    KillTimer(frame_, kRunEndTimer);
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
  }
}

void Win32Ui::set_history_notice(std::string_view text) {
  on_window_thread([&] {
    history_notice_ = wide(text);
    show_status_parts();
  });
}

}  // namespace tarnex::ui::win32
