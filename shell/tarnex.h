#pragma once
// The main program: start-up, then the command loop for the life of the
// process. Menu routines that need the command-loop thread only post a code.

#include <functional>
#include <map>
#include <string_view>

#include "run/qarn.h"
#include "shell/menu_bar.h"
#include "shell/state.h"
#include "ui/services.h"

namespace tarnex {

using CommandOperations = std::map<int, std::function<void()>>;

// The routines the menu table binds, by name.
MenuRoutines menu_routines(State& state, ui::Ui& ui);

// Runs one model program to its end, the menus kept in step around it and
// its transcript kept; `dialog_code` is the run dialog it came from.
void run_model(State& state, ui::Ui& ui, int run_code, int dialog_code = kIdle, const Pacing& pacing = {});

// The operation the command loop performs for each command code.
CommandOperations command_operations(State& state, ui::Ui& ui);

// Start-up: the text window, menus, titles, colours, state, executable paths
// from `directory`, and the banner.
void start_up(State& state, ui::Ui& ui, std::string_view directory);

// Reads the command code until `state.stop`: a code with an operation is
// performed and reset to idle, unless a newer code was posted meanwhile;
// any other code is left waiting.
void command_loop(State& state, const CommandOperations& operations);

// The program entry: start-up in the current directory, then the loop.
void TARNEX(State& state, ui::Ui& ui);

}  // namespace tarnex
