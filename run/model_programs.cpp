#include "run/model_programs.h"

#include <algorithm>
#include <iterator>

namespace tarnex {
namespace {

using S = RunSettings;

// A question is asked either as "Enter ..." or, when the program has taken
// the answer from elsewhere, as "Root of ... is entered."; both get the root.
constexpr Prompt kMorPrompts[] = {
    {"Enter root of input and output file names.", {&S::mor_root}},
    {"Root of input and output file names is entered.", {&S::mor_root}},
    {"Enter root of hydrology file names if different.", {&S::hydrology_root}},
    {"Root of hydrology file names is entered", {&S::hydrology_root}},
    {"Yes(Y), No(N), Replace All(A)", {nullptr, &S::mor_replace_all, 'A'}},
};

constexpr Prompt kOrbPrompts[] = {
    {"Enter root of ORBEN input filename.", {&S::tin_root}},
    {"Root of ORBEN input filename is entered.", {&S::tin_root}},
    {"Enter root of ORBEN output filename.", {&S::orben_output_root}},
    {"Root of ORBEN output filename is entered.", {&S::orben_output_root}},
    {"Replace? Yes(Y) or No(N)", {nullptr, &S::orben_replace_all, 'Y'}},
    {"Enter root of QARN-MOR input and output filenames.", {&S::orb_source_root}},
    {"Root of MOR/MORD/MERL filenames is entered.", {&S::orb_source_root}},
};

constexpr Prompt kMerlPrompts[] = {
    {"Enter root of input and output file names.", {&S::merl_root}},
    {"Root of input and output file names is entered.", {&S::merl_root}},
    {"Yes(Y), No(N), Replace All(A)", {nullptr, &S::merl_replace_all, 'A'}},
};

constexpr Prompt kFlumPrompts[] = {
    {"Enter the root of the input filenames.", {&S::flum_input_root}},
    {"Root of input file name is entered.", {&S::flum_input_root}},
    {"Enter the root of the output filenames.", {&S::flum_output_root}},
    {"Root of output file name is entered.", {&S::flum_output_root}},
    {"Yes(Y), No(N), Replace All(A)", {nullptr, &S::flum_replace_all, 'Y'}},
};

constexpr Prompt kJornPrompts[] = {
    {"Enter the root of the input filenames.", {&S::jorn_input_root}},
    {"Root of input file name is entered.", {&S::jorn_input_root}},
    {"Enter the root of the output filenames.", {&S::jorn_output_root}},
    {"Root of output file name is entered.", {&S::jorn_output_root}},
    {"Yes(Y), No(N), Replace All(A)", {nullptr, &S::jorn_replace_all, 'Y'}},
};

const ModelProgram kModelPrograms[] = {
    {kMorRun, kMor, "Spawning of Console Application Failed.\r\nCheck the location of MOR.exe", kMorPrompts},
    {kMordRun, kMord, "Spawning of Console Application Failed.\r\nCheck the location of MORD.exe", kMorPrompts},
    {kOrbRun, kOrb, "Spawning of Console Application Failed.\r\nCheck the location of ORB.exe", kOrbPrompts},
    {kMerlRun, kMerl, "Spawning of Console Application Failed.\r\nCheck the location of MERL.exe", kMerlPrompts},
    {kFlumRun, kFlum, "Spawning of Console Application Failed.\r\nCheck the location of FLUM.exe", kFlumPrompts},
    {kJornRun, kJorn, "Spawning of Console Application Failed.\r\nCheck the location of JORN.exe", kJornPrompts},
};

}  // namespace

const ModelProgram* model_program(int run_code) {
  const auto found = std::ranges::find(kModelPrograms, run_code, &ModelProgram::run_code);
  return found == std::end(kModelPrograms) ? nullptr : &*found;
}

}  // namespace tarnex
