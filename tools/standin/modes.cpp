#include "modes.h"

#include <charconv>

namespace standin {

namespace {

// Reads "WORD:N" with N a non-negative integer; false when it is not that.
bool number_after(std::string_view item, std::string_view word, long& value) {
    if (!item.starts_with(word) || item.size() <= word.size() + 1 || item[word.size()] != ':') {
        return false;
    }
    const std::string_view digits = item.substr(word.size() + 1);
    long parsed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (error != std::errc{} || end != digits.data() + digits.size() || parsed < 0) {
        return false;
    }
    value = parsed;
    return true;
}

// Blanks around a word are forgiven: "silent, split" means both.
std::string_view trimmed(std::string_view item) {
    const std::size_t first = item.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return item.substr(first, item.find_last_not_of(' ') - first + 1);
}

void apply(std::string_view item, Modes& modes) {
    if (item == "silent") modes.silent = true;
    else if (item == "split") modes.split = true;
    else if (item == "twice") modes.twice = true;
    else if (item == "unknown") modes.unknown = true;
    else if (item == "crash") modes.crash = true;
    else if (item == "early-exit") modes.early_exit = true;
    else if (item == "no-newline") modes.no_newline = true;
    else if (item == "binary") modes.binary = true;
    else if (number_after(item, "linger-detached", modes.linger_seconds)) modes.linger_detached = true;
    else if (number_after(item, "linger", modes.linger_seconds)) modes.linger_detached = false;
    else if (!number_after(item, "flood", modes.flood_mib)) number_after(item, "slow", modes.slow_ms);
}

}  // namespace

Modes parse_modes(std::string_view text) {
    Modes modes;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        apply(trimmed(text.substr(0, comma)), modes);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return modes;
}

}  // namespace standin
