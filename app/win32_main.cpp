// tarnex.exe: the Qarn model programs' window on Windows. Start it in the
// folder that holds the model programs, or name that folder on the command
// line.

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/command_line.h"
#include "app/demo_folder.h"
#include "app/win32_program.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/window_thread.h"

namespace {

using tarnex::ui::win32::lines_text;
using tarnex::ui::win32::narrow;
using tarnex::ui::win32::wide;

// A program of the windows subsystem has no console to print to: what a
// console program prints, it shows in a message box.
int tell(const std::string& text, UINT icon, int code) {
  MessageBoxW(nullptr, lines_text(text).c_str(), L"Tarnex", MB_OK | icon);
  return code;
}

int refuse(const std::string& line) { return tell(line, MB_ICONWARNING, tarnex::kCommandLineError); }

bool enter(const std::filesystem::path& directory) {
  std::error_code error;
  std::filesystem::current_path(directory, error);
  if (error) refuse("tarnex: cannot start in '" + narrow(directory.wstring()) + "': " + error.message());
  return !error;
}

std::vector<std::string> arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 1; i < count; ++i) result.push_back(narrow(words[i]));
  LocalFree(words);
  return result;
}

std::filesystem::path program_path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

// The user's own folder, as HOME is on other systems.
std::string home_folder() {
  const wchar_t* profile = _wgetenv(L"USERPROFILE");
  return profile ? narrow(profile) : std::string();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
  using Action = tarnex::CommandLine::Action;
  const auto command = tarnex::parse_command_line(arguments());
  switch (command.action) {
    case Action::kHelp: return tell(tarnex::help_text(), MB_ICONINFORMATION, 0);
    case Action::kVersion: return tell(tarnex::version_text(), MB_ICONINFORMATION, 0);
    case Action::kFail: return refuse(command.error);
    case Action::kDemo: {
      const std::string home = home_folder();
      const std::filesystem::path folder = command.folder.empty() ? tarnex::default_demo_folder(home.c_str())
                                                                  : std::filesystem::path(wide(command.folder));
      if (const auto failure = tarnex::make_demo_folder(folder, tarnex::installed_demo(program_path()));
          !failure.empty()) {
        return refuse(failure);
      }
      if (!enter(folder)) return tarnex::kCommandLineError;
      break;
    }
    case Action::kStart:
      // Started from the Explorer, tarnex.exe starts in its own folder,
      // beside the model programs; a folder chooser is not needed there.
      if (!command.folder.empty() && !enter(wide(command.folder))) return tarnex::kCommandLineError;
      break;
  }

  // The shell's document opening wants COM on the thread that calls it.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  tarnex::ui::win32::become_window_thread();
  int code = 0;
  {
    tarnex::Win32Program program;
    program.start(show_command);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    code = static_cast<int>(message.wParam);
    program.stop();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return code;
}
