// The faults STANDIN_MODE plays, each checked on a MOR run fed the same
// answers at once.

#include "standin_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <ostream>
#include <string>

namespace standin_test {
namespace {

const std::string kFirst = "Enter root of input and output file names.\n";
const std::string kAnswers = "BASIN\n\nA\n\n";
const std::string kPlainRun =
    "Enter root of input and output file names.\n"
    "Enter root of hydrology file names if different.\n"
    "Yes(Y), No(N), Replace All(A)\n"
    "Reading BASIN.DAT\n"
    "Reading BASIN.FLO\n"
    "Reading BASIN.EVA\n"
    "Writing BASIN.OUT\n"
    "Writing BASIN.MSS\n"
    "Exit QARN-MOR\n"
    "Press enter to exit.\n";
const std::string kHelperLines =
    "helper line 0001\nhelper line 0002\nhelper line 0003\nhelper line 0004\nhelper line 0005\n";

std::size_t count_of(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

milliseconds between(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration_cast<milliseconds>(to - from);
}

struct ModeCase {
    const char* name;
    const char* mode;
    std::string input;
    Ending ending;
    std::string logged;  // the content of MOR.answers afterwards
    std::function<void(const StandinProcess&)> check;
};

void PrintTo(const ModeCase& c, std::ostream* out) { *out << c.mode; }

class StandinModes : public testing::TestWithParam<ModeCase> {};

TEST_P(StandinModes, PlayTheirFault) {
    const ModeCase& mode = GetParam();
    ScratchDir dir;
    StandinProcess mor(dir, "MOR.exe", mode.mode);
    mor.send(mode.input);
    ASSERT_TRUE(mor.read_to_end());
    EXPECT_EQ(mor.wait_exit(), mode.ending);
    EXPECT_EQ(dir.read("MOR.answers"), mode.logged);
    mode.check(mor);
}

#ifdef _WIN32
// The stand-in ends with the code of an access violation there.
const Ending kKilled{false, static_cast<int>(0xC0000005u)};
#else
const Ending kKilled{true, SIGKILL};
#endif

INSTANTIATE_TEST_SUITE_P(
    Faults, StandinModes,
    testing::Values(
        ModeCase{"Silent", "silent", kAnswers, kExitedZero, "",
                 [](const StandinProcess& p) { EXPECT_EQ(p.output(), ""); }},
        ModeCase{"EarlyExit", "early-exit", kAnswers, kExitedZero, "",
                 [](const StandinProcess& p) { EXPECT_EQ(p.output(), kFirst); }},
        ModeCase{"Twice", "twice", "ONE\nTWO\n\nA\n\n", kExitedZero, "ONE\nTWO\n\nA\n\n",
                 [](const StandinProcess& p) {
                     EXPECT_TRUE(p.output().starts_with(kFirst + kFirst)) << p.output();
                     EXPECT_EQ(count_of(p.output(), kFirst), 2u);
                     // The answer to the repeated question is the one kept.
                     EXPECT_NE(p.output().find("Reading TWO.DAT\n"), std::string::npos);
                 }},
        ModeCase{"Crash", "crash", kAnswers, kKilled, "BASIN\n",
                 [](const StandinProcess& p) { EXPECT_EQ(p.output(), kFirst); }},
        ModeCase{"CrashAfterTheFirstOfTwo", "twice,crash", kAnswers, kKilled, "BASIN\n",
                 [](const StandinProcess& p) { EXPECT_EQ(p.output(), kFirst); }},
        ModeCase{"Split", "split", kAnswers, kExitedZero, kAnswers,
                 [](const StandinProcess& p) {
                     EXPECT_EQ(p.output(), kPlainRun);
                     const std::size_t end = kFirst.size() - 1;
                     EXPECT_GE(between(p.arrival(0), p.arrival(end)), milliseconds(200));
                 }},
        ModeCase{"Binary", "binary", kAnswers, kExitedZero, kAnswers,
                 [](const StandinProcess& p) {
                     EXPECT_NE(p.output().find('\0'), std::string::npos);
                     EXPECT_NE(p.output().find("\xff\xfe"), std::string::npos);
                     EXPECT_NE(p.output().find("\xc3 "), std::string::npos);
                     EXPECT_NE(p.output().find("Reading BASIN.DAT\n"), std::string::npos);
                     EXPECT_TRUE(p.output().ends_with("Exit QARN-MOR\nPress enter to exit.\n"));
                 }},
        ModeCase{"NoNewline", "no-newline", kAnswers, kExitedZero, kAnswers,
                 [](const StandinProcess& p) {
                     EXPECT_NE(p.output().find("Replace All(A)\nReading BASIN.DAT Reading BASIN.FLO "
                                               "Reading BASIN.EVA Writing BASIN.OUT Writing BASIN.MSS "
                                               "Exit QARN-MOR\nPress enter to exit.\n"),
                               std::string::npos)
                         << p.output();
                 }},
        ModeCase{"Flood", "flood:1", kAnswers, kExitedZero, kAnswers,
                 [](const StandinProcess& p) {
                     const std::size_t first = p.output().find(kFirst);
                     ASSERT_NE(first, std::string::npos);
                     EXPECT_EQ(first, 1048576u);
                     const std::string flood = p.output().substr(0, first);
                     EXPECT_TRUE(flood.ends_with("\n"));
                     EXPECT_TRUE(std::all_of(flood.begin(), flood.end(),
                                             [](char c) { return c == '\n' || (c >= ' ' && c <= '~'); }));
                     EXPECT_EQ(p.output().substr(first), kPlainRun);
                 }},
        ModeCase{"FloodOnOneLine", "flood:1,no-newline", kAnswers, kExitedZero, kAnswers,
                 [](const StandinProcess& p) {
                     // the first prompt follows the flood on its one line
                     const std::size_t first = p.output().find(kFirst);
                     ASSERT_NE(first, std::string::npos);
                     EXPECT_EQ(first, 1048576u);
                     const std::string flood = p.output().substr(0, first);
                     EXPECT_TRUE(flood.ends_with(" "));
                     EXPECT_TRUE(std::all_of(flood.begin(), flood.end(), [](char c) { return c >= ' ' && c <= '~'; }));
                     EXPECT_NE(p.output().find("Reading BASIN.DAT Reading BASIN.FLO "), std::string::npos);
                 }},
        ModeCase{"Unknown", "unknown", "MOON\n" + kAnswers, kExitedZero, "MOON\n" + kAnswers,
                 [](const StandinProcess& p) {
                     EXPECT_EQ(p.output(), "Enter the phase of the moon.\n" + kPlainRun);
                 }},
        ModeCase{"Slow", "slow:150", kAnswers, kExitedZero, kAnswers,
                 [](const StandinProcess& p) {
                     EXPECT_EQ(p.output(), kPlainRun);
                     EXPECT_GE(between(p.started(), p.arrival(0)), milliseconds(150));
                     // Four prompts, the last one "Press enter to exit.".
                     EXPECT_GE(between(p.started(), p.arrival(p.output().size() - 1)), milliseconds(600));
                 }},
        // The helper prints on after the program has gone, five lines a
        // second, and the output ends with it.
        ModeCase{"Linger", "linger:1", kAnswers, kExitedZero, kAnswers,
                 [](const StandinProcess& p) { EXPECT_EQ(p.output(), kPlainRun + kHelperLines); }},
        ModeCase{"LingerDetached", "linger-detached:1", kAnswers, kExitedZero, kAnswers,
                 [](const StandinProcess& p) { EXPECT_EQ(p.output(), kPlainRun + kHelperLines); }},
        ModeCase{"UnknownWordsIgnored", "frobnicate,slow:soon,slow:-5,flood:,linger:,linger-detached:-1",
                 kAnswers, kExitedZero, kAnswers,
                 [](const StandinProcess& p) { EXPECT_EQ(p.output(), kPlainRun); }}),
    [](const testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace standin_test
