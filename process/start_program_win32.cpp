// Programs started on their own, on Windows: the system looks the program
// up as it does for a typed command, and the program inherits no handle of
// Tarnex's.

#include <windows.h>

#include "base/utf16.h"
#include "process/start_program.h"

namespace tarnex::process {
namespace {

std::wstring wide(std::string_view utf8) {
  const auto utf16 = utf16_of(utf8);
  return {utf16.begin(), utf16.end()};
}

// One argument as the C runtime of the started program splits it back out
// of the command line: quoted when it holds blanks or quotes, a quote
// escaped by a backslash, and backslashes doubled where a quote follows them.
std::wstring quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
  std::wstring text = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    text += c;
  }
  text.append(2 * backslashes, L'\\');
  return text + L"\"";
}

}  // namespace

std::optional<int> start_detached_program(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return ERROR_INVALID_PARAMETER;
  std::wstring command_line;
  for (const auto& argument : arguments) {
    if (!command_line.empty()) command_line += L' ';
    command_line += quoted(wide(argument));
  }
  STARTUPINFOW info{};
  info.cb = sizeof info;
  PROCESS_INFORMATION created{};
  // A console program gets a console of its own, outside Tarnex's console
  // group, so that ending a model never reaches it.
  if (!::CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &info, &created)) {
    return static_cast<int>(::GetLastError());
  }
  ::CloseHandle(created.hThread);
  ::CloseHandle(created.hProcess);
  return std::nullopt;
}

}  // namespace tarnex::process
