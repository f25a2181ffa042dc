// A transcript written as a run goes and read back: header and trailer for
// each way a run ends, output kept byte for byte, and a writer that never
// finishes, as when Tarnex is killed, leaving a run read as "unknown" with
// everything it had written.

#include <gtest/gtest.h>
#include <signal.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <string>

#include "history/transcript_reader.h"
#include "history/transcript_writer.h"
#include "scratch_directory.h"

namespace tarnex::history {
namespace {

using namespace std::chrono_literals;
using test::read_file;
using test::ScratchDirectory;

constexpr std::uint64_t kNoLimit = 500'000'000;

TranscriptHeader orb_header() {
  TranscriptHeader header;
  header.program = "ORB";
  header.run_code = 210;
  header.dialog_code = 300;
  header.directory = "/models";
  header.started = std::chrono::system_clock::from_time_t(1714558953);
  header.answers = {{"ORBEN input", "TABLES", true},
                    {"ORBEN output", "TOUT", true},
                    {"ORBEN output", "No", false},
                    {"MOR/MORD/MERL", "BASIN", true}};
  return header;
}

std::unique_ptr<TranscriptWriter> make(const std::filesystem::path& path, std::uint64_t most = kNoLimit) {
  std::error_code error;
  auto writer = TranscriptWriter::create(path, orb_header(), most, error);
  EXPECT_FALSE(error) << error.message();
  return writer;
}

const std::string kOutput = "Enter root of ORBEN input filename.\n\n   TABLES\nReading TABLES.TIN\nExit ORBEN\n";

struct EndCase {
  const char* name;
  TranscriptEnd end;
};

const EndCase kEnds[] = {
    {"normal_end", {Outcome::Exited, 0, 1500ms, 0}},
    {"program_crashed", {Outcome::Exited, 134, 420ms, 0}},
    {"terminated", {Outcome::Terminated, 0, 9001ms, 0}},
    {"not_started", {Outcome::NotStarted, 0, 1ms, 0}},
};

class EachEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(EachEnd, HeaderOutputAndTrailerReadBack) {
  ScratchDirectory dir;
  const auto path = dir.path() / "run.txt";
  auto writer = make(path);
  writer->output(kOutput.substr(0, 20));
  writer->flush();
  writer->output(kOutput.substr(20));
  writer->finish(GetParam().end);
  EXPECT_FALSE(writer->failed());

  EXPECT_EQ(read_file(path), header_text(orb_header()) + kOutput + trailer_text(kOutput.size(), GetParam().end));
  const auto run = read_record(path);
  EXPECT_TRUE(run.header_complete);
  EXPECT_EQ(run.header.program, "ORB");
  EXPECT_EQ(run.header.run_code, 210);
  EXPECT_EQ(run.header.dialog_code, 300);
  EXPECT_EQ(run.header.directory, "/models");
  EXPECT_EQ(run.header.started, orb_header().started);
  EXPECT_EQ(run.header.answers, orb_header().answers);
  EXPECT_EQ(run.output_offset, header_text(orb_header()).size());
  EXPECT_EQ(run.output_bytes, kOutput.size());
  EXPECT_EQ(run.end.outcome, GetParam().end.outcome);
  EXPECT_EQ(run.end.exit_code, GetParam().end.exit_code);
  EXPECT_EQ(run.end.duration, GetParam().end.duration);
  EXPECT_EQ(run.roots_text(), "ORBEN input TABLES, ORBEN output TOUT, MOR/MORD/MERL BASIN");
}

INSTANTIATE_TEST_SUITE_P(Ends, EachEnd, ::testing::ValuesIn(kEnds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Transcript, WithoutAnEndItIsARunCutShortHoldingItsOutput) {
  ScratchDirectory dir;
  const auto path = dir.path() / "run.txt";
  make(path)->output(kOutput);
  const auto run = read_record(path);
  EXPECT_EQ(run.end.outcome, Outcome::Unknown);
  EXPECT_EQ(outcome_text(run.end), "unknown");
  EXPECT_EQ(run.output_bytes, kOutput.size());
  EXPECT_EQ(read_file(path), header_text(orb_header()) + kOutput);
}

// A child process writes as the driver does and is killed with SIGKILL, as
// Tarnex may be: what it flushed at the end of each cycle is there.
TEST(Transcript, TarnexKilledLeavesTheRunUpToThatMoment) {
#ifdef _WIN32
  GTEST_SKIP() << "the writer killed midway is a forked child; Windows has no fork";
#else
  ScratchDirectory dir;
  const auto path = dir.path() / "killed.txt";
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::error_code error;
    auto writer = TranscriptWriter::create(path, orb_header(), kNoLimit, error);
    if (!writer) ::_exit(1);
    writer->output("first cycle\n");
    writer->flush();
    writer->output("second cycle\n");
    writer->flush();
    if (::write(ready[1], "k", 1) != 1) ::_exit(2);
    ::pause();
    ::_exit(0);
  }
  ::close(ready[1]);
  char seen = 0;
  ASSERT_EQ(::read(ready[0], &seen, 1), 1);
  ::close(ready[0]);
  ::kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));

  const auto runs = list_runs(dir.path());
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].end.outcome, Outcome::Unknown);
  EXPECT_EQ(runs[0].header.program, "ORB");
  EXPECT_EQ(read_file(path), header_text(orb_header()) + "first cycle\nsecond cycle\n");
#endif
}

TEST(Transcript, BinaryOutputIsKeptByteForByte) {
  ScratchDirectory dir;
  const auto path = dir.path() / "binary.txt";
  std::string bytes;
  for (int round = 0; round < 300; ++round) {
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  }
  auto writer = make(path);
  // In reads of a pipe's size and larger than the buffer, as a flood comes.
  writer->output(bytes.substr(0, 511));
  writer->output(bytes.substr(511, 70'000));
  writer->output(bytes.substr(70'511));
  writer->finish({Outcome::Exited, 0, 5ms, 0});
  const auto run = read_record(path);
  EXPECT_EQ(run.end.outcome, Outcome::Exited);
  EXPECT_EQ(read_file(path).substr(run.output_offset, run.output_bytes), bytes);
}

TEST(Transcript, OutputPastTheLimitIsCountedNotKept) {
  ScratchDirectory dir;
  const auto path = dir.path() / "long.txt";
  auto writer = make(path, 10);
  writer->output("0123456");
  writer->output("789abcdefghijklmnopq");
  writer->finish({Outcome::Exited, 0, 5ms, 0});
  const auto run = read_record(path);
  EXPECT_EQ(read_file(path).substr(run.output_offset, run.output_bytes), "0123456789");
  EXPECT_EQ(run.end.outcome, Outcome::Exited);
  EXPECT_EQ(run.end.bytes_not_kept, 17u);
}

// A program may print what looks like a trailer, say by printing another
// transcript; only the one whose byte count ends the output is the trailer.
TEST(Transcript, OutputThatLooksLikeATrailerIsOutput) {
  ScratchDirectory dir;
  const std::string fake = "x\n----- end of output: 99 bytes -----\nResult: exit code 0\nDuration: 1.000 s\n";
  const auto cut = dir.path() / "cut.txt";
  make(cut)->output(fake);
  EXPECT_EQ(read_record(cut).end.outcome, Outcome::Unknown);

  const auto ended = dir.path() / "ended.txt";
  auto writer = make(ended);
  writer->output(fake);
  writer->finish({Outcome::Exited, 3, 5ms, 0});
  const auto run = read_record(ended);
  EXPECT_EQ(run.end.exit_code, 3);
  EXPECT_EQ(run.output_bytes, fake.size());
}

TEST(Transcript, IsNeverWrittenOverAnotherFile) {
  ScratchDirectory dir;
  const auto path = dir.put("taken.txt", "someone's notes\n");
  std::error_code error;
  EXPECT_FALSE(TranscriptWriter::create(path, orb_header(), kNoLimit, error));
  EXPECT_EQ(error, std::errc::file_exists);
  EXPECT_EQ(read_file(path), "someone's notes\n");
}

}  // namespace
}  // namespace tarnex::history
