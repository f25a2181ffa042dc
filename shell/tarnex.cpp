#include "shell/tarnex.h"

#include <filesystem>
#include <string>

#include "base/file_system.h"
#include "common/executable_paths.h"
#include "run/qarn.h"
#include "run/run_answers.h"
#include "run/run_dialogs.h"
#include "shell/banner.h"
#include "shell/free_format.h"
#include "shell/history_commands.h"
#include "shell/menu_commands.h"
#include "shell/run_status.h"
#include "shell/run_transcript.h"
#include "shell/running_program.h"
#include "tin/editor/orben_file_name.h"

namespace tarnex {
namespace {

constexpr int kIdlePollMilliseconds = 100;

}  // namespace

MenuRoutines menu_routines(State& state, ui::Ui& ui) {
  MenuRoutines routines{
      {"QARN_MOR_ORB", [&state] { state.post(kMorOrbDialog); }},
      {"QARN_MERL_ORB", [&state] { state.post(kMerlOrbDialog); }},
      {"QARN_FLUM", [&state] { state.post(kFlumDialog); }},
      {"QARN_JORN", [&state] { state.post(kJornDialog); }},
      {"CLEAR_SCREEN", [&state] { state.post(kClearScreen); }},
      {"TERMINATE", [&state] { TERMINATE(state.running); }},
      {"EXIT_TARNEX", [&state, &ui] { EXIT_TARNEX(state, ui); }},
      {"ABOUT_BOX", [&ui] { ui.show_about(); }},
      {"ORBEN_FILENAME", [&state, &ui] { tin::ORBEN_FILENAME(state.tin, state.paths, ui); }},
      {"RUN_HISTORY", [&state, &ui] { RUN_HISTORY(state, ui); }},
  };
  add_menu_commands(routines, ui);
  return routines;
}

void run_model(State& state, ui::Ui& ui, int run_code, int dialog_code, const Pacing& pacing) {
  state.pending_command = run_code;
  MENU_GRAYOUTS(state, ui);
  const auto status = report_run_start(state, ui, run_code);
  RunTranscript transcript(state.history, state.run_settings, ui, run_code, dialog_code);
  QARN(state.running, state.run_settings, state.paths.executable_paths, ui, run_code, pacing, &transcript);
  transcript.finish(state.running);
  report_run_end(state, ui, status);
  state.pending_command = kIdle;
  MENU_GRAYOUTS(state, ui);
  ui.text().write_line("");
}

CommandOperations command_operations(State& state, ui::Ui& ui) {
  CommandOperations operations{{kClearScreen, [&ui] { clear_screen(ui); }}};
  for (int dialog_code : {kMorOrbDialog, kMerlOrbDialog, kFlumDialog, kJornDialog}) {
    operations[dialog_code] = [&state, &ui, dialog_code] {
      if (auto again = state.take_run_again(dialog_code)) {
        apply_answers(again->run_code, again->answers, state.run_settings);
      }
      run_dialog_operation(state.run_settings, state.paths, ui, dialog_code,
                           [&state, &ui, dialog_code](int run_code) { run_model(state, ui, run_code, dialog_code); });
    };
  }
  return operations;
}

void start_up(State& state, ui::Ui& ui, std::string_view directory) {
  ui.text().clear();
  if (!ui.set_text_font("COURIER", 8, 16)) {
    ui.message_box("Setting Window Font Using Best Default Available", "ERROR");
    ui.use_proposed_font();
  }
  ui.set_text_title(" ");
  build_menu_bar(ui, menu_routines(state, ui));
  ui.set_close_refusal([&state, &ui] { refuse_close(state, ui); });
  ui.set_about_text("Tarnex Version\rMarch 2008");
  ui.set_frame_title(" Windows Interface for the Qarn");
  ui.set_text_title("Tarnex");
  ui.set_colours_black_on_white();
  ui.text().clear();
  state.pending_command = kIdle;
  for (std::size_t p = 0; p < kExecutableCount; ++p) {
    state.paths.executable_paths[p] =
        executable_path_field(directory, static_cast<Executable>(p), system_spelling().separator);
  }
  for (const auto& line : banner_lines()) ui.text().write_line(line);
  if (directory.size() > longest_directory()) {
    write_free(ui, "The start-up directory is too long for the paths of the model programs;");
    write_free(ui, "start Tarnex from a directory of at most " + std::to_string(longest_directory()) +
                       " characters to run them.");
  }
}

void command_loop(State& state, const CommandOperations& operations) {
  while (!state.stop) {
    const State::Command command = state.command();
    auto operation = operations.find(command.code);
    if (operation == operations.end()) {
      state.wait_for_command(kIdlePollMilliseconds, command.code);
      continue;
    }
    state.in_command = true;
    operation->second();
    // A choice the user made while the operation ended is not dropped.
    state.finish_command(command);
    state.in_command = false;
  }
}

void TARNEX(State& state, ui::Ui& ui) {
  start_up(state, ui, files::utf8_name(std::filesystem::current_path()));
  command_loop(state, command_operations(state, ui));
}

}  // namespace tarnex
