// The record list: 256 slots of 256 characters, blank above the count, filled
// only by whole records.

#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "tin/catalogue/record_list.h"

namespace tarnex::tin {
namespace {

const std::string kBlank(kLineLength, ' ');

std::vector<std::string> lines(int n, const std::string& text) { return std::vector<std::string>(static_cast<std::size_t>(n), text); }

TEST(RecordList, StartsEmptyWithEverySlotBlank) {
  RecordList list;
  EXPECT_EQ(list.count(), 0);
  for (int k : {0, 1, 256, 257}) EXPECT_EQ(list.line(k), kBlank) << "slot " << k;
}

TEST(RecordList, KeepsEachLineAtExactly256Characters) {
  RecordList list;
  ASSERT_TRUE(list.append(std::vector<std::string>{"TITL", std::string(300, 'x'), ""}));
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.line(1), fit("TITL", kLineLength));
  EXPECT_EQ(list.line(2), std::string(kLineLength, 'x'));
  EXPECT_EQ(list.line(3), kBlank);
  EXPECT_EQ(list.line(4), kBlank);
}

struct Fill {
  int before;
  int record_lines;
  bool fits;
};

class RecordListFill : public testing::TestWithParam<Fill> {};

TEST_P(RecordListFill, TakesARecordWholeOrNotAtAll) {
  const auto [before, record_lines, fits] = GetParam();
  RecordList list;
  ASSERT_TRUE(list.append(lines(before, "OLD")));
  EXPECT_EQ(list.append(lines(record_lines, "NEW")), fits);
  EXPECT_EQ(list.count(), fits ? before + record_lines : before);
  EXPECT_EQ(list.line(before + 1), fits ? fit("NEW", kLineLength) : kBlank);
  EXPECT_EQ(list.line(before + record_lines), fits ? fit("NEW", kLineLength) : kBlank);
}

INSTANTIATE_TEST_SUITE_P(Room, RecordListFill,
                         testing::Values(Fill{0, 256, true}, Fill{0, 257, false}, Fill{255, 1, true},
                                         Fill{256, 1, false}, Fill{254, 2, true}, Fill{255, 2, false},
                                         Fill{253, 3, true}, Fill{254, 3, false}));

TEST(RecordList, ClearBlanksEverySlot) {
  RecordList list;
  ASSERT_TRUE(list.append(lines(256, "OLD")));
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.line(1), kBlank);
  ASSERT_TRUE(list.append(lines(1, "NEW")));
  EXPECT_EQ(list.line(1), fit("NEW", kLineLength));
  EXPECT_EQ(list.line(2), kBlank);
}

std::string contents(const RecordList& list) {
  std::string text;
  for (int k = 1; k <= list.count(); ++k) text += without_trailing_blanks(list.line(k));
  return text;
}

RecordList abcde() {
  RecordList list;
  list.append(std::vector<std::string>{"a", "b", "c", "d", "e"});
  return list;
}

TEST(RecordList, MovesALineShiftingTheLinesBetween) {
  struct Case {
    int from, to;
    bool moved;
    const char* after;
  };
  const Case cases[] = {{1, 5, true, "bcdea"}, {5, 1, true, "eabcd"}, {2, 3, true, "acbde"}, {4, 2, true, "adbce"},
                        {3, 3, true, "abcde"}, {0, 2, false, "abcde"}, {2, 6, false, "abcde"}, {6, 1, false, "abcde"}};
  for (const auto& c : cases) {
    auto list = abcde();
    EXPECT_EQ(list.move(c.from, c.to), c.moved) << c.from << " to " << c.to;
    EXPECT_EQ(contents(list), c.after) << c.from << " to " << c.to;
    EXPECT_EQ(list.count(), 5);
  }
}

TEST(RecordList, RemovesLinesShiftingTheLinesAfter) {
  struct Case {
    int first, last;
    bool removed;
    const char* after;
  };
  const Case cases[] = {{1, 1, true, "bcde"}, {5, 5, true, "abcd"}, {2, 4, true, "ae"}, {1, 5, true, ""},
                        {0, 1, false, "abcde"}, {3, 2, false, "abcde"}, {4, 6, false, "abcde"}};
  for (const auto& c : cases) {
    auto list = abcde();
    EXPECT_EQ(list.remove(c.first, c.last), c.removed) << c.first << "-" << c.last;
    EXPECT_EQ(contents(list), c.after) << c.first << "-" << c.last;
    EXPECT_EQ(list.count(), static_cast<int>(std::string(c.after).size()));
  }
}

TEST(RecordList, RemovingFromAFullListMakesRoomAtTheEnd) {
  RecordList list;
  ASSERT_TRUE(list.append(lines(256, "OLD")));
  ASSERT_TRUE(list.remove(1, 3));
  EXPECT_EQ(list.count(), 253);
  EXPECT_EQ(list.line(253), fit("OLD", kLineLength));
  ASSERT_TRUE(list.append(lines(3, "NEW")));
  EXPECT_EQ(list.line(256), fit("NEW", kLineLength));
}

}  // namespace
}  // namespace tarnex::tin
