#include "tin/record_list.h"

#include "ui/fixed_text.h"

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

void RecordList::clear() {
  slots_.fill(kBlankLine);
  count_ = 0;
}

}  // namespace tarnex::tin
