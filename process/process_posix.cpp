// The child processes and pipes of process/process.h on POSIX systems.

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "process/process.h"
#include "process/process_command.h"
#include "process/spawn_attributes.h"

extern char** environ;

namespace tarnex::process {
namespace {

// Below normal, normal, above normal as nice values. Without the privilege
// to raise a priority, the system refuses to raise it again once lowered;
// that refusal is ignored like any other.
constexpr int kNice[] = {1, 0, -1};

int descriptor(NativeHandle handle) { return static_cast<int>(handle); }

// An answer written to a child that has gone fails with EPIPE instead of
// ending Tarnex.
void ignore_broken_pipes() {
  static std::once_flag once;
  std::call_once(once, [] { std::signal(SIGPIPE, SIG_IGN); });
}

int exit_code_of(const siginfo_t& ended) {
  return ended.si_code == CLD_EXITED ? ended.si_status : 128 + ended.si_status;
}

// Tarnex's environment with `added` set on top of it.
std::vector<std::string> environment_with(const std::vector<std::pair<std::string, std::string>>& added) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view variable(*entry);
    const auto name = variable.substr(0, variable.find('='));
    const bool replaced = std::ranges::any_of(added, [name](const auto& pair) { return pair.first == name; });
    if (!replaced) variables.emplace_back(variable);
  }
  for (const auto& [name, value] : added) variables.push_back(name + '=' + value);
  return variables;
}

std::vector<char*> pointers_to(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (auto& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// The child's stream `target` is the pipe end, or the null device when there
// is none: a stream left closed would be taken by the first file the program
// opens, and its console output would go into that file.
void route(posix_spawn_file_actions_t& actions, const PipeEnd* end, int target) {
  if (end != nullptr && end->is_open()) {
    posix_spawn_file_actions_adddup2(&actions, descriptor(end->native()), target);
  } else {
    posix_spawn_file_actions_addopen(&actions, target, "/dev/null", target == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
  }
}

}  // namespace

void PipeEnd::close() {
  if (is_open()) ::close(descriptor(handle_));
  handle_ = -1;
}

std::size_t PipeEnd::available() const {
  int waiting = 0;
  if (!is_open() || ::ioctl(descriptor(handle_), FIONREAD, &waiting) != 0) return 0;
  return static_cast<std::size_t>(std::max(waiting, 0));
}

std::size_t PipeEnd::read(std::span<char> buffer) {
  if (!is_open()) return 0;
  for (;;) {
    const ssize_t got = ::read(descriptor(handle_), buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  }
}

bool PipeEnd::write(std::string_view bytes) {
  if (!is_open()) return false;
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor(handle_), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A pipe without writers and without bytes reports a hang-up, not input.
PipeWait PipeEnd::wait(std::chrono::milliseconds timeout) {
  if (!is_open()) return PipeWait::Ended;
  pollfd waiting{descriptor(handle_), POLLIN, 0};
  if (::poll(&waiting, 1, static_cast<int>(timeout.count())) <= 0) return PipeWait::TimedOut;
  return (waiting.revents & POLLIN) != 0 ? PipeWait::Readable : PipeWait::Ended;
}

std::optional<Pipe> create_pipe() {
  ignore_broken_pipes();
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) != 0) return std::nullopt;
  return Pipe{PipeEnd(ends[0]), PipeEnd(ends[1])};
}

ChildProcess::~ChildProcess() {
  std::lock_guard lock(mutex_);
  look_for_end();
  if (!reaped_ && code_ == kStillActive) ::kill(-descriptor(handles_.group), SIGKILL);
  reap();
}

// WNOWAIT leaves the ended child a zombie: its id, and with it the id of its
// process group, stays taken until reap(), so a helper it left in the group
// can still be signalled and no other process can have come to bear the id.
void ChildProcess::look_for_end() {
  if (reaped_ || code_ != kStillActive) return;
  siginfo_t ended{};
  if (::waitid(P_PID, static_cast<id_t>(handles_.process), &ended, WEXITED | WNOHANG | WNOWAIT) != 0) {
    // ECHILD: the system reaped it already (children ignored); its code is
    // lost and its id may be another's.
    if (errno == ECHILD) {
      reaped_ = true;
      code_ = 0;
    }
    return;
  }
  if (ended.si_pid == 0) return;
  code_ = exit_code_of(ended);
}

void ChildProcess::reap() {
  if (reaped_) return;
  while (::waitpid(descriptor(handles_.process), nullptr, 0) < 0 && errno == EINTR) {
  }
  reaped_ = true;
}

std::optional<int> ChildProcess::exit_code() {
  std::lock_guard lock(mutex_);
  look_for_end();
  if (!closed_) return code_;
  // Closed, it is signalled no more: it is reaped as soon as it has ended.
  if (code_ != kStillActive) reap();
  return std::nullopt;
}

void ChildProcess::terminate() {
  std::lock_guard lock(mutex_);
  // Unreaped, the child still holds its group's id, even after it ended.
  if (!reaped_) ::kill(-descriptor(handles_.group), SIGKILL);
  closed_ = true;
}

void ChildProcess::set_priority_class(Priority priority) {
  std::lock_guard lock(mutex_);
  apply_priority(priority);
}

// The main thread's id is the process id.
void ChildProcess::set_thread_priority(Priority priority) {
  std::lock_guard lock(mutex_);
  apply_priority(priority);
}

void ChildProcess::apply_priority(Priority priority) {
  const bool raise = priority_ && priority > *priority_;
  if (code_ != kStillActive || priority == priority_ || (raise && raise_refused_)) return;
  if (::setpriority(PRIO_PROCESS, static_cast<id_t>(handles_.process), kNice[static_cast<int>(priority)]) == 0) {
    priority_ = priority;
  } else if (raise) {
    raise_refused_ = true;
  }
}

std::shared_ptr<ChildProcess> start_child(const ChildStart& start) {
  const char* search_path = std::getenv("PATH");
  Command command = command_for(start.program, search_path != nullptr ? search_path : "");
  auto added = start.environment;
  added.insert(added.end(), command.environment.begin(), command.environment.end());
  std::vector<std::string> variables = environment_with(added);
  std::vector<char*> envp = pointers_to(variables);
  std::vector<char*> argv = pointers_to(command.arguments);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  route(actions, start.input, STDIN_FILENO);
  route(actions, start.output, STDOUT_FILENO);
  route(actions, start.output, STDERR_FILENO);

  posix_spawnattr_t attributes;
  init_spawn_attributes(attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);

  pid_t process = -1;
  const int failure = ::posix_spawn(&process, argv[0], &actions, &attributes, argv.data(), envp.data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failure != 0) return nullptr;
  // The child leads its own group; its main thread's id is its own.
  return std::make_shared<ChildProcess>(ChildHandles{process, process, process, process});
}

}  // namespace tarnex::process
