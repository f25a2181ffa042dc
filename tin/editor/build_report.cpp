#include "tin/editor/build_report.h"

#include "base/fixed_text.h"

namespace tarnex::tin {
namespace {

constexpr std::string_view kBreak = "\r\n";
constexpr int kMostTitles = 5;

bool is(const RecordList& list, int k, std::string_view code) { return columns(list.line(k), 1, 4) == code; }

int titles(const RecordList& list) {
  int n = 0;
  for (int k = 1; k <= list.count(); ++k) n += is(list, k, "TITL") ? 1 : 0;
  return n;
}

bool no_records(const RecordList& list) { return list.count() == 0; }

bool too_many_titles(const RecordList& list) { return titles(list) > kMostTitles; }

// A TITL line below line 5, or one with another record before it.
bool titles_not_leading(const RecordList& list) {
  bool other_before = false;
  for (int k = 1; k <= list.count(); ++k) {
    if (!is(list, k, "TITL")) {
      other_before = true;
    } else if (k > kMostTitles || other_before) {
      return true;
    }
  }
  return false;
}

bool early_end(const RecordList& list) {
  for (int k = 1; k < list.count(); ++k) {
    if (is(list, k, "ENDF")) return true;
  }
  return false;
}

bool no_final_end(const RecordList& list) { return list.count() > 0 && !is(list, list.count(), "ENDF"); }

struct Finding {
  bool (*holds)(const RecordList&);
  std::string_view warning;
};

constexpr Finding kFindings[] = {
    {no_records, "The file does not contain any records"},
    {too_many_titles, "The file contains more than 5 TITL records."},
    {titles_not_leading, "The file contains records other than TITL records at the beginning of the file."},
    {early_end, "An ENDF record(s) was found positioned other than at the end of the file."},
    {no_final_end, "The file does not contain an ENDF record as the last entry."},
};

}  // namespace

std::vector<std::string_view> build_warnings(const RecordList& list) {
  std::vector<std::string_view> warnings;
  for (const auto& finding : kFindings) {
    if (finding.holds(list)) warnings.push_back(finding.warning);
  }
  return warnings;
}

std::string build_report(std::string_view file_name, const std::vector<std::string_view>& warnings) {
  auto text = std::string(kBreak) + "The ORBEN file was successfully written to " + std::string(file_name) + ".";
  if (warnings.empty()) return text;
  text += std::string(kBreak) + std::string(kBreak) + "*****WARNING*****";
  for (auto warning : warnings) text += std::string(kBreak) + std::string(warning);
  return text + std::string(kBreak) + "*****************";
}

std::string build_failure_report(std::string_view file_name) {
  return std::string(kBreak) + "ERROR" + std::string(kBreak) + "The ORBEN file was not written to " +
         std::string(file_name) + ".";
}

}  // namespace tarnex::tin
