#pragma once
// Where the transcripts of the model runs are kept and how many: the
// desktop's state directory, never the model directory, and the newest 1000
// runs within 500 MB. The switch and the limits come from the settings at
// start and from the History window; Tarnex runs the same without them.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include "history/transcript.h"
#include "history/transcript_writer.h"

namespace tarnex::history {

// Past either limit the oldest transcripts are removed; the one just
// written is always kept, and one transcript keeps at most `bytes` of output.
struct Limits {
  std::size_t runs = 1000;
  std::uint64_t bytes = 500'000'000;
  bool operator==(const Limits&) const = default;
};

// $XDG_STATE_HOME/tarnex/runs, else ~/.local/state/tarnex/runs. A relative
// XDG_STATE_HOME does not count, as the desktop's rules say. Empty when
// neither is known.
std::filesystem::path runs_directory(const char* xdg_state_home, const char* home);
// The same from this process's environment.
std::filesystem::path default_runs_directory();

// The file name of a transcript: its start time and program, so that the
// files sort by time; `attempt` above 1 tells apart runs of one second.
std::string transcript_name(const TranscriptHeader& header, int attempt);

// Removes the oldest transcripts of `directory` past the limits, by the
// time they were last written, never `kept`.
void prune(const std::filesystem::path& directory, const Limits& limits, const std::filesystem::path& kept);

// Shared by the command-loop thread, which keeps the transcripts, and the
// window thread, where the History window reads and switches them.
class RunHistory {
 public:
  RunHistory();

  std::filesystem::path directory() const;
  void set_directory(std::filesystem::path directory);
  Limits limits() const;
  void set_limits(Limits limits);
  bool keeping() const;
  void set_keeping(bool keeping);

  // The transcript of a run that starts now: nothing when transcripts are
  // off, or when none can be written, and then `failure` says why.
  std::unique_ptr<TranscriptWriter> begin(const TranscriptHeader& header, std::string& failure);
  // The run of `writer` is over: its transcript is no longer current, and
  // the oldest past the limits are removed.
  void end(const TranscriptWriter& writer);
  // The transcript of the run now going; empty when none is.
  std::filesystem::path current() const;
  // Why the last run's transcript was not kept; empty when it was or when
  // transcripts are off. True when that differs from what was noted before,
  // so the notice is shown or removed only once.
  bool note_failure(std::string failure);

 private:
  mutable std::mutex mutex_;
  std::filesystem::path directory_;
  Limits limits_;
  bool keeping_ = true;
  std::filesystem::path current_;
  std::string failure_;
};

}  // namespace tarnex::history
