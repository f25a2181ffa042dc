#include "programs.h"

#include <algorithm>
#include <cctype>

namespace standin {

namespace {

constexpr std::string_view kMorRoot = "Enter root of input and output file names.";
constexpr std::string_view kMorHydrology = "Enter root of hydrology file names if different.";
constexpr std::string_view kReplaceAll = "Yes(Y), No(N), Replace All(A)";
constexpr std::string_view kOrbInput = "Enter root of ORBEN input filename.";
constexpr std::string_view kOrbOutput = "Enter root of ORBEN output filename.";
constexpr std::string_view kOrbReplace = "Replace? Yes(Y) or No(N)";
constexpr std::string_view kOrbSource = "Enter root of QARN-MOR input and output filenames.";
constexpr std::string_view kInputRoot = "Enter the root of the input filenames.";
constexpr std::string_view kOutputRoot = "Enter the root of the output filenames.";

// The answers are numbered from 0 in the order the questions are asked; a
// blank hydrology root means "same as the main root", as MOR's own wording says.
const std::vector<Program>& all_programs() {
    static const std::vector<Program> programs = {
        {"MOR", {kMorRoot, kMorHydrology, kReplaceAll},
         {{"Reading", 0, -1, "DAT"}, {"Reading", 1, 0, "FLO"}, {"Reading", 1, 0, "EVA"},
          {"Writing", 0, -1, "OUT"}, {"Writing", 0, -1, "MSS"}},
         "Exit QARN-MOR"},
        {"MORD", {kMorRoot, kMorHydrology, kReplaceAll},
         {{"Reading", 0, -1, "DAT"}, {"Reading", 1, 0, "FLO"}, {"Reading", 1, 0, "DIS"},
          {"Writing", 0, -1, "SUB"}, {"Writing", 0, -1, "DMS"}},
         "Exit QARN-MORD"},
        {"ORB", {kOrbInput, kOrbOutput, kOrbReplace, kOrbSource},
         {{"Reading", 0, -1, "TIN"}, {"Reading", 3, -1, "OUT"}, {"Writing", 1, -1, "TOU"}},
         "Exit ORBEN"},
        {"MERL", {kMorRoot, kReplaceAll},
         {{"Reading", 0, -1, "DAT"}, {"Reading", 0, -1, "SIN"}, {"Writing", 0, -1, "SAL"},
          {"Writing", 0, -1, "SMS"}},
         "Exit QARN-MERL"},
        {"FLUM", {kInputRoot, kOutputRoot, kReplaceAll},
         {{"Reading", 0, -1, "HIN"}, {"Writing", 1, -1, "FLO"}, {"Writing", 1, -1, "EVA"},
          {"Writing", 1, -1, "HMS"}},
         "Exit QARN-FLUM"},
        {"JORN", {kInputRoot, kOutputRoot, kReplaceAll},
         {{"Reading", 0, -1, "DIN"}, {"Writing", 1, -1, "JORN"}, {"Writing", 1, -1, "TMS"}},
         "Exit QARN-JORN"},
    };
    return programs;
}

#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

std::string upper(std::string_view text) {
    std::string result(text);
    std::ranges::transform(result, result.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

}  // namespace

std::optional<Program> program_for(std::string_view argv0) {
    // Windows names a program's directory with either slash.
    const std::size_t slash = argv0.find_last_of(kSeparators);
    std::string name = upper(slash == std::string_view::npos ? argv0 : argv0.substr(slash + 1));
    if (name.ends_with(".EXE")) name.resize(name.size() - 4);
    for (const Program& program : all_programs()) {
        if (program.name == name) return program;
    }
    return std::nullopt;
}

std::vector<std::string> file_lines(const Program& program, const std::vector<std::string>& answers) {
    const auto answer = [&answers](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < answers.size() ? answers[index]
                                                                               : std::string{};
    };
    std::vector<std::string> lines;
    for (const FileStep& step : program.files) {
        std::string root = answer(step.answer);
        if (root.empty()) root = answer(step.fallback);
        lines.push_back(std::string(step.verb) + " " + root + "." + std::string(step.extension));
    }
    return lines;
}

}  // namespace standin
