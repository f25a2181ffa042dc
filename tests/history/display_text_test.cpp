// What a transcript view shows of any bytes a program printed.

#include <gtest/gtest.h>

#include <string>

#include "history/display_text.h"

namespace tarnex::history {
namespace {

struct DisplayCase {
  std::string bytes;
  std::string shown;
};

TEST(Displayable, EveryByteShowsSafely) {
  const DisplayCase cases[] = {
      {"plain text\n", "plain text\n"},
      {"tab\there", "tab\there"},
      {"dos\r\nline\r\n", "dos\nline\n"},
      {"old mac\rline", "old mac\nline"},
      {std::string("nul\0here", 8), "nul\xE2\x90\x80here"},
      {"bell\a esc\x1b del\x7f", "bell\xE2\x90\x87 esc\xE2\x90\x9B del\xE2\x90\xA1"},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
      {"bad \xff byte", "bad \xEF\xBF\xBD byte"},
      {"cut \xE2\x82", "cut \xEF\xBF\xBD\xEF\xBF\xBD"},
      {"overlong \xC0\xAF", "overlong \xEF\xBF\xBD\xEF\xBF\xBD"},
      {"surrogate \xED\xA0\x80", "surrogate \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"too high \xF4\x90\x80\x80", "too high \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(displayable(c.bytes), c.shown) << c.bytes;
}

}  // namespace
}  // namespace tarnex::history
