#include "session.h"

#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <thread>

namespace standin {

namespace {

using namespace std::string_view_literals;

// NUL bytes, a reversed byte-order mark and a lone UTF-8 lead byte: what a
// model program's binary output may throw into the text window.
constexpr std::string_view kBinaryItem = "Block \0\0 of the summary \xff\xfe, lead byte \xc3 alone"sv;

void pause_ms(long milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

Session::Session(const Modes& modes, AnswerReader& reader) : modes_(modes), reader_(reader) {}

std::string Session::ask(std::string_view question) {
    if (modes_.slow_ms > 0) pause_ms(modes_.slow_ms);
    if (modes_.split) {
        // Two writes a quarter second apart arrive as two reads at the driver.
        const std::size_t half = question.size() / 2;
        write_out(question.substr(0, half));
        pause_ms(250);
        write_out(std::string(question.substr(half)) + "\n");
    } else {
        say(question);
    }
    if (modes_.early_exit) std::exit(0);
    std::string answer = reader_.read_line();
    if (modes_.crash && !answered_) crash();
    answered_ = true;
    return answer;
}

void Session::say(std::string_view line) {
    write_out(std::string(line) + "\n");
}

void Session::progress(const std::vector<std::string>& items) {
    std::vector<std::string> shown = items;
    if (modes_.binary) {
        const auto middle = static_cast<std::ptrdiff_t>(shown.size() / 2);
        shown.insert(shown.begin() + middle, std::string(kBinaryItem));
    }
    const std::string_view end = modes_.no_newline ? " "sv : "\n"sv;
    for (const std::string& item : shown) write_out(item + std::string(end));
}

}  // namespace standin
