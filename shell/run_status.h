#pragma once
// What the status bar is told of a model run: the program and the roots it is
// run on when it starts, and whether it ended, was terminated or never
// started, when the driver returns.

#include <cstdint>
#include <string>

#include "shell/state.h"
#include "ui/services.h"

namespace tarnex {

// The program's file name and the roots it is asked for, the non-blank ones
// in the order it asks for them, joined by ", ".
struct RunDescription {
  std::string program;
  std::string roots;
};

RunDescription describe_run(int run_code, const RunSettings& settings);

// What a run's end is told against: how many runs had started before.
struct RunStart {
  std::uint64_t runs_started;
};

// Before the driver: tells the status bar the run starts.
RunStart report_run_start(State& state, ui::Ui& ui, int run_code);
// After the driver: tells it how the run ended.
void report_run_end(State& state, ui::Ui& ui, const RunStart& start);

}  // namespace tarnex
