// The stand-in child on Windows, started as Tarnex starts a model program:
// through Tarnex's own process layer, in the scratch directory made the
// current one for the start.

#include "standin_process.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace standin_test {

namespace fs = std::filesystem;
using namespace tarnex::process;

StandinProcess::StandinProcess(const ScratchDir& dir, const std::string& program, const std::string& mode,
                               Input input) {
    const std::string path = dir.add_program(program);
    auto to_child = create_pipe();
    auto from_child = create_pipe();
    if (!to_child || !from_child) throw std::runtime_error("CreatePipe failed");
    // A pipe's writing end: every read of it fails.
    if (input == Input::Failing) std::swap(to_child->read, to_child->write);
    std::vector<std::pair<std::string, std::string>> environment;
    if (!mode.empty()) environment.emplace_back("STANDIN_MODE", mode);
    const fs::path previous = fs::current_path();
    fs::current_path(dir.path());
    started_ = Clock::now();
    child_ = start_child({path, &to_child->read, &from_child->write, environment});
    fs::current_path(previous);
    if (!child_) throw std::runtime_error("the stand-in did not start");
    input_ = std::move(to_child->write);
    output_pipe_ = std::move(from_child->read);
}

// The child, if it still runs, ends with its job when child_ goes.
StandinProcess::~StandinProcess() = default;

void StandinProcess::send(std::string_view bytes) { input_.write(bytes); }

void StandinProcess::close_input() { input_.close(); }

void StandinProcess::close_output() {
    output_pipe_.close();
    output_ended_ = true;
}

bool StandinProcess::read_some(Clock::time_point deadline) {
    if (output_ended_) return false;
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
    const PipeWait seen = output_pipe_.wait(std::max(left, milliseconds(0)));
    if (seen != PipeWait::Readable) {
        output_ended_ = seen == PipeWait::Ended;
        return false;
    }
    char buffer[65536];
    const std::size_t got = output_pipe_.read(buffer);
    if (got == 0) {
        output_ended_ = true;
        return false;
    }
    chunk_starts_.emplace_back(output_.size(), Clock::now());
    output_.append(buffer, got);
    return true;
}

std::optional<Ending> StandinProcess::wait_exit(milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    while (running()) {
        if (Clock::now() >= deadline) {
            child_->terminate();
            ending_ = Ending{false, kStillActive};
            return std::nullopt;
        }
        const Clock::time_point step = std::min(deadline, Clock::now() + milliseconds(10));
        if (!read_some(step)) std::this_thread::sleep_for(milliseconds(1));
    }
    return ending_;
}

bool StandinProcess::running() {
    if (!ending_) {
        if (const auto code = child_->exit_code(); code && *code != kStillActive) ending_ = Ending{false, *code};
    }
    return !ending_;
}

}  // namespace standin_test
