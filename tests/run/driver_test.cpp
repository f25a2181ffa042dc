// The driver against the stand-in model programs: each run code is answered
// from its own settings, the answers are echoed, Enter is pressed at the
// exit line, and the run ends with the program.

#include "driver_fixture.h"

#include <string>
#include <vector>

#include "common/executable_paths.h"

namespace tarnex::test {
namespace {

struct ProgramCase {
  const char* name;
  int run_code;
  const char* file;
  void (*settings)(RunSettings&);
  const char* log;            // what the program read, in <PROGRAM>.answers
  const char* answers_file;
  std::vector<std::string> echoes;  // the answer rows, in order
  const char* exit_line;
};

const ProgramCase kPrograms[] = {
    {"MOR", 200, "MOR.exe",
     [](RunSettings& s) { s.mor_root = root("BASIN"); },  // hydrology left blank
     "BASIN\n\nA\n\n", "MOR.answers", {"   BASIN", "   ", "   A"}, "Exit QARN-MOR"},
    {"MORD", 201, "MORD.exe",
     [](RunSettings& s) {
       s.mor_root = root("DAILY");
       s.hydrology_root = root("HYD");
       s.mor_replace_all = false;
     },
     "DAILY\nHYD\nN\n\n", "MORD.answers", {"   DAILY", "   HYD", "   N"}, "Exit QARN-MORD"},
    {"ORB", 210, "ORB.exe",
     [](RunSettings& s) {
       s.tin_root = root("TABLES");
       s.orben_output_root = root("TOUT");
       s.orb_source_root = root("BASIN");
     },
     "TABLES\nTOUT\nY\nBASIN\n\n", "ORB.answers", {"   TABLES", "   TOUT", "   Y", "   BASIN"}, "Exit ORBEN"},
    {"MERL", 300, "MERL.exe", [](RunSettings& s) { s.merl_root = root("SALT"); }, "SALT\nA\n\n", "MERL.answers",
     {"   SALT", "   A"}, "Exit QARN-MERL"},
    {"FLUM", 400, "FLUM.exe",
     [](RunSettings& s) {
       s.flum_input_root = root("HYIN");
       s.flum_output_root = root("HYOUT");
     },
     "HYIN\nHYOUT\nY\n\n", "FLUM.answers", {"   HYIN", "   HYOUT", "   Y"}, "Exit QARN-FLUM"},
    {"JORN", 500, "JORN.exe",
     [](RunSettings& s) {
       s.jorn_input_root = root("DIN1");
       s.jorn_output_root = root("/data/DOUT");
       s.jorn_replace_all = false;
     },
     "DIN1\n/data/DOUT\nN\n\n", "JORN.answers", {"   DIN1", "   /data/DOUT", "   N"}, "Exit QARN-JORN"},
};

void PrintTo(const ProgramCase& c, std::ostream* out) { *out << c.name; }

class EachProgram : public DriverTest, public ::testing::WithParamInterface<ProgramCase> {};

TEST_P(EachProgram, IsAnsweredFromItsSettingsAndEndsWithEnter) {
  const ProgramCase& c = GetParam();
  dir.add_standin(c.file);
  c.settings(state.run_settings);
  ui.text().clear();
  const auto open_before = open_descriptors();
  run(c.run_code);
  EXPECT_EQ(open_descriptors(), open_before) << "the pipes are closed after the run";

  EXPECT_EQ(dir.read(c.answers_file), c.log);
  std::vector<std::string> echoes;
  for (const auto& row : ui.text().rows()) {
    if (row.starts_with("   ")) echoes.push_back(row);
  }
  EXPECT_EQ(echoes, c.echoes);
  EXPECT_EQ(rows_equal(c.exit_line), 1);
  EXPECT_EQ(rows_equal("Press enter to exit."), 1);
  EXPECT_EQ(state.running.exit_code(), 0);
  EXPECT_EQ(state.running.child(), nullptr);
  EXPECT_TRUE(ui.message_boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(RunCodes, EachProgram, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriverTest, EchoesEachAnswerIndentedOnALineOfItsOwn) {
  dir.add_standin("MOR.exe");
  state.run_settings.mor_root = root("BASIN");
  state.run_settings.hydrology_root = root("HYD");
  run(kMorRun);
  const std::vector<std::string> expected = {
      "",
      "   BASIN",
      "Enter root of hydrology file names if different.",
      "",
      "   HYD",
      "Yes(Y), No(N), Replace All(A)",
      "",
      "   A",
      "Reading BASIN.DAT",
  };
  EXPECT_EQ(rows_after("Enter root of input and output file names.", expected.size()), expected);
}

}  // namespace
}  // namespace tarnex::test
