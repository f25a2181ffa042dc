// Move Up, Move Down and Delete on the record list: 2RES groups move and go
// as units, single lines jump past whole groups, and the selection follows.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "tin/editor/list_operations.h"
#include "tin/editor/reservoir_group.h"

namespace tarnex::tin {
namespace {

// Lines are named by short tokens: "F1" a first 2RES line (MONTH filled),
// "V1" or "W1" a 2RES value line (columns 9-12 blank), anything else a
// comment line.
std::string line_of(const std::string& token) {
  if (token.starts_with("F")) return "2RES   1   0   1 " + token;
  if (token.starts_with("V") || token.starts_with("W")) return "2RES            " + token;
  return "COMM " + token;
}

RecordList list_of(const std::vector<std::string>& tokens) {
  std::vector<std::string> lines;
  for (const auto& token : tokens) lines.push_back(line_of(token));
  RecordList list;
  list.append(lines);
  return list;
}

std::vector<std::string> tokens_of(const RecordList& list) {
  std::vector<std::string> tokens;
  for (int k = 1; k <= list.count(); ++k) {
    const auto line = without_trailing_blanks(list.line(k));
    tokens.push_back(line.substr(line.rfind(' ') + 1));
  }
  return tokens;
}

struct GroupCase {
  const char* name;
  std::vector<std::string> lines;
  int r;
  int start;
  int length;
  bool headless = false;
};

TEST(ReservoirGroup, FoundByTheRule) {
  const GroupCase cases[] = {
      {"first line of two", {"a", "F1", "V1", "b"}, 2, 2, 2},
      {"second line of two", {"a", "F1", "V1", "b"}, 3, 2, 2},
      {"first line of three", {"F1", "V1", "W1"}, 1, 1, 3},
      {"third line of three", {"F1", "V1", "W1"}, 3, 1, 3},
      {"second of two groups", {"F1", "V1", "F2", "V2"}, 3, 3, 2},
      {"value line of the second group", {"F1", "V1", "F2", "V2"}, 4, 3, 2},
      {"third line after two groups", {"F1", "V1", "W1", "F2", "V2", "W2"}, 6, 4, 3},
      {"value line with no first line", {"a", "b", "V1"}, 3, 3, 1, true},
      {"value line three below a first line", {"F1", "a", "b", "V1"}, 4, 4, 1, true},
      {"first line last in the list", {"a", "F1"}, 2, 2, 1},
      {"first line before another first line", {"F1", "F2", "V2"}, 1, 1, 1},
      {"value line after a first line without one", {"F1", "F2", "V2"}, 3, 2, 2},
      {"first line before another record", {"F1", "a", "V1"}, 1, 1, 1},
      {"fourth value line", {"F1", "V1", "W1", "V2"}, 4, 4, 1, true},
      {"value lines without first line pair off", {"a", "V1", "W1", "V2", "W2", "V3"}, 4, 4, 2, true},
      {"second of a pair", {"a", "V1", "W1", "V2", "W2", "V3"}, 5, 4, 2, true},
      {"last of an odd run", {"a", "V1", "W1", "V2", "W2", "V3"}, 6, 6, 1, true},
      {"pairs after a full group", {"F1", "V1", "W1", "V2", "W2"}, 5, 4, 2, true},
      {"a line of another record", {"F1", "V1", "a"}, 3, 0, 0},
  };
  for (const auto& c : cases) {
    const auto group = reservoir_group(list_of(c.lines), c.r);
    EXPECT_EQ(group.start, c.start) << c.name;
    EXPECT_EQ(group.length, c.length) << c.name;
    EXPECT_EQ(group.headless, c.headless) << c.name;
  }
}

using Operation = std::optional<int> (*)(RecordList&, int);

struct OperationCase {
  const char* name;
  Operation operation;
  std::vector<std::string> before;
  int selection;
  std::optional<int> selected;  // nothing: the view is left alone
  std::vector<std::string> after;
};

void PrintTo(const OperationCase& c, std::ostream* os) { *os << c.name; }

class ListOperation : public testing::TestWithParam<OperationCase> {};

TEST_P(ListOperation, MovesTheLinesAndSelects) {
  const auto& c = GetParam();
  auto list = list_of(c.before);
  EXPECT_EQ(c.operation(list, c.selection), c.selected);
  EXPECT_EQ(tokens_of(list), c.after);
}

const OperationCase kMoveUp[] = {
    {"NoSelection", move_up, {"a", "b"}, 0, std::nullopt, {"a", "b"}},
    {"ExchangesWithTheLineAbove", move_up, {"a", "b", "c"}, 2, 1, {"b", "a", "c"}},
    {"FirstLineStays", move_up, {"a", "b"}, 1, 1, {"a", "b"}},
    {"GroupByItsFirstLine", move_up, {"a", "F1", "V1", "b"}, 2, 2, {"F1", "V1", "a", "b"}},
    {"GroupByItsSecondLine", move_up, {"a", "F1", "V1", "b"}, 3, 2, {"F1", "V1", "a", "b"}},
    {"ThreeLineGroupByItsLastLine", move_up, {"a", "F1", "V1", "W1", "b"}, 4, 3, {"F1", "V1", "W1", "a", "b"}},
    {"GroupAtTheTopStays", move_up, {"F1", "V1", "a"}, 2, 2, {"F1", "V1", "a"}},
    {"LineJumpsAboveTwoLineGroup", move_up, {"a", "F1", "V1", "b"}, 4, 2, {"a", "b", "F1", "V1"}},
    {"LineJumpsAboveThreeLineGroup", move_up, {"F1", "V1", "W1", "b"}, 4, 1, {"b", "F1", "V1", "W1"}},
    {"GroupPassesTheWholeGroupAbove", move_up, {"F1", "V1", "F2", "V2", "W2"}, 3, 3, {"F2", "V2", "W2", "F1", "V1"}},
    {"LoneFirstLineAtTheEndMovesAlone", move_up, {"a", "F1"}, 2, 1, {"F1", "a"}},
    {"LoneValueLineMovesAlone", move_up, {"a", "V1"}, 2, 1, {"V1", "a"}},
};
INSTANTIATE_TEST_SUITE_P(MoveUp, ListOperation, testing::ValuesIn(kMoveUp),
                         [](const auto& info) { return std::string(info.param.name); });

const OperationCase kMoveDown[] = {
    {"NoSelection", move_down, {"a", "b"}, 0, std::nullopt, {"a", "b"}},
    {"ExchangesWithTheLineBelow", move_down, {"a", "b", "c"}, 2, 3, {"a", "c", "b"}},
    {"LastLineLeavesTheViewAlone", move_down, {"a", "b"}, 2, std::nullopt, {"a", "b"}},
    {"GroupByItsFirstLine", move_down, {"a", "F1", "V1", "b"}, 2, 4, {"a", "b", "F1", "V1"}},
    {"ThreeLineGroupByItsMiddleLine", move_down, {"F1", "V1", "W1", "b"}, 2, 4, {"b", "F1", "V1", "W1"}},
    {"GroupAtTheBottomStays", move_down, {"a", "F1", "V1"}, 2, 2, {"a", "F1", "V1"}},
    {"LineJumpsBelowTwoLineGroup", move_down, {"a", "F1", "V1", "b"}, 1, 3, {"F1", "V1", "a", "b"}},
    {"LineJumpsBelowThreeLineGroup", move_down, {"a", "F1", "V1", "W1"}, 1, 4, {"F1", "V1", "W1", "a"}},
    {"GroupPassesTheWholeGroupBelow", move_down, {"F1", "V1", "F2", "V2", "W2"}, 1, 5, {"F2", "V2", "W2", "F1", "V1"}},
    {"LinePassesALoneFirstLine", move_down, {"a", "F1"}, 1, 2, {"F1", "a"}},
};
INSTANTIATE_TEST_SUITE_P(MoveDown, ListOperation, testing::ValuesIn(kMoveDown),
                         [](const auto& info) { return std::string(info.param.name); });

const OperationCase kDelete[] = {
    {"NoSelection", delete_line, {"a", "b"}, 0, std::nullopt, {"a", "b"}},
    {"LineInTheMiddleSelectsTheNext", delete_line, {"a", "b", "c"}, 2, 2, {"a", "c"}},
    {"LastLineSelectsTheNewLast", delete_line, {"a", "b", "c"}, 3, 2, {"a", "b"}},
    {"OnlyLineLeavesNothingSelected", delete_line, {"a"}, 1, 0, {}},
    {"GroupFromItsMiddleLine", delete_line, {"a", "F1", "V1", "W1", "b"}, 3, 2, {"a", "b"}},
    {"GroupAtTheTop", delete_line, {"F1", "V1", "a"}, 2, 1, {"a"}},
    {"GroupAtTheBottom", delete_line, {"a", "F1", "V1"}, 3, 1, {"a"}},
    {"LoneFirstLineAtTheEndGoesAlone", delete_line, {"a", "F1"}, 2, 1, {"a"}},
    {"ValueLineWithoutFirstLineGoesAlone", delete_line, {"a", "b", "V1"}, 3, 2, {"a", "b"}},
};
INSTANTIATE_TEST_SUITE_P(Delete, ListOperation, testing::ValuesIn(kDelete),
                         [](const auto& info) { return std::string(info.param.name); });

// Broken groups: a first line without its storage line, storage lines
// without a first line, more storage lines than a record has. A group takes
// only its own first line and the storage lines directly after it, and
// every operation moves or removes exactly the lines of one record.
const OperationCase kBrokenGroups[] = {
    {"DeleteGroupAfterALoneFirstLine", delete_line, {"a", "F1", "F2", "V2", "b"}, 4, 3, {"a", "F1", "b"}},
    {"DeleteLoneFirstLineBeforeAGroup", delete_line, {"F1", "F2", "V2"}, 1, 1, {"F2", "V2"}},
    {"DeleteFirstLineBeforeAnotherRecord", delete_line, {"F1", "a", "V9"}, 1, 1, {"a", "V9"}},
    {"DeleteFourthStorageLine", delete_line, {"F1", "V1", "W1", "V2"}, 4, 3, {"F1", "V1", "W1"}},
    {"DeleteStorageLinesWithoutFirstLine", delete_line, {"a", "V1", "W1", "b"}, 3, 2, {"a", "b"}},
    {"MoveUpGroupPastALoneFirstLine", move_up, {"F1", "F2", "V2"}, 3, 2, {"F2", "V2", "F1"}},
    {"MoveUpLinePastALoneFirstLine", move_up, {"F1", "a", "V9"}, 2, 1, {"a", "F1", "V9"}},
    {"MoveUpStorageLinesWithoutFirstLine", move_up, {"a", "V1", "W1"}, 2, 2, {"V1", "W1", "a"}},
    {"MoveDownLoneFirstLinePastAGroup", move_down, {"F1", "F2", "V2"}, 1, 3, {"F2", "V2", "F1"}},
    {"MoveDownLinePastALoneFirstLine", move_down, {"a", "F1", "b"}, 1, 2, {"F1", "a", "b"}},
    {"MoveDownGroupPastAFourthStorageLine", move_down, {"F1", "V1", "W1", "V2", "a"}, 1, 4,
     {"V2", "F1", "V1", "W1", "a"}},
};
INSTANTIATE_TEST_SUITE_P(BrokenGroups, ListOperation, testing::ValuesIn(kBrokenGroups),
                         [](const auto& info) { return std::string(info.param.name); });

// A file whose first 2RES record lost its storage line: deleting the second
// record, by its storage line, leaves the first.
TEST(ListOperation, DeleteKeepsTheLineOfTheRecordAbove) {
  RecordList list;
  list.append(std::vector<std::string>{"TITL t", "2RES   1   0   1    RES1", "2RES   1   0   1    RES2",
                                       "2RES               60000", "ENDF"});
  EXPECT_EQ(delete_line(list, 4), 3);
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(without_trailing_blanks(list.line(1)), "TITL t");
  EXPECT_EQ(without_trailing_blanks(list.line(2)), "2RES   1   0   1    RES1");
  EXPECT_EQ(without_trailing_blanks(list.line(3)), "ENDF");
}

}  // namespace
}  // namespace tarnex::tin
