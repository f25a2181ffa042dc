// The findings of Build ORBEN File on the order of TITL and ENDF records, and
// the texts of its report.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tin/editor/build_report.h"

namespace tarnex::tin {
namespace {

constexpr std::string_view kNoRecords = "The file does not contain any records";
constexpr std::string_view kTooManyTitles = "The file contains more than 5 TITL records.";
constexpr std::string_view kTitlesNotLeading =
    "The file contains records other than TITL records at the beginning of the file.";
constexpr std::string_view kEarlyEnd = "An ENDF record(s) was found positioned other than at the end of the file.";
constexpr std::string_view kNoFinalEnd = "The file does not contain an ENDF record as the last entry.";

struct FindingCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<std::string_view> warnings;
};

TEST(BuildWarnings, HoldInTheirOrder) {
  const std::vector<std::string> six_titles = {"TITL 1", "TITL 2", "TITL 3", "TITL 4", "TITL 5", "TITL 6", "ENDF"};
  const FindingCase cases[] = {
      {"empty list", {}, {kNoRecords}},
      {"titles then end", {"TITL a", "COMM", "ENDF"}, {}},
      {"five titles", {"TITL", "TITL", "TITL", "TITL", "TITL", "ENDF"}, {}},
      {"six titles", six_titles, {kTooManyTitles, kTitlesNotLeading}},
      {"comment before a title", {"COMM", "TITL", "ENDF"}, {kTitlesNotLeading}},
      {"title after other records", {"TITL", "TITL", "**", "TITL", "ENDF"}, {kTitlesNotLeading}},
      {"end in the middle", {"TITL", "ENDF", "COMM", "ENDF"}, {kEarlyEnd}},
      {"end in the middle only", {"TITL", "ENDF", "COMM"}, {kEarlyEnd, kNoFinalEnd}},
      {"no end", {"COMM"}, {kNoFinalEnd}},
      {"identifier compared exactly", {"titl", " ENDF"}, {kNoFinalEnd}},
      {"only columns 1-4 count", {"TITLE", "ENDFX"}, {}},
  };
  for (const auto& c : cases) {
    RecordList list;
    ASSERT_TRUE(list.append(c.lines));
    EXPECT_EQ(build_warnings(list), c.warnings) << c.name;
  }
}

TEST(BuildReport, TellsTheFileWasWritten) {
  EXPECT_EQ(build_report("basin.tin", {}), "\r\nThe ORBEN file was successfully written to basin.tin.");
}

TEST(BuildReport, AppendsTheWarningsBetweenStarLines) {
  EXPECT_EQ(build_report("/data/x.tin", {kEarlyEnd, kNoFinalEnd}),
            "\r\nThe ORBEN file was successfully written to /data/x.tin.\r\n\r\n*****WARNING*****\r\n"
            "An ENDF record(s) was found positioned other than at the end of the file.\r\n"
            "The file does not contain an ENDF record as the last entry.\r\n*****************");
}

TEST(BuildReport, TellsTheFileWasNotWritten) {
  EXPECT_EQ(build_failure_report("x.tin"), "\r\nERROR\r\nThe ORBEN file was not written to x.tin.");
}

}  // namespace
}  // namespace tarnex::tin
