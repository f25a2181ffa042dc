#include "workdir.h"

#include <cstdlib>
#include <stdexcept>

namespace tarnex::scenario {

std::filesystem::path standin_program() {
  if (const char* chosen = std::getenv("TARNEX_STANDIN")) return chosen;
  const std::filesystem::path built = TARNEX_STANDIN_PATH;
  if (std::filesystem::exists(built)) return built;
  return this_program_directory() / built.filename();
}

std::filesystem::path make_working_directory(const std::filesystem::path& standin) {
  if (!std::filesystem::exists(standin)) throw std::runtime_error("no stand-in program at " + standin.string());
  const auto directory = make_temporary_directory("tarnex-scenario-");
  for (const char* name : kModelPrograms) {
    std::filesystem::copy_file(standin, directory / name);
    make_executable(directory / name);
  }
  return directory;
}

}  // namespace tarnex::scenario
