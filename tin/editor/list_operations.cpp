#include "tin/editor/list_operations.h"

#include <algorithm>

#include "tin/editor/reservoir_group.h"

namespace tarnex::tin {
namespace {

// The lines that move and go together with line k: its 2RES group, or the
// line alone. A unit never takes a line of another record, so no operation
// moves or removes a line that was not chosen.
ReservoirGroup unit_of(const RecordList& list, int k) {
  const auto group = reservoir_group(list, k);
  return group ? group : ReservoirGroup{k, 1};
}

}  // namespace

// A unit passes the whole unit above or below it, so a group is never split
// by another passing it; a 2RES group is selected by its last line after.
std::optional<int> move_up(RecordList& list, int s) {
  if (s < 1 || s > list.count()) return std::nullopt;
  const auto unit = unit_of(list, s);
  if (unit.start == 1) return s;
  const int to = unit_of(list, unit.start - 1).start;
  for (int i = 0; i < unit.length; ++i) list.move(unit.start + i, to + i);
  return to + unit.length - 1;
}

std::optional<int> move_down(RecordList& list, int s) {
  if (s < 1 || s > list.count()) return std::nullopt;
  const auto unit = unit_of(list, s);
  if (unit.last() >= list.count()) {
    // The last line leaves the view alone; a group at the bottom only puts
    // the columns back.
    return is_reservoir_line(list.line(s)) ? std::optional<int>(s) : std::nullopt;
  }
  const auto below = unit_of(list, unit.last() + 1);
  for (int i = 0; i < below.length; ++i) list.move(below.start + i, unit.start + i);
  return below.last();
}

std::optional<int> delete_line(RecordList& list, int s) {
  if (s < 1 || s > list.count()) return std::nullopt;
  const auto unit = unit_of(list, s);
  list.remove(unit.start, unit.last());
  return std::min(unit.start, list.count());
}

}  // namespace tarnex::tin
