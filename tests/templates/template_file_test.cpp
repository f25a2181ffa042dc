// Writing a starter file: the bytes on disk, never overwriting, and a write
// that fails leaving nothing behind.

#include <gtest/gtest.h>

#include <cerrno>

#include "base/file_system.h"
#include "file_size_limit.h"
#include "templates/dat_file_builder.h"
#include "working_directory.h"

namespace tarnex::templates {
namespace {

using Outcome = TemplateWrite::Outcome;

// A 256-character record and the system's line end.
constexpr std::size_t kRecord = 256 + files::kLineEnd.size();

std::string padded(const std::string& literal) {
  return literal + std::string(256 - literal.size(), ' ') + std::string(files::kLineEnd);
}

TEST(TemplateFile, EachLineA256CharacterRecord) {
  struct Case {
    const char* kind;
    std::size_t lines;
    std::size_t line9_at;  // byte offset of line 9
    const char* line9;
    const char* last;
  };
  const Case cases[] = {
      {"MOR", 85, 8 * kRecord, "T1", "ED"},
      {"FLUM", 50, 8 * kRecord, "** YRST|NYR|ICH|JC1|JC2|JC3|JC4|JC5|JC6|JC7|JC8|JC9|J10|J11|ADJ|NEG|EPA|J12|DSS|", "ED"},
  };
  for (const auto& c : cases) {
    test::WorkingDirectory directory;
    const auto written = DATFILEBUILDER(c.kind, "basin.dat");
    EXPECT_EQ(written.outcome, Outcome::Written) << c.kind;
    const auto content = directory.read("basin.dat");
    ASSERT_TRUE(content) << c.kind;
    ASSERT_EQ(content->size(), c.lines * kRecord) << c.kind;
    for (std::size_t at = 256; at < content->size(); at += kRecord) {
      ASSERT_EQ(content->substr(at, files::kLineEnd.size()), files::kLineEnd) << c.kind << " byte " << at;
    }
    EXPECT_EQ(content->substr(c.line9_at, kRecord), padded(c.line9)) << c.kind;
    EXPECT_EQ(content->substr(content->size() - kRecord), padded(c.last)) << c.kind;
    EXPECT_EQ(content->substr(0, 2), "**") << c.kind;
  }
}

TEST(TemplateFile, AnExistingFileIsNeverOverwritten) {
  test::WorkingDirectory directory;
  directory.put("basin.dat", "the user's own data\n");
  const auto written = DATFILEBUILDER("MOR", "basin.dat");
  EXPECT_EQ(written.outcome, Outcome::NotCreated);
  EXPECT_EQ(written.error, EEXIST);
  EXPECT_EQ(directory.read("basin.dat"), "the user's own data\n");
}

TEST(TemplateFile, ANameThatCannotBeCreatedCreatesNothing) {
  struct Case {
    const char* name;
    int error;
  };
  const Case cases[] = {
      {"no/such/directory/basin.dat", ENOENT},
      // "plain" is a file, not a directory; Windows finds no such path.
#ifdef _WIN32
      {"plain/basin.dat", ENOENT},
#else
      {"plain/basin.dat", ENOTDIR},
#endif
  };
  for (const auto& c : cases) {
    test::WorkingDirectory directory;
    directory.put("plain", "");
    const auto written = DATFILEBUILDER("FLUM", c.name);
    EXPECT_EQ(written.outcome, Outcome::NotCreated) << c.name;
    EXPECT_EQ(written.error, c.error) << c.name;
    EXPECT_EQ(directory.file_count(), 1u) << c.name;
  }
}

TEST(TemplateFile, AFailingWriteIsReportedAndThePartialFileRemoved) {
#ifdef _WIN32
  GTEST_SKIP() << test::kNoFileSizeLimit;
#else
  test::WorkingDirectory directory;
  TemplateWrite written;
  {
    test::FileSizeLimit limit(10 * 257);
    written = DATFILEBUILDER("MOR", "basin.dat");
  }
  EXPECT_EQ(written.outcome, Outcome::WriteFailed);
  EXPECT_EQ(written.error, EFBIG);
  EXPECT_FALSE(directory.read("basin.dat"));
  EXPECT_EQ(directory.file_count(), 0u);
#endif
}

}  // namespace
}  // namespace tarnex::templates
