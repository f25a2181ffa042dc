#include "tin/catalogue/iden_format.h"

#include <algorithm>
#include <array>

#include "base/fixed_text.h"

namespace tarnex::tin {
namespace {

constexpr std::size_t kTextLength = 252;
constexpr std::size_t kMeasuredRuns = 8;

// 1-based positions that hold the second blank of the 2x of fields 2, 4, 6
// and 8 in the 8-column layouts (flag A), and their first character (flag B).
constexpr std::array<std::size_t, 4> kSecondBlanks = {10, 26, 42, 58};
constexpr std::array<std::size_t, 4> kFirstCharacters = {9, 25, 41, 57};

bool all_blank(std::string_view text, const std::array<std::size_t, 4>& positions) {
  return std::ranges::all_of(positions, [&](std::size_t p) { return p > text.size() || text[p - 1] == ' '; });
}

// The longest of the last eight runs of blanks before position `used`,
// scanning backwards; only runs that a non-blank character closes count, so
// leading blanks are not an inner gap.
std::size_t longest_gap(std::string_view text, std::size_t used) {
  std::size_t longest = 0, run = 0, runs = 0;
  for (std::size_t p = used; p >= 1 && runs < kMeasuredRuns; --p) {
    if (text[p - 1] == ' ') {
      ++run;
    } else if (run > 0) {
      longest = std::max(longest, run);
      run = 0;
      ++runs;
    }
  }
  return longest;
}

// The water-right test: the text carries the tag WR. A search for either
// letter would call every identifier with an R in it (RIVER, RES) a water
// right.
bool has_water_right_tag(std::string_view text) { return text.find("WR") != std::string_view::npos; }

}  // namespace

int IDENFORMAT(std::string_view text) {
  text = text.substr(0, kTextLength);
  const auto used = length_without_trailing_blanks(text);
  if (used == 0) return 1;
  text = text.substr(0, used);
  const auto filled = static_cast<std::size_t>(std::ranges::count_if(text, [](char c) { return c != ' '; }));

  if (used <= 8) {
    if (filled <= 2) return 0;
    return filled <= 6 ? 1 : 3;
  }
  if (used > 64) return 2;
  // The fill ratio filled/used against 0.75 and 0.62, compared in whole
  // numbers so that a ratio of exactly 0.75 or 0.62 falls below the bound.
  if (4 * filled > 3 * used) return all_blank(text, kFirstCharacters) ? 3 : 2;
  if (50 * filled > 31 * used) return all_blank(text, kSecondBlanks) ? 1 : 2;
  if (longest_gap(text, used) > 5) return 2;
  return has_water_right_tag(text) ? 2 : 1;
}

}  // namespace tarnex::tin
