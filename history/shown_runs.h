#pragma once
// What a History window lists, so that a refresh redraws only what changed:
// the whole list when runs came or went, otherwise the rows of the runs that
// grew, ended or stopped running.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "history/transcript_reader.h"

namespace tarnex::history {

class ShownRuns {
 public:
  struct Changes {
    // Runs came or went, or their order changed: the list is filled again.
    bool new_list = false;
    // Otherwise the rows (indexes of `runs`) to describe again.
    std::vector<std::size_t> rows;
  };

  // Compares `runs`, `running` being the run now going, with what the last
  // call was given, and remembers them.
  Changes update(const std::vector<RunRecord>& runs, const std::filesystem::path& running);

 private:
  struct Shown {
    std::filesystem::path path;
    std::uint64_t bytes;
    SystemTime modified;
    bool running;
    bool operator==(const Shown&) const = default;
  };
  std::vector<Shown> shown_;
};

}  // namespace tarnex::history
