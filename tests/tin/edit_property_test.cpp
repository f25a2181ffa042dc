// Edit then OK twice on the same record, over every short list of a few
// kinds of lines (well-formed and broken 2RES groups among them) and a fixed
// sample of longer ones: the second time never changes the list.

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "edit_property.h"

namespace tarnex::tin::test {
namespace {

using Lines = std::vector<std::string>;

const Lines kKinds = {
    "2RES   1   0   1    RES1",          // first line of one reservoir
    "2RES   0   3   2      R1      R2",  // first line of two
    "2RES  x   y  99",                   // first line of odd values
    "2RES               60000",          // storage line
    "2RES               50000     600",  // storage line of two values
    "2RES",                              // storage line with nothing
    "2RES  12",                          // storage line with a stray value
    "IDEN     CP1     CP2",
    "2NAT   0   0   0   0   2",  // time series with two identifiers
    "TITL t",
    "ENDF",
    "",
    "2R",
};

// Every list of `length` kinds, each with every selection.
void check_all(ui::HeadlessUi& ui, std::size_t length) {
  std::vector<std::size_t> digits(length, 0);
  for (;;) {
    Lines lines;
    for (auto d : digits) lines.push_back(kKinds[d]);
    for (int s = 1; s <= static_cast<int>(length); ++s) {
      const auto change = second_edit_change(ui, lines, s);
      ASSERT_TRUE(change.empty()) << change;
    }
    std::size_t i = 0;
    while (i < length && ++digits[i] == kKinds.size()) digits[i++] = 0;
    if (i == length) return;
  }
}

TEST(SecondEdit, ChangesNoListOfUpToThreeLines) {
  ui::HeadlessUi ui;
  for (std::size_t length = 1; length <= 3; ++length) check_all(ui, length);
}

TEST(SecondEdit, ChangesNoneOfAFixedSampleOfLongerLists) {
  ui::HeadlessUi ui;
  std::mt19937 random(14);
  for (int n = 0; n < 1500; ++n) {
    Lines lines(4 + random() % 5);
    for (auto& line : lines) line = kKinds[random() % kKinds.size()];
    const int selected = 1 + static_cast<int>(random() % lines.size());
    const auto change = second_edit_change(ui, lines, selected);
    ASSERT_TRUE(change.empty()) << change;
  }
}

}  // namespace
}  // namespace tarnex::tin::test
