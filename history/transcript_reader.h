#pragma once
// Reads transcripts back for the History window: the listing needs only each
// file's header and trailer, so it reads a little of the head and the tail
// of each; the view reads the whole text. Whatever a file holds, damaged or
// edited by hand or not a transcript at all, it is read as far as it goes
// and never stops the listing.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "history/transcript.h"

namespace tarnex::history {

struct RunRecord {
  std::filesystem::path path;
  // As far as the file says; missing lines leave their fields empty.
  TranscriptHeader header;
  // True when the header ends in the line that starts the output.
  bool header_complete = false;
  // Where the output begins; the file's size when no output line was found.
  std::uint64_t output_offset = 0;
  // The output the file holds: the trailer's count, or else all past the header.
  std::uint64_t output_bytes = 0;
  // Outcome::Unknown when the file has no trailer that matches its output.
  TranscriptEnd end;
  std::uint64_t file_bytes = 0;
  SystemTime modified;

  // When the run started, or when the file was last written if the header
  // does not say.
  SystemTime when() const { return header.started.value_or(modified); }
  // The roots it was answered, "BASIN" when all are the same, otherwise
  // each with its label: "ORBEN input BASIN, ORBEN output OUT".
  std::string roots_text() const;
};

// A file of the transcripts' directory that is listed as one.
bool is_transcript_name(const std::filesystem::path& path);

// A file that cannot be read gives a record holding only its path.
RunRecord read_record(const std::filesystem::path& path);

// Every transcript of `directory`, newest first; none when it does not exist.
std::vector<RunRecord> list_runs(const std::filesystem::path& directory);

// The listing kept up to date: a refresh reads again only the files that
// changed since the one before, so the History window can follow a run.
class RunListing {
 public:
  const std::vector<RunRecord>& refresh(const std::filesystem::path& directory);
  const std::vector<RunRecord>& runs() const { return runs_; }

 private:
  std::vector<RunRecord> runs_;
};

// The file's bytes as they are, up to `most_bytes`: a larger file gives its
// head and its tail, with a line between saying how much is left out.
std::string transcript_bytes(const std::filesystem::path& path, std::size_t most_bytes);

}  // namespace tarnex::history
