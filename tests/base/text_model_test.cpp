#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base/text_model.h"

namespace tarnex {
namespace {

TEST(TextModel, WritesRowsAndPartialLines) {
  TextModel model;
  model.write_line("first");
  model.write("par");
  model.write("tial\nnext");
  EXPECT_EQ(model.text(), "first\npartial\nnext");
  EXPECT_EQ(model.position().row, 3);
  EXPECT_EQ(model.position().column, 5);
}

TEST(TextModel, CarriageReturnOverwritesFromColumnOne) {
  TextModel model;
  model.write("10%\r20%\r\n");
  model.write_line("done");
  EXPECT_EQ(model.text(), "20%\ndone");
}

TEST(TextModel, KeepsAnyBytes) {
  TextModel model;
  const std::string odd("a\0b\xff\xc3", 5);
  model.write(odd);
  EXPECT_EQ(model.rows().front(), odd);
}

TEST(TextModel, KeepsOnlyTheLastRows) {
  TextModel model;
  for (int i = 1; i <= 1000; ++i) model.write_line("row " + std::to_string(i));
  const auto rows = model.rows();
  ASSERT_EQ(rows.size(), TextModel::kRows);
  EXPECT_EQ(rows.front(), "row 752");
  EXPECT_EQ(rows[TextModel::kRows - 2], "row 1000");
  EXPECT_EQ(model.position().row, static_cast<int>(TextModel::kRows));
}

TEST(TextModel, SnapshotCountsTheRowsThatLeftTheTop) {
  struct Case {
    int lines;
    bool clear_after;
    std::uint64_t dropped;
    const char* first_row;
  };
  // 1000 lines leave 250 rows: the empty row the next line goes to and the
  // last 249 lines; a clear drops every row it finds.
  const Case cases[] = {{10, false, 0, "row 1"}, {249, false, 0, "row 1"}, {250, false, 1, "row 2"},
                        {1000, false, 751, "row 752"}, {10, true, 11, ""}, {1000, true, 1001, ""}};
  for (const auto& c : cases) {
    TextModel model;
    for (int i = 1; i <= c.lines; ++i) model.write_line("row " + std::to_string(i));
    if (c.clear_after) model.clear();
    const auto snapshot = model.snapshot();
    EXPECT_EQ(snapshot.dropped, c.dropped) << c.lines;
    EXPECT_EQ(snapshot.rows, model.rows()) << c.lines;
    EXPECT_EQ(snapshot.rows.front(), c.first_row) << c.lines;
    EXPECT_EQ(snapshot.version, model.version()) << c.lines;
  }
}

TEST(TextModel, PositionAddsBlankRowsAndClearStartsOver) {
  TextModel model;
  model.write_line("x");
  model.set_position({5, 3});
  model.write("y");
  EXPECT_EQ(model.rows().size(), 5u);
  EXPECT_EQ(model.rows()[4], "  y");
  model.clear();
  EXPECT_EQ(model.text(), "");
  EXPECT_EQ(model.position().row, 1);
}

TEST(TextModel, VersionCountsChangesAndWritersDoNotRace) {
  TextModel model;
  const auto before = model.version();
  std::thread writer([&] {
    for (int i = 0; i < 2000; ++i) model.write("chunk\n");
  });
  for (int i = 0; i < 2000; ++i) (void)model.rows();
  writer.join();
  EXPECT_EQ(model.version(), before + 2000);
  EXPECT_EQ(model.rows().size(), TextModel::kRows);
}

constexpr std::size_t kLimit = TextModel::kColumns;

std::string a(std::size_t count) { return std::string(count, 'a'); }

// `full` rows of kLimit bytes, then `last`.
std::vector<std::string> full_rows_then(std::size_t full, const std::string& last) {
  std::vector<std::string> rows(full, a(kLimit));
  rows.push_back(last);
  return rows;
}

TEST(TextModel, RowsWrapAtTheColumnLimit) {
  struct Case {
    const char* name;
    std::vector<std::string> writes;
    std::vector<std::string> rows;
    TextPosition position;
  };
  const std::string e_acute = "\xc3\xa9";
  const Case cases[] = {
      {"exactly the limit: the position waits past the last column", {a(kLimit)}, {a(kLimit)}, {1, kLimit + 1}},
      {"the limit and a line feed make one row", {a(kLimit) + "\n"}, {a(kLimit), ""}, {2, 1}},
      {"the limit and CR LF make one row", {a(kLimit), "\r\n"}, {a(kLimit), ""}, {2, 1}},
      {"one past the limit goes on at column 1 of the next row", {a(kLimit + 1)}, {a(kLimit), "a"}, {2, 2}},
      {"a byte after a full row, in a write of its own, wraps too", {a(kLimit), "b"}, {a(kLimit), "b"}, {2, 2}},
      {"a write across the limit is cut at it", {a(kLimit - 1), "bc"}, {a(kLimit - 1) + "b", "c"}, {2, 2}},
      {"a carriage return on a full row goes back to its column 1",
       {a(kLimit), "\rb"}, {"b" + a(kLimit - 1)}, {1, 2}},
      {"a carriage return after the wrap goes back to the wrapped row's column 1",
       {a(kLimit + 3), "\rb"}, {a(kLimit), "baa"}, {2, 2}},
      {"a line feed after the wrap starts the row below it", {a(kLimit + 3) + "\nx"}, {a(kLimit), "aaa", "x"}, {3, 2}},
      {"a huge write keeps the last rows, the last one partly filled",
       {a(300 * kLimit + 7)}, full_rows_then(TextModel::kRows - 1, a(7)), {250, 8}},
      {"a character the limit would cut goes whole to the next row",
       {a(kLimit - 1) + e_acute + "b"}, {a(kLimit - 1), e_acute + "b"}, {2, 4}},
      {"also when its bytes come in two writes", {a(kLimit - 1) + "\xc3", "\xa9"}, {a(kLimit - 1), e_acute}, {2, 3}},
      {"bytes that begin no character are cut as they come",
       {a(kLimit - 1) + "\xa9\xa9"}, {a(kLimit - 1) + "\xa9", "\xa9"}, {2, 2}},
      {"short rows are as they always were", {"abc\r", "x\n", "yz"}, {"xbc", "yz"}, {2, 3}},
  };
  for (const auto& c : cases) {
    TextModel model;
    for (const auto& bytes : c.writes) model.write(bytes);
    EXPECT_EQ(model.rows(), c.rows) << c.name;
    EXPECT_EQ(model.position().row, c.position.row) << c.name;
    EXPECT_EQ(model.position().column, c.position.column) << c.name;
  }
}

TEST(TextModel, PositionPastTheLimitWaitsAtItsEnd) {
  TextModel model;
  model.set_position({1, 70000});
  EXPECT_EQ(model.position().column, static_cast<int>(kLimit) + 1);
  model.write("x");
  EXPECT_EQ(model.rows(), (std::vector<std::string>{"", "x"}));
}

TEST(TextModel, ChangesSinceAVersionAreTheRowsFromTheFirstChangedOne) {
  struct Case {
    const char* name;
    std::function<void(TextModel&)> change;
    std::size_t first;
    std::vector<std::string> rows;
    std::uint64_t dropped;
  };
  // Before each change the model holds "one", "two", "thr" and the position
  // is at the end of "thr".
  const Case cases[] = {
      {"nothing written", [](TextModel& m) { m.write(""); }, 3, {}, 0},
      {"the last row goes on", [](TextModel& m) { m.write("ee"); }, 2, {"three"}, 0},
      {"new rows below", [](TextModel& m) { m.write("\nfour\nfive"); }, 3, {"four", "five"}, 0},
      {"a row above written over", [](TextModel& m) {
         m.set_position({2, 1});
         m.write("TWO");
       }, 1, {"TWO", "thr"}, 0},
      {"rows left the top", [](TextModel& m) {
         for (std::size_t i = 0; i < TextModel::kRows; ++i) m.write("\n");
       }, 0, std::vector<std::string>(TextModel::kRows, ""), 3},
      {"cleared", [](TextModel& m) { m.clear(); }, 0, {""}, 3},
  };
  for (const auto& c : cases) {
    TextModel model;
    model.write("one\ntwo\nthr");
    const auto before = model.version();
    c.change(model);
    const auto changes = model.changes_since(before);
    EXPECT_EQ(changes.first, c.first) << c.name;
    EXPECT_EQ(changes.rows, c.rows) << c.name;
    EXPECT_EQ(changes.dropped, c.dropped) << c.name;
    EXPECT_EQ(changes.version, model.version()) << c.name;
  }
}

TEST(TextModel, AFloodOnOneLineKeepsTheModelWithinItsRows) {
  TextModel model;
  const std::string chunk(511, 'x');
  std::uint64_t shown = model.version();
  std::size_t largest = 0;
  for (int i = 0; i < 20000; ++i) {  // about 10 MiB
    model.write(chunk);
    if (i % 100 == 0) {
      const auto changes = model.changes_since(shown);
      shown = changes.version;
      std::size_t bytes = 0;
      for (const auto& row : changes.rows) bytes += row.size();
      largest = std::max(largest, bytes);
    }
  }
  const auto rows = model.rows();
  EXPECT_EQ(rows.size(), TextModel::kRows);
  for (const auto& row : rows) EXPECT_LE(row.size(), kLimit);
  // what one redraw takes after 100 writes of 511 bytes: the rows they touched
  EXPECT_LE(largest, 100 * 511 + 2 * kLimit);
}

}  // namespace
}  // namespace tarnex
