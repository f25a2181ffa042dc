#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#ifdef _WIN32
#include "process/process.h"
#else
#include <sys/types.h>
#endif

namespace standin_test {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Every wait of these tests ends after this long at most.
inline constexpr milliseconds kTimeout{10000};

// A fresh directory to run the stand-in in, removed with its content at the
// end of the test.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    // Puts the stand-in into the directory under `name` ("MOR.exe"), unless
    // it is there already, and returns its full path.
    std::string add_program(const std::string& name) const;
    // The whole content of a file of the directory; nothing when it is missing.
    std::optional<std::string> read(const std::string& name) const;

private:
    std::string path_;
};

// How the child ended: its exit code, or the signal that killed it (a
// Windows program is never killed by a signal, it ends with a code).
struct Ending {
    bool signalled = false;
    int code = 0;
    bool operator==(const Ending&) const = default;
};
inline constexpr Ending kExitedZero{false, 0};

// Where the child's standard input comes from.
enum class Input {
    Pipe,     // the pipe the test sends on
    Failing,  // a directory: every read fails
};

// One stand-in child started in a scratch directory with its standard input
// on one pipe and standard output and error together on another, as Tarnex
// starts a model program: on POSIX systems forked here, on Windows started
// through Tarnex's own process layer. A child still running at the end is
// killed.
class StandinProcess {
public:
    // `mode` becomes STANDIN_MODE; empty means the variable is not set.
    StandinProcess(const ScratchDir& dir, const std::string& program, const std::string& mode = "",
                   Input input = Input::Pipe);
    ~StandinProcess();
    StandinProcess(const StandinProcess&) = delete;
    StandinProcess& operator=(const StandinProcess&) = delete;

    // Write errors are ignored: the child may already have gone.
    void send(std::string_view bytes);
    void close_input();
    // Nothing more is read: the child's next write fails.
    void close_output();

    // Reads until the output holds `text` starting at or after `from`;
    // returns its offset, or nothing when the output ended or time ran out.
    std::optional<std::size_t> wait_for(std::string_view text, std::size_t from = 0);
    // Reads until the child closes its output; false when time ran out.
    bool read_to_end();
    // Reads whatever arrives during `duration`.
    void read_for(milliseconds duration);
    // Waits for the child to end (reading its output meanwhile, so it can
    // never block on a full pipe); nothing when time ran out and it was killed.
    std::optional<Ending> wait_exit(milliseconds timeout = kTimeout);
    // True while the child has not ended.
    bool running();

    const std::string& output() const { return output_; }
    Clock::time_point started() const { return started_; }
    // When the output byte at `offset` arrived.
    Clock::time_point arrival(std::size_t offset) const;

private:
    // One poll-and-read; false when the output has ended or the deadline passed.
    bool read_some(Clock::time_point deadline);

#ifdef _WIN32
    std::shared_ptr<tarnex::process::ChildProcess> child_;
    tarnex::process::PipeEnd input_;
    tarnex::process::PipeEnd output_pipe_;
#else
    pid_t pid_ = -1;
    int input_fd_ = -1;
    int output_fd_ = -1;
#endif
    bool output_ended_ = false;
    std::optional<Ending> ending_;
    std::string output_;
    std::vector<std::pair<std::size_t, Clock::time_point>> chunk_starts_;
    Clock::time_point started_;
};

}  // namespace standin_test
