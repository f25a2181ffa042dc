// The stand-in child on POSIX systems: forked and executed in the scratch
// directory, on two pipes.

#include "standin_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace standin_test {

namespace {

Ending ending_of(int status) {
    if (WIFSIGNALED(status)) return {true, WTERMSIG(status)};
    return {false, WEXITSTATUS(status)};
}

// The test's own environment with STANDIN_MODE replaced, built before the
// fork so that the child only has to call execve.
std::vector<std::string> child_environment(const std::string& mode) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "STANDIN_MODE=", 13) != 0) variables.emplace_back(*entry);
    }
    if (!mode.empty()) variables.push_back("STANDIN_MODE=" + mode);
    return variables;
}

int remaining_ms(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

}  // namespace

StandinProcess::StandinProcess(const ScratchDir& dir, const std::string& program, const std::string& mode,
                               Input input) {
    // Answers sent to a child that has already ended must not end the test.
    std::signal(SIGPIPE, SIG_IGN);

    const std::string path = dir.add_program(program);
    std::vector<std::string> variables = child_environment(mode);
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string argv0 = path;
    char* argv[] = {argv0.data(), nullptr};

    int to_child[2];
    int from_child[2];
    if (::pipe2(to_child, O_CLOEXEC) != 0 || ::pipe2(from_child, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2 failed");
    }
    const int failing = input == Input::Failing ? ::open(dir.path().c_str(), O_RDONLY | O_CLOEXEC) : -1;
    if (input == Input::Failing && failing < 0) throw std::runtime_error("open failed");
    started_ = Clock::now();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(failing >= 0 ? failing : to_child[0], STDIN_FILENO);
        ::dup2(from_child[1], STDOUT_FILENO);
        ::dup2(from_child[1], STDERR_FILENO);
        if (::chdir(dir.path().c_str()) == 0) ::execve(path.c_str(), argv, envp.data());
        ::_exit(127);
    }
    ::close(to_child[0]);
    ::close(from_child[1]);
    if (failing >= 0) ::close(failing);
    input_fd_ = to_child[1];
    output_fd_ = from_child[0];
    if (pid_ < 0) throw std::runtime_error("fork failed");
}

StandinProcess::~StandinProcess() {
    if (pid_ > 0 && !ending_) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    close_input();
    close_output();
}

void StandinProcess::send(std::string_view bytes) {
    while (input_fd_ >= 0 && !bytes.empty()) {
        const ssize_t written = ::write(input_fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void StandinProcess::close_input() {
    if (input_fd_ >= 0) ::close(input_fd_);
    input_fd_ = -1;
}

void StandinProcess::close_output() {
    if (output_fd_ >= 0) ::close(output_fd_);
    output_fd_ = -1;
    output_ended_ = true;
}

bool StandinProcess::read_some(Clock::time_point deadline) {
    if (output_ended_) return false;
    pollfd waiting{output_fd_, POLLIN, 0};
    const int ready = ::poll(&waiting, 1, remaining_ms(deadline));
    if (ready < 0 && errno == EINTR) return Clock::now() < deadline;
    if (ready <= 0) return false;
    char buffer[65536];
    const ssize_t got = ::read(output_fd_, buffer, sizeof buffer);
    if (got <= 0) {
        output_ended_ = !(got < 0 && errno == EINTR);
        return !output_ended_;
    }
    chunk_starts_.emplace_back(output_.size(), Clock::now());
    output_.append(buffer, static_cast<std::size_t>(got));
    return true;
}

std::optional<Ending> StandinProcess::wait_exit(milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    while (!ending_) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            ending_ = ending_of(status);
            break;
        }
        if (Clock::now() >= deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            ending_ = Ending{true, SIGKILL};
            return std::nullopt;
        }
        const Clock::time_point step = std::min(deadline, Clock::now() + milliseconds(10));
        if (!read_some(step)) std::this_thread::sleep_for(milliseconds(1));
    }
    return ending_;
}

bool StandinProcess::running() {
    int status = 0;
    if (!ending_ && ::waitpid(pid_, &status, WNOHANG) == pid_) ending_ = ending_of(status);
    return !ending_;
}

}  // namespace standin_test
