#include "shell/run_status.h"

#include <algorithm>
#include <vector>

#include "base/fixed_text.h"
#include "run/model_programs.h"

namespace tarnex {

RunDescription describe_run(int run_code, const RunSettings& settings) {
  const ModelProgram* program = model_program(run_code);
  if (program == nullptr) return {};
  std::vector<std::string RunSettings::*> asked;
  std::string roots;
  for (const auto& prompt : program->prompts) {
    const auto root = prompt.answer.root;
    if (root == nullptr || std::ranges::find(asked, root) != asked.end()) continue;
    asked.push_back(root);
    const auto text = without_trailing_blanks(remove_leading_blanks(settings.*root));
    if (text.empty()) continue;
    if (!roots.empty()) roots += ", ";
    roots += text;
  }
  return {std::string(program_file_name(program->executable)), roots};
}

RunStart report_run_start(State& state, ui::Ui& ui, int run_code) {
  const RunStart start{state.running.runs_started()};
  const auto description = describe_run(run_code, state.run_settings);
  ui.show_run_started(description.program, description.roots);
  return start;
}

void report_run_end(State& state, ui::Ui& ui, const RunStart& start) {
  const int code = state.running.exit_code();
  if (state.running.runs_started() == start.runs_started) {
    ui.show_run_ended(ui::RunEnd::NotStarted, 0);
  } else if (state.running.terminated()) {
    ui.show_run_ended(ui::RunEnd::Terminated, code);
  } else {
    ui.show_run_ended(ui::RunEnd::Exited, code);
  }
}

}  // namespace tarnex
