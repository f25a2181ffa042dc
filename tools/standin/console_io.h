#pragma once

#include <string>
#include <string_view>

namespace standin {

// Writes straight to standard output, so nothing waits in a buffer: the
// program driving the stand-in sees every byte as soon as it is written.
// When standard output is gone there is no one to play for: the stand-in
// then ends at once with code 1.
void write_out(std::string_view bytes);

// Reads standard input one byte at a time, so that a line asked for never
// takes bytes meant for a later question, and appends every byte, as it
// arrives, to a log that a scenario compares with what it typed.
class AnswerReader {
public:
    explicit AnswerReader(const std::string& log_path);
    ~AnswerReader();
    AnswerReader(const AnswerReader&) = delete;
    AnswerReader& operator=(const AnswerReader&) = delete;

    // One line without its line end (a trailing carriage return is dropped
    // too); a last line without its line end counts. When the input has
    // ended or fails, no one answers any more: the stand-in then ends at
    // once with code 1, as a model program whose read finds the end of its
    // input does.
    std::string read_line();

private:
    int log_fd_;
};

}  // namespace standin
