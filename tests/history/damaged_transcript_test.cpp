// Transcripts edited or damaged by hand, cut short, or not transcripts at
// all: each is listed as far as it can be read, and none stops the listing.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "history/display_text.h"
#include "history/transcript_reader.h"
#include "scratch_directory.h"

namespace tarnex::history {
namespace {

using namespace std::chrono_literals;
using test::ScratchDirectory;

const std::string kHeader =
    "Tarnex run transcript\nProgram: MOR\nRun code: 200\nDialog: 200\nDirectory: /m\n"
    "Started: 2024-05-01 10:22:33 +0000\nRoot of input and output: BASIN\n----- output -----\n";
const std::string kTrailer = "\n----- end of output: 5 bytes -----\nResult: exit code 0\nDuration: 1.000 s\n";

struct DamagedCase {
  const char* name;
  std::string content;
  std::string program;
  int run_code;
  bool header_complete;
  Outcome outcome;
  std::string roots;
};

const DamagedCase kDamaged[] = {
    {"whole", kHeader + "hello" + kTrailer, "MOR", 200, true, Outcome::Exited, "BASIN"},
    {"empty_file", "", "", 0, false, Outcome::Unknown, ""},
    {"not_a_transcript", "shopping list\nmilk\n", "", 0, false, Outcome::Unknown, ""},
    {"header_cut_short", "Tarnex run transcript\nProgram: MOR\nRun co", "MOR", 0, false, Outcome::Unknown, ""},
    {"trailer_cut_short", kHeader + "hello\n----- end of output: 5 bytes -----\nResult: exi", "MOR", 200, true,
     Outcome::Unknown, "BASIN"},
    {"output_edited_after", kHeader + "hello, edited" + kTrailer, "MOR", 200, true, Outcome::Unknown, "BASIN"},
    {"result_garbled", kHeader + "hello\n----- end of output: 5 bytes -----\nResult: exploded\nDuration: 1.000 s\n",
     "MOR", 200, true, Outcome::Unknown, "BASIN"},
    {"duration_garbled", kHeader + "hello\n----- end of output: 5 bytes -----\nResult: exit code 0\nDuration: soon\n",
     "MOR", 200, true, Outcome::Unknown, "BASIN"},
    {"trailer_with_more_after", kHeader + "hello" + kTrailer + "PS\n", "MOR", 200, true, Outcome::Unknown, "BASIN"},
    {"run_code_not_a_number",
     "Tarnex run transcript\nProgram: ORB\nRun code: abc\nRoot of: nothing\nRoot of TIN:\n----- output -----\n", "ORB",
     0, true, Outcome::Unknown, ""},
    {"windows_line_ends", "Tarnex run transcript\r\nProgram: FLUM\r\nRun code: 400\r\n----- output -----\r\nhi\r\n",
     "FLUM", 400, true, Outcome::Unknown, ""},
    {"binary_junk", std::string("\0\xff\xfe\nProgram: \x80\x80\n\0", 17), "\x80\x80", 0, false, Outcome::Unknown, ""},
    {"endless_first_line", std::string(100'000, 'x'), "", 0, false, Outcome::Unknown, ""},
};

class Damaged : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(Damaged, IsListedAsFarAsItReads) {
  const auto& c = GetParam();
  ScratchDirectory dir;
  dir.put(std::string(c.name) + ".txt", c.content);
  const auto runs = list_runs(dir.path());
  ASSERT_EQ(runs.size(), 1u);
  const auto& run = runs[0];
  EXPECT_EQ(run.header.program, c.program);
  EXPECT_EQ(run.header.run_code, c.run_code);
  EXPECT_EQ(run.header_complete, c.header_complete);
  EXPECT_EQ(run.end.outcome, c.outcome);
  EXPECT_EQ(run.roots_text(), c.roots);
  EXPECT_EQ(run.file_bytes, c.content.size());
  EXPECT_LE(run.output_offset + run.output_bytes, run.file_bytes);
  // Its text shows, whatever it holds.
  EXPECT_FALSE(displayable(transcript_bytes(run.path, 1 << 20)).empty() && !c.content.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, Damaged, ::testing::ValuesIn(kDamaged),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Listing, NewestFirstByStartOrElseByLastWrite) {
  ScratchDirectory dir;
  auto at = [](const char* time) {
    return "Tarnex run transcript\nProgram: MOR\nStarted: " + std::string(time) + "\n";
  };
  dir.put("a.txt", at("2024-05-01 10:00:00 +0000"));
  dir.put("b.txt", at("2024-05-03 10:00:00 +0000"));
  dir.put("c.txt", at("2024-05-02 10:00:00 +0000"));
  const auto undated = dir.put("d.txt", "Tarnex run transcript\nProgram: JORN\n");
  std::filesystem::last_write_time(undated, std::filesystem::file_time_type::clock::now() - 24h * 30);
  std::vector<std::string> order;
  for (const auto& run : list_runs(dir.path())) order.push_back(run.path.filename().string());
  // d.txt was last written thirty days ago: after the three of May 2024.
  const auto thirty_days_ago = std::chrono::system_clock::now() - 24h * 30;
  ASSERT_GT(thirty_days_ago, *parse_time("2024-05-03 10:00:00 +0000"));
  EXPECT_EQ(order, (std::vector<std::string>{"d.txt", "b.txt", "c.txt", "a.txt"}));
}

TEST(Listing, OnlyTextFilesOfTheDirectory) {
  ScratchDirectory dir;
  dir.put("run.txt", kHeader);
  dir.put("notes.md", kHeader);
  std::filesystem::create_directory(dir.path() / "folder.txt");
  const auto runs = list_runs(dir.path());
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].path.filename(), "run.txt");
  EXPECT_TRUE(list_runs(dir.path() / "missing").empty());
}

TEST(Listing, ARefreshReadsWhatChanged) {
  ScratchDirectory dir;
  const auto path = dir.put("run.txt", kHeader + "hel");
  RunListing listing;
  ASSERT_EQ(listing.refresh(dir.path()).size(), 1u);
  EXPECT_EQ(listing.runs()[0].end.outcome, Outcome::Unknown);
  dir.put("run.txt", kHeader + "hello" + kTrailer);
  dir.put("next.txt", kHeader);
  const auto& runs = listing.refresh(dir.path());
  ASSERT_EQ(runs.size(), 2u);
  const auto ended = std::ranges::find(runs, path, &RunRecord::path);
  ASSERT_NE(ended, runs.end());
  EXPECT_EQ(ended->end.outcome, Outcome::Exited);
  std::filesystem::remove(path);
  EXPECT_EQ(listing.refresh(dir.path()).size(), 1u);
}

TEST(TranscriptBytes, ALargeFileShowsItsHeadAndTail) {
  ScratchDirectory dir;
  const std::string content = kHeader + std::string(3000, 'm') + "LAST LINE\n";
  const auto path = dir.put("big.txt", content);
  const auto shown = transcript_bytes(path, 1000);
  EXPECT_TRUE(shown.starts_with(content.substr(0, 250)));
  EXPECT_TRUE(shown.ends_with(content.substr(content.size() - 750)));
  EXPECT_NE(shown.find("bytes not shown here"), std::string::npos);
  EXPECT_EQ(transcript_bytes(path, content.size()), content);
}

}  // namespace
}  // namespace tarnex::history
