#pragma once
// A transcript keeps one run of a model program: a short header (which
// program, what it was answered, where and when it ran), then everything the
// main window showed of the run, byte for byte, then a trailer saying how it
// ended and how long it took. It is a plain text file a person can read:
//
//   Tarnex run transcript
//   Program: MOR
//   Run code: 200
//   Dialog: 200
//   Directory: /home/me/basin
//   Started: 2024-05-01 10:22:33.123 +0200
//   Root of MOR: BASIN
//   Replace for MOR: Replace All
//   ----- output -----
//   ...what the program printed, the answers echoed as the window shows them...
//
//   ----- end of output: 1234 bytes -----
//   Result: exit code 0
//   Duration: 3.214 s
//
// The byte count ties the trailer to the end of the output, so output that
// happens to print a line like the trailer's is never taken for it. A file
// without a trailer is a run cut short: Tarnex was killed while it ran.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnex::history {

using SystemTime = std::chrono::system_clock::time_point;

// One setting a program is answered from: a file root or a replace choice,
// under the label the transcript gives it ("Root of MOR", "Replace for ORBEN").
struct RunAnswer {
  std::string label;  // "MOR", "hydrology", "ORBEN output"...
  std::string value;  // the root as answered; "Replace All" or "No"
  bool root = true;   // false: a replace choice
  bool operator==(const RunAnswer&) const = default;
};

struct TranscriptHeader {
  std::string program;  // "MOR"
  int run_code = 0;
  // The command code of the run dialog the run came from; 0 when unknown.
  int dialog_code = 0;
  // Tarnex's working directory, where the program ran.
  std::string directory;
  // Nothing when a damaged header does not say.
  std::optional<SystemTime> started;
  std::vector<RunAnswer> answers;
};

enum class Outcome {
  Exited,      // the program ended with an exit code
  Terminated,  // the user chose Terminate
  NotStarted,  // the program could not be started
  Unknown,     // no trailer: cut short, or damaged by hand
};

struct TranscriptEnd {
  Outcome outcome = Outcome::Unknown;
  int exit_code = 0;  // for Exited
  std::chrono::milliseconds duration{0};
  // Output the program printed past the size limit of one transcript.
  std::uint64_t bytes_not_kept = 0;
};

// The header's text, up to and including the line that starts the output.
std::string header_text(const TranscriptHeader& header);
// The trailer's text after `output_bytes` bytes of output, starting with the
// line break that separates it from output that did not end its line.
std::string trailer_text(std::uint64_t output_bytes, const TranscriptEnd& end);

// "2024-05-01 10:22:33.123 +0200" in the local time zone, and back; nothing
// for a text that is not such a time. Runs of one request start within a
// second of each other: the milliseconds keep them in order.
std::string time_text(SystemTime time);
std::optional<SystemTime> parse_time(std::string_view text);

// "exit code 0", "terminated", "not started", "unknown".
std::string outcome_text(const TranscriptEnd& end);
// "3.214 s", or minutes and seconds for long runs: "12 min 05 s".
std::string duration_text(std::chrono::milliseconds duration);

// What a transcript's parts look like, for the reader.
inline constexpr std::string_view kTitleLine = "Tarnex run transcript";
inline constexpr std::string_view kOutputLine = "----- output -----";
inline constexpr std::string_view kEndOfOutput = "----- end of output: ";

}  // namespace tarnex::history
