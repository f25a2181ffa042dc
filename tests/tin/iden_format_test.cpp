// The layout of an IDEN record guessed from its identifier text (columns
// 5-256): the cases of each step and the bounds of its thresholds.

#include <gtest/gtest.h>

#include <algorithm>

#include "tin/catalogue/iden_format.h"

namespace tarnex::tin {
namespace {

struct Guess {
  std::string name;
  std::string text;
  int layout;
};

class IdenFormat : public testing::TestWithParam<Guess> {};

TEST_P(IdenFormat, GuessesTheLayout) {
  const auto& c = GetParam();
  EXPECT_EQ(IDENFORMAT(c.text), c.layout) << '"' << c.text << '"';
  // The text as IDEN_TEXT holds it, blank-padded to 252 characters.
  auto padded = c.text;
  padded.resize(std::max<std::size_t>(252, padded.size()), ' ');
  EXPECT_EQ(IDENFORMAT(padded), c.layout);
}

const Guess kGuesses[] = {
    {"BlankText", "", 1},
    {"TypeAndCount", "   2   5", 0},
    {"TwoCharactersInTheFirstField", "  12", 0},
    {"ThreeCharactersInTheFirstField", "ABC", 1},
    {"OneControlPoint", "  ABCDEF", 1},
    {"SevenCharactersInTheFirstField", "ABCDEFG", 3},
    {"EightCharactersInTheFirstField", "ABCDEFGH", 3},
    {"NineCharactersAreBeyondTheFirstField", "ABCDEFGHI", 2},
    {"TwoControlPointsFillExactlyThreeQuarters", "  CP0001  CP0002", 1},
    {"ThreeQuartersWithoutTheSecondBlank", "ABCD  EFGH  IJKL", 2},
    {"TwoGroupsOfSevenCharacters", " ABCDEFG ABCDEFG", 3},
    {"SixteenCharacters", "ABCDEFGHIJKLMNOP", 2},
    {"EightGroupsEndAtColumn68", " ABCDEFG ABCDEFG ABCDEFG ABCDEFG ABCDEFG ABCDEFG ABCDEFG ABCDEFG", 3},
    {"LongerThanEightGroups", " ABCDEFG ABCDEFG ABCDEFG ABCDEFG ABCDEFG ABCDEFG ABCDEFG ABCDEFGX", 2},
    {"RatioExactly062GoesToTheWaterRightTest", "WR  XXXXX X XX   XX XX XX XXX   XXX  XXXX XX   XXZ", 2},
    {"RatioJustAbove062", "WR  XXXXX X XX   XX XXXXX XXX   XXX  XXXX XX   XXZ", 1},
    {"GapOfTenIsAWaterRight", "ABCDEF          GHIJKL", 2},
    {"GapOfSixIsAWaterRight", "AB      CD", 2},
    {"GapOfFiveWithoutTag", "AB     CD", 1},
    {"GapOfFiveWithTag", "WR     CD", 2},
    {"LeadingBlanksAreNoGap", "      ABC", 1},
    {"LettersOfTheTagApartAreNoTag", "R  W  R  W", 1},
    {"TagAmongShortValues", "  WR  1  2", 2},
    {"OnlyTheLastEightGapsCount", "A      B C D E F G H I J", 1},
    {"TheEighthGapCounts", "A      B C D E F G H I", 2},
    {"ColumnsBeyond256AreNotPartOfTheText", std::string(252, ' ') + "X", 1},
};
INSTANTIATE_TEST_SUITE_P(Steps, IdenFormat, testing::ValuesIn(kGuesses),
                         [](const testing::TestParamInfo<Guess>& info) { return info.param.name; });

}  // namespace
}  // namespace tarnex::tin
