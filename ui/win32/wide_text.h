#pragma once
// Texts are UTF-8 inside Tarnex and UTF-16 at the Win32 interface; lines end
// in LF inside Tarnex and in CR LF inside a Win32 edit box.

#include <windows.h>

#include <string>
#include <string_view>

namespace tarnex::ui::win32 {

std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// The text of a window, lines ending in LF.
std::string window_text(HWND window);
// CR LF and lone LF both become CR LF, for a multi-line edit box.
std::wstring with_crlf(std::wstring_view text);
// Positions in a multi-line box count CR LF as two characters, outside it
// the line end is one.
int box_position(std::wstring_view box_text, int position);
int outside_position(std::wstring_view box_text, int box_position);

}  // namespace tarnex::ui::win32
