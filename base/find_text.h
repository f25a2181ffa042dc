#pragma once
// Find in a text, as the main window's find bar and the transcript view of
// the History window search: every place a needle stands, for a count of
// matches and a step to the next or previous one.

#include <cstddef>
#include <string_view>
#include <vector>

namespace tarnex {

enum class MatchCase { Ignore, Exact };

// Where `needle` begins in `text`, in order; each match starts after the end
// of the one before, so "aa" is found twice in "aaaa". Nothing for an empty
// needle. Ignoring case folds the letters A-Z only: the model programs print
// ASCII, and a fold of other scripts would need tables this does not carry.
std::vector<std::size_t> find_matches(std::string_view text, std::string_view needle, MatchCase match_case);
// The same over UTF-16 code units, as a text view holds its text.
std::vector<std::size_t> find_matches(std::u16string_view text, std::u16string_view needle, MatchCase match_case);

// The match to go to from the caret at `position` (an offset into the text):
// the first that begins at or after it going forward, the last that begins
// before it going back, wrapping round at the ends. Nothing when there are
// no matches.
std::ptrdiff_t next_match(const std::vector<std::size_t>& matches, std::size_t position, bool forward);

}  // namespace tarnex
