#pragma once
// The questions of the model programs and how Tarnex answers them: each
// program has a table of prompt patterns, searched in order in the recent
// output, each with the run setting its answer comes from.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "run/run_settings.h"
#include "run/sliding_buffer.h"

namespace tarnex {

// Where an answer comes from: a root, or else a replace choice.
struct Answer {
  // Written up to its last non-blank character (nothing when blank).
  std::string RunSettings::*root = nullptr;
  // Written as `replace_letter` when Replace All is chosen, else as "N".
  bool RunSettings::*replace_all = nullptr;
  char replace_letter = 'N';
};

struct Prompt {
  std::string_view pattern;  // found by exact, case-sensitive search
  Answer answer;
};

std::string answer_text(const Answer& answer, const RunSettings& settings);

// Answers at most one prompt: the first of `prompts`, in table order, found
// in the buffer. Returns its answer and blanks the buffer through the start of
// the pattern's last occurrence, so that one question is answered once;
// nothing when no prompt is there.
std::optional<std::string> answer_prompt(SlidingBuffer& buffer, std::span<const Prompt> prompts,
                                         const RunSettings& settings);

// Where the latest of the lines a model program ends with stands in the
// buffer (SlidingBuffer::last_end_of); nothing when none is there.
std::optional<std::uint64_t> last_end_marker(const SlidingBuffer& buffer);

}  // namespace tarnex
