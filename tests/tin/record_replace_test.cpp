// A record's old lines give way to its rebuilt lines in the same place,
// whether the record keeps, gains or loses lines.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "tin/catalogue/record_replace.h"

namespace tarnex::tin::test {
namespace {

struct Replacement {
  std::string name;
  std::vector<std::string> list;
  int first;
  int length;
  std::vector<std::string> lines;
  std::vector<std::string> expected;
};

void PrintTo(const Replacement& r, std::ostream* os) { *os << r.name; }

RecordList list_of(const std::vector<std::string>& lines) {
  RecordList list;
  for (const auto& line : lines) list.append(std::vector<std::string>{line});
  return list;
}

std::vector<std::string> lines_of(const RecordList& list) {
  std::vector<std::string> lines;
  for (int k = 1; k <= list.count(); ++k) lines.push_back(without_trailing_blanks(list.line(k)));
  return lines;
}

class ReplaceLines : public testing::TestWithParam<Replacement> {};

TEST_P(ReplaceLines, PutsTheNewLinesWhereTheOldStood) {
  const auto& r = GetParam();
  auto list = list_of(r.list);
  EXPECT_TRUE(replace_lines(list, r.first, r.length, r.lines));
  EXPECT_EQ(lines_of(list), r.expected);
  // The slots the list gave up are blank again.
  EXPECT_EQ(list.line(list.count() + 1), std::string(kLineLength, ' '));
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReplaceLines, testing::Values(
    Replacement{"OneForOne", {"A", "B", "C"}, 2, 1, {"b"}, {"A", "b", "C"}},
    Replacement{"TwoForOne", {"A", "B", "C"}, 2, 1, {"b1", "b2"}, {"A", "b1", "b2", "C"}},
    Replacement{"OneForTwo", {"A", "B1", "B2", "C"}, 2, 2, {"b"}, {"A", "b", "C"}},
    Replacement{"TwoForTwo", {"A", "B1", "B2", "C"}, 2, 2, {"b1", "b2"}, {"A", "b1", "b2", "C"}},
    Replacement{"ThreeForTwo", {"A", "B1", "B2", "C", "D"}, 2, 2, {"b1", "b2", "b3"},
                {"A", "b1", "b2", "b3", "C", "D"}},
    Replacement{"TwoForThree", {"A", "B1", "B2", "B3", "C"}, 2, 3, {"b1", "b2"}, {"A", "b1", "b2", "C"}},
    Replacement{"ThreeForThree", {"B1", "B2", "B3"}, 1, 3, {"b1", "b2", "b3"}, {"b1", "b2", "b3"}},
    Replacement{"AtTheTop", {"A", "B"}, 1, 1, {"a1", "a2"}, {"a1", "a2", "B"}},
    Replacement{"AtTheEnd", {"A", "B"}, 2, 1, {"b1", "b2", "b3"}, {"A", "b1", "b2", "b3"}}),
    [](const auto& info) { return info.param.name; });

std::vector<std::string> full_list() {
  std::vector<std::string> lines;
  for (int k = 1; k <= kSlots; ++k) lines.push_back("LINE" + std::to_string(k));
  return lines;
}

TEST(ReplaceLines, FullListTakesARecordOfTheSameLength) {
  auto list = list_of(full_list());
  EXPECT_TRUE(replace_lines(list, 10, 2, std::vector<std::string>{"new1", "new2"}));
  EXPECT_EQ(list.count(), kSlots);
  EXPECT_EQ(list.line(10), fit("new1", kLineLength));
  EXPECT_EQ(list.line(11), fit("new2", kLineLength));
  EXPECT_EQ(list.line(12), fit("LINE12", kLineLength));
}

TEST(ReplaceLines, FullListRefusesALongerRecordAndKeepsTheOld) {
  auto list = list_of(full_list());
  EXPECT_FALSE(replace_lines(list, 10, 2, std::vector<std::string>{"new1", "new2", "new3"}));
  EXPECT_EQ(lines_of(list), full_list());
}

TEST(ReplaceLines, OldLinesOutsideTheListAreRefused) {
  auto list = list_of({"A", "B"});
  EXPECT_FALSE(replace_lines(list, 2, 2, std::vector<std::string>{"x"}));
  EXPECT_FALSE(replace_lines(list, 0, 1, std::vector<std::string>{"x"}));
  EXPECT_EQ(lines_of(list), (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace tarnex::tin::test
