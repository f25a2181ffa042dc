#include "app/demo_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "scratch_folder.h"

namespace tarnex {
namespace {

namespace fs = std::filesystem;

std::string content_of(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

class DemoFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(source.samples / "nested");
    std::ofstream(source.samples / "BASIN.DAT") << "basin data\n";
    std::ofstream(source.samples / "BASIN.TIN") << "basin tin\n";
    std::ofstream(source.samples / "nested" / "NOT.COPIED") << "x";
    std::ofstream(source.standin) << "stand-in program";
    fs::permissions(source.standin, fs::perms::owner_read | fs::perms::owner_write);
  }

  const test::ScratchFolder scratch;
  const DemoSource source{scratch.path() / "demo", scratch.path() / "qarn-standin"};
};

TEST_F(DemoFolder, HoldsTheStandInUnderEachModelProgramsNameAndTheSamples) {
  const fs::path folder = scratch.path() / "new" / "tarnex-demo";
  ASSERT_EQ(make_demo_folder(folder, source), "");
  for (const char* name : {"MOR.exe", "MORD.exe", "ORB.exe", "MERL.exe", "FLUM.exe", "JORN.exe"}) {
    EXPECT_EQ(content_of(folder / name), "stand-in program") << name;
    EXPECT_NE(fs::status(folder / name).permissions() & fs::perms::owner_exec, fs::perms::none) << name;
  }
  EXPECT_EQ(content_of(folder / "BASIN.DAT"), "basin data\n");
  EXPECT_EQ(content_of(folder / "BASIN.TIN"), "basin tin\n");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 8u);
}

TEST_F(DemoFolder, ADemoThatIsAWorkingFolderGivesEachFileOnce) {
  // Windows' demo beside tarnex.exe holds the stand-ins under the model
  // programs' names among the samples, and one of them is the stand-in.
  for (const char* name : {"MOR.exe", "MORD.exe", "ORB.exe", "MERL.exe", "FLUM.exe", "JORN.exe"}) {
    std::ofstream(source.samples / name) << "stand-in program";
  }
  const fs::path folder = scratch.path() / "tarnex-demo";
  ASSERT_EQ(make_demo_folder(folder, {source.samples, source.samples / "MOR.exe"}), "");
  EXPECT_EQ(content_of(folder / "JORN.exe"), "stand-in program");
  EXPECT_EQ(content_of(folder / "BASIN.DAT"), "basin data\n");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 8u);
}

TEST_F(DemoFolder, AnExistingFolderIsNeverWrittenTo) {
  const fs::path folder = scratch.path() / "mine";
  fs::create_directory(folder);
  std::ofstream(folder / "BASIN.DAT") << "my own data\n";
  EXPECT_EQ(make_demo_folder(folder, source), "tarnex: '" + folder.string() +
                                                  "' exists already; give a new folder, or start there with 'tarnex " +
                                                  folder.string() + "'");
  EXPECT_EQ(content_of(folder / "BASIN.DAT"), "my own data\n");
  EXPECT_FALSE(fs::exists(folder / "MOR.exe"));
  // a file in the way is refused the same way
  EXPECT_NE(make_demo_folder(folder / "BASIN.DAT", source).find("exists already"), std::string::npos);
}

TEST_F(DemoFolder, WithoutAnInstalledDemoNoFolderIsMade) {
  const fs::path folder = scratch.path() / "tarnex-demo";
  const DemoSource missing{scratch.path() / "no-samples", source.standin};
  EXPECT_EQ(make_demo_folder(folder, missing), "tarnex: no demo installed (looked for " + source.standin.string() +
                                                   " and " + missing.samples.string() + ")");
  EXPECT_FALSE(fs::exists(folder));
}

TEST(DemoPlaces, InstalledBesideTheProgramAndMadeInTheHomeFolder) {
  const DemoSource installed = installed_demo("/opt/x/bin/tarnex");
  EXPECT_EQ(installed.samples, fs::path("/opt/x/share/tarnex/demo"));
  EXPECT_EQ(installed.standin, fs::path("/opt/x/libexec/tarnex/qarn-standin"));
  EXPECT_EQ(default_demo_folder("/home/ann"), fs::path("/home/ann/tarnex-demo"));
  EXPECT_EQ(default_demo_folder(""), fs::current_path() / "tarnex-demo");
  EXPECT_EQ(default_demo_folder(nullptr), fs::current_path() / "tarnex-demo");
}

}  // namespace
}  // namespace tarnex
