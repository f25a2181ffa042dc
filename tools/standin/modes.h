#pragma once

#include <string_view>

namespace standin {

// The faults a stand-in can play, read from STANDIN_MODE so that a scenario
// can provoke them without any other channel into the child.
struct Modes {
    bool silent = false;      // "silent": ends at once, says nothing
    long flood_mib = 0;       // "flood:N": N MiB of text lines before the first prompt
    bool split = false;       // "split": each prompt in two writes, 250 ms apart
    bool twice = false;       // "twice": the first question is asked twice
    bool unknown = false;     // "unknown": first asks a question Tarnex has no answer for
    bool crash = false;       // "crash": ends as a fault ends it right after the first line read
    bool early_exit = false;  // "early-exit": ends after printing the first prompt
    bool no_newline = false;  // "no-newline": progress items (and a flood's lines) separated by blanks only
    bool binary = false;      // "binary": NUL bytes and invalid UTF-8 among the progress
    long slow_ms = 0;         // "slow:MS": pause before each prompt
    // "linger:S": at its end leaves a helper in its process group printing a
    // line every 200 ms for S seconds (0: without end); "linger-detached:S":
    // the same helper in a session of its own. POSIX systems only.
    long linger_seconds = -1;
    bool linger_detached = false;
};

// Comma-separated words; words it does not know (or whose number does not
// read) are ignored, so a typo leaves the stand-in behaving normally.
Modes parse_modes(std::string_view text);

}  // namespace standin
