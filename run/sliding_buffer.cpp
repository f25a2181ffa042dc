#include "run/sliding_buffer.h"

#include "base/fixed_text.h"

namespace tarnex {

SlidingBuffer::SlidingBuffer() : characters_(kSize, ' ') {}

void SlidingBuffer::append(std::string_view chunk) {
  if (is_blank(chunk)) return;
  characters_.append(chunk);
  characters_.erase(0, characters_.size() - kSize);
  held_ += chunk.size();
}

bool SlidingBuffer::contains(std::string_view text) const { return characters_.find(text) != std::string::npos; }

std::optional<std::uint64_t> SlidingBuffer::last_end_of(std::string_view text) const {
  const auto last = characters_.rfind(text);
  if (last == std::string::npos) return std::nullopt;
  return held_ - kSize + last + text.size();
}

void SlidingBuffer::blank_through_last(std::string_view text) {
  const auto last = characters_.rfind(text);
  if (last != std::string::npos) characters_.replace(0, last + 1, last + 1, ' ');
}

}  // namespace tarnex
