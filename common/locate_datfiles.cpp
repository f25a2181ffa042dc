#include "common/locate_datfiles.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "base/fixed_text.h"
#include "common/executable_paths.h"

namespace tarnex {
namespace {

struct BrowseButton {
  int id;
  const char* title;
  const char* description;
  const char* patterns;
  bool first_dot;
  std::vector<int> boxes;
};

const BrowseButton kBrowseButtons[] = {
    {1245, "Select the MOR/MORD Main Input File", "DAT file", "*.DAT", true, {1217}},
    {1248, "Select the MOR/MORD Hydrology Input Files", "Hydrology files",
     "*.FLO;*.EVA;*.DIS;*.FLUM;*.FAD;*.BES;*.INF", false, {1219}},
    {1246, "Select the ORBEN Input File", "TIN file", "*.TIN", false, {1220, 1221, 1287, 1288}},
    {1247, "Select the MOR/MORD/MERL Output File", "Output files", "*.OUT;*.SUB;*.CRM;*.SAL", false, {1218, 1289}},
    {1285, "Select the MERL Input File", "SIN file", "*.SIN", false, {1219}},
    {1286, "Select the FLUM Input File", "HIN file", "*.HIN", false, {1234, 1235}},
    {1279, "Select the JORN Input File", "DIN file", "*.DIN", false, {1280, 1281}},
};

// A box filled from another when it gains the focus. In dialogs 191 and 214
// the fill replaces the box's text when the source holds a root; in 193 and
// 215 it happens only while the box is empty.
struct FocusFill {
  int dialog;
  int box;
  int source;
  int fallback;  // used when the source is blank; 0 for none
  bool only_when_empty;
};

constexpr FocusFill kFocusFills[] = {
    {191, 1219, 1217, 0, false},    {191, 1220, 1217, 0, false}, {191, 1221, 1220, 1217, false},
    {191, 1218, 1217, 0, false},    {214, 1287, 1219, 0, false}, {214, 1288, 1287, 1219, false},
    {214, 1289, 1219, 0, false},    {193, 1235, 1234, 0, true},  {215, 1281, 1280, 0, true},
};

// The longest path an open-file request holds.
constexpr std::size_t kChosenPathField = 255;

void browse(Paths& paths, ui::Ui& ui, ui::Dialog& dialog, const BrowseButton& button) {
  auto& remembered = paths.browse_paths[button.id];
  const auto chosen = ui.open_file({{button.description, button.patterns}}, button.title, remembered);
  if (!chosen) return;
  if (chosen->size() > kChosenPathField) {
    ui.message_box("The path of the chosen file is longer than 255 characters.\r\n"
                   "Move the file to a shorter path and choose it again.",
                   "ERROR");
    return;
  }
  remembered = *chosen;
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  const auto root = root_of_chosen_file(*chosen, path_of(paths.executable_paths[kTarnex]), button.first_dot, separator);
  for (int box : button.boxes) {
    if (dialog.has_control(box)) dialog.set_text(box, root);
  }
}

void fill(ui::Dialog& dialog, const FocusFill& rule) {
  if (rule.only_when_empty && !is_blank(dialog.text(rule.box))) return;
  auto source = dialog.text(rule.source);
  if (is_blank(source) && rule.fallback != 0) source = dialog.text(rule.fallback);
  if (!rule.only_when_empty && is_blank(source)) return;
  const auto text = without_trailing_blanks(remove_leading_blanks(source));
  dialog.set_text(rule.box, text);
  dialog.set_caret(rule.box, static_cast<int>(text.size()) + 1);
}

}  // namespace

std::string root_of_chosen_file(std::string_view path, std::string_view tarnex_path, bool first_dot, char separator) {
  const auto last_separator = path.rfind(separator);
  const auto name_start = last_separator == std::string_view::npos ? 0 : last_separator + 1;
  // The extension is looked for in the file name only: a dot in a directory
  // name (C:\V1.2\, /home/j.smith/) must not cut the root short.
  const auto name = path.substr(name_start);
  const auto dot = first_dot ? name.find('.') : name.rfind('.');
  if (dot == std::string_view::npos) return {};
  const auto directory = path.substr(0, name_start);
  const auto tarnex_directory = tarnex_path.substr(0, tarnex_path.rfind(separator) + 1);
  const bool own_directory = !directory.empty() && directory == tarnex_directory;
  return std::string(own_directory ? name.substr(0, dot) : path.substr(0, name_start + dot));
}

void LOCATE_DATFILES(Paths& paths, ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event event) {
  if (event == ui::Event::Click) {
    for (const auto& button : kBrowseButtons) {
      if (button.id == control_id) browse(paths, ui, dialog, button);
    }
  } else if (event == ui::Event::FocusGain) {
    for (const auto& rule : kFocusFills) {
      if (rule.dialog == dialog.id() && rule.box == control_id) fill(dialog, rule);
    }
  }
}

}  // namespace tarnex
