// What the stand-in child does alike on every system: its scratch
// directory, and reading its output for the tests.

#include "standin_process.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/support/temporary_directory.h"

namespace standin_test {

namespace fs = std::filesystem;

ScratchDir::ScratchDir() : path_(tarnex::test::make_temporary_directory("standin-test-").string()) {}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

// Windows makes symbolic links for the privileged only: there the program
// is copied.
std::string ScratchDir::add_program(const std::string& name) const {
    const fs::path link = fs::path(path_) / name;
#ifdef _WIN32
    if (!fs::exists(link)) fs::copy_file(QARN_STANDIN_PATH, link);
#else
    if (!fs::is_symlink(link)) fs::create_symlink(QARN_STANDIN_PATH, link);
#endif
    return link.string();
}

std::optional<std::string> ScratchDir::read(const std::string& name) const {
    std::ifstream file(fs::path(path_) / name, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::optional<std::size_t> StandinProcess::wait_for(std::string_view text, std::size_t from) {
    const Clock::time_point deadline = Clock::now() + kTimeout;
    for (;;) {
        const std::size_t found = output_.find(text, std::min(from, output_.size()));
        if (found != std::string::npos) return found;
        if (!read_some(deadline)) return std::nullopt;
    }
}

bool StandinProcess::read_to_end() {
    const Clock::time_point deadline = Clock::now() + kTimeout;
    while (read_some(deadline)) {
    }
    return output_ended_;
}

void StandinProcess::read_for(milliseconds duration) {
    const Clock::time_point deadline = Clock::now() + duration;
    while (Clock::now() < deadline) {
        if (!read_some(deadline) && output_ended_) std::this_thread::sleep_for(milliseconds(10));
    }
}

Clock::time_point StandinProcess::arrival(std::size_t offset) const {
    const auto after = std::upper_bound(
        chunk_starts_.begin(), chunk_starts_.end(), offset,
        [](std::size_t value, const auto& chunk) { return value < chunk.first; });
    return after == chunk_starts_.begin() ? started_ : std::prev(after)->second;
}

}  // namespace standin_test
