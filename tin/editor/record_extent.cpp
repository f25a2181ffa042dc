#include "tin/editor/record_extent.h"

#include "base/fixed_text.h"
#include "tin/editor/reservoir_group.h"

namespace tarnex::tin {
namespace {

bool is_storage_line(const RecordList& list, int k) {
  return k <= list.count() && is_reservoir_line(list.line(k)) && is_blank(columns(list.line(k), 9, 4));
}

RecordLines group_lines(const RecordList& list, int selected) {
  const auto group = reservoir_group(list, selected);
  int length = 1;
  while (group && length < group.length && is_storage_line(list, group.start + length)) ++length;
  if (!group || selected >= group.start + length) return {selected, 1, Extent::kLoneStorage};
  return {group.start, length, Extent::kGroup};
}

}  // namespace

RecordLines record_lines(const RecordList& list, int selected, const RecordDialog& record) {
  if (record.extra_lines.empty()) return {selected, 1, Extent::kLine};
  // A record whose extra lines carry its own identifier is a 2RES group;
  // another identifier (IDEN) follows a time series.
  const auto& extra = record.extra_lines.front();
  if (extra.code == record.code) return group_lines(list, selected);
  const bool follows = selected < list.count() && columns(list.line(selected + 1), 1, 4) == extra.code;
  return {selected, follows ? 2 : 1, Extent::kFollowOn};
}

}  // namespace tarnex::tin
