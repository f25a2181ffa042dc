#include "ui/win32/wide_text.h"

#include <algorithm>

#include "base/utf16.h"

namespace tarnex::ui::win32 {

std::wstring wide(std::string_view utf8) {
  const std::u16string text = utf16_of(utf8);
  return {text.begin(), text.end()};
}

std::string narrow(std::wstring_view utf16) {
  return utf8_of(std::u16string(utf16.begin(), utf16.end()));
}

std::string window_text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  std::wstring lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
    lines += text[i];
  }
  return narrow(lines);
}

std::wstring with_crlf(std::wstring_view text) {
  std::wstring result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
    if (text[i] == L'\n') result += L'\r';
    result += text[i];
  }
  return result;
}

int box_position(std::wstring_view box_text, int position) {
  int box = 0;
  for (int outside = 0; outside < position && box < static_cast<int>(box_text.size()); ++outside) {
    if (box_text[static_cast<std::size_t>(box)] == L'\r' && box + 1 < static_cast<int>(box_text.size()) &&
        box_text[static_cast<std::size_t>(box) + 1] == L'\n') {
      ++box;
    }
    ++box;
  }
  return box;
}

int outside_position(std::wstring_view box_text, int box_position) {
  const auto end = box_text.begin() + std::clamp(box_position, 0, static_cast<int>(box_text.size()));
  return static_cast<int>(end - box_text.begin()) -
         static_cast<int>(std::count(box_text.begin(), end, L'\r'));
}

}  // namespace tarnex::ui::win32
