#include "history/transcript.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "base/calendar.h"

namespace tarnex::history {
namespace {

// A value stays on its line: a line break in a directory name would start
// a header line of its own.
std::string one_line(std::string_view value) {
  std::string line(value);
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return line;
}

std::string answer_line(const RunAnswer& answer) {
  return std::string(answer.root ? "Root of " : "Replace for ") + one_line(answer.label) + ": " +
         one_line(answer.value) + "\n";
}

}  // namespace

std::string header_text(const TranscriptHeader& header) {
  std::string text = std::string(kTitleLine) + "\n";
  text += "Program: " + one_line(header.program) + "\n";
  text += "Run code: " + std::to_string(header.run_code) + "\n";
  text += "Dialog: " + std::to_string(header.dialog_code) + "\n";
  text += "Directory: " + one_line(header.directory) + "\n";
  if (header.started) text += "Started: " + time_text(*header.started) + "\n";
  for (const auto& answer : header.answers) text += answer_line(answer);
  text += std::string(kOutputLine) + "\n";
  return text;
}

std::string trailer_text(std::uint64_t output_bytes, const TranscriptEnd& end) {
  char duration[32];
  std::snprintf(duration, sizeof duration, "%.3f s", static_cast<double>(end.duration.count()) / 1000.0);
  std::string text = "\n" + std::string(kEndOfOutput) + std::to_string(output_bytes) + " bytes -----\n";
  text += "Result: " + outcome_text(end) + "\n";
  text += std::string("Duration: ") + duration + "\n";
  if (end.bytes_not_kept > 0) {
    text += "Not kept: " + std::to_string(end.bytes_not_kept) + " bytes of output past the size limit\n";
  }
  return text;
}

std::string time_text(SystemTime time) {
  const auto since_epoch = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch());
  const std::time_t seconds =
      std::chrono::system_clock::to_time_t(SystemTime(std::chrono::floor<std::chrono::seconds>(since_epoch)));
  const std::tm local = local_calendar(seconds);
  // The zone as +hhmm, counted here: the C library of Windows writes a
  // name for "%z".
  const long offset = static_cast<long>(utc_seconds(local) - seconds);
  const long minutes = std::labs(offset) / 60;
  char day[32], text[80];
  std::strftime(day, sizeof day, "%Y-%m-%d %H:%M:%S", &local);
  std::snprintf(text, sizeof text, "%s.%03d %c%02ld%02ld", day,
                static_cast<int>((since_epoch.count() % 1000 + 1000) % 1000), offset < 0 ? '-' : '+', minutes / 60,
                minutes % 60);
  return text;
}

// The milliseconds are optional: a header edited by hand may leave them out.
std::optional<SystemTime> parse_time(std::string_view text) {
  std::tm when{};
  int used = 0;
  const std::string copy(text);
  if (std::sscanf(copy.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n", &when.tm_year, &when.tm_mon, &when.tm_mday, &when.tm_hour,
                  &when.tm_min, &when.tm_sec, &used) != 6) {
    return std::nullopt;
  }
  std::string_view rest = std::string_view(copy).substr(static_cast<std::size_t>(used));
  int milliseconds = 0;
  if (rest.starts_with('.')) {
    if (rest.size() < 4 ||
        !std::all_of(rest.begin() + 1, rest.begin() + 4, [](char c) { return c >= '0' && c <= '9'; })) {
      return std::nullopt;
    }
    milliseconds = (rest[1] - '0') * 100 + (rest[2] - '0') * 10 + (rest[3] - '0');
    rest.remove_prefix(4);
  }
  char sign = 0;
  int zone_hours = 0, zone_minutes = 0;
  const std::string zone(rest);
  if (std::sscanf(zone.c_str(), " %c%2d%2d%n", &sign, &zone_hours, &zone_minutes, &used) != 3 ||
      static_cast<std::size_t>(used) != zone.size() || zone.size() != 6 || (sign != '+' && sign != '-')) {
    return std::nullopt;
  }
  if (when.tm_mon < 1 || when.tm_mon > 12 || when.tm_mday < 1 || when.tm_mday > 31 || when.tm_hour > 23 ||
      when.tm_min > 59 || when.tm_sec > 60 || zone_hours > 23 || zone_minutes > 59) {
    return std::nullopt;
  }
  when.tm_year -= 1900;
  when.tm_mon -= 1;
  const long offset = (sign == '-' ? -1 : 1) * (zone_hours * 3600L + zone_minutes * 60L);
  return std::chrono::system_clock::from_time_t(utc_seconds(when) - offset) + std::chrono::milliseconds(milliseconds);
}

std::string outcome_text(const TranscriptEnd& end) {
  switch (end.outcome) {
    case Outcome::Exited:
      return "exit code " + std::to_string(end.exit_code);
    case Outcome::Terminated:
      return "terminated";
    case Outcome::NotStarted:
      return "not started";
    case Outcome::Unknown:
      break;
  }
  return "unknown";
}

std::string duration_text(std::chrono::milliseconds duration) {
  char text[48];
  const long long ms = duration.count();
  if (ms < 60'000) {
    std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(ms) / 1000.0);
  } else if (ms < 3'600'000) {
    std::snprintf(text, sizeof text, "%lld min %02lld s", ms / 60'000, ms / 1000 % 60);
  } else {
    std::snprintf(text, sizeof text, "%lld h %02lld min", ms / 3'600'000, ms / 60'000 % 60);
  }
  return text;
}

}  // namespace tarnex::history
