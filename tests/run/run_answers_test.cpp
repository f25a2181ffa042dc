// The settings each model program is answered from, as a record of its run
// names them, and the way back into the run settings for Run again.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "common/command_codes.h"
#include "run/run_answers.h"

namespace tarnex {
namespace {

using Answers = std::vector<SettingAnswer>;

RunSettings every_root_set() {
  RunSettings s;
  s.mor_root = fit("BASIN", kRootField);
  s.hydrology_root = fit("HYD", kRootField);
  s.tin_root = fit("TABLES", kRootField);
  s.orben_output_root = fit("TOUT", kRootField);
  s.orb_source_root = fit("SRC", kRootField);
  s.merl_root = fit("SALT", kRootField);
  s.flum_input_root = fit("FIN", kRootField);
  s.flum_output_root = fit("FOUT", kRootField);
  s.jorn_input_root = fit("JIN", kRootField);
  s.jorn_output_root = fit("JOUT", kRootField);
  s.mor_replace_all = false;
  s.orben_replace_all = true;
  s.merl_replace_all = false;
  s.flum_replace_all = true;
  s.jorn_replace_all = false;
  return s;
}

struct ProgramCase {
  int run_code;
  const char* name;
  Answers answers;
};

const ProgramCase kPrograms[] = {
    {kMorRun, "MOR", {{"input and output", "BASIN", true}, {"hydrology", "HYD", true}, {"output files", "No", false}}},
    {kMordRun,
     "MORD",
     {{"input and output", "BASIN", true}, {"hydrology", "HYD", true}, {"output files", "No", false}}},
    {kOrbRun,
     "ORB",
     {{"ORBEN input", "TABLES", true},
      {"ORBEN output", "TOUT", true},
      {"ORBEN output", "Replace All", false},
      {"MOR/MORD/MERL", "SRC", true}}},
    {kMerlRun, "MERL", {{"input and output", "SALT", true}, {"output files", "No", false}}},
    {kFlumRun, "FLUM", {{"input", "FIN", true}, {"output", "FOUT", true}, {"output files", "Replace All", false}}},
    {kJornRun, "JORN", {{"input", "JIN", true}, {"output", "JOUT", true}, {"output files", "No", false}}},
};

TEST(RunAnswers, EachProgramByItsQuestions) {
  const auto settings = every_root_set();
  for (const auto& c : kPrograms) {
    EXPECT_EQ(program_name(c.run_code), c.name);
    EXPECT_EQ(answered_settings(c.run_code, settings), c.answers) << c.name;
  }
  EXPECT_EQ(program_name(999), "");
  EXPECT_TRUE(answered_settings(999, settings).empty());
}

// Each program's answers put into fresh settings give the same answers
// back, and touch only that program's settings and Execute box.
TEST(RunAnswers, GoBackIntoTheSettings) {
  for (const auto& c : kPrograms) {
    RunSettings fresh;
    apply_answers(c.run_code, c.answers, fresh);
    EXPECT_EQ(answered_settings(c.run_code, fresh), c.answers) << c.name;
  }
  RunSettings mor;
  apply_answers(kMorRun, kPrograms[0].answers, mor);
  EXPECT_TRUE(mor.exec_mor);
  EXPECT_TRUE(mor.monthly);
  EXPECT_FALSE(mor.exec_orb);
  EXPECT_TRUE(is_blank(mor.tin_root));

  RunSettings mord;
  apply_answers(kMordRun, kPrograms[1].answers, mord);
  EXPECT_TRUE(mord.exec_mor);
  EXPECT_FALSE(mord.monthly);

  RunSettings orb;
  orb.exec_mor = true;
  apply_answers(kOrbRun, kPrograms[2].answers, orb);
  EXPECT_TRUE(orb.exec_orb);
  EXPECT_TRUE(orb.exec_mor);

  RunSettings merl;
  apply_answers(kMerlRun, kPrograms[3].answers, merl);
  EXPECT_TRUE(merl.exec_merl);
}

TEST(RunAnswers, AnswersTheProgramDoesNotHaveArePassedOver) {
  RunSettings settings = every_root_set();
  apply_answers(kFlumRun, {{"hydrology", "ELSEWHERE", true}, {"input", "NEW", true}, {"input", "Replace All", false}},
                settings);
  EXPECT_EQ(without_trailing_blanks(settings.flum_input_root), "NEW");
  EXPECT_EQ(without_trailing_blanks(settings.hydrology_root), "HYD");
  EXPECT_EQ(without_trailing_blanks(settings.flum_output_root), "FOUT");
  apply_answers(999, {{"input", "X", true}}, settings);
  EXPECT_EQ(without_trailing_blanks(settings.flum_input_root), "NEW");
}

TEST(RunAnswers, EachRunHasItsDialog) {
  const std::pair<std::pair<int, int>, int> cases[] = {
      {{kMorRun, 0}, kMorOrbDialog},
      {{kMordRun, kMerlOrbDialog}, kMorOrbDialog},
      {{kOrbRun, kMorOrbDialog}, kMorOrbDialog},
      {{kOrbRun, kMerlOrbDialog}, kMerlOrbDialog},
      {{kOrbRun, 0}, kMorOrbDialog},
      {{kOrbRun, kFlumDialog}, kMorOrbDialog},
      {{kMerlRun, 0}, kMerlOrbDialog},
      {{kFlumRun, 0}, kFlumDialog},
      {{kJornRun, 0}, kJornDialog},
      {{999, kMorOrbDialog}, kIdle},
  };
  for (const auto& [run, dialog] : cases) {
    EXPECT_EQ(dialog_for(run.first, run.second), dialog) << run.first << " from " << run.second;
  }
}

}  // namespace
}  // namespace tarnex
