#include "ui/text_model.h"

#include <algorithm>

namespace tarnex::ui {

TextModel::TextModel() : rows_(1) {}

void TextModel::write(std::string_view bytes) {
  std::unique_lock lock(mutex_);
  for (char byte : bytes) put_byte(byte);
  changed(lock);
}

void TextModel::write_line(std::string_view text) {
  std::unique_lock lock(mutex_);
  for (char byte : text) put_byte(byte);
  put_byte('\n');
  changed(lock);
}

void TextModel::clear() {
  std::unique_lock lock(mutex_);
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

void TextModel::set_change_listener(std::function<void()> listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

void TextModel::put_byte(char byte) {
  if (byte == '\n') {
    new_row();
    return;
  }
  if (byte == '\r') {
    column_ = 0;
    return;
  }
  auto& row = rows_[row_];
  if (row.size() < column_) row.resize(column_, ' ');
  if (column_ < row.size()) {
    row[column_] = byte;
  } else {
    row.push_back(byte);
  }
  ++column_;
}

void TextModel::new_row() {
  column_ = 0;
  if (row_ + 1 < rows_.size()) {
    ++row_;
    return;
  }
  rows_.emplace_back();
  if (rows_.size() > kRows) {
    rows_.pop_front();
  } else {
    ++row_;
  }
}

void TextModel::changed(std::unique_lock<std::mutex>& lock) {
  ++version_;
  auto listener = listener_;
  lock.unlock();
  if (listener) listener();
}

}  // namespace tarnex::ui
