// The stand-in's normal conversation: which program it plays, what it asks
// and in which order, what it logs, and that it waits for every answer.

#include "standin_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace standin_test {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

const std::string kMorFirst = "Enter root of input and output file names.";
const std::string kMorSecond = "Enter root of hydrology file names if different.";

TEST(StandinMor, AnswersFedAtOnceAreLoggedExactlyAndTheQuestionsComeInOrder) {
    ScratchDir dir;
    StandinProcess mor(dir, "MOR.exe");
    mor.send("BASIN\n\nA\n\n");
    ASSERT_TRUE(mor.read_to_end());
    EXPECT_EQ(mor.wait_exit(), kExitedZero);

    EXPECT_EQ(dir.read("MOR.answers"), "BASIN\n\nA\n\n");
    const std::vector<std::string> lines = lines_of(mor.output());
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], kMorFirst);
    EXPECT_EQ(lines[1], kMorSecond);
    EXPECT_EQ(lines[2], "Yes(Y), No(N), Replace All(A)");
    EXPECT_EQ(lines[lines.size() - 2], "Exit QARN-MOR");
    EXPECT_EQ(lines.back(), "Press enter to exit.");
}

TEST(StandinMor, TakesNoMoreInputThanTheLinesItAsksFor) {
    ScratchDir dir;
    StandinProcess mor(dir, "MOR.exe");
    mor.send("BASIN\n\nA\n\nLEFT FOR SOMEONE ELSE\n");
    ASSERT_TRUE(mor.read_to_end());
    EXPECT_EQ(mor.wait_exit(), kExitedZero);
    EXPECT_EQ(dir.read("MOR.answers"), "BASIN\n\nA\n\n");
}

TEST(StandinMor, AnswersAccumulateOverRunsInOneDirectory) {
    ScratchDir dir;
    for (const char* root : {"FIRST", "SECOND"}) {
        StandinProcess mor(dir, "MOR.exe");
        mor.send(std::string(root) + "\n\nN\n\n");
        ASSERT_TRUE(mor.read_to_end());
        ASSERT_EQ(mor.wait_exit(), kExitedZero);
    }
    EXPECT_EQ(dir.read("MOR.answers"), "FIRST\n\nN\n\nSECOND\n\nN\n\n");
}

// When its input ends or fails, or its output is gone, no one is there to
// play for: the stand-in ends at once with code 1, as a model program whose
// read finds the end of its input does, instead of going on unanswered.
struct BrokenStreamCase {
    const char* name;
    Input input;
    std::function<void(StandinProcess&)> act;
    std::string logged;       // the content of MOR.answers afterwards
    std::string output_tail;  // how the output ends; not read when the output is gone
};

void PrintTo(const BrokenStreamCase& c, std::ostream* out) { *out << c.name; }

class StandinBrokenStreams : public testing::TestWithParam<BrokenStreamCase> {};

TEST_P(StandinBrokenStreams, EndTheProgramAtOnce) {
    const BrokenStreamCase& c = GetParam();
    ScratchDir dir;
    StandinProcess mor(dir, "MOR.exe", "", c.input);
    c.act(mor);
    EXPECT_EQ(mor.wait_exit(), (Ending{false, 1}));
    EXPECT_EQ(dir.read("MOR.answers"), c.logged);
    EXPECT_TRUE(mor.output().ends_with(c.output_tail)) << mor.output();
    EXPECT_EQ(mor.output().find("Exit QARN-MOR"), std::string::npos) << mor.output();
}

INSTANTIATE_TEST_SUITE_P(
    Streams, StandinBrokenStreams,
    testing::Values(
        BrokenStreamCase{"InputEndsAtTheSecondQuestion", Input::Pipe,
                         [](StandinProcess& p) {
                             p.send("BASIN\n");
                             p.close_input();
                             ASSERT_TRUE(p.read_to_end());
                         },
                         "BASIN\n", kMorFirst + "\n" + kMorSecond + "\n"},
        BrokenStreamCase{"ALastLineWithoutItsEndIsStillAnswered", Input::Pipe,
                         [](StandinProcess& p) {
                             p.send("BASIN\nHYD");
                             p.close_input();
                             ASSERT_TRUE(p.read_to_end());
                         },
                         "BASIN\nHYD", kMorSecond + "\nYes(Y), No(N), Replace All(A)\n"},
        BrokenStreamCase{"InputFails", Input::Failing,
                         [](StandinProcess& p) { ASSERT_TRUE(p.read_to_end()); }, "", kMorFirst + "\n"},
        BrokenStreamCase{"OutputGone", Input::Pipe,
                         [](StandinProcess& p) {
                             ASSERT_TRUE(p.wait_for(kMorFirst + "\n"));
                             p.close_output();
                             p.send("BASIN\n");
                         },
                         "BASIN\n", kMorFirst + "\n"}),
    [](const testing::TestParamInfo<BrokenStreamCase>& info) { return std::string(info.param.name); });

TEST(StandinMor, ABlankHydrologyRootMeansTheMainRoot) {
    ScratchDir dir;
    StandinProcess mor(dir, "MOR.exe");
    mor.send("BASIN\n\nA\n\n");
    ASSERT_TRUE(mor.read_to_end());
    EXPECT_NE(mor.output().find("Reading BASIN.FLO\n"), std::string::npos) << mor.output();
}

// Where the stand-in is when it should be waiting, and what must not have
// come yet.
struct WaitCase {
    const char* mode;
    std::string asked;
    std::string not_yet;
};

void PrintTo(const WaitCase& c, std::ostream* out) { *out << "mode '" << c.mode << "'"; }

class StandinWaits : public testing::TestWithParam<WaitCase> {};

TEST_P(StandinWaits, ForAnAnswerBeforeGoingOn) {
    ScratchDir dir;
    StandinProcess mor(dir, "MOR.exe", GetParam().mode);
    ASSERT_TRUE(mor.wait_for(GetParam().asked + "\n")) << mor.output();
    mor.read_for(milliseconds(300));
    EXPECT_EQ(mor.output().find(GetParam().not_yet), std::string::npos) << mor.output();
    EXPECT_TRUE(mor.running());
}

INSTANTIATE_TEST_SUITE_P(
    Questions, StandinWaits,
    testing::Values(WaitCase{"", kMorFirst, kMorSecond},
                    WaitCase{"unknown", "Enter the phase of the moon.", kMorFirst}));

TEST(StandinMor, WaitsForEnterAtTheEnd) {
    ScratchDir dir;
    StandinProcess mor(dir, "MOR.exe");
    mor.send("BASIN\n\nA\n");
    ASSERT_TRUE(mor.wait_for("Press enter to exit.\n"));
    mor.read_for(milliseconds(300));
    EXPECT_TRUE(mor.running());
    mor.send("\n");
    EXPECT_EQ(mor.wait_exit(), kExitedZero);
}

// One row per model program: what it asks, a set of answers, a progress
// line those answers must produce, and its exit line.
struct ProgramCase {
    const char* file_name;
    std::vector<std::string> questions;
    std::vector<std::string> answers;
    std::string progress;
    std::string exit_line;
};

void PrintTo(const ProgramCase& c, std::ostream* out) { *out << c.file_name; }

class StandinPrograms : public testing::TestWithParam<ProgramCase> {};

TEST_P(StandinPrograms, AskEachQuestionInTurnAndSayGoodbye) {
    const ProgramCase& program = GetParam();
    ScratchDir dir;
    StandinProcess child(dir, program.file_name);
    std::string typed;
    std::size_t position = 0;
    for (std::size_t i = 0; i < program.questions.size(); ++i) {
        const auto found = child.wait_for(program.questions[i] + "\n", position);
        ASSERT_TRUE(found) << "question " << i + 1 << " missing; output:\n" << child.output();
        position = *found + program.questions[i].size() + 1;
        child.send(program.answers[i] + "\n");
        typed += program.answers[i] + "\n";
    }
    ASSERT_TRUE(child.wait_for("Press enter to exit.\n", position)) << child.output();
    child.send("\n");
    typed += "\n";
    ASSERT_TRUE(child.read_to_end());
    EXPECT_EQ(child.wait_exit(), kExitedZero);

    const std::vector<std::string> lines = lines_of(child.output());
    ASSERT_GT(lines.size(), program.questions.size() + 2);
    const auto after_questions = lines.begin() + static_cast<std::ptrdiff_t>(program.questions.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), after_questions), program.questions);
    const std::vector<std::string> progress(after_questions, lines.end() - 2);
    EXPECT_NE(std::find(progress.begin(), progress.end(), program.progress), progress.end())
        << child.output();
    EXPECT_EQ(lines[lines.size() - 2], program.exit_line);
    EXPECT_EQ(lines.back(), "Press enter to exit.");
    const std::string program_name(program.file_name, std::string(program.file_name).find('.'));
    EXPECT_EQ(dir.read(program_name + ".answers"), typed);
}

const std::vector<std::string> kMorQuestions = {kMorFirst, kMorSecond, "Yes(Y), No(N), Replace All(A)"};
const std::vector<std::string> kDailyQuestions = {"Enter the root of the input filenames.",
                                                  "Enter the root of the output filenames.",
                                                  "Yes(Y), No(N), Replace All(A)"};

INSTANTIATE_TEST_SUITE_P(
    AllSix, StandinPrograms,
    testing::Values(
        ProgramCase{"MOR.exe", kMorQuestions, {"BASIN", "", "A"}, "Reading BASIN.DAT", "Exit QARN-MOR"},
        ProgramCase{"MORD.exe", kMorQuestions, {"DAILY", "HYD", "N"}, "Reading HYD.FLO", "Exit QARN-MORD"},
        ProgramCase{"ORB.exe",
                    {"Enter root of ORBEN input filename.", "Enter root of ORBEN output filename.",
                     "Replace? Yes(Y) or No(N)", "Enter root of QARN-MOR input and output filenames."},
                    {"TABLES", "SUMMARY", "Y", "BASIN"},
                    "Writing SUMMARY.TOU",
                    "Exit ORBEN"},
        ProgramCase{"MERL.exe",
                    {kMorFirst, "Yes(Y), No(N), Replace All(A)"},
                    {"SALT", "A"},
                    "Reading SALT.SIN",
                    "Exit QARN-MERL"},
        ProgramCase{"FLUM.exe", kDailyQuestions, {"HYDIN", "HYDOUT", "Y"}, "Reading HYDIN.HIN",
                    "Exit QARN-FLUM"},
        ProgramCase{"JORN.exe", kDailyQuestions, {"DAYIN", "DAYOUT", "N"}, "Writing DAYOUT.JORN",
                    "Exit QARN-JORN"}),
    [](const testing::TestParamInfo<ProgramCase>& info) {
        const std::string name(info.param.file_name);
        return name.substr(0, name.find('.'));
    });

// Names the stand-in answers to, and the exit line that shows which part it
// took; every answer is empty.
struct NameCase {
    const char* file_name;
    const char* exit_line;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.file_name; }

class StandinNames : public testing::TestWithParam<NameCase> {};

TEST_P(StandinNames, PickThePartToPlay) {
    ScratchDir dir;
    StandinProcess child(dir, GetParam().file_name);
    child.send(std::string(5, '\n'));  // ORB's four questions and the Enter at the end
    ASSERT_TRUE(child.read_to_end());
    EXPECT_EQ(child.wait_exit(), kExitedZero);
    const std::string ending = std::string(GetParam().exit_line) + "\nPress enter to exit.\n";
    EXPECT_TRUE(child.output().ends_with(ending)) << child.output();
}

INSTANTIATE_TEST_SUITE_P(Accepted, StandinNames,
                         testing::Values(NameCase{"MOR", "Exit QARN-MOR"},
                                         NameCase{"mord.exe", "Exit QARN-MORD"},
                                         NameCase{"Orb.EXE", "Exit ORBEN"},
                                         NameCase{"merl", "Exit QARN-MERL"},
                                         NameCase{"FLUM.Exe", "Exit QARN-FLUM"},
                                         NameCase{"jorn.exe", "Exit QARN-JORN"}));

class StandinUnknownNames : public testing::TestWithParam<const char*> {};

TEST_P(StandinUnknownNames, AreRefusedWithCodeTwo) {
    ScratchDir dir;
    StandinProcess child(dir, GetParam());
    child.close_input();
    ASSERT_TRUE(child.read_to_end());
    EXPECT_EQ(child.wait_exit(), (Ending{false, 2}));
    EXPECT_NE(child.output().find("cannot tell which model program"), std::string::npos) << child.output();
    EXPECT_EQ(child.output().find("Enter"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Refused, StandinUnknownNames, testing::Values("MODEL.exe", "MOR.bin", "XMOR.exe"));

}  // namespace
}  // namespace standin_test
