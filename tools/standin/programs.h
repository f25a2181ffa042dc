#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

// A file the program says it reads or writes: its name is the answer to one
// question (or, when that answer is blank, to another) plus an extension.
struct FileStep {
    std::string_view verb;
    int answer;
    int fallback;  // -1: no fallback
    std::string_view extension;
};

// Everything that differs between the six model programs.
struct Program {
    std::string_view name;  // also names the answers log, NAME.answers
    std::vector<std::string_view> questions;
    std::vector<FileStep> files;
    std::string_view exit_line;
};

// The program whose part to play, from the file name the stand-in was
// started under ("path/MOR.exe", "mord", ...); nothing for other names.
std::optional<Program> program_for(std::string_view argv0);

// The progress texts ("Reading BASIN.DAT") made from the answers given.
std::vector<std::string> file_lines(const Program& program, const std::vector<std::string>& answers);

}  // namespace standin
