#pragma once
// Tarnex keeps every text, names of files and directories included, as
// UTF-8; Windows takes names as UTF-16. These convert at that boundary.

#include <string>
#include <string_view>

namespace tarnex {

// Each byte that begins no valid UTF-8 sequence (a stray continuation byte,
// a cut sequence, an overlong form, a surrogate) becomes U+FFFD.
std::u16string utf16_of(std::string_view utf8);

// A lone surrogate becomes U+FFFD.
std::string utf8_of(std::u16string_view utf16);

}  // namespace tarnex
