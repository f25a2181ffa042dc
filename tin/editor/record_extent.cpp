#include "tin/editor/record_extent.h"

#include "base/fixed_text.h"
#include "tin/editor/reservoir_group.h"

namespace tarnex::tin {
namespace {

RecordLines group_lines(const RecordList& list, int selected) {
  const auto group = reservoir_group(list, selected);
  return {group.start, group.length, group.headless ? Extent::kLoneStorage : Extent::kGroup};
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
