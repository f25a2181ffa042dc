#include "run/prompts.h"

#include <algorithm>

#include "base/fixed_text.h"

namespace tarnex {
namespace {

constexpr std::string_view kEndMarkers[] = {
    "Press enter to exit.", "Exit QARN-MOR",  "Exit QARN-MORD",
    "Exit ORBEN",           "Exit QARN-MERL", "Exit QARN-FLUM",
};

}  // namespace

std::string answer_text(const Answer& answer, const RunSettings& settings) {
  if (answer.root != nullptr) return without_trailing_blanks(settings.*answer.root);
  return std::string(1, settings.*answer.replace_all ? answer.replace_letter : 'N');
}

std::optional<std::string> answer_prompt(SlidingBuffer& buffer, std::span<const Prompt> prompts,
                                         const RunSettings& settings) {
  const auto found = std::ranges::find_if(prompts, [&buffer](const Prompt& p) { return buffer.contains(p.pattern); });
  if (found == prompts.end()) return std::nullopt;
  buffer.blank_through_last(found->pattern);
  return answer_text(found->answer, settings);
}

std::optional<std::uint64_t> last_end_marker(const SlidingBuffer& buffer) {
  std::optional<std::uint64_t> latest;
  for (std::string_view marker : kEndMarkers) latest = std::max(latest, buffer.last_end_of(marker));
  return latest;
}

}  // namespace tarnex
