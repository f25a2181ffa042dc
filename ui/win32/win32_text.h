#pragma once
// Texts the window shows that the logic hands over as bytes, as the model
// programs and files hold them. Whatever the bytes, the window shows
// something: invalid UTF-8 shows as the replacement character (wide()).

#include <string>
#include <string_view>

#include "ui/win32/wide_text.h"

namespace tarnex::ui::win32 {

// A text for a message box or a control of several lines: NUL shows as a
// blank, and every carriage-return/line-feed pair, lone carriage return or
// lone line feed is one line break (CR LF, as the controls want it).
std::wstring lines_text(std::string_view utf8);

// A row of the text window, which shows one character in each cell: a tab
// goes on to the next multiple of eight columns, and any other control
// character shows as a blank.
std::wstring row_text(std::string_view utf8);

}  // namespace tarnex::ui::win32
