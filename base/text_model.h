#pragma once
// The main window's text area as a grid of text rows, of which only the last
// `kRows` are kept, each at most `kColumns` bytes long. The command-loop
// thread writes, the window thread shows: every operation takes the model's
// lock, and a change bumps `version()` so a view can redraw in batches
// instead of once per write.

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
  // A program may print megabytes without a line break. What goes past this
  // column goes on at column 1 of the next row, as a terminal wraps, so every
  // byte stays visible within the kept rows and neither the model nor a view
  // ever handles a row longer than this. Wider than any window, and narrow
  // enough that the window, which lays out each row it shows whole, stays
  // quick to redraw under such a flood (tarnex-window-bench measures it).
  static constexpr std::size_t kColumns = 512;

  // Rows as one read: `rows` holds the rows from row `first` (0-based) to the
  // last; the rows above `first` are as they were at the version asked about.
  // `dropped` counts the rows that have left the top since the model was
  // made (pushed out past kRows, or cleared), so that a view can tell rows
  // appended below from rows that changed.
  struct Snapshot {
    std::vector<std::string> rows;
    std::size_t first = 0;
    std::uint64_t dropped = 0;
    std::uint64_t version = 0;
  };

  TextModel();

  // Writes bytes at the text position without ending the line: a line feed
  // starts a new row, a carriage return goes back to column 1 of the row the
  // position is on, every other byte (NUL and invalid UTF-8 included) is
  // kept as it is. A row wraps when a byte comes after its kColumns: after a
  // full row the position is one past its last column until then, so a line
  // of exactly kColumns bytes and its line feed make one row. A character of
  // several bytes that the limit would cut goes whole to the next row.
  void write(std::string_view bytes);
  // Writes the text and ends the line.
  void write_line(std::string_view text);
  void clear();

  TextPosition position() const;
  // Moves the text position; rows that do not exist yet are added blank, and
  // a column past the last one is taken as one past it.
  void set_position(TextPosition position);

  std::vector<std::string> rows() const;
  // The rows joined by line feeds, trailing empty rows dropped.
  std::string text() const;
  std::uint64_t version() const;
  // Every row.
  Snapshot snapshot() const;
  // The rows from the first one that changed after `version`: a view that
  // showed the model at that version redraws only what changed since, at a
  // cost bounded by the kept rows whatever the program printed meanwhile.
  Snapshot changes_since(std::uint64_t version) const;

  // Called, outside the lock, after every change (from the writing thread).
  void set_change_listener(std::function<void()> listener);

 private:
  // A row with the version that last changed it.
  struct Row {
    std::string text;
    std::uint64_t changed = 0;
  };

  void put(std::string_view bytes);
  void put_run(std::string_view run);
  void wrap();
  void new_row();
  // The row at the position, marked as changed by the change under way.
  std::string& current_row();
  Row fresh_row() const;
  Snapshot rows_from(std::size_t first) const;
  void changed(std::unique_lock<std::mutex>& lock);

  mutable std::mutex mutex_;
  std::deque<Row> rows_;
  std::size_t row_ = 0;
  std::size_t column_ = 0;
  std::uint64_t version_ = 0;
  std::uint64_t dropped_ = 0;
  std::function<void()> listener_;
};

}  // namespace tarnex
