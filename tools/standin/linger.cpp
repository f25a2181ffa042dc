#include "linger.h"

#include "console_io.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace standin {

namespace {

// Prints the helper's lines; ends with the helper.
[[noreturn]] void print_helper_lines(long seconds) {
    constexpr auto kInterval = std::chrono::milliseconds(200);
    const long lines = seconds * 5;
    for (long number = 1; seconds == 0 || number <= lines; ++number) {
        char line[48];
        std::snprintf(line, sizeof line, "helper line %04ld\n", number);
        // Ends the helper once no one reads its output.
        write_out(line);
        std::this_thread::sleep_for(kInterval);
    }
    std::_Exit(0);
}

#ifdef _WIN32
// The argument that makes the stand-in the helper, followed by its seconds.
constexpr std::string_view kHelperArgument = "--linger-helper";
#endif

}  // namespace

#ifdef _WIN32

// The helper is the stand-in started again, on the same standard output. A
// detached helper asks to leave the job the stand-in runs in; a job that
// does not allow it (Tarnex's does not) keeps it.
void leave_helper(long seconds, bool detached) {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    const std::string argument(kHelperArgument);
    std::wstring command_line =
        L"\"" + self + L"\" " + std::wstring(argument.begin(), argument.end()) + L" " + std::to_wstring(seconds);
    STARTUPINFOW info{};
    info.cb = sizeof info;
    info.dwFlags = STARTF_USESTDHANDLES;
    info.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    info.hStdError = info.hStdOutput;
    PROCESS_INFORMATION created{};
    const auto start = [&](DWORD flags) {
        return ::CreateProcessW(self.c_str(), command_line.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                                &info, &created);
    };
    if (!(detached && start(CREATE_NO_WINDOW | CREATE_BREAKAWAY_FROM_JOB)) && !start(CREATE_NO_WINDOW)) return;
    ::CloseHandle(created.hThread);
    ::CloseHandle(created.hProcess);
}

void play_helper_if_asked(int argc, char** argv) {
    if (argc == 3 && argv[1] == kHelperArgument) print_helper_lines(std::atol(argv[2]));
}

#else

void leave_helper(long seconds, bool detached) {
    // The stand-in goes on; a fork that fails leaves no helper.
    if (::fork() != 0) return;
    if (detached) ::setsid();
    print_helper_lines(seconds);
}

void play_helper_if_asked(int, char**) {}

#endif

}  // namespace standin
