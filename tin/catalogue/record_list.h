#pragma once
// The record list of the TIN editor: the lines of the ORBEN input file in file
// order, each a 256-character blank-padded line. It has exactly 256 slots;
// every slot above the count is blank.

#include <array>
#include <span>
#include <string>

namespace tarnex::tin {

constexpr int kLineLength = 256;
constexpr int kSlots = 256;

class RecordList {
 public:
  RecordList();

  int count() const { return count_; }
  // Slot k, 1-based; a slot above the count (or outside 1-256) is blank.
  const std::string& line(int k) const;
  // Appends the lines of one record after the last used slot, each cut or
  // padded to 256 characters, or none of them when they do not all fit: a
  // record is never split.
  bool append(std::span<const std::string> lines);
  // Moves the line at `from` to slot `to`; the lines between shift one slot
  // toward `from`. False, and nothing moves, unless both are within the count.
  bool move(int from, int to);
  // Removes the lines first..last; the lines after them move up and the freed
  // slots at the end are blank. False, and nothing changes, unless
  // 1 <= first <= last <= count.
  bool remove(int first, int last);
  void clear();

 private:
  std::array<std::string, kSlots> slots_;
  int count_ = 0;
};

}  // namespace tarnex::tin
