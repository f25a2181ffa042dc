// The child processes and pipes of process/process.h on Windows: anonymous
// pipes of which only the child's ends reach the child, a hidden console
// child in a job object of its own, names crossing as UTF-16.

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <thread>

#include "base/utf16.h"
#include "process/process.h"

namespace tarnex::process {
namespace {

using namespace std::chrono_literals;

// Below normal, normal, above normal.
constexpr DWORD kPriorityClass[] = {BELOW_NORMAL_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS, ABOVE_NORMAL_PRIORITY_CLASS};
constexpr int kThreadPriority[] = {THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL, THREAD_PRIORITY_ABOVE_NORMAL};

// An anonymous pipe cannot be waited on; it is looked at in steps that grow
// to this, short enough for a question to be answered at once.
constexpr auto kLongestLook = 10ms;

HANDLE handle_of(NativeHandle handle) { return reinterpret_cast<HANDLE>(handle); }
NativeHandle native_of(HANDLE handle) { return reinterpret_cast<NativeHandle>(handle); }

std::wstring wide(std::string_view utf8) {
  const auto utf16 = utf16_of(utf8);
  return {utf16.begin(), utf16.end()};
}

void close(NativeHandle& handle) {
  if (handle != -1) ::CloseHandle(handle_of(handle));
  handle = -1;
}

enum class Look { Bytes, Nothing, Ended };

// A pipe whose writers have all gone and that holds nothing fails the peek.
Look look_at(HANDLE pipe) {
  DWORD waiting = 0;
  if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr)) return Look::Ended;
  return waiting > 0 ? Look::Bytes : Look::Nothing;
}

// Looks at the pipe until bytes wait or it has ended, at most `timeout`.
Look wait_for(HANDLE pipe, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::chrono::milliseconds step = 1ms;
  for (;;) {
    const Look seen = look_at(pipe);
    const auto now = std::chrono::steady_clock::now();
    if (seen != Look::Nothing || now >= deadline) return seen;
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(step, deadline - now));
    step = std::min(step * 2, kLongestLook);
  }
}

bool same_name(std::wstring_view a, std::wstring_view b) {
  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// "NAME=value"; a name may begin with "=", as the drives' current
// directories do ("=C:=C:\models").
std::wstring_view name_of(std::wstring_view variable) { return variable.substr(0, variable.find(L'=', 1)); }

// Tarnex's environment with `added` set on top of it, as the block the
// system takes: sorted by name without regard to case, each variable ended
// by a NUL and the whole by one more.
std::wstring environment_block(const std::vector<std::pair<std::string, std::string>>& added) {
  std::vector<std::wstring> variables;
  for (const auto& [name, value] : added) variables.push_back(wide(name) + L"=" + wide(value));
  const std::size_t added_count = variables.size();
  wchar_t* inherited = ::GetEnvironmentStringsW();
  for (const wchar_t* entry = inherited; entry != nullptr && *entry != L'\0'; entry += std::wcslen(entry) + 1) {
    const std::wstring_view variable(entry);
    const auto replaced = [&](const std::wstring& set) { return same_name(name_of(set), name_of(variable)); };
    if (std::none_of(variables.begin(), variables.begin() + static_cast<std::ptrdiff_t>(added_count), replaced)) {
      variables.emplace_back(variable);
    }
  }
  if (inherited != nullptr) ::FreeEnvironmentStringsW(inherited);
  std::stable_sort(variables.begin(), variables.end(), [](const std::wstring& a, const std::wstring& b) {
    const auto x = name_of(a), y = name_of(b);
    return ::CompareStringOrdinal(x.data(), static_cast<int>(x.size()), y.data(), static_cast<int>(y.size()), TRUE) ==
           CSTR_LESS_THAN;
  });
  std::wstring block;
  for (const auto& variable : variables) {
    block += variable;
    block += L'\0';
  }
  block += L'\0';
  return block;
}

// A copy of one of the child's pipe ends that the child can inherit, for as
// long as the start takes: Tarnex's own handles are never inheritable.
// Without a pipe end the child gets the null device, reading nothing and
// writing into nothing, as on POSIX systems.
class InheritableCopy {
 public:
  InheritableCopy(const PipeEnd* end, DWORD null_access) {
    if (end == nullptr || !end->is_open()) {
      SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
      copy_ = ::CreateFileW(L"NUL", null_access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
      if (copy_ == INVALID_HANDLE_VALUE) copy_ = nullptr;
      return;
    }
    const HANDLE self = ::GetCurrentProcess();
    if (!::DuplicateHandle(self, handle_of(end->native()), self, &copy_, 0, TRUE, DUPLICATE_SAME_ACCESS)) copy_ = nullptr;
  }
  ~InheritableCopy() {
    if (copy_ != nullptr) ::CloseHandle(copy_);
  }
  InheritableCopy(const InheritableCopy&) = delete;
  InheritableCopy& operator=(const InheritableCopy&) = delete;

  HANDLE get() const { return copy_; }

 private:
  HANDLE copy_ = nullptr;
};

// The start-up attribute that names the only handles the child inherits, so
// that no other inheritable handle of the process ever reaches it.
class InheritedHandles {
 public:
  explicit InheritedHandles(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
    if (handles_.empty()) return;
    SIZE_T size = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    storage_.resize(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
    if (!::InitializeProcThreadAttributeList(list, 1, 0, &size)) return;
    list_ = list;
    if (!::UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                     handles_.size() * sizeof(HANDLE), nullptr, nullptr)) {
      ::DeleteProcThreadAttributeList(list_);
      list_ = nullptr;
    }
  }
  ~InheritedHandles() {
    if (list_ != nullptr) ::DeleteProcThreadAttributeList(list_);
  }
  InheritedHandles(const InheritedHandles&) = delete;
  InheritedHandles& operator=(const InheritedHandles&) = delete;

  bool any() const { return !handles_.empty(); }
  // False when handles are to be inherited but the list could not be made.
  bool ready() const { return !any() || list_ != nullptr; }
  LPPROC_THREAD_ATTRIBUTE_LIST list() const { return list_; }

 private:
  std::vector<HANDLE> handles_;
  std::vector<char> storage_;
  LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

// Without a job (a system that refused one) only the child itself is ended.
void end_group(const ChildHandles& handles) {
  if (handles.group != -1) {
    ::TerminateJobObject(handle_of(handles.group), 1);
  } else {
    ::TerminateProcess(handle_of(handles.process), 1);
  }
}

}  // namespace

void PipeEnd::close() { process::close(handle_); }

std::size_t PipeEnd::available() const {
  DWORD waiting = 0;
  if (!is_open() || !::PeekNamedPipe(handle_of(handle_), nullptr, 0, nullptr, &waiting, nullptr)) return 0;
  return waiting;
}

std::size_t PipeEnd::read(std::span<char> buffer) {
  DWORD got = 0;
  if (!is_open() || !::ReadFile(handle_of(handle_), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) {
    return 0;
  }
  return got;
}

// A write to a pipe whose reader has gone fails (ERROR_NO_DATA): nothing is
// raised, the write only reports it.
bool PipeEnd::write(std::string_view bytes) {
  if (!is_open()) return false;
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!::WriteFile(handle_of(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

PipeWait PipeEnd::wait(std::chrono::milliseconds timeout) {
  if (!is_open()) return PipeWait::Ended;
  switch (wait_for(handle_of(handle_), timeout)) {
    case Look::Bytes:
      return PipeWait::Readable;
    case Look::Ended:
      return PipeWait::Ended;
    case Look::Nothing:
      break;
  }
  return PipeWait::TimedOut;
}

// Without a security record neither end is inheritable: start_child hands
// the child inheritable copies of its own two ends only.
std::optional<Pipe> create_pipe() {
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!::CreatePipe(&read, &write, nullptr, 0)) return std::nullopt;
  return Pipe{PipeEnd(native_of(read)), PipeEnd(native_of(write))};
}

// A child still running ends with its job; the handles go in any case.
ChildProcess::~ChildProcess() {
  std::lock_guard lock(mutex_);
  look_for_end();
  if (!reaped_ && code_ == kStillActive) {
    end_group(handles_);
    ::WaitForSingleObject(handle_of(handles_.process), INFINITE);
  }
  reap();
}

void ChildProcess::look_for_end() {
  if (reaped_ || code_ != kStillActive) return;
  if (::WaitForSingleObject(handle_of(handles_.process), 0) != WAIT_OBJECT_0) return;
  DWORD code = 0;
  ::GetExitCodeProcess(handle_of(handles_.process), &code);
  code_ = static_cast<int>(code);
}

// The handles keep the process and its job from being another's; closed,
// they are never touched again.
void ChildProcess::reap() {
  if (reaped_) return;
  close(handles_.process);
  close(handles_.thread);
  close(handles_.group);
  reaped_ = true;
}

std::optional<int> ChildProcess::exit_code() {
  std::lock_guard lock(mutex_);
  look_for_end();
  if (!closed_) return code_;
  return std::nullopt;
}

// The job holds the child and every process it started, even after the
// child itself has ended.
void ChildProcess::terminate() {
  std::lock_guard lock(mutex_);
  if (reaped_) return;
  look_for_end();
  if (handles_.group != -1 || code_ == kStillActive) end_group(handles_);
  reap();
  closed_ = true;
}

void ChildProcess::set_priority_class(Priority priority) {
  std::lock_guard lock(mutex_);
  if (reaped_ || code_ != kStillActive) return;
  ::SetPriorityClass(handle_of(handles_.process), kPriorityClass[static_cast<int>(priority)]);
}

void ChildProcess::set_thread_priority(Priority priority) {
  std::lock_guard lock(mutex_);
  apply_priority(priority);
}

void ChildProcess::apply_priority(Priority priority) {
  if (reaped_ || code_ != kStillActive || priority == priority_) return;
  if (::SetThreadPriority(handle_of(handles_.thread), kThreadPriority[static_cast<int>(priority)])) priority_ = priority;
}

std::shared_ptr<ChildProcess> start_child(const ChildStart& start) {
  const std::wstring application = wide(start.program);
  // The program's own path, quoted, as its command line, so that it reads
  // its name whole even from a path with blanks.
  std::wstring command_line = L"\"" + application + L"\"";
  std::wstring environment = environment_block(start.environment);

  const InheritableCopy input(start.input, GENERIC_READ);
  const InheritableCopy output(start.output, GENERIC_WRITE);
  std::vector<HANDLE> handed;
  for (HANDLE handle : {input.get(), output.get()}) {
    if (handle != nullptr) handed.push_back(handle);
  }
  const InheritedHandles inherited(handed);
  if (!inherited.ready()) return nullptr;

  STARTUPINFOEXW info{};
  info.StartupInfo.cb = sizeof info;
  info.StartupInfo.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  info.StartupInfo.wShowWindow = SW_HIDE;
  info.StartupInfo.hStdInput = input.get();
  info.StartupInfo.hStdOutput = output.get();
  info.StartupInfo.hStdError = output.get();
  info.lpAttributeList = inherited.list();
  // Suspended until it is in its job, so that nothing it starts escapes it.
  const DWORD flags = CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED | EXTENDED_STARTUPINFO_PRESENT;
  PROCESS_INFORMATION created{};
  if (!::CreateProcessW(application.c_str(), command_line.data(), nullptr, nullptr, inherited.any(), flags,
                        environment.data(), nullptr, &info.StartupInfo, &created)) {
    return nullptr;
  }
  // Without a job (a system that refuses one), Terminate ends the child only.
  HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
  if (job != nullptr && !::AssignProcessToJobObject(job, created.hProcess)) {
    ::CloseHandle(job);
    job = nullptr;
  }
  ::ResumeThread(created.hThread);
  return std::make_shared<ChildProcess>(ChildHandles{static_cast<NativeHandle>(created.dwProcessId),
                                                     native_of(created.hProcess), native_of(created.hThread),
                                                     job != nullptr ? native_of(job) : -1});
}

}  // namespace tarnex::process
