// The transcript's header and trailer as text, and the times and durations
// they carry.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "history/transcript.h"
#include "tests/support/environment.h"

namespace tarnex::history {
namespace {

using namespace std::chrono_literals;

// Times are written in the local zone; the tests fix it.
class InZone : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* zone = std::getenv("TZ")) previous_ = zone;
    test::set_environment_variable("TZ", "UTC+2");
    test::reread_time_zone();
  }
  void TearDown() override {
    if (previous_.empty()) {
      test::unset_environment_variable("TZ");
    } else {
      test::set_environment_variable("TZ", previous_);
    }
    test::reread_time_zone();
  }

 private:
  std::string previous_;
};

// 2024-05-01 10:22:33 UTC
const SystemTime kMay1 = std::chrono::system_clock::from_time_t(1714558953);

TranscriptHeader mor_header() {
  TranscriptHeader header;
  header.program = "MOR";
  header.run_code = 200;
  header.dialog_code = 200;
  header.directory = "/home/me/basin";
  header.started = kMay1;
  header.answers = {
      {"input and output", "BASIN", true}, {"hydrology", "", true}, {"output files", "Replace All", false}};
  return header;
}

TEST_F(InZone, HeaderNamesTheRunAndEndsInTheOutputLine) {
  EXPECT_EQ(header_text(mor_header()),
            "Tarnex run transcript\n"
            "Program: MOR\n"
            "Run code: 200\n"
            "Dialog: 200\n"
            "Directory: /home/me/basin\n"
            "Started: 2024-05-01 08:22:33.000 -0200\n"
            "Root of input and output: BASIN\n"
            "Root of hydrology: \n"
            "Replace for output files: Replace All\n"
            "----- output -----\n");
}

TEST(Header, KeepsEachValueOnItsLine) {
  auto header = mor_header();
  header.directory = "/models/odd\nname";
  header.answers = {{"input and output", "A\rB", true}};
  const auto text = header_text(header);
  EXPECT_NE(text.find("Directory: /models/odd name\n"), std::string::npos);
  EXPECT_NE(text.find("Root of input and output: A B\n"), std::string::npos);
}

struct TrailerCase {
  const char* name;
  TranscriptEnd end;
  std::uint64_t bytes;
  std::string expected;
};

const TrailerCase kTrailers[] = {
    {"normal end",
     {Outcome::Exited, 0, 3214ms, 0},
     1234,
     "\n----- end of output: 1234 bytes -----\nResult: exit code 0\nDuration: 3.214 s\n"},
    {"the program crashed",
     {Outcome::Exited, 139, 800ms, 0},
     10,
     "\n----- end of output: 10 bytes -----\nResult: exit code 139\nDuration: 0.800 s\n"},
    {"terminated",
     {Outcome::Terminated, 0, 61005ms, 0},
     0,
     "\n----- end of output: 0 bytes -----\nResult: terminated\nDuration: 61.005 s\n"},
    {"not started",
     {Outcome::NotStarted, 0, 2ms, 0},
     0,
     "\n----- end of output: 0 bytes -----\nResult: not started\nDuration: 0.002 s\n"},
    {"output past the limit",
     {Outcome::Exited, 0, 1000ms, 77},
     500,
     "\n----- end of output: 500 bytes -----\nResult: exit code 0\nDuration: 1.000 s\n"
     "Not kept: 77 bytes of output past the size limit\n"},
};

class Trailer : public ::testing::TestWithParam<TrailerCase> {};

TEST_P(Trailer, SaysHowTheRunEnded) { EXPECT_EQ(trailer_text(GetParam().bytes, GetParam().end), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Ends, Trailer, ::testing::ValuesIn(kTrailers), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
});

TEST_F(InZone, TimesGoAndComeBack) {
  EXPECT_EQ(time_text(kMay1), "2024-05-01 08:22:33.000 -0200");
  EXPECT_EQ(time_text(kMay1 + 45ms), "2024-05-01 08:22:33.045 -0200");
  EXPECT_EQ(parse_time("2024-05-01 08:22:33.045 -0200"), kMay1 + 45ms);
  EXPECT_EQ(parse_time("2024-05-01 08:22:33 -0200"), kMay1);
  EXPECT_EQ(parse_time("2024-05-01 14:52:33 +0430"), kMay1);
  EXPECT_EQ(parse_time(time_text(kMay1 + 999ms)), kMay1 + 999ms);
}

TEST(Times, TextsThatAreNoTimeAreRefused) {
  for (const char* text :
       {"", "yesterday", "2024-05-01 10:22:33", "2024-13-01 10:22:33 +0000", "2024-05-01 25:22:33 +0000",
        "2024-05-01 10:22:33 +0000 and more", "2024-05-01 10:22:33 *0000", "2024-05-01 10:22:33.5 +0000",
        "2024-05-01 10:22:33.abc +0000", "2024-05-01 10:22:33 +00"}) {
    EXPECT_FALSE(parse_time(text)) << text;
  }
}

TEST(Outcomes, ReadAsTheListingShowsThem) {
  EXPECT_EQ(outcome_text({Outcome::Exited, 2, 0ms, 0}), "exit code 2");
  EXPECT_EQ(outcome_text({Outcome::Terminated, 0, 0ms, 0}), "terminated");
  EXPECT_EQ(outcome_text({Outcome::NotStarted, 0, 0ms, 0}), "not started");
  EXPECT_EQ(outcome_text({}), "unknown");
}

TEST(Durations, ShortInSecondsLongInMinutesAndHours) {
  EXPECT_EQ(duration_text(0ms), "0.0 s");
  EXPECT_EQ(duration_text(3214ms), "3.2 s");
  EXPECT_EQ(duration_text(59'949ms), "59.9 s");
  EXPECT_EQ(duration_text(725'000ms), "12 min 05 s");
  EXPECT_EQ(duration_text(7'380'000ms), "2 h 03 min");
}

}  // namespace
}  // namespace tarnex::history
