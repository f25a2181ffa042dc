#include "base/text_model.h"

#include <algorithm>

namespace tarnex {

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
  rows_.assign(1, std::string());
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
  while (rows_.size() <= row && rows_.size() < kRows) rows_.emplace_back();
  row_ = std::min(row, rows_.size() - 1);
  column_ = static_cast<std::size_t>(std::max(position.column, 1) - 1);
  changed(lock);
}

std::vector<std::string> TextModel::rows() const {
  std::lock_guard lock(mutex_);
  return {rows_.begin(), rows_.end()};
}

std::string TextModel::text() const {
  std::lock_guard lock(mutex_);
  std::size_t used = rows_.size();
  while (used > 0 && rows_[used - 1].empty()) --used;
  std::string joined;
  for (std::size_t i = 0; i < used; ++i) {
    if (i > 0) joined += '\n';
    joined += rows_[i];
  }
  return joined;
}

std::uint64_t TextModel::version() const {
  std::lock_guard lock(mutex_);
  return version_;
}

TextModel::Snapshot TextModel::snapshot() const {
  std::lock_guard lock(mutex_);
  return {{rows_.begin(), rows_.end()}, dropped_, version_};
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
  if (run.empty()) return;
  auto& row = rows_[row_];
  if (row.size() < column_) row.resize(column_, ' ');
  row.replace(column_, std::min(run.size(), row.size() - column_), run);
  column_ += run.size();
}

void TextModel::new_row() {
  column_ = 0;
  if (row_ + 1 < rows_.size()) {
    ++row_;
    return;
  }
  if (rows_.size() == kRows) {
    // the oldest row's storage serves the new one
    std::string reused = std::move(rows_.front());
    rows_.pop_front();
    ++dropped_;
    reused.clear();
    rows_.push_back(std::move(reused));
  } else {
    rows_.emplace_back();
    ++row_;
  }
}

void TextModel::changed(std::unique_lock<std::mutex>& lock) {
  ++version_;
  auto listener = listener_;
  lock.unlock();
  if (listener) listener();
}

}  // namespace tarnex
