#pragma once

#include <string>
#include <string_view>

namespace standin {

// Readies the standard streams for write_out() and AnswerReader: on Windows
// bytes pass untranslated, elsewhere a vanished reader shows up as a failed
// write instead of ending the stand-in.
void prepare_console();

// Writes straight to standard output, so nothing waits in a buffer: the
// program driving the stand-in sees every byte as soon as it is written.
// When standard output is gone there is no one to play for: the stand-in
// then ends at once with code 1.
void write_out(std::string_view bytes);

// Ends the stand-in at once, as a fault of its own would: killed by SIGKILL,
// or on Windows with the exit code of an access violation.
void crash();

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
