// tarnex-test-child: a Windows console program that the tests start where a
// test on a POSIX system starts a little shell script. It plays the
// commands of its script, read from the file beside it that has its name
// with ".script" for ".exe" (MOR.exe plays MOR.script), commands separated
// by ";"; or, given arguments, the one command they make.
//
//   print TEXT   TEXT to standard output; \n, \r, \\ and \xHH stand for bytes
//   error TEXT   TEXT and a line feed to standard error
//   cwd          the current directory and a line feed
//   env NAME     the variable's value and a line feed
//   job          "in a job" or "in no job" and a line feed
//   priority     its main thread's priority and a line feed
//   read         reads a line from standard input and keeps it
//   grab MS      keeps the first byte that comes on standard input within
//                MS milliseconds, if one comes
//   save FILE    writes each line kept as "[line]", a line feed, and the
//                byte grabbed, to FILE
//   sleep MS     waits MS milliseconds
//   spawn [FILE] starts itself as "sleep 60000" and writes that process's id
//                and a line feed to FILE, or to standard output
//   spawn-holding [FILE]  the same, the process holding its standard handles
//   streams FILE writes the kinds of its standard input, output and error
//                ("char", "pipe", "disk" or "none") and the count of bytes
//                it could read from its input to FILE
//   args FILE    writes its further arguments to FILE, one a line
//   crash        ends as an access violation ends a program
//   exit N       ends with code N

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string utf8(std::wstring_view text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring own_path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

void put(DWORD stream, std::string_view bytes) {
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void write_file(std::string_view file, const std::string& text) {
  if (std::FILE* out = ::_wfopen(std::wstring(file.begin(), file.end()).c_str(), L"wb")) {
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
  }
}

std::string unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char kind = text[++i];
    if (kind == 'n') {
      out += '\n';
    } else if (kind == 'r') {
      out += '\r';
    } else if (kind == 'x' && i + 2 < text.size()) {
      out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      out += kind;
    }
  }
  return out;
}

// What was read: the lines, and a byte grabbed.
std::vector<std::string> kept_lines;
std::string grabbed;

void read_line() {
  std::string line;
  char byte = 0;
  DWORD got = 0;
  while (::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), &byte, 1, &got, nullptr) && got == 1 && byte != '\n') {
    line += byte;
  }
  kept_lines.push_back(line);
}

void grab(DWORD milliseconds) {
  const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
  const DWORD until = ::GetTickCount() + milliseconds;
  DWORD waiting = 0;
  while (::PeekNamedPipe(input, nullptr, 0, nullptr, &waiting, nullptr) && waiting == 0 &&
         static_cast<LONG>(until - ::GetTickCount()) > 0) {
    ::Sleep(5);
  }
  char byte = 0;
  DWORD got = 0;
  if (waiting > 0 && ::ReadFile(input, &byte, 1, &got, nullptr) && got == 1) grabbed += byte;
}

void save(std::string_view file) {
  std::string text;
  for (const auto& line : kept_lines) text += "[" + line + "]";
  text += "\n" + grabbed;
  write_file(file, text);
}

std::string kind_of(DWORD stream) {
  const HANDLE handle = ::GetStdHandle(stream);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return "none";
  switch (::GetFileType(handle)) {
    case FILE_TYPE_CHAR:
      return "char";
    case FILE_TYPE_PIPE:
      return "pipe";
    case FILE_TYPE_DISK:
      return "disk";
    default:
      return "none";
  }
}

void streams(std::string_view file) {
  std::size_t count = 0;
  char buffer[256];
  DWORD got = 0;
  while (::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &got, nullptr) && got > 0) count += got;
  write_file(file, kind_of(STD_INPUT_HANDLE) + " " + kind_of(STD_OUTPUT_HANDLE) + " " + kind_of(STD_ERROR_HANDLE) +
                       " " + std::to_string(count) + "\n");
}

void spawn(std::string_view file, bool holding) {
  const std::wstring self = own_path();
  std::wstring command_line = L"\"" + self + L"\" sleep 60000";
  STARTUPINFOW info{};
  info.cb = sizeof info;
  if (holding) {
    info.dwFlags = STARTF_USESTDHANDLES;
    info.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    info.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    info.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION created{};
  if (!::CreateProcessW(self.c_str(), command_line.data(), nullptr, nullptr, holding, CREATE_NO_WINDOW, nullptr,
                        nullptr, &info, &created)) {
    std::exit(101);
  }
  const std::string id = std::to_string(created.dwProcessId) + "\n";
  if (file.empty()) {
    put(STD_OUTPUT_HANDLE, id);
  } else {
    write_file(file, id);
  }
  ::CloseHandle(created.hThread);
  ::CloseHandle(created.hProcess);
}

// One command: its word and the rest of it.
void play(std::string_view word, std::string_view rest) {
  if (word == "print") {
    put(STD_OUTPUT_HANDLE, unescaped(rest));
  } else if (word == "error") {
    put(STD_ERROR_HANDLE, std::string(rest) + "\n");
  } else if (word == "cwd") {
    std::wstring directory(::GetCurrentDirectoryW(0, nullptr), L'\0');
    directory.resize(::GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
    put(STD_OUTPUT_HANDLE, utf8(directory) + "\n");
  } else if (word == "env") {
    const char* value = std::getenv(std::string(rest).c_str());
    put(STD_OUTPUT_HANDLE, std::string(value != nullptr ? value : "") + "\n");
  } else if (word == "job") {
    BOOL in_job = FALSE;
    ::IsProcessInJob(::GetCurrentProcess(), nullptr, &in_job);
    put(STD_OUTPUT_HANDLE, in_job ? "in a job\n" : "in no job\n");
  } else if (word == "priority") {
    put(STD_OUTPUT_HANDLE, std::to_string(::GetThreadPriority(::GetCurrentThread())) + "\n");
  } else if (word == "read") {
    read_line();
  } else if (word == "grab") {
    grab(static_cast<DWORD>(std::stoul(std::string(rest))));
  } else if (word == "save") {
    save(rest);
  } else if (word == "sleep") {
    ::Sleep(static_cast<DWORD>(std::stoul(std::string(rest))));
  } else if (word == "streams") {
    streams(rest);
  } else if (word == "spawn" || word == "spawn-holding") {
    spawn(rest, word == "spawn-holding");
  } else if (word == "crash") {
    ::TerminateProcess(::GetCurrentProcess(), STATUS_ACCESS_VIOLATION);
  } else if (word == "exit") {
    std::exit(std::stoi(std::string(rest)));
  } else {
    put(STD_ERROR_HANDLE, "tarnex-test-child: unknown command " + std::string(word) + "\n");
    std::exit(100);
  }
}

void play_script(std::string_view script) {
  while (!script.empty()) {
    const auto end = script.find(';');
    const auto command = script.substr(0, end);
    const auto blank = command.find(' ');
    play(command.substr(0, blank), blank == std::string_view::npos ? std::string_view{} : command.substr(blank + 1));
    script = end == std::string_view::npos ? std::string_view{} : script.substr(end + 1);
  }
}

std::string script_beside() {
  std::wstring path = own_path();
  path = path.substr(0, path.rfind(L'.')) + L".script";
  std::string script;
  if (std::FILE* file = ::_wfopen(path.c_str(), L"rb")) {
    char buffer[4096];
    while (const auto got = std::fread(buffer, 1, sizeof buffer, file)) script.append(buffer, got);
    std::fclose(file);
  }
  return script;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (count < 2) {
    play_script(script_beside());
    return 0;
  }
  const std::string word = utf8(arguments[1]);
  if (word == "args" && count > 2) {
    if (std::FILE* file = ::_wfopen(arguments[2], L"wb")) {
      for (int i = 3; i < count; ++i) std::fprintf(file, "%s\n", utf8(arguments[i]).c_str());
      std::fclose(file);
    }
    return 0;
  }
  std::string rest;
  for (int i = 2; i < count; ++i) rest += (i > 2 ? " " : "") + utf8(arguments[i]);
  play(word, rest);
  return 0;
}
