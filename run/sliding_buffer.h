#pragma once
// The most recent characters of a model program's output, where its
// questions are looked for: a question that arrives split over several reads
// is still found whole, and only recent output can ask one.

#include <cstddef>
#include <cstdint>
#include <optional>
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
  // Where the last occurrence of `text` ends among all the characters the
  // buffer has held, its first blanks included: an occurrence keeps its
  // place while later output pushes it along, and a later occurrence has a
  // greater one. Nothing when `text` is not there.
  std::optional<std::uint64_t> last_end_of(std::string_view text) const;

 private:
  std::string characters_;
  // How many characters the buffer has held.
  std::uint64_t held_ = kSize;
};

}  // namespace tarnex
