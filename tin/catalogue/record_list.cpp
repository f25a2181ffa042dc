#include "tin/catalogue/record_list.h"

#include <algorithm>

#include "base/fixed_text.h"

namespace tarnex::tin {
namespace {

const std::string kBlankLine(kLineLength, ' ');

}  // namespace

RecordList::RecordList() { clear(); }

const std::string& RecordList::line(int k) const {
  if (k < 1 || k > count_) return kBlankLine;
  return slots_[static_cast<std::size_t>(k) - 1];
}

bool RecordList::append(std::span<const std::string> lines) {
  if (lines.size() > static_cast<std::size_t>(kSlots - count_)) return false;
  for (const auto& line : lines) slots_[static_cast<std::size_t>(count_++)] = fit(line, kLineLength);
  return true;
}

bool RecordList::move(int from, int to) {
  if (from < 1 || from > count_ || to < 1 || to > count_) return false;
  const auto at = [this](int k) { return slots_.begin() + (k - 1); };
  if (from < to) {
    std::rotate(at(from), at(from) + 1, at(to) + 1);
  } else {
    std::rotate(at(to), at(from), at(from) + 1);
  }
  return true;
}

bool RecordList::remove(int first, int last) {
  if (first < 1 || first > last || last > count_) return false;
  const auto at = [this](int k) { return slots_.begin() + (k - 1); };
  std::rotate(at(first), at(last) + 1, at(count_) + 1);
  std::fill(at(count_ - (last - first)), at(count_) + 1, kBlankLine);
  count_ -= last - first + 1;
  return true;
}

void RecordList::clear() {
  slots_.fill(kBlankLine);
  count_ = 0;
}

}  // namespace tarnex::tin
