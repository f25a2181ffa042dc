#pragma once
// Writes one transcript while its run goes on. The output is gathered in a
// buffer and written when the buffer fills or the driver has drained the
// pipe for the moment, so a fast program costs a write per 64 KiB, and
// whatever the window has shown is in the file within a cycle: should
// Tarnex be killed, the transcript holds the run up to that moment.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "history/transcript.h"

namespace tarnex::history {

class TranscriptWriter {
 public:
  // Makes the file at `path`, never over an existing one, and writes the
  // header. Nothing when it cannot; `error` then says why. Output past
  // `most_output_bytes` is counted in the trailer and not kept.
  static std::unique_ptr<TranscriptWriter> create(const std::filesystem::path& path, const TranscriptHeader& header,
                                                  std::uint64_t most_output_bytes, std::error_code& error);
  // Writes what is buffered and closes the file; without finish() the
  // transcript reads as a run cut short.
  ~TranscriptWriter();
  TranscriptWriter(const TranscriptWriter&) = delete;
  TranscriptWriter& operator=(const TranscriptWriter&) = delete;

  // Bytes the window showed for the run.
  void output(std::string_view bytes);
  // Writes what is buffered.
  void flush();
  // Writes the trailer and closes the file.
  void finish(const TranscriptEnd& end);

  const std::filesystem::path& path() const { return path_; }
  // True once a write failed (a full disk); from then on nothing is written.
  bool failed() const { return static_cast<bool>(error_); }
  std::error_code error() const { return error_; }

 private:
  TranscriptWriter(std::filesystem::path path, std::FILE* file, std::uint64_t most_output_bytes);
  void write_out(std::string_view bytes);
  void close();

  std::filesystem::path path_;
  std::FILE* file_;
  std::uint64_t most_output_bytes_;
  std::uint64_t output_bytes_ = 0;
  std::uint64_t not_kept_ = 0;
  std::string buffer_;
  std::error_code error_;
};

}  // namespace tarnex::history
