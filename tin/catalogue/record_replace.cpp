#include "tin/catalogue/record_replace.h"

namespace tarnex::tin {

bool replace_lines(RecordList& list, int first, int length, std::span<const std::string> lines) {
  const int added = static_cast<int>(lines.size());
  const int count = list.count();
  if (first < 1 || length < 0 || first + length - 1 > count || first > count + 1) return false;
  if (count - length + added > kSlots) return false;
  if (length > 0) list.remove(first, first + length - 1);
  list.append(lines);
  // The new lines arrive at the end, in order; each moves up to its place.
  for (int k = 0; k < added; ++k) list.move(list.count() - added + 1 + k, first + k);
  return true;
}

}  // namespace tarnex::tin
