#include "history/run_history.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "base/calendar.h"
#include "base/file_system.h"
#include "history/transcript_reader.h"

namespace tarnex::history {
namespace {

// Runs of one second by one program get a number; past this many the
// directory is not behaving like a directory.
constexpr int kNameAttempts = 100;

}  // namespace

std::filesystem::path runs_directory(const char* xdg_state_home, const char* home) {
  std::filesystem::path base;
  if (xdg_state_home && std::filesystem::path(xdg_state_home).is_absolute()) {
    base = xdg_state_home;
  } else if (home && *home != '\0') {
    base = std::filesystem::path(home) / ".local" / "state";
  } else {
    return {};
  }
  return base / "tarnex" / "runs";
}

// Windows keeps a program's state in the user's local application data;
// XDG_STATE_HOME, which the tests set, is honoured there too.
std::filesystem::path default_runs_directory() {
#ifdef _WIN32
  const char* xdg_state_home = std::getenv("XDG_STATE_HOME");
  if (xdg_state_home && std::filesystem::path(xdg_state_home).is_absolute()) return runs_directory(xdg_state_home, nullptr);
  const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || *local == L'\0') return {};
  return std::filesystem::path(local) / "Tarnex" / "runs";
#else
  return runs_directory(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
#endif
}

std::string transcript_name(const TranscriptHeader& header, int attempt) {
  const std::time_t seconds =
      std::chrono::system_clock::to_time_t(header.started.value_or(std::chrono::system_clock::now()));
  const std::tm local = local_calendar(seconds);
  char time[32];
  std::strftime(time, sizeof time, "%Y-%m-%d_%H-%M-%S", &local);
  std::string program;
  for (char c : header.program) program += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  std::string name = std::string(time) + "_" + (program.empty() ? "run" : program);
  if (attempt > 1) name += "_" + std::to_string(attempt);
  return name + ".txt";
}

void prune(const std::filesystem::path& directory, const Limits& limits, const std::filesystem::path& kept) {
  struct Entry {
    std::filesystem::path path;
    std::filesystem::file_time_type written;
    std::uintmax_t bytes;
  };
  std::vector<Entry> entries;
  std::error_code error;
  for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!is_transcript_name(it->path()) || !it->is_regular_file(ignored)) continue;
    const auto written = it->last_write_time(ignored);
    const auto bytes = it->file_size(ignored);
    if (!ignored) entries.push_back({it->path(), written, bytes});
  }
  // The kept one first, then newest first.
  std::ranges::sort(entries, [&kept](const Entry& a, const Entry& b) {
    if ((a.path == kept) != (b.path == kept)) return a.path == kept;
    if (a.written != b.written) return a.written > b.written;
    return a.path.filename() > b.path.filename();
  });
  std::size_t runs = 0;
  std::uintmax_t bytes = 0;
  for (const auto& entry : entries) {
    const bool fits = runs < limits.runs && bytes + entry.bytes <= limits.bytes;
    if (fits || entry.path == kept) {
      ++runs;
      bytes += entry.bytes;
      continue;
    }
    std::error_code ignored;
    std::filesystem::remove(entry.path, ignored);
  }
}

RunHistory::RunHistory() : directory_(default_runs_directory()) {}

std::filesystem::path RunHistory::directory() const {
  std::lock_guard lock(mutex_);
  return directory_;
}

void RunHistory::set_directory(std::filesystem::path directory) {
  std::lock_guard lock(mutex_);
  directory_ = std::move(directory);
}

Limits RunHistory::limits() const {
  std::lock_guard lock(mutex_);
  return limits_;
}

void RunHistory::set_limits(Limits limits) {
  std::lock_guard lock(mutex_);
  limits_ = limits;
}

bool RunHistory::keeping() const {
  std::lock_guard lock(mutex_);
  return keeping_;
}

void RunHistory::set_keeping(bool keeping) {
  std::lock_guard lock(mutex_);
  keeping_ = keeping;
}

std::unique_ptr<TranscriptWriter> RunHistory::begin(const TranscriptHeader& header, std::string& failure) {
  failure.clear();
  const auto directory = this->directory();
  const auto limits = this->limits();
  if (!keeping()) return nullptr;
  if (directory.empty()) {
    failure = "no state directory is known (neither XDG_STATE_HOME nor HOME is set)";
    return nullptr;
  }
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) {
    failure = "cannot make " + files::utf8_name(directory) + ": " + error.message();
    return nullptr;
  }
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
    const auto path = directory / transcript_name(header, attempt);
    auto writer = TranscriptWriter::create(path, header, limits.bytes, error);
    if (writer) {
      std::lock_guard lock(mutex_);
      current_ = path;
      return writer;
    }
    if (error != std::errc::file_exists) break;
  }
  failure = "cannot write in " + files::utf8_name(directory) + ": " + error.message();
  return nullptr;
}

void RunHistory::end(const TranscriptWriter& writer) {
  {
    std::lock_guard lock(mutex_);
    current_.clear();
  }
  prune(writer.path().parent_path(), limits(), writer.path());
}

std::filesystem::path RunHistory::current() const {
  std::lock_guard lock(mutex_);
  return current_;
}

bool RunHistory::note_failure(std::string failure) {
  std::lock_guard lock(mutex_);
  if (failure == failure_) return false;
  failure_ = std::move(failure);
  return true;
}

}  // namespace tarnex::history
