#include "base/text_model.h"

#include <algorithm>

namespace tarnex {

namespace {

// The bytes at the end of `text` that begin a UTF-8 character without
// completing it: none, or one to three.
std::size_t unfinished_character(std::string_view text) {
  for (std::size_t back = 1; back <= std::min<std::size_t>(3, text.size()); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
    const std::size_t length = (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : (byte & 0xF8) == 0xF0 ? 4 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

}  // namespace

TextModel::TextModel() : rows_(1) {}

void TextModel::write(std::string_view bytes) {
  std::unique_lock lock(mutex_);
  put(bytes);
  changed(lock);
}

void TextModel::write_line(std::string_view text) {
  std::unique_lock lock(mutex_);
  put(text);
  new_row();
  changed(lock);
}

void TextModel::clear() {
  std::unique_lock lock(mutex_);
  dropped_ += rows_.size();
  rows_.assign(1, fresh_row());
  row_ = 0;
  column_ = 0;
  changed(lock);
}

TextPosition TextModel::position() const {
  std::lock_guard lock(mutex_);
  return {static_cast<int>(row_) + 1, static_cast<int>(column_) + 1};
}

void TextModel::set_position(TextPosition position) {
  std::unique_lock lock(mutex_);
  const auto row = static_cast<std::size_t>(std::max(position.row, 1) - 1);
  while (rows_.size() <= row && rows_.size() < kRows) rows_.push_back(fresh_row());
  row_ = std::min(row, rows_.size() - 1);
  column_ = std::min(static_cast<std::size_t>(std::max(position.column, 1) - 1), kColumns);
  changed(lock);
}

std::vector<std::string> TextModel::rows() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> texts;
  texts.reserve(rows_.size());
  for (const auto& row : rows_) texts.push_back(row.text);
  return texts;
}

std::string TextModel::text() const {
  std::lock_guard lock(mutex_);
  std::size_t used = rows_.size();
  while (used > 0 && rows_[used - 1].text.empty()) --used;
  std::string joined;
  for (std::size_t i = 0; i < used; ++i) {
    if (i > 0) joined += '\n';
    joined += rows_[i].text;
  }
  return joined;
}

std::uint64_t TextModel::version() const {
  std::lock_guard lock(mutex_);
  return version_;
}

TextModel::Snapshot TextModel::snapshot() const {
  std::lock_guard lock(mutex_);
  return rows_from(0);
}

// Rows below a changed one were changed at least as late, except after the
// position was moved up; taking all from the first changed row is simple and
// still bounded.
TextModel::Snapshot TextModel::changes_since(std::uint64_t version) const {
  std::lock_guard lock(mutex_);
  std::size_t first = 0;
  while (first < rows_.size() && rows_[first].changed <= version) ++first;
  return rows_from(first);
}

TextModel::Snapshot TextModel::rows_from(std::size_t first) const {
  Snapshot snapshot{{}, first, dropped_, version_};
  snapshot.rows.reserve(rows_.size() - first);
  for (std::size_t r = first; r < rows_.size(); ++r) snapshot.rows.push_back(rows_[r].text);
  return snapshot;
}

void TextModel::set_change_listener(std::function<void()> listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

// Copies each run of bytes between line ends at once: a model program may
// print megabytes, and the window must keep up with it. Each line end is
// found by a search for one character, which the library does many bytes at
// a time; a search for either of two goes byte by byte.
void TextModel::put(std::string_view bytes) {
  while (!bytes.empty()) {
    const auto line_end = std::min(bytes.find('\n'), bytes.size());
    const auto end = std::min(bytes.substr(0, line_end).find('\r'), line_end);
    put_run(bytes.substr(0, end));
    if (end == bytes.size()) return;
    if (bytes[end] == '\n') new_row();
    else column_ = 0;
    bytes.remove_prefix(end + 1);
  }
}

void TextModel::put_run(std::string_view run) {
  while (!run.empty()) {
    if (column_ >= kColumns) wrap();
    const std::size_t piece = std::min(run.size(), kColumns - column_);
    auto& row = current_row();
    if (row.size() < column_) row.resize(column_, ' ');
    row.replace(column_, std::min(piece, row.size() - column_), run.substr(0, piece));
    column_ += piece;
    run.remove_prefix(piece);
  }
}

// Goes on at column 1 of the next row, taking along the first bytes of a
// character that the full row would cut.
void TextModel::wrap() {
  const std::string& full = rows_[row_].text;
  const std::size_t carried = full.size() == column_ ? unfinished_character(full) : 0;
  std::string start;
  if (carried > 0) {
    start = full.substr(full.size() - carried);
    current_row().resize(full.size() - carried);
  }
  new_row();
  put_run(start);
}

void TextModel::new_row() {
  column_ = 0;
  if (row_ + 1 < rows_.size()) {
    ++row_;
    return;
  }
  if (rows_.size() == kRows) {
    // the oldest row's storage serves the new one
    Row reused = std::move(rows_.front());
    rows_.pop_front();
    ++dropped_;
    reused.text.clear();
    reused.changed = version_ + 1;
    rows_.push_back(std::move(reused));
  } else {
    rows_.push_back(fresh_row());
    ++row_;
  }
}

std::string& TextModel::current_row() {
  auto& row = rows_[row_];
  row.changed = version_ + 1;
  return row.text;
}

// Every change bumps the version once it is done.
TextModel::Row TextModel::fresh_row() const { return {std::string(), version_ + 1}; }

void TextModel::changed(std::unique_lock<std::mutex>& lock) {
  ++version_;
  auto listener = listener_;
  lock.unlock();
  if (listener) listener();
}

}  // namespace tarnex
