// The TIN file on disk: reading it into lines (line ends, binary content, the
// 256-line and 256-column limits), finding a name in any letter case, the
// new-file probe, and writing 152 columns without ever losing the old file.

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/fixed_text.h"
#include "file_size_limit.h"
#include "tin/editor/tin_file_reader.h"
#include "tin/editor/tin_file_writer.h"
#include "working_directory.h"

namespace tarnex::tin {
namespace {

namespace fs = std::filesystem;
using Outcome = TinFileRead::Outcome;
using templates::test::WorkingDirectory;

// The file's names. The C library of Windows counts one always: there the
// system is asked.
std::uintmax_t link_count(const fs::path& path) {
#ifdef _WIN32
  const HANDLE file = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  BY_HANDLE_FILE_INFORMATION information{};
  ::GetFileInformationByHandle(file, &information);
  ::CloseHandle(file);
  return information.nNumberOfLinks;
#else
  return fs::hard_link_count(path);
#endif
}

std::string repeated(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line;
  return text;
}

struct ReadCase {
  const char* name;
  std::string content;
  Outcome outcome;
  std::vector<std::string> lines;
};

TEST(ReadTinFile, SplitsLinesAndRefusesWhatIsNoTinFile) {
  const ReadCase cases[] = {
      {"empty file", "", Outcome::kRead, {}},
      {"LF line ends", "TITL a\nENDF\n", Outcome::kRead, {"TITL a", "ENDF"}},
      {"CR LF line ends", "TITL a  \r\nENDF\r\n", Outcome::kRead, {"TITL a  ", "ENDF"}},
      {"no line end at the end", "TITL a\nENDF", Outcome::kRead, {"TITL a", "ENDF"}},
      {"CR at the very end", "ENDF\r", Outcome::kRead, {"ENDF"}},
      {"empty lines", "\nA\n\n", Outcome::kRead, {"", "A", ""}},
      {"tab kept", "COMM\tx\n", Outcome::kRead, {"COMM\tx"}},
      {"non-ASCII text kept", "COMM caf\xC3\xA9\n", Outcome::kRead, {"COMM caf\xC3\xA9"}},
      {"line of 200 loads whole", std::string(200, 'x') + "\n", Outcome::kRead, {std::string(200, 'x')}},
      {"line of 300 cut to 256", std::string(300, 'x') + "\r\n", Outcome::kRead, {std::string(256, 'x')}},
      {"NUL byte", std::string("TITL\0a\n", 7), Outcome::kNotText, {}},
      {"control character", "TITL\x01\n", Outcome::kNotText, {}},
      {"DEL character", "TITL\x7F\n", Outcome::kNotText, {}},
      {"CR inside a line", "TITL\rENDF\n", Outcome::kNotText, {}},
      {"256 lines", repeated("x\n", 256), Outcome::kRead, std::vector<std::string>(256, "x")},
      {"257 lines", repeated("x\n", 257), Outcome::kTooManyLines, {}},
      {"257th line without line end", repeated("x\n", 256) + "y", Outcome::kTooManyLines, {}},
      {"257th line empty", repeated("x\n", 256) + "\n", Outcome::kTooManyLines, {}},
      {"byte-order mark dropped", "\xEF\xBB\xBF" "TITL a\nENDF\n", Outcome::kRead, {"TITL a", "ENDF"}},
      {"byte-order mark alone", "\xEF\xBB\xBF", Outcome::kRead, {}},
      {"byte-order mark not counted in a line", "\xEF\xBB\xBF" + std::string(256, 'x'), Outcome::kRead,
       {std::string(256, 'x')}},
      {"byte-order mark inside kept", "COMM \xEF\xBB\xBF\n", Outcome::kRead, {"COMM \xEF\xBB\xBF"}},
      {"byte-order mark on the second line kept", "TITL\n\xEF\xBB\xBF" "ENDF\n", Outcome::kRead,
       {"TITL", "\xEF\xBB\xBF" "ENDF"}},
  };
  for (const auto& c : cases) {
    WorkingDirectory directory;
    directory.put("a.tin", c.content);
    const auto read = read_tin_file("a.tin");
    EXPECT_EQ(read.outcome, c.outcome) << c.name;
    EXPECT_EQ(read.lines, c.lines) << c.name;
  }
}

TEST(ReadTinFile, CannotOpenAMissingFileOrADirectory) {
  WorkingDirectory directory;
  fs::create_directory("d.tin");
  for (const char* name : {"missing.tin", "d.tin", "nowhere/a.tin"}) {
    EXPECT_EQ(read_tin_file(name).outcome, Outcome::kCannotOpen) << name;
  }
}

TEST(ExistingFileName, FindsTheFileInAnyLetterCase) {
  WorkingDirectory directory;
#ifdef _WIN32
  // Names that differ in letter case only are one name: the system finds the
  // file, and the name stays as typed.
  directory.put("BASIN.TIN", "ENDF\n");
  fs::create_directory("sub");
  directory.put("sub/Deep.Tin", "ENDF\n");
  const std::pair<const char*, const char*> cases[] = {
      {"BASIN.tin", "BASIN.tin"},  {"basin.tin", "basin.tin"}, {"sub/deep.tin", "sub/deep.tin"},
      {"SUB\\DEEP.TIN", "SUB\\DEEP.TIN"}, {"new.tin", "new.tin"}, {"nowhere/a.tin", "nowhere/a.tin"},
      {"BASIN.tin.tin", "BASIN.tin.tin"},
  };
  for (const char* typed : {"basin.tin", "sub/deep.tin", "SUB\\DEEP.TIN"}) {
    EXPECT_EQ(read_tin_file(existing_file_name(typed)).lines, std::vector<std::string>{"ENDF"}) << typed;
  }
#else
  directory.put("BASIN.TIN", "ENDF\n");
  directory.put("x.tin", "ENDF\n");
  directory.put("X.TIN", "ENDF\n");
  directory.put("Two.tin", "ENDF\n");
  directory.put("TWO.tin", "ENDF\n");
  fs::create_directory("sub");
  directory.put("sub/Deep.Tin", "ENDF\n");
  const std::pair<const char*, const char*> cases[] = {
      {"BASIN.tin", "BASIN.TIN"},    {"basin.tin", "BASIN.TIN"},     {"x.tin", "x.tin"},
      {"X.TIN", "X.TIN"},            {"two.tin", "TWO.tin"},         {"sub/deep.tin", "sub/Deep.Tin"},
      {"new.tin", "new.tin"},        {"nowhere/a.tin", "nowhere/a.tin"}, {"BASIN.tin.tin", "BASIN.tin.tin"},
  };
#endif
  for (const auto& [typed, found] : cases) EXPECT_EQ(existing_file_name(typed), found) << typed;
}

TEST(CanCreateNewFile, LeavesNothingOnDisk) {
  WorkingDirectory directory;
  EXPECT_TRUE(can_create_new_file("x.tin"));
  EXPECT_EQ(directory.file_count(), 0u);
  directory.put("old.tin", "ENDF\n");
  EXPECT_FALSE(can_create_new_file("old.tin"));
  EXPECT_EQ(directory.read("old.tin"), "ENDF\n");
  EXPECT_FALSE(can_create_new_file("nowhere/x.tin"));
  EXPECT_EQ(directory.file_count(), 1u);
}

RecordList list_of(const std::vector<std::string>& lines) {
  RecordList list;
  list.append(lines);
  return list;
}

const std::string kLineEnd(files::kLineEnd);

std::string written_line(const std::string& text) { return fit(text, kWrittenColumns) + kLineEnd; }

TEST(WriteTinFile, WritesTheFirst152ColumnsOfEveryLine) {
  WorkingDirectory directory;
  directory.put("x.tin", "the old contents, longer than the new ones\n" + std::string(2000, 'o'));
  const auto long_line = std::string(150, 'a') + "bcdefgh" + std::string(43, 'z');
  ASSERT_TRUE(write_tin_file("x.tin", list_of({"TITL  a title", long_line, "", "ENDF"})));
  EXPECT_EQ(directory.read("x.tin"), written_line("TITL  a title") + std::string(150, 'a') + "bc" + kLineEnd +
                                         written_line("") + written_line("ENDF"));
  EXPECT_EQ(directory.file_count(), 1u);
}

TEST(WriteTinFile, AFirstLineThatBeginsWithAByteOrderMarkLoadsBackWhole) {
  // Loading drops the mark that starts the file, so a file that began with
  // two keeps one in its first line; Build gives that line its own back.
  const std::string mark(kByteOrderMark);
  WorkingDirectory directory;
  directory.put("x.tin", mark + mark + "TITL  a title\n" + mark + "COMM\nENDF\n");
  const auto loaded = read_tin_file("x.tin");
  ASSERT_EQ(loaded.outcome, TinFileRead::Outcome::kRead);
  ASSERT_EQ(loaded.lines, (std::vector<std::string>{mark + "TITL  a title", mark + "COMM", "ENDF"}));
  ASSERT_TRUE(write_tin_file("x.tin", list_of(loaded.lines)));
  EXPECT_EQ(directory.read("x.tin"), mark + written_line(mark + "TITL  a title") + written_line(mark + "COMM") +
                                         written_line("ENDF"));
  const auto again = read_tin_file("x.tin");
  ASSERT_EQ(again.outcome, TinFileRead::Outcome::kRead);
  std::vector<std::string> expected;
  for (const auto& line : loaded.lines) expected.push_back(fit(line, kWrittenColumns));
  EXPECT_EQ(again.lines, expected);
}

TEST(WriteTinFile, AnEmptyListWritesAnEmptyFile) {
  WorkingDirectory directory;
  ASSERT_TRUE(write_tin_file("new.tin", RecordList{}));
  EXPECT_EQ(directory.read("new.tin"), "");
}

TEST(WriteTinFile, FailureLeavesTheOldFileIntactAndNoOtherFile) {
#ifdef _WIN32
  GTEST_SKIP() << templates::test::kNoFileSizeLimit;
#else
  WorkingDirectory directory;
  const auto old = repeated("COMM the user's own record\n", 20);
  directory.put("x.tin", old);
  {
    const templates::test::FileSizeLimit full_disk(300);
    EXPECT_FALSE(write_tin_file("x.tin", list_of(std::vector<std::string>(10, "COMM new"))));
  }
  EXPECT_EQ(directory.read("x.tin"), old);
  EXPECT_EQ(directory.file_count(), 1u);
#endif
}

TEST(WriteTinFile, RefusesADirectoryOrAMissingDirectory) {
  WorkingDirectory directory;
  fs::create_directory("d.tin");
  directory.put("d.tin/inside", "kept");
  EXPECT_FALSE(write_tin_file("d.tin", list_of({"ENDF"})));
  EXPECT_EQ(directory.read("d.tin/inside"), "kept");
  EXPECT_FALSE(write_tin_file("nowhere/x.tin", list_of({"ENDF"})));
  EXPECT_EQ(directory.file_count(), 1u);
}

TEST(WriteTinFile, LeavesAReadOnlyFileAlone) {
#ifndef _WIN32
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write any file";
#endif
  WorkingDirectory directory;
  directory.put("x.tin", "ENDF\n");
  fs::permissions("x.tin", fs::perms::owner_read);
  EXPECT_FALSE(write_tin_file("x.tin", list_of({"TITL"})));
  EXPECT_EQ(directory.read("x.tin"), "ENDF\n");
  // Windows removes no read-only file, not even with its directory.
  fs::permissions("x.tin", fs::perms::owner_write, fs::perm_options::add);
}

TEST(WriteTinFile, KeepsTheFilesPermissions) {
#ifdef _WIN32
  GTEST_SKIP() << "a Windows file has no permission bits but read-only, and a read-only file is left alone";
#else
  WorkingDirectory directory;
  directory.put("x.tin", "ENDF\n");
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions("x.tin", mode);
  ASSERT_TRUE(write_tin_file("x.tin", list_of({"ENDF"})));
  EXPECT_EQ(fs::status("x.tin").permissions(), mode);
#endif
}

TEST(WriteTinFile, ALinkKeepsPointingAtTheFileItNames) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes symbolic links for the privileged only";
#else
  WorkingDirectory directory;
  fs::create_directory("data");
  directory.put("data/real.tin", "old\n");
  fs::create_symlink("data/real.tin", "link.tin");
  ASSERT_TRUE(write_tin_file("link.tin", list_of({"ENDF"})));
  EXPECT_TRUE(fs::is_symlink("link.tin"));
  EXPECT_EQ(directory.read("data/real.tin"), written_line("ENDF"));
#endif
}

// A file with a second name, or of another owner, is written in place, so
// that it stays the one file with its owner, group and mode.
TEST(WriteTinFile, AHardLinkSeesTheNewContent) {
  WorkingDirectory directory;
  directory.put("x.tin", "old\n");
  fs::create_hard_link("x.tin", "other name.tin");
  ASSERT_TRUE(write_tin_file("x.tin", list_of({"TITL", "ENDF"})));
  EXPECT_EQ(directory.read("other name.tin"), written_line("TITL") + written_line("ENDF"));
  EXPECT_EQ(link_count("x.tin"), 2u);
  EXPECT_EQ(directory.file_count(), 2u);
}

TEST(WriteTinFile, AFileOfAnotherOwnerKeepsItsOwnerAndMode) {
#ifdef _WIN32
  GTEST_SKIP() << "a Windows file has no owner and group ids to give it";
#else
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser may give a file to another owner";
  WorkingDirectory directory;
  directory.put("x.tin", "old\n");
  constexpr uid_t kOwner = 4321;
  constexpr gid_t kGroup = 4322;
  ASSERT_EQ(::chown("x.tin", kOwner, kGroup), 0);
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write;
  fs::permissions("x.tin", mode);
  ASSERT_TRUE(write_tin_file("x.tin", list_of({"ENDF"})));
  struct stat after {};
  ASSERT_EQ(::stat("x.tin", &after), 0);
  EXPECT_EQ(after.st_uid, kOwner);
  EXPECT_EQ(after.st_gid, kGroup);
  EXPECT_EQ(fs::status("x.tin").permissions(), mode);
  EXPECT_EQ(directory.read("x.tin"), written_line("ENDF"));
  EXPECT_EQ(directory.file_count(), 1u);
#endif
}

TEST(WriteTinFile, AFailedWriteInPlaceRestoresTheOldContent) {
#ifdef _WIN32
  GTEST_SKIP() << templates::test::kNoFileSizeLimit;
#else
  WorkingDirectory directory;
  const auto old = repeated("COMM old\n", 10);
  directory.put("x.tin", old);
  fs::create_hard_link("x.tin", "y.tin");
  {
    // Room for the backup copy, not for the new lines.
    const templates::test::FileSizeLimit full_disk(300);
    EXPECT_FALSE(write_tin_file("x.tin", list_of(std::vector<std::string>(10, "COMM new"))));
  }
  EXPECT_EQ(directory.read("x.tin"), old);
  EXPECT_EQ(directory.read("y.tin"), old);
  EXPECT_EQ(link_count("x.tin"), 2u);
  EXPECT_EQ(directory.file_count(), 2u);
#endif
}

TEST(WriteTinFile, NoRoomForTheBackupLeavesTheFileAlone) {
#ifdef _WIN32
  GTEST_SKIP() << templates::test::kNoFileSizeLimit;
#else
  WorkingDirectory directory;
  const auto old = repeated("COMM the user's own record\n", 20);
  directory.put("x.tin", old);
  fs::create_hard_link("x.tin", "y.tin");
  {
    const templates::test::FileSizeLimit full_disk(300);
    EXPECT_FALSE(write_tin_file("x.tin", list_of({"ENDF"})));
  }
  EXPECT_EQ(directory.read("y.tin"), old);
  EXPECT_EQ(directory.file_count(), 2u);
#endif
}

}  // namespace
}  // namespace tarnex::tin
