// Texts from the logic's UTF-8 to the window's UTF-16: rows of the text
// window one character a cell, and texts of several lines for the controls.

#include "ui/win32/win32_text.h"

#include <gtest/gtest.h>

namespace tarnex::ui::win32 {
namespace {

struct Case {
  std::string_view bytes;
  std::wstring_view shown;
};

TEST(Win32TextTest, RowsShowOneCharacterInEachCell) {
  for (const Case& c : {Case{"plain", L"plain"}, Case{"a\tb", L"a       b"}, Case{"1234567\tx", L"1234567 x"},
                        Case{"12345678\tx", L"12345678        x"}, Case{std::string_view("n\0l", 3), L"n l"},
                        Case{"bell\x07", L"bell "}, Case{"\xC3\xA9t\xC3\xA9", L"\u00E9t\u00E9"},
                        Case{"cut \xC3", L"cut \uFFFD"}}) {
    EXPECT_EQ(row_text(c.bytes), c.shown) << c.bytes;
  }
}

TEST(Win32TextTest, EveryKindOfLineEndIsOneLineBreakForTheControls) {
  for (const Case& c : {Case{"one\rtwo", L"one\r\ntwo"}, Case{"one\ntwo", L"one\r\ntwo"},
                        Case{"one\r\ntwo", L"one\r\ntwo"}, Case{"one\r\r\ntwo", L"one\r\n\r\ntwo"},
                        Case{std::string_view("n\0l", 3), L"n l"}}) {
    EXPECT_EQ(lines_text(c.bytes), c.shown) << c.bytes;
  }
}

}  // namespace
}  // namespace tarnex::ui::win32
