#include "linger.h"

#if !defined(_WIN32)

#include "console_io.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace standin {

void leave_helper(long seconds, bool detached) {
    // The stand-in goes on; a fork that fails leaves no helper.
    if (::fork() != 0) return;
    if (detached) ::setsid();
    constexpr auto kInterval = std::chrono::milliseconds(200);
    const long lines = seconds * 5;
    for (long number = 1; seconds == 0 || number <= lines; ++number) {
        char line[48];
        std::snprintf(line, sizeof line, "helper line %04ld\n", number);
        // Ends the helper once no one reads its output.
        write_out(line);
        std::this_thread::sleep_for(kInterval);
    }
    ::_exit(0);
}

}  // namespace standin

#else

namespace standin {

void leave_helper(long, bool) {}

}  // namespace standin

#endif
