#include "flood.h"

#include "console_io.h"

#include <cstdio>
#include <string>

namespace standin {

namespace {

constexpr std::size_t kLineLength = 80;  // line feed included
constexpr std::size_t kChunk = 64 * 1024;

// Line n: its number, then letters shifted by n, then `end`; cut to
// `length` bytes and still ended by `end`.
std::string flood_line(long number, std::size_t length, char end) {
    char head[32];
    std::snprintf(head, sizeof head, "flood line %08ld ", number);
    std::string line(head);
    while (line.size() < length - 1) {
        line += static_cast<char>('a' + (number + static_cast<long>(line.size())) % 26);
    }
    line.resize(length - 1);
    line += end;
    return line;
}

}  // namespace

void flood(long mebibytes, bool line_breaks) {
    const char end = line_breaks ? '\n' : ' ';
    std::size_t remaining = static_cast<std::size_t>(mebibytes) * 1048576;
    std::string chunk;
    for (long number = 1; remaining > 0; ++number) {
        const std::size_t length = remaining < kLineLength ? remaining : kLineLength;
        chunk += flood_line(number, length, end);
        remaining -= length;
        if (chunk.size() >= kChunk) {
            write_out(chunk);
            chunk.clear();
        }
    }
    write_out(chunk);
}

}  // namespace standin
