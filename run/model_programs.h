#pragma once
// The six model programs by run code: the file each is started from, the
// message when it cannot be started, and its prompt table.

#include <span>
#include <string_view>

#include "common/command_codes.h"
#include "common/executable_paths.h"
#include "run/prompts.h"

namespace tarnex {

struct ModelProgram {
  int run_code;
  Executable executable;
  std::string_view start_failure;  // the text of the message box
  std::span<const Prompt> prompts;
};

// Nothing for a code that runs no model program.
const ModelProgram* model_program(int run_code);

}  // namespace tarnex
