// Find in a text: where a needle stands, with and without letter case, and
// which match the next and the previous steps go to.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "base/find_text.h"

namespace tarnex {
namespace {

// A case's name as a test's name: letters and digits, the rest underscores.
template <typename Info>
std::string case_name(const Info& info) {
  std::string name = info.param.name;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

using Offsets = std::vector<std::size_t>;

struct FindCase {
  const char* name;
  std::string text;
  std::string needle;
  MatchCase match_case;
  Offsets expected;
};

const FindCase kFindCases[] = {
    {"one match", "Reading BASIN.DAT\nWriting BASIN.OUT", "BASIN.OUT", MatchCase::Exact, {26}},
    {"every match", "Exit ORBEN\nExit ORBEN\n", "Exit", MatchCase::Exact, {0, 11}},
    {"letter case ignored", "Warning\nWARNING\nwarning", "warning", MatchCase::Ignore, {0, 8, 16}},
    {"letter case matched", "Warning\nWARNING\nwarning", "warning", MatchCase::Exact, {16}},
    {"matches do not overlap", "aaaa", "aa", MatchCase::Exact, {0, 2}},
    {"empty needle finds nothing", "text", "", MatchCase::Ignore, {}},
    {"needle longer than text", "ab", "abc", MatchCase::Ignore, {}},
    {"no match", "Exit QARN-MOR", "ORBEN", MatchCase::Ignore, {}},
    {"bytes beyond ASCII and NUL match as they are",
     std::string("\xff\0x\xff\0", 5),
     std::string("\xff\0", 2),
     MatchCase::Ignore,
     {0, 3}},
    {"only A-Z fold", "\xC3\x84 \xC3\xA4", "\xC3\xA4", MatchCase::Ignore, {3}},
};

class FindMatches : public ::testing::TestWithParam<FindCase> {};

bool ascii(std::string_view text) {
  return std::ranges::all_of(text, [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

// In bytes, and for ASCII texts in UTF-16 too, where the places are the same.
TEST_P(FindMatches, FindsEveryPlace) {
  const auto& c = GetParam();
  EXPECT_EQ(find_matches(c.text, c.needle, c.match_case), c.expected);
  if (ascii(c.text) && ascii(c.needle)) {
    const std::u16string text(c.text.begin(), c.text.end()), needle(c.needle.begin(), c.needle.end());
    EXPECT_EQ(find_matches(text, needle, c.match_case), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, FindMatches, ::testing::ValuesIn(kFindCases),
                         case_name<::testing::TestParamInfo<FindCase>>);

TEST(FindMatches, FoldsUtf16LettersOutsideAsciiNot) {
  EXPECT_EQ(find_matches(u"\u00C4 \u00E4 A a", u"\u00E4", MatchCase::Ignore), (Offsets{2}));
  EXPECT_EQ(find_matches(u"\u00C4 \u00E4 A a", u"a", MatchCase::Ignore), (Offsets{4, 6}));
}

struct StepCase {
  const char* name;
  std::size_t position;
  bool forward;
  std::ptrdiff_t expected;
};

// Matches at 10, 20 and 30.
const StepCase kStepCases[] = {
    {"forward from the start", 0, true, 0},
    {"forward from a match's start", 10, true, 0},
    {"forward from just after a match", 11, true, 1},
    {"forward past the last wraps", 31, true, 0},
    {"back from the end", 100, false, 2},
    {"back from a match's start", 20, false, 0},
    {"back before the first wraps", 10, false, 2},
    {"back from inside", 25, false, 1},
};

class NextMatch : public ::testing::TestWithParam<StepCase> {};

TEST_P(NextMatch, StepsAndWraps) {
  const auto& c = GetParam();
  EXPECT_EQ(next_match({10, 20, 30}, c.position, c.forward), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, NextMatch, ::testing::ValuesIn(kStepCases),
                         case_name<::testing::TestParamInfo<StepCase>>);

TEST(NextMatch, NoneWithoutMatches) {
  EXPECT_EQ(next_match({}, 0, true), -1);
  EXPECT_EQ(next_match({}, 5, false), -1);
}

}  // namespace
}  // namespace tarnex
