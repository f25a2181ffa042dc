#include "tin/editor/list_operations.h"

#include <algorithm>

#include "tin/editor/reservoir_group.h"

namespace tarnex::tin {
namespace {

// A group whose lines run past the end of the list (a first 2RES line left
// last) is neither moved nor deleted: moving it would push a real line past
// the count, where it is lost.
bool whole(const ReservoirGroup& group, const RecordList& list) { return group && group.last() <= list.count(); }

}  // namespace

std::optional<int> move_up(RecordList& list, int s) {
  if (s < 1 || s > list.count()) return std::nullopt;
  if (is_reservoir_line(list.line(s))) {
    const auto group = reservoir_group(list, s);
    if (!whole(group, list) || group.start == 1) return s;
    // It passes the line above, or the whole group that ends there: a group
    // is never split by another passing it.
    int to = group.start - 1;
    if (const auto above = reservoir_group(list, to); is_reservoir_line(list.line(to)) && above.last() == to) {
      to = above.start;
    }
    for (int i = 0; i < group.length; ++i) list.move(group.start + i, to + i);
    return to + group.length - 1;
  }
  if (s == 1) return s;
  if (is_reservoir_line(list.line(s - 1))) {
    const auto group = reservoir_group(list, s - 1);
    if (!group) return s;
    // Directly above the group; for a well-formed group that is s - length.
    list.move(s, group.start);
    return group.start;
  }
  list.move(s, s - 1);
  return s - 1;
}

std::optional<int> move_down(RecordList& list, int s) {
  if (s < 1 || s > list.count()) return std::nullopt;
  if (is_reservoir_line(list.line(s))) {
    const auto group = reservoir_group(list, s);
    if (!group || group.last() >= list.count()) return s;
    // The line below, or the whole group that starts there, passes it.
    int last = group.last() + 1;
    if (const auto below = reservoir_group(list, last); below.start == last && whole(below, list)) {
      last = below.last();
    }
    for (int i = 0; i < last - group.last(); ++i) list.move(group.last() + 1 + i, group.start + i);
    return last;
  }
  if (s == list.count()) return std::nullopt;
  if (is_reservoir_line(list.line(s + 1))) {
    const auto group = reservoir_group(list, s + 1);
    if (!whole(group, list)) return s;
    list.move(s, group.last());
    return group.last();
  }
  list.move(s, s + 1);
  return s + 1;
}

std::optional<int> delete_line(RecordList& list, int s) {
  if (s < 1 || s > list.count()) return std::nullopt;
  int first = s;
  int last = s;
  if (is_reservoir_line(list.line(s))) {
    const auto group = reservoir_group(list, s);
    if (!whole(group, list)) return s;
    first = group.start;
    last = group.last();
  }
  list.remove(first, last);
  return std::min(first, list.count());
}

}  // namespace tarnex::tin
