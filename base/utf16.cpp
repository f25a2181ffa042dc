#include "base/utf16.h"

#include <utility>

namespace tarnex {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point of the sequence at `text[at]` and its length in bytes; a
// byte that begins no valid sequence is U+FFFD of length 1.
std::pair<char32_t, std::size_t> decode(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1};
  struct Form {
    unsigned char mask, bits;
    std::size_t length;
    char32_t smallest;
  };
  constexpr Form kForms[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};
  for (const auto& form : kForms) {
    if ((lead & form.mask) != form.bits) continue;
    if (at + form.length > text.size()) return {kReplacement, 1};
    char32_t code = lead & static_cast<unsigned char>(~form.mask);
    for (std::size_t i = 1; i < form.length; ++i) {
      const auto byte = static_cast<unsigned char>(text[at + i]);
      if (!is_continuation(byte)) return {kReplacement, 1};
      code = (code << 6) | (byte & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < form.smallest || code > 0x10FFFF || surrogate) return {kReplacement, 1};
    return {code, form.length};
  }
  return {kReplacement, 1};
}

bool is_high_surrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string utf16_of(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const auto [code, length] = decode(utf8, at);
    at += length;
    if (code < 0x10000) {
      out += static_cast<char16_t>(code);
    } else {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return out;
}

void append_utf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::size_t utf8_sequence_length(std::string_view bytes) {
  if (bytes.empty()) return 0;
  // A valid U+FFFD is three bytes long; the replacement of a byte that
  // begins no sequence, one.
  const auto [code, length] = decode(bytes, 0);
  return code == kReplacement && length == 1 ? 0 : length;
}

std::string utf8_of(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t at = 0; at < utf16.size(); ++at) {
    const char16_t unit = utf16[at];
    if (is_high_surrogate(unit) && at + 1 < utf16.size() && is_low_surrogate(utf16[at + 1])) {
      append_utf8(out, 0x10000 + ((static_cast<char32_t>(unit - 0xD800) << 10) | (utf16[at + 1] - 0xDC00)));
      ++at;
    } else if (is_high_surrogate(unit) || is_low_surrogate(unit)) {
      append_utf8(out, kReplacement);
    } else {
      append_utf8(out, unit);
    }
  }
  return out;
}

}  // namespace tarnex
