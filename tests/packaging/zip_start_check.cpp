// zip_start_check TARNEX.EXE FOLDER: starts tarnex.exe in FOLDER as the
// Explorer would, waits for its window with a menu bar, closes it as the
// user does and expects Tarnex to end with code 0.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  DWORD process;
  HWND frame;
};

BOOL CALLBACK look_at(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  if (owner == search->process && IsWindowVisible(window) && GetMenu(window) &&
      std::wstring(title).find(L"Tarnex") != std::wstring::npos) {
    search->frame = window;
    return FALSE;
  }
  return TRUE;
}

int fail(const char* why) {
  std::printf("FAIL %s\n", why);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return fail("usage: zip_start_check TARNEX.EXE FOLDER");
  std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, argv[2], &startup, &process)) {
    return fail("tarnex.exe does not start");
  }
  Search search{process.dwProcessId, nullptr};
  for (int tries = 0; tries < 600 && !search.frame; ++tries) {
    if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) return fail("tarnex.exe ended without a window");
    EnumWindows(look_at, reinterpret_cast<LPARAM>(&search));
  }
  if (!search.frame) {
    TerminateProcess(process.hProcess, 1);
    return fail("no Tarnex window with a menu bar within a minute");
  }
  PostMessageW(search.frame, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    return fail("tarnex.exe did not end when its window was closed");
  }
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  if (code != 0) return fail("tarnex.exe ended with a code other than 0");
  std::printf("tarnex.exe started from the unpacked zip, showed its window and closed\n");
  return 0;
}
