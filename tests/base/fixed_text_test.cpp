#include <gtest/gtest.h>

#include "base/fixed_text.h"

namespace tarnex {
namespace {

struct FitCase {
  std::string text;
  std::size_t length;
  std::string expected;
};

TEST(FixedText, FitCutsOrPads) {
  const FitCase cases[] = {
      {"BASIN", 8, "BASIN   "},
      {"BASIN", 3, "BAS"},
      {"", 2, "  "},
      {"AB  ", 2, "AB"},
      {"EXACT", 5, "EXACT"},
  };
  for (const auto& c : cases) EXPECT_EQ(fit(c.text, c.length), c.expected) << c.text;
}

TEST(FixedText, BlanksAndTrailingBlanks) {
  EXPECT_TRUE(is_blank(""));
  EXPECT_TRUE(is_blank("    "));
  EXPECT_FALSE(is_blank("   x"));
  EXPECT_FALSE(is_blank("\t"));  // only the blank counts as blank
  EXPECT_EQ(length_without_trailing_blanks("AB C   "), 4u);
  EXPECT_EQ(length_without_trailing_blanks("     "), 0u);
  EXPECT_EQ(without_trailing_blanks("  AB  "), "  AB");
}

TEST(FixedText, ShiftsKeepTheLength) {
  EXPECT_EQ(remove_leading_blanks("  AB  "), "AB    ");
  EXPECT_EQ(remove_leading_blanks("    "), "    ");
  EXPECT_EQ(right_adjust("AB    "), "    AB");
  EXPECT_EQ(right_adjust("  AB  "), "    AB");
  EXPECT_EQ(right_adjust(""), "");
}

TEST(FixedText, ColumnsReadAndWrite) {
  std::string record = fit("IDEN", 12);
  put_columns(record, 5, 4, "ABCDEF");
  EXPECT_EQ(record, "IDENABCD    ");
  put_columns(record, 11, 4, "XYZ");  // runs past the end: cut with the field
  EXPECT_EQ(record, "IDENABCD  XY");
  put_columns(record, 5, 4, "Q");
  EXPECT_EQ(record, "IDENQ     XY");
  EXPECT_EQ(columns("IDENQ", 4, 3), "NQ ");
  EXPECT_EQ(columns("ID", 5, 2), "  ");
}

TEST(FixedText, SplitLines) {
  EXPECT_EQ(split_lines("a\nb\n"), (std::vector<std::string_view>{"a", "b"}));
  EXPECT_EQ(split_lines("a\n\nb"), (std::vector<std::string_view>{"a", "", "b"}));
  EXPECT_TRUE(split_lines("").empty());
}

}  // namespace
}  // namespace tarnex
