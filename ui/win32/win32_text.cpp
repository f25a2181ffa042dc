#include "ui/win32/win32_text.h"

namespace tarnex::ui::win32 {
namespace {

constexpr std::size_t kTabWidth = 8;

}  // namespace

std::wstring lines_text(std::string_view utf8) {
  const std::wstring text = wide(utf8);
  std::wstring result;
  result.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\0') {
      result += L' ';
    } else if (c == L'\r') {
      if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      result += L"\r\n";
    } else if (c == L'\n') {
      result += L"\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

std::wstring row_text(std::string_view utf8) {
  const std::wstring text = wide(utf8);
  std::wstring result;
  result.reserve(text.size());
  for (const wchar_t c : text) {
    if (c == L'\t') {
      result.append(kTabWidth - result.size() % kTabWidth, L' ');
    } else if (c < L' ' || c == 0x7F) {
      result += L' ';
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace tarnex::ui::win32
