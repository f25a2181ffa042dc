#pragma once
// What the four run dialogs collect and the model programs are asked:
// remembered for the life of the process, so that each dialog opens with the
// values the user last confirmed. Roots are blank-padded fields.

#include <cstddef>
#include <string>

namespace tarnex {

constexpr std::size_t kRootField = 256;

// A root field holding no root yet.
inline std::string blank_root() { return std::string(kRootField, ' '); }

struct RunSettings {
  bool begin_requested = false;

  // MOR and MORD, in the MOR and ORBEN dialog
  bool exec_mor = false;
  bool monthly = true;  // false: MORD
  std::string mor_root = blank_root();
  std::string hydrology_root = blank_root();
  bool mor_replace_all = true;

  // ORB, shared by the MOR and ORBEN and the MERL and ORBEN dialogs
  bool exec_orb = false;
  std::string tin_root = blank_root();
  std::string orben_output_root = blank_root();
  bool orben_replace_all = true;
  // the MOR, MORD or MERL run whose output ORB reads
  std::string orb_source_root = blank_root();

  // MERL, in the MERL and ORBEN dialog
  bool exec_merl = false;
  std::string merl_root = blank_root();
  bool merl_replace_all = true;

  // FLUM, in the FLUM dialog
  std::string flum_input_root = blank_root();
  std::string flum_output_root = blank_root();
  bool flum_replace_all = true;

  // JORN, in the JORN dialog
  std::string jorn_input_root = blank_root();
  std::string jorn_output_root = blank_root();
  bool jorn_replace_all = true;
};

}  // namespace tarnex
