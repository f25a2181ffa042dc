// The prompt search on its own: chunks of a model program's output go into
// the sliding buffer cycle by cycle, and each cycle answers at most one
// prompt, as the driver does after draining the pipe.

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "run/model_programs.h"
#include "run/prompts.h"
#include "run/sliding_buffer.h"

namespace tarnex {
namespace {

std::string field(std::string_view text) { return fit(text, kRootField); }

RunSettings example_settings() {
  RunSettings s;
  s.mor_root = field("BASIN");
  s.hydrology_root = field("HYDRO");
  s.tin_root = field("TABLES");
  s.orben_output_root = field("TOUT");
  s.orb_source_root = field("C:\\RUNS\\BASIN");
  s.merl_root = field("SALT");
  s.flum_input_root = field("FIN");
  s.flum_output_root = field("FOUT");
  s.jorn_input_root = field("JIN");
  s.jorn_output_root = field("JOUT");
  return s;
}

using Cycle = std::vector<std::string>;  // the chunks one drain reads

struct MatchCase {
  const char* name;
  int run_code;
  std::vector<Cycle> cycles;
  std::vector<std::optional<std::string>> answers;  // one per cycle
  void (*adjust)(RunSettings&) = nullptr;
};

const std::string kMorRoot = "Enter root of input and output file names.\n";
const std::string kHydrology = "Enter root of hydrology file names if different.\n";
const std::string kReplace = "Yes(Y), No(N), Replace All(A)\n";
const std::nullopt_t none = std::nullopt;

const MatchCase kCases[] = {
    {"whole prompt", 200, {{kMorRoot}}, {"BASIN"}},
    {"MORD asks as MOR does", 201, {{kHydrology}}, {"HYDRO"}},
    {"split over two reads of one drain", 200, {{"Enter root of input and", " output file names.\n"}}, {"BASIN"}},
    {"split over two cycles", 200, {{"Enter root of input and"}, {" output file names.\n"}}, {none, "BASIN"}},
    {"one occurrence is answered once", 200, {{kMorRoot}, {}, {}, {"Reading\n"}}, {"BASIN", none, none, none}},
    {"asked twice, answered twice", 200, {{kMorRoot}, {kMorRoot}}, {"BASIN", "BASIN"}},
    {"two prompts in one drain: one a cycle, in table order",
     200,
     {{kMorRoot + kHydrology}, {}, {}},
     {"BASIN", "HYDRO", none}},
    {"a later prompt placed before an earlier one in the table is lost with it",
     200,
     {{kHydrology + kMorRoot}, {}},
     {"BASIN", none}},
    {"the entered form gets the same root", 200, {{"Root of input and output file names is entered.\n"}}, {"BASIN"}},
    {"hydrology entered form", 200, {{"Root of hydrology file names is entered\n"}}, {"HYDRO"}},
    {"blank root is answered with nothing", 200, {{kHydrology}}, {""},
     [](RunSettings& s) { s.hydrology_root = field(""); }},
    {"MOR replace all", 200, {{kReplace}}, {"A"}},
    {"MOR no replace", 200, {{kReplace}}, {"N"}, [](RunSettings& s) { s.mor_replace_all = false; }},
    {"MERL replace all", 300, {{kReplace}}, {"A"}},
    {"FLUM replace all", 400, {{kReplace}}, {"Y"}},
    {"JORN no replace", 500, {{kReplace}}, {"N"}, [](RunSettings& s) { s.jorn_replace_all = false; }},
    {"ORB replace", 210, {{"Replace? Yes(Y) or No(N)\n"}}, {"Y"}},
    {"ORB no replace", 210, {{"Replace? Yes(Y) or No(N)\n"}}, {"N"},
     [](RunSettings& s) { s.orben_replace_all = false; }},
    {"ORB questions",
     210,
     {{"Enter root of ORBEN input filename.\n"},
      {"Root of ORBEN output filename is entered.\n"},
      {"Enter root of QARN-MOR input and output filenames.\n"},
      {"Root of MOR/MORD/MERL filenames is entered.\n"}},
     {"TABLES", "TOUT", "C:\\RUNS\\BASIN", "C:\\RUNS\\BASIN"}},
    {"FLUM questions",
     400,
     {{"Enter the root of the input filenames.\n"}, {"Root of output file name is entered.\n"}},
     {"FIN", "FOUT"}},
    {"JORN questions",
     500,
     {{"Root of input file name is entered.\n"}, {"Enter the root of the output filenames.\n"}},
     {"JIN", "JOUT"}},
    {"MERL root", 300, {{kMorRoot}}, {"SALT"}},
    {"search is case-sensitive", 200, {{"enter root of input and output file names.\n"}}, {none}},
    {"another program's question is not answered", 400, {{kMorRoot}}, {none}},
    {"pushed out by 512 characters of later output", 200, {{kMorRoot, std::string(511, 'x'), "y"}}, {none}},
    {"blank chunks do not push a prompt out", 200, {{kMorRoot, std::string(511, ' ')}}, {"BASIN"}},
};

class PromptMatching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(PromptMatching, AnswersAtMostOnePromptACycle) {
  const MatchCase& c = GetParam();
  RunSettings settings = example_settings();
  if (c.adjust) c.adjust(settings);
  const ModelProgram* program = model_program(c.run_code);
  ASSERT_NE(program, nullptr);
  SlidingBuffer buffer;
  std::vector<std::optional<std::string>> answers;
  for (const Cycle& cycle : c.cycles) {
    for (const auto& chunk : cycle) buffer.append(chunk);
    answers.push_back(answer_prompt(buffer, program->prompts, settings));
  }
  EXPECT_EQ(answers, c.answers);
}

std::string test_name(const ::testing::TestParamInfo<MatchCase>& info) {
  std::string name;
  for (const char* c = info.param.name; *c != '\0'; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, PromptMatching, ::testing::ValuesIn(kCases), test_name);

TEST(EndMarkers, AreTheSixExitLines) {
  struct Case {
    const char* output;
    bool ends;
  };
  const Case cases[] = {
      {"Press enter to exit.\n", true},  {"Exit QARN-MOR\n", true},   {"Exit QARN-MORD\n", true},
      {"Exit ORBEN\n", true},            {"Exit QARN-MERL\n", true},  {"Exit QARN-FLUM\n", true},
      {"Exit QARN-JORN\n", false},       {"press enter to exit.\n", false},
      {"Exit QARN-\n", false},           {"Reading BASIN.DAT\n", false},
  };
  for (const auto& c : cases) {
    SlidingBuffer buffer;
    buffer.append(c.output);
    EXPECT_EQ(last_end_marker(buffer).has_value(), c.ends) << c.output;
  }
}

TEST(EndMarkers, EachOccurrenceKeepsItsPlaceAndALaterOneComesAfter) {
  SlidingBuffer buffer;
  buffer.append("Exit QARN-MOR\n");
  const auto exit_line = last_end_marker(buffer);
  ASSERT_TRUE(exit_line.has_value());
  EXPECT_EQ(*exit_line, SlidingBuffer::kSize + 13);
  buffer.append("Closing files\n");
  EXPECT_EQ(last_end_marker(buffer), exit_line);
  buffer.append(" ");  // a blank chunk is left out of the buffer
  buffer.append("Press enter to exit.\n");
  const auto press_enter = last_end_marker(buffer);
  EXPECT_EQ(*press_enter, SlidingBuffer::kSize + 14 + 14 + 20);
  buffer.append(std::string(490, 'x'));
  EXPECT_EQ(last_end_marker(buffer), press_enter);
  buffer.append("Exit QARN-MOR\n");
  EXPECT_GT(*last_end_marker(buffer), *press_enter);
  buffer.append(std::string(512, 'x'));
  EXPECT_EQ(last_end_marker(buffer), std::nullopt) << "pushed out of the buffer";
}

TEST(ModelPrograms, EveryRunCodeHasItsFileAndMessage) {
  struct Case {
    int run_code;
    Executable executable;
    const char* name;
  };
  const Case cases[] = {{200, kMor, "MOR.exe"},   {201, kMord, "MORD.exe"}, {210, kOrb, "ORB.exe"},
                        {300, kMerl, "MERL.exe"}, {400, kFlum, "FLUM.exe"}, {500, kJorn, "JORN.exe"}};
  for (const auto& c : cases) {
    const ModelProgram* program = model_program(c.run_code);
    ASSERT_NE(program, nullptr) << c.run_code;
    EXPECT_EQ(program->executable, c.executable);
    EXPECT_EQ(program->start_failure,
              std::string("Spawning of Console Application Failed.\r\nCheck the location of ") + c.name);
  }
  EXPECT_EQ(model_program(100), nullptr);
  EXPECT_EQ(model_program(0), nullptr);
}

TEST(SlidingBuffer, KeepsTheLast512CharactersAndBlanksThroughTheLastOccurrence) {
  SlidingBuffer buffer;
  EXPECT_EQ(buffer.characters(), std::string(512, ' '));
  buffer.append("ab");
  EXPECT_EQ(buffer.characters(), std::string(510, ' ') + "ab");
  buffer.append(std::string(511, 'x'));
  EXPECT_EQ(buffer.characters(), "b" + std::string(511, 'x'));

  buffer.append("Q1 Q2 Q1 end");
  buffer.blank_through_last("Q1");
  // blanked from the first character through the "Q" of the last "Q1"
  EXPECT_EQ(buffer.characters(), std::string(507, ' ') + "1 end");
  buffer.blank_through_last("missing");
  EXPECT_EQ(buffer.characters(), std::string(507, ' ') + "1 end");
}

}  // namespace
}  // namespace tarnex
