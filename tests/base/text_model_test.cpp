#include <gtest/gtest.h>

#include <thread>

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

}  // namespace
}  // namespace tarnex
