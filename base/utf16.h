#pragma once
// Tarnex keeps every text, names of files and directories included, as
// UTF-8; Windows takes names as UTF-16. These read UTF-8, write it, and
// convert at that boundary.

#include <string>
#include <string_view>

namespace tarnex {

// Each byte that begins no valid UTF-8 sequence (a stray continuation byte,
// a cut sequence, an overlong form, a surrogate) becomes U+FFFD.
std::u16string utf16_of(std::string_view utf8);

// A lone surrogate becomes U+FFFD.
std::string utf8_of(std::u16string_view utf16);

// The length of the valid UTF-8 sequence `bytes` starts with; 0 when its
// first byte begins none (see utf16_of), or `bytes` is empty.
std::size_t utf8_sequence_length(std::string_view bytes);

// Appends the code point as UTF-8.
void append_utf8(std::string& out, char32_t code);

}  // namespace tarnex
