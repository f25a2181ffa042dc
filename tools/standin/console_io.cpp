#include "console_io.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace standin {

namespace {

#ifdef _WIN32
// The C library of Windows keeps its descriptors from child programs with
// this flag; the stand-in starts none, but says so anyway.
constexpr int kLogFlags = _O_WRONLY | _O_CREAT | _O_APPEND | _O_BINARY | _O_NOINHERIT;
#else
constexpr int kLogFlags = O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC;
#endif

}  // namespace

void prepare_console() {
#ifdef _WIN32
    // Bytes pass as they are: no line end is turned into CR LF or back.
    ::_setmode(0, _O_BINARY);
    ::_setmode(1, _O_BINARY);
#else
    // A vanished reader must show up as a failed write, not kill us.
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

void write_out(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto written = ::write(1, bytes.data(), static_cast<unsigned>(bytes.size()));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) ::_exit(1);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void crash() {
#ifdef _WIN32
    // The code an unhandled access violation ends a program with, without
    // the crash report a real fault would bring up.
    ::TerminateProcess(::GetCurrentProcess(), STATUS_ACCESS_VIOLATION);
#else
    // SIGKILL cannot be caught, blocked or ignored by anything inherited
    // from the parent, and it leaves no core file behind.
    std::raise(SIGKILL);
#endif
}

// The log is created even before anything is read, so that "nothing read
// yet" shows as an empty log rather than a missing one.
AnswerReader::AnswerReader(const std::string& log_path) : log_fd_(::open(log_path.c_str(), kLogFlags, 0644)) {}

AnswerReader::~AnswerReader() {
    if (log_fd_ >= 0) ::close(log_fd_);
}

std::string AnswerReader::read_line() {
    std::string line;
    for (;;) {
        char byte = 0;
        const auto got = ::read(0, &byte, 1);
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
