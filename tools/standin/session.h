#pragma once

#include "console_io.h"
#include "modes.h"

#include <string>
#include <string_view>
#include <vector>

namespace standin {

// The stand-in's side of the conversation, with the faults of its modes
// played where they belong: every prompt goes through ask(), every progress
// item through progress().
class Session {
public:
    Session(const Modes& modes, AnswerReader& reader);

    // Prints a question on its own line and returns the line typed for it.
    std::string ask(std::string_view question);

    // Prints a line that asks for nothing.
    void say(std::string_view line);

    // Prints the progress items, each on its own line unless the no-newline
    // mode runs them together.
    void progress(const std::vector<std::string>& items);

private:
    const Modes& modes_;
    AnswerReader& reader_;
    bool answered_ = false;
};

}  // namespace standin
