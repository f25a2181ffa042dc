#include "history/transcript_reader.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <map>

namespace tarnex::history {
namespace {

// A header is a few hundred bytes; a longer look is taken only when the
// first one does not reach the output line.
constexpr std::size_t kFirstLook = 4096;
constexpr std::size_t kLongestHeader = 64 * 1024;
constexpr std::size_t kTrailerLook = 4096;

// The size and time of last change of a regular file.
struct Status {
  std::uint64_t bytes = 0;
  SystemTime modified;
};

std::optional<Status> status_of(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const auto bytes = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return Status{bytes, std::chrono::time_point_cast<SystemTime::duration>(std::chrono::file_clock::to_sys(written))};
}

class File {
 public:
  explicit File(const std::filesystem::path& path) : stream_(path, std::ios::binary) {}

  // Up to `count` bytes from `offset`; fewer at the end or on failure.
  std::string read(std::uint64_t offset, std::size_t count) const {
    std::string bytes(count, '\0');
    stream_.clear();
    stream_.seekg(static_cast<std::streamoff>(offset));
    stream_.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(stream_.gcount()));
    return bytes;
  }

 private:
  mutable std::ifstream stream_;
};

std::optional<long long> number(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool take_prefix(std::string_view& line, std::string_view prefix) {
  if (!line.starts_with(prefix)) return false;
  line.remove_prefix(prefix.size());
  return true;
}

// One header line into the record; lines it does not know are passed over.
void read_header_line(std::string_view line, TranscriptHeader& header) {
  if (take_prefix(line, "Program: ")) {
    header.program = line;
  } else if (take_prefix(line, "Run code: ")) {
    header.run_code = static_cast<int>(number(line).value_or(0));
  } else if (take_prefix(line, "Dialog: ")) {
    header.dialog_code = static_cast<int>(number(line).value_or(0));
  } else if (take_prefix(line, "Directory: ")) {
    header.directory = line;
  } else if (take_prefix(line, "Started: ")) {
    header.started = parse_time(line);
  } else if (const bool root = take_prefix(line, "Root of "); root || take_prefix(line, "Replace for ")) {
    const auto colon = line.find(": ");
    if (colon == std::string_view::npos) return;
    header.answers.push_back({std::string(line.substr(0, colon)), std::string(line.substr(colon + 2)), root});
  }
}

// Reads the header from the start of the file; true when it ends in the
// output line, whose end is then `output_offset`.
bool read_header(const std::string& head, TranscriptHeader& header, std::uint64_t& output_offset) {
  std::size_t at = 0;
  while (at < head.size()) {
    const auto end = head.find('\n', at);
    if (end == std::string::npos) return false;
    std::string_view line(head.data() + at, end - at);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line == kOutputLine) {
      output_offset = end + 1;
      return true;
    }
    read_header_line(line, header);
    at = end + 1;
  }
  return false;
}

std::optional<std::chrono::milliseconds> seconds_text(std::string_view text) {
  if (!text.ends_with(" s")) return std::nullopt;
  const std::string value(text.substr(0, text.size() - 2));
  char* end = nullptr;
  const double seconds = std::strtod(value.c_str(), &end);
  if (value.empty() || end != value.c_str() + value.size() || !(seconds >= 0)) return std::nullopt;
  return std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0 + 0.5));
}

std::optional<TranscriptEnd> outcome_of(std::string_view text) {
  TranscriptEnd end;
  if (text == "terminated") {
    end.outcome = Outcome::Terminated;
  } else if (text == "not started") {
    end.outcome = Outcome::NotStarted;
  } else if (take_prefix(text, "exit code ")) {
    const auto code = number(text);
    if (!code) return std::nullopt;
    end.outcome = Outcome::Exited;
    end.exit_code = static_cast<int>(*code);
  } else {
    return std::nullopt;
  }
  return end;
}

// The trailer's lines after its first, each ended by a line feed, and
// nothing after them.
std::optional<TranscriptEnd> read_trailer_lines(std::string_view rest) {
  std::vector<std::string_view> lines;
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    lines.push_back(rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  if (lines.size() < 2 || lines.size() > 3) return std::nullopt;
  std::string_view result = lines[0], duration = lines[1];
  if (!take_prefix(result, "Result: ") || !take_prefix(duration, "Duration: ")) return std::nullopt;
  auto end = outcome_of(result);
  const auto length = seconds_text(duration);
  if (!end || !length) return std::nullopt;
  end->duration = *length;
  if (lines.size() == 3) {
    std::string_view dropped = lines[2];
    if (!take_prefix(dropped, "Not kept: ")) return std::nullopt;
    const auto blank = dropped.find(' ');
    const auto count = number(dropped.substr(0, blank));
    if (!count || *count < 0) return std::nullopt;
    end->bytes_not_kept = static_cast<std::uint64_t>(*count);
  }
  return end;
}

// The trailer at the end of the file, if one is there whose byte count is
// the length of the output before it.
void read_trailer(const File& file, RunRecord& record) {
  if (record.file_bytes <= record.output_offset) return;
  const std::size_t look =
      static_cast<std::size_t>(std::min<std::uint64_t>(kTrailerLook, record.file_bytes - record.output_offset));
  const std::uint64_t tail_offset = record.file_bytes - look;
  const std::string tail = file.read(tail_offset, look);
  if (tail.size() != look) return;
  const std::string marker = "\n" + std::string(kEndOfOutput);
  for (auto at = tail.rfind(marker); at != std::string::npos;
       at = at == 0 ? std::string::npos : tail.rfind(marker, at - 1)) {
    std::string_view rest(tail.data() + at + marker.size(), tail.size() - at - marker.size());
    const auto count_end = rest.find(" bytes -----\n");
    if (count_end == std::string_view::npos) continue;
    const auto count = number(rest.substr(0, count_end));
    if (!count || *count < 0 || record.output_offset + static_cast<std::uint64_t>(*count) != tail_offset + at) continue;
    const auto end = read_trailer_lines(rest.substr(count_end + std::string_view(" bytes -----\n").size()));
    if (!end) continue;
    record.end = *end;
    record.output_bytes = static_cast<std::uint64_t>(*count);
    return;
  }
}

bool newer(const RunRecord& a, const RunRecord& b) {
  if (a.when() != b.when()) return a.when() > b.when();
  return a.path.filename() > b.path.filename();
}

}  // namespace

std::string RunRecord::roots_text() const {
  std::vector<const RunAnswer*> roots;
  for (const auto& answer : header.answers) {
    if (answer.root && !answer.value.empty()) roots.push_back(&answer);
  }
  const bool all_same =
      std::ranges::all_of(roots, [&roots](const RunAnswer* a) { return a->value == roots.front()->value; });
  if (!roots.empty() && all_same) return roots.front()->value;
  std::string text;
  for (const auto* answer : roots) {
    if (!text.empty()) text += ", ";
    text += answer->label + " " + answer->value;
  }
  return text;
}

bool is_transcript_name(const std::filesystem::path& path) { return path.extension() == ".txt"; }

RunRecord read_record(const std::filesystem::path& path) {
  RunRecord record;
  record.path = path;
  const auto status = status_of(path);
  if (!status) return record;
  const File file(path);
  record.file_bytes = status->bytes;
  record.modified = status->modified;
  record.output_offset = record.file_bytes;
  std::string head = file.read(0, kFirstLook);
  record.header_complete = read_header(head, record.header, record.output_offset);
  if (!record.header_complete && head.size() == kFirstLook) {
    record.header = {};
    head = file.read(0, kLongestHeader);
    record.header_complete = read_header(head, record.header, record.output_offset);
  }
  if (!record.header_complete) record.output_offset = record.file_bytes;
  record.output_bytes = record.file_bytes - record.output_offset;
  read_trailer(file, record);
  return record;
}

std::vector<RunRecord> list_runs(const std::filesystem::path& directory) {
  RunListing listing;
  return listing.refresh(directory);
}

const std::vector<RunRecord>& RunListing::refresh(const std::filesystem::path& directory) {
  std::map<std::filesystem::path, RunRecord> known;
  for (auto& run : runs_) known.emplace(run.path, std::move(run));
  runs_.clear();
  std::error_code error;
  for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    const auto& path = it->path();
    if (!is_transcript_name(path) || !it->is_regular_file(error)) continue;
    const auto found = known.find(path);
    const auto status = found != known.end() ? status_of(path) : std::nullopt;
    if (status && status->bytes == found->second.file_bytes && status->modified == found->second.modified) {
      runs_.push_back(std::move(found->second));
    } else {
      runs_.push_back(read_record(path));
    }
  }
  std::ranges::sort(runs_, newer);
  return runs_;
}

std::string transcript_bytes(const std::filesystem::path& path, std::size_t most_bytes) {
  const auto status = status_of(path);
  if (!status) return {};
  const File file(path);
  const auto size = status->bytes;
  if (size <= most_bytes) return file.read(0, static_cast<std::size_t>(size));
  // The start holds the header and the first questions; the end holds the
  // last messages and how the run ended, which matter most.
  const std::size_t head = most_bytes / 4;
  const std::size_t tail = most_bytes - head;
  const std::uint64_t left_out = size - head - tail;
  return file.read(0, head) + "\n\n[... " + std::to_string(left_out) +
         " bytes not shown here: Open transcript shows the whole run ...]\n\n" + file.read(size - tail, tail);
}

}  // namespace tarnex::history
