#pragma once
// The main window's text area as a grid of text rows, of which only the last
// `kRows` are kept. The command-loop thread writes, the window thread shows:
// every operation takes the model's lock, and a change bumps `version()` so a
// view can redraw in batches instead of once per write.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace tarnex {

struct TextPosition {
  int row = 1;     // 1-based row of the kept rows
  int column = 1;  // 1-based column
};

class TextModel {
 public:
  static constexpr std::size_t kRows = 250;

  // The rows as one read, with how many rows have left the top since the
  // model was made (pushed out past kRows, or cleared), so that a view can
  // tell rows appended below from rows that changed.
  struct Snapshot {
    std::vector<std::string> rows;
    std::uint64_t dropped = 0;
    std::uint64_t version = 0;
  };

  TextModel();

  // Writes bytes at the text position without ending the line: a line feed
  // starts a new row, a carriage return goes back to column 1, every other
  // byte (NUL and invalid UTF-8 included) is kept as it is.
  void write(std::string_view bytes);
  // Writes the text and ends the line.
  void write_line(std::string_view text);
  void clear();

  TextPosition position() const;
  // Moves the text position; rows that do not exist yet are added blank.
  void set_position(TextPosition position);

  std::vector<std::string> rows() const;
  // The rows joined by line feeds, trailing empty rows dropped.
  std::string text() const;
  std::uint64_t version() const;
  Snapshot snapshot() const;

  // Called, outside the lock, after every change (from the writing thread).
  void set_change_listener(std::function<void()> listener);

 private:
  void put(std::string_view bytes);
  void put_run(std::string_view run);
  void new_row();
  void changed(std::unique_lock<std::mutex>& lock);

  mutable std::mutex mutex_;
  std::deque<std::string> rows_;
  std::size_t row_ = 0;
  std::size_t column_ = 0;
  std::uint64_t version_ = 0;
  std::uint64_t dropped_ = 0;
  std::function<void()> listener_;
};

}  // namespace tarnex
