#pragma once
// The settings a model program is answered from, under the labels a record
// of its run gives them, and the way back: a recorded run's answers put into
// the run settings, so that its dialog opens as that run was asked for.

#include <string>
#include <vector>

#include "run/run_settings.h"

namespace tarnex {

struct SettingAnswer {
  std::string label;  // "input and output", "hydrology", "ORBEN output"...
  std::string value;  // the root as answered; "Replace All" or "No"
  bool root = true;   // false: a replace choice
  bool operator==(const SettingAnswer&) const = default;
};

// "MOR", "MORD", "ORB", "MERL", "FLUM", "JORN"; empty for a code that runs no
// model program.
std::string program_name(int run_code);

// The roots and replace choices the program of `run_code` is answered from,
// in the order of its questions, each once.
std::vector<SettingAnswer> answered_settings(int run_code, const RunSettings& settings);

// The command code of the run dialog that runs `run_code`; ORB runs from the
// dialog it came from, MOR and ORBEN or MERL and ORBEN. 0 for a code that
// runs no model program.
int dialog_for(int run_code, int dialog_code);

// Puts a run's answers back: each labelled setting of the program takes its
// value, the program's Execute box is checked and, for MOR and MORD, the
// choice between them made. The other settings stay; answers the program
// does not have are passed over.
void apply_answers(int run_code, const std::vector<SettingAnswer>& answers, RunSettings& settings);

}  // namespace tarnex
