#pragma once
// Texts cross between the logic (UTF-8 bytes, as the model programs and
// files hold them) and the Win32 API (UTF-16). Whatever the bytes, the window
// shows something: invalid UTF-8 shows as the replacement character.

#include <string>
#include <string_view>

namespace tarnex::ui::win32 {

std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// A text for a message box or a control of several lines: NUL shows as a
// blank, and every carriage-return/line-feed pair, lone carriage return or
// lone line feed is one line break (CR LF, as the controls want it).
std::wstring lines_text(std::string_view utf8);

// A row of the text window, which shows one character in each cell: a tab
// goes on to the next multiple of eight columns, and any other control
// character shows as a blank.
std::wstring row_text(std::string_view utf8);

}  // namespace tarnex::ui::win32
