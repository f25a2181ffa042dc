#include "shell/history_commands.h"

#include "run/run_answers.h"

namespace tarnex {

void RUN_HISTORY(State& state, ui::Ui& ui) {
  ui.show_history({&state.history, [&state](const history::RunRecord& run) { return RUN_AGAIN(state, run); }});
}

std::string RUN_AGAIN(State& state, const history::RunRecord& run) {
  const int dialog_code = dialog_for(run.header.run_code, run.header.dialog_code);
  if (dialog_code == kIdle) return "This transcript names no program that Tarnex runs.";
  // The menus that open run dialogs are grayed meanwhile, and so is this.
  if (state.pending_command != kIdle || state.in_command) {
    return "A run or a dialog is in progress: run again when it has ended.";
  }
  State::RunAgain again{dialog_code, run.header.run_code, {}};
  for (const auto& answer : run.header.answers) again.answers.push_back({answer.label, answer.value, answer.root});
  state.request_run_again(std::move(again));
  return {};
}

}  // namespace tarnex
