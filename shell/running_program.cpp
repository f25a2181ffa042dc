#include "shell/running_program.h"

#include <algorithm>
#include <string>

#include "shell/free_format.h"

namespace tarnex {
namespace {

// The four run items and Terminate, Clear Screen, and the file-building aids.
constexpr RunDependentItem kRunDependentItems[] = {
    {"QARN_MOR_ORB", false},   {"QARN_MERL_ORB", false}, {"QARN_FLUM", false},
    {"QARN_JORN", false},      {"TERMINATE", true},      {"CLEAR_SCREEN", false},
    {"ORBEN_FILENAME", false}, {"MOR_TEMPLATE", false},  {"FLUM_TEMPLATE", false},
};

struct ActiveWarning {
  int run_code;
  const char* text;
};

constexpr ActiveWarning kActiveWarnings[] = {
    {kMorRun, "WARNING: MOR.exe is still active.\r\n\r\nSelect TERMINATE in the QARN\r\nmenu if you wish to stop MOR.exe."},
    {kOrbRun, "WARNING: ORB.exe is still active.\r\n\r\nSelect TERMINATE in the QARN\r\nmenu if you wish to stop ORB.exe."},
    {kFlumRun, "WARNING: FLUM.exe is still active.\r\n\r\nSelect TERMINATE in the QARN\r\nmenu if you wish to stop FLUM.exe."},
};

// How many rows above the remembered one the cleared text continues.
constexpr int kRowsKeptAbove = 20;

}  // namespace

std::span<const RunDependentItem> run_dependent_items() { return kRunDependentItems; }

void MENU_GRAYOUTS(State& state, ui::Ui& ui) {
  const bool busy = state.pending_command != kIdle;
  for (const auto& item : kRunDependentItems) ui.set_menu_item_enabled(item.routine, busy == item.enabled_while_busy);
  ui.set_close_enabled(!busy);
}

void TERMINATE(RunningChild& running) { running.terminate(); }

void EXIT_TARNEX(State& state, ui::Ui& ui) {
  if (state.running.exit_code() == kStillActive) {
    const int running = state.pending_command;
    auto warning = std::find_if(std::begin(kActiveWarnings), std::end(kActiveWarnings),
                                [running](const ActiveWarning& w) { return w.run_code == running; });
    if (warning != std::end(kActiveWarnings)) {
      ui.message_box(warning->text, "ERROR");
    } else {
      write_free(ui, std::to_string(state.running.exit_code()));
    }
    return;
  }
  state.running.set_exit_code(kStillActive);
  ui.exit_program(kStillActive);
}

void refuse_close(State& state, ui::Ui& ui) {
  if (state.running.exit_code() == kStillActive) EXIT_TARNEX(state, ui);
}

void clear_screen(ui::Ui& ui) {
  const auto position = ui.text().position();
  ui.text().clear();
  // Fewer than 21 rows written: the text goes on from the top row.
  ui.text().set_position({std::max(position.row - kRowsKeptAbove, 1), position.column});
  ui.text().write_line("");
}

}  // namespace tarnex
