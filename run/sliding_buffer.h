#pragma once
// The most recent characters of a model program's output, where its
// questions are looked for: a question that arrives split over several reads
// is still found whole, and only recent output can ask one.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnex {

class SlidingBuffer {
 public:
  static constexpr std::size_t kSize = 512;

  // All blanks.
  SlidingBuffer();

  // Appends a chunk of output, dropping as many of the oldest characters. A
  // chunk of blanks only is left out.
  void append(std::string_view chunk);
  bool contains(std::string_view text) const;
  // Blanks the buffer from its first character through the first character
  // of the last occurrence of `text`, so that this occurrence is not found
  // again; nothing changes when `text` is not there.
  void blank_through_last(std::string_view text);
  std::string_view characters() const { return characters_; }

 private:
  std::string characters_;
};

}  // namespace tarnex
