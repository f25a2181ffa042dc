#include "base/find_text.h"

#include <algorithm>
#include <string>

namespace tarnex {
namespace {

template <typename Char>
Char folded(Char c) {
  return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

// Folding a copy first lets the library's own search run over it, many
// characters at a time, instead of a comparison per character pair.
template <typename Char>
std::vector<std::size_t> matches_of(std::basic_string_view<Char> text, std::basic_string_view<Char> needle,
                                    MatchCase match_case) {
  std::vector<std::size_t> found;
  if (needle.empty() || needle.size() > text.size()) return found;
  std::basic_string<Char> folded_text, folded_needle;
  if (match_case == MatchCase::Ignore) {
    folded_text.resize(text.size());
    std::ranges::transform(text, folded_text.begin(), folded<Char>);
    folded_needle.resize(needle.size());
    std::ranges::transform(needle, folded_needle.begin(), folded<Char>);
    text = folded_text;
    needle = folded_needle;
  }
  for (auto at = text.find(needle); at != std::basic_string_view<Char>::npos;
       at = text.find(needle, at + needle.size())) {
    found.push_back(at);
  }
  return found;
}

}  // namespace

std::vector<std::size_t> find_matches(std::string_view text, std::string_view needle, MatchCase match_case) {
  return matches_of(text, needle, match_case);
}

std::vector<std::size_t> find_matches(std::u16string_view text, std::u16string_view needle, MatchCase match_case) {
  return matches_of(text, needle, match_case);
}

std::ptrdiff_t next_match(const std::vector<std::size_t>& matches, std::size_t position, bool forward) {
  if (matches.empty()) return -1;
  const auto last = static_cast<std::ptrdiff_t>(matches.size()) - 1;
  if (forward) {
    const auto at = std::ranges::lower_bound(matches, position) - matches.begin();
    return at > last ? 0 : at;
  }
  const auto at = std::ranges::lower_bound(matches, position) - matches.begin() - 1;
  return at < 0 ? last : at;
}

}  // namespace tarnex
