#include "console_io.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace standin {

void write_out(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) ::_exit(1);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// The log is created even before anything is read, so that "nothing read
// yet" shows as an empty log rather than a missing one.
AnswerReader::AnswerReader(const std::string& log_path)
    : log_fd_(::open(log_path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)) {}

AnswerReader::~AnswerReader() {
    if (log_fd_ >= 0) ::close(log_fd_);
}

std::string AnswerReader::read_line() {
    std::string line;
    for (;;) {
        char byte = 0;
        const ssize_t got = ::read(STDIN_FILENO, &byte, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (line.empty()) ::_exit(1);
            break;
        }
        // A log that cannot be written must not stop the run it records.
        if (log_fd_ >= 0 && ::write(log_fd_, &byte, 1) < 0) {
            ::close(log_fd_);
            log_fd_ = -1;
        }
        if (byte == '\n') break;
        line += byte;
    }
    if (line.ends_with('\r')) line.pop_back();
    return line;
}

}  // namespace standin
