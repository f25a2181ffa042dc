#include "history/display_text.h"

#include "base/utf16.h"

namespace tarnex::history {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

std::string displayable(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '\r') {
      out += '\n';
      i += (i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    } else if (c == '\n' || c == '\t' || (c >= 0x20 && c < 0x7F)) {
      out += static_cast<char>(c);
      ++i;
    } else if (c < 0x20 || c == 0x7F) {
      append_utf8(out, c == 0x7F ? char32_t{0x2421} : char32_t{0x2400} + c);
      ++i;
    } else if (const auto length = utf8_sequence_length(bytes.substr(i)); length > 0) {
      out.append(bytes.substr(i, length));
      i += length;
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

}  // namespace tarnex::history
