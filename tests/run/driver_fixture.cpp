#include "driver_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "base/fixed_text.h"
#include "shell/running_program.h"
#include "shell/tarnex.h"
#include "tests/support/environment.h"

#ifdef _WIN32
#include <windows.h>
#include <winternl.h>
#endif

namespace tarnex::test {

std::string root(std::string_view text) { return fit(text, kRootField); }

#ifdef _WIN32
namespace {

// One entry of the system's list of every open handle
// (SystemExtendedHandleInformation). The system's own count of a process's
// handles is not to be had under Wine; the list and each handle's type are.
struct HandleEntry {
  void* object;
  ULONG_PTR process;
  ULONG_PTR value;
  ULONG access;
  USHORT creator_trace;
  USHORT type;
  ULONG attributes;
  ULONG reserved;
};
struct HandleList {
  ULONG_PTR count;
  ULONG_PTR reserved;
  HandleEntry entries[1];
};
constexpr ULONG kSystemExtendedHandleInformation = 64;
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
constexpr int kObjectTypeInformation = 2;

template <typename Function>
Function ntdll(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), name)));
}

// Pipes (files), processes, threads and jobs: what the process layer makes.
// The C++ runtime makes events and semaphores of its own the first time a
// mutex is waited for, and keeps them; they are none of the process layer's.
bool made_by_process_layer(HANDLE handle) {
  using QueryObject = NTSTATUS(NTAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  static const auto query = ntdll<QueryObject>("NtQueryObject");
  alignas(UNICODE_STRING) char type[1024] = {};
  if (query(handle, kObjectTypeInformation, type, sizeof type, nullptr) != 0) return true;
  const auto* name = reinterpret_cast<const UNICODE_STRING*>(type);
  const std::wstring_view type_name(name->Buffer, name->Length / sizeof(wchar_t));
  return type_name == L"File" || type_name == L"Process" || type_name == L"Thread" || type_name == L"Job";
}

}  // namespace

std::set<std::string> open_descriptors() {
  using Query = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
  static const auto query = ntdll<Query>("NtQuerySystemInformation");
  std::vector<char> buffer(1 << 20);
  ULONG length = 0;
  NTSTATUS status;
  while ((status = query(kSystemExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                         &length)) == kInfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) throw std::runtime_error("the system's list of handles is not to be had");
  std::set<std::string> handles;
  const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
  for (ULONG_PTR i = 0; i < list->count; ++i) {
    const auto& entry = list->entries[i];
    if (entry.process == ::GetCurrentProcessId() && made_by_process_layer(reinterpret_cast<HANDLE>(entry.value))) {
      handles.insert(std::to_string(entry.value));
    }
  }
  return handles;
}
#else
std::set<std::string> open_descriptors() {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    names.insert(entry.path().filename().string());
  }
  return names;
}
#endif

ScopedVariable::ScopedVariable(std::string name, const std::string& value) : name_(std::move(name)) {
  if (const char* previous = std::getenv(name_.c_str())) previous_ = previous;
  set_environment_variable(name_, value);
}

ScopedVariable::~ScopedVariable() {
  if (previous_) {
    set_environment_variable(name_, *previous_);
  } else {
    unset_environment_variable(name_);
  }
}

void DriverTest::SetUp() {
  unset_environment_variable("STANDIN_MODE");
  start_up(state, ui, dir.path());
}

void DriverTest::TearDown() {
  // A test that stopped early leaves its run to be ended here.
  if (running_.valid()) {
    TERMINATE(state.running);
    finish();
  }
  unset_environment_variable("STANDIN_MODE");
}

void DriverTest::set_mode(const char* mode) {
  if (*mode == '\0') {
    unset_environment_variable("STANDIN_MODE");
  } else {
    set_environment_variable("STANDIN_MODE", mode);
  }
}

void DriverTest::run_as_command_loop(int run_code, const Pacing& pacing) {
  state.pending_command = run_code;
  MENU_GRAYOUTS(state, ui);
  QARN(state.running, state.run_settings, state.paths.executable_paths, ui, run_code, pacing);
  state.pending_command = kIdle;
  MENU_GRAYOUTS(state, ui);
  ui.text().write_line("");
}

void DriverTest::run(int run_code, const Pacing& pacing) {
  start(run_code, pacing);
  finish();
}

void DriverTest::start(int run_code, const Pacing& pacing) {
  running_ = std::async(std::launch::async, [this, run_code, pacing] { run_as_command_loop(run_code, pacing); });
}

void DriverTest::finish() {
  if (running_.wait_for(kBound) == std::future_status::timeout) {
    ADD_FAILURE() << "the run did not end; terminating it";
    TERMINATE(state.running);
    // A driver that ignores Terminate would hang the test run for good.
    if (running_.wait_for(kBound) == std::future_status::timeout) std::abort();
  }
  running_.get();
}

bool DriverTest::window_shows(std::string_view text) {
  const auto deadline = std::chrono::steady_clock::now() + kBound;
  while (ui.text().text().find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

long DriverTest::rows_equal(std::string_view row) {
  const auto rows = ui.text().rows();
  return std::ranges::count(rows, row);
}

std::vector<std::string> DriverTest::rows_after(std::string_view row, std::size_t count) {
  const auto rows = ui.text().rows();
  auto found = std::ranges::find(rows, row);
  if (found == rows.end()) return {};
  ++found;
  const auto left = static_cast<std::size_t>(rows.end() - found);
  return {found, found + static_cast<std::ptrdiff_t>(std::min(count, left))};
}

}  // namespace tarnex::test
