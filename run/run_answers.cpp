#include "run/run_answers.h"

#include <algorithm>
#include <iterator>

#include "base/fixed_text.h"
#include "common/command_codes.h"
#include "run/model_programs.h"

namespace tarnex {
namespace {

using S = RunSettings;

constexpr std::string_view kReplaceAll = "Replace All";
constexpr std::string_view kReplaceNo = "No";

// Labels are unique within each program's questions, which is all a record
// needs to find its setting again.
struct RootLabel {
  std::string S::*root;
  const char* label;
};
constexpr RootLabel kRootLabels[] = {
    {&S::mor_root, "input and output"},     {&S::hydrology_root, "hydrology"},
    {&S::tin_root, "ORBEN input"},          {&S::orben_output_root, "ORBEN output"},
    {&S::orb_source_root, "MOR/MORD/MERL"}, {&S::merl_root, "input and output"},
    {&S::flum_input_root, "input"},         {&S::flum_output_root, "output"},
    {&S::jorn_input_root, "input"},         {&S::jorn_output_root, "output"},
};

struct ReplaceLabel {
  bool S::*replace_all;
  const char* label;
};
constexpr ReplaceLabel kReplaceLabels[] = {
    {&S::mor_replace_all, "output files"},  {&S::orben_replace_all, "ORBEN output"},
    {&S::merl_replace_all, "output files"}, {&S::flum_replace_all, "output files"},
    {&S::jorn_replace_all, "output files"},
};

// What Run again sets besides the answers, and the dialog a program runs from.
struct RunRequest {
  int run_code;
  int dialog_code;
  bool S::*execute;  // none for the dialogs without Execute boxes
  bool monthly;      // for MOR and MORD
};
constexpr RunRequest kRequests[] = {
    {kMorRun, kMorOrbDialog, &S::exec_mor, true}, {kMordRun, kMorOrbDialog, &S::exec_mor, false},
    {kOrbRun, kMorOrbDialog, &S::exec_orb, true}, {kMerlRun, kMerlOrbDialog, &S::exec_merl, true},
    {kFlumRun, kFlumDialog, nullptr, true},       {kJornRun, kJornDialog, nullptr, true},
};

const RunRequest* request_of(int run_code) {
  const auto found = std::ranges::find(kRequests, run_code, &RunRequest::run_code);
  return found == std::end(kRequests) ? nullptr : &*found;
}

const char* label_of(std::string S::*root) { return std::ranges::find(kRootLabels, root, &RootLabel::root)->label; }

const char* label_of(bool S::*replace_all) {
  return std::ranges::find(kReplaceLabels, replace_all, &ReplaceLabel::replace_all)->label;
}

// The program's settings in the order of its questions, each once.
std::vector<Answer> settings_of(int run_code) {
  std::vector<Answer> settings;
  const ModelProgram* program = model_program(run_code);
  if (!program) return settings;
  for (const auto& prompt : program->prompts) {
    const bool known = std::ranges::any_of(settings, [&prompt](const Answer& a) {
      return a.root == prompt.answer.root && a.replace_all == prompt.answer.replace_all;
    });
    if (!known) settings.push_back(prompt.answer);
  }
  return settings;
}

}  // namespace

std::string program_name(int run_code) {
  const ModelProgram* program = model_program(run_code);
  if (!program) return {};
  const std::string_view file = program_file_name(program->executable);
  return std::string(file.substr(0, file.rfind('.')));
}

std::vector<SettingAnswer> answered_settings(int run_code, const RunSettings& settings) {
  std::vector<SettingAnswer> answers;
  for (const auto& setting : settings_of(run_code)) {
    if (setting.root) {
      answers.push_back({label_of(setting.root), answer_text(setting, settings), true});
    } else {
      answers.push_back({label_of(setting.replace_all),
                         std::string(settings.*setting.replace_all ? kReplaceAll : kReplaceNo), false});
    }
  }
  return answers;
}

int dialog_for(int run_code, int dialog_code) {
  const RunRequest* request = request_of(run_code);
  if (!request) return kIdle;
  if (run_code == kOrbRun && (dialog_code == kMorOrbDialog || dialog_code == kMerlOrbDialog)) return dialog_code;
  return request->dialog_code;
}

void apply_answers(int run_code, const std::vector<SettingAnswer>& answers, RunSettings& settings) {
  const RunRequest* request = request_of(run_code);
  if (!request) return;
  for (const auto& setting : settings_of(run_code)) {
    const std::string label = setting.root ? label_of(setting.root) : label_of(setting.replace_all);
    const auto answer = std::ranges::find_if(
        answers, [&](const SettingAnswer& a) { return a.label == label && a.root == (setting.root != nullptr); });
    if (answer == answers.end()) continue;
    if (setting.root) {
      settings.*setting.root = fit(answer->value, kRootField);
    } else {
      settings.*setting.replace_all = answer->value == kReplaceAll;
    }
  }
  if (request->execute) settings.*request->execute = true;
  if (run_code == kMorRun || run_code == kMordRun) settings.monthly = request->monthly;
}

}  // namespace tarnex
