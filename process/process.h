#pragma once
// Child processes on anonymous pipes, as the model programs are run: the
// child's standard input from one pipe, its standard output and error into
// another, Tarnex reading and writing the other ends. Tarnex's own ends are
// never inherited by any program started later, and writing to a child that
// has gone fails quietly instead of ending Tarnex.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnex::process {

// The system's exit code of a child that is still running.
constexpr int kStillActive = 259;

// A descriptor or handle of the platform; -1 is none.
using NativeHandle = std::intptr_t;

// What a wait on the read end of a pipe saw.
enum class PipeWait {
  Readable,  // bytes are waiting
  Ended,     // nothing is waiting and no writer is left: nothing more can come
  TimedOut,
};

// One end of an anonymous pipe, closed when dropped.
class PipeEnd {
 public:
  PipeEnd() = default;
  explicit PipeEnd(NativeHandle handle) : handle_(handle) {}
  ~PipeEnd() { close(); }
  PipeEnd(PipeEnd&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}
  PipeEnd& operator=(PipeEnd&& other) noexcept {
    if (this != &other) {
      close();
      handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
  }
  PipeEnd(const PipeEnd&) = delete;
  PipeEnd& operator=(const PipeEnd&) = delete;

  bool is_open() const { return handle_ != -1; }
  NativeHandle native() const { return handle_; }
  void close();

  // Bytes waiting to be read without blocking; 0 also for a closed end.
  std::size_t available() const;
  // Reads at most `buffer.size()` bytes; 0 at the end or on failure.
  std::size_t read(std::span<char> buffer);
  // Writes all of `bytes`; false when the reader has gone or the end is closed.
  bool write(std::string_view bytes);
  // Waits until bytes can be read or the pipe has ended, at most `timeout`.
  // A closed end has ended.
  PipeWait wait(std::chrono::milliseconds timeout);

 private:
  NativeHandle handle_ = -1;
};

struct Pipe {
  PipeEnd read;
  PipeEnd write;
};

// A new pipe whose ends no started program inherits; nothing when the system
// refuses one.
std::optional<Pipe> create_pipe();

// The scheduling priorities Tarnex gives a child, best effort: a change the
// system refuses is ignored.
enum class Priority { BelowNormal, Normal, AboveNormal };

// What the system knows a started child by. On POSIX systems all four are
// the process id, which its main thread and its process group share. On
// Windows they are the process id, handles of the process and of its main
// thread, and a job object that holds the process and every process it
// starts.
struct ChildHandles {
  NativeHandle id = -1;
  NativeHandle process = -1;
  NativeHandle thread = -1;
  NativeHandle group = -1;
};

// A started child. It is the only reaper of its process, and every use of
// the process happens under its lock while the process is not yet reaped,
// so that nothing ever reaches a process that merely reuses the id, nor a
// handle already closed. An ended child is reaped only once closed or
// released: until then its id, the id of its group too, cannot be another
// process's (on Windows the handles hold them).
class ChildProcess {
 public:
  explicit ChildProcess(const ChildHandles& handles) : handles_(handles) {}
  // A child still running is ended with its group and collected.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The process id, for the system's views of the process.
  NativeHandle id() const { return handles_.id; }
  // kStillActive while it runs, then its exit code (on POSIX systems 128 +
  // the signal for a child killed by a signal); nothing once terminate() has
  // closed it.
  std::optional<int> exit_code();
  // Ends the child's whole group, helpers it started and left in the group
  // included, even when the child itself has ended; closes the child: its
  // exit code can no longer be read.
  void terminate();
  // The priority of the whole process, and of its main thread.
  void set_priority_class(Priority priority);
  void set_thread_priority(Priority priority);

 private:
  // With the lock held: notes the exit code once the child has ended,
  // leaving it unreaped.
  void look_for_end();
  // With the lock held: waits for the child's end and lets its id go (on
  // Windows: closes its handles).
  void reap();
  void apply_priority(Priority priority);

  std::mutex mutex_;
  ChildHandles handles_;
  bool reaped_ = false;
  bool closed_ = false;
  int code_ = kStillActive;
  // The priority last applied, and whether raising it was refused: the
  // driver asks for a priority on every read, and asking the system again
  // what it has or what it refused would be wasted.
  std::optional<Priority> priority_;
  bool raise_refused_ = false;
};

// What a program is started with besides its file.
struct ChildStart {
  std::string program;  // the program file
  // The child's standard input; the null device when null.
  const PipeEnd* input = nullptr;
  // The child's standard output and standard error; the null device when null.
  const PipeEnd* output = nullptr;
  // Variables set on top of the environment Tarnex inherited.
  std::vector<std::pair<std::string, std::string>> environment = {};
};

// Starts the program hidden, in Tarnex's current directory and in a group of
// its own (a process group on POSIX systems, with the signal dispositions of
// a fresh process; a job object and a new hidden console on Windows).
// Nothing when it cannot be started (a missing file, one that is no program).
std::shared_ptr<ChildProcess> start_child(const ChildStart& start);

}  // namespace tarnex::process
