#include "history/shown_runs.h"

#include <algorithm>
#include <utility>

namespace tarnex::history {

ShownRuns::Changes ShownRuns::update(const std::vector<RunRecord>& runs, const std::filesystem::path& running) {
  std::vector<Shown> listed;
  listed.reserve(runs.size());
  for (const auto& run : runs) listed.push_back({run.path, run.file_bytes, run.modified, run.path == running});
  Changes changes;
  if (!std::ranges::equal(listed, shown_, {}, &Shown::path, &Shown::path)) {
    changes.new_list = true;
  } else {
    for (std::size_t i = 0; i < listed.size(); ++i) {
      if (listed[i] != shown_[i]) changes.rows.push_back(i);
    }
  }
  shown_ = std::move(listed);
  return changes;
}

}  // namespace tarnex::history
