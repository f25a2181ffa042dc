// Counts and selectors are read as the model programs read integers; text
// that holds no whole number counts as 0.

#include <gtest/gtest.h>

#include "tin/catalogue/free_format_integer.h"

namespace tarnex::tin {
namespace {

TEST(FreeFormatInteger, ReadsWholeNumbersAndCountsTheRestAsZero) {
  const std::pair<std::string_view, int> cases[] = {
      {"", 0},       {"    ", 0},    {"   8", 8},  {"-8", -8},   {"  +5", 5},   {"17  ", 17},
      {"7 8", 7},    {"2,3", 2},     {"4/", 4},     {"NUM", 0},  {" NUM", 0},   {"3.", 0},
      {"1e2", 0},    {"12ab", 0},    {"-", 0},      {"99999999999", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(free_format_integer(text), value) << '"' << text << '"';
}

TEST(FreeFormatInteger, TellsTextHoldingNoNumberFromZero) {
  const std::pair<std::string_view, std::optional<int>> cases[] = {
      {"", std::nullopt},  {"    ", std::nullopt}, {"x", std::nullopt}, {"3.", std::nullopt},
      {"0", 0},            {"  -0", 0},            {" -4 ", -4},          {"7,", 7},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(free_format_integer_if_any(text), value) << '"' << text << '"';
}

}  // namespace
}  // namespace tarnex::tin
