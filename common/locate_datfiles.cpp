#include "common/locate_datfiles.h"

#include <algorithm>
#include <vector>

#include "base/fixed_text.h"
#include "common/executable_paths.h"
#include "resources/dialog_ids.h"

namespace tarnex {
namespace {

namespace mor_orb = ids::mor_orb;
namespace merl_orb = ids::merl_orb;
namespace flum = ids::flum;
namespace jorn = ids::jorn;

// What a Browse button asks the user for.
struct FileChoice {
  const char* title;
  const char* description;
  const char* patterns;
  bool first_dot;
};

constexpr FileChoice kMainInput{"Select the MOR/MORD Main Input File", "DAT file", "*.DAT", true};
constexpr FileChoice kHydrologyInput{"Select the MOR/MORD Hydrology Input Files", "Hydrology files",
                                     "*.FLO;*.EVA;*.DIS;*.FLUM;*.FAD;*.BES;*.INF", false};
constexpr FileChoice kTinFile{"Select the ORBEN Input File", "TIN file", "*.TIN", false};
constexpr FileChoice kModelOutput{"Select the MOR/MORD/MERL Output File", "Output files", "*.OUT;*.SUB;*.CRM;*.SAL",
                                  false};
constexpr FileChoice kMerlInput{"Select the MERL Input File", "SIN file", "*.SIN", false};
constexpr FileChoice kFlumInput{"Select the FLUM Input File", "HIN file", "*.HIN", false};
constexpr FileChoice kJornInput{"Select the JORN Input File", "DIN file", "*.DIN", false};

// A Browse button of one dialog and the boxes it sets to the chosen root. The
// two ORBEN dialogs share the ids of their TIN and output Browse buttons, and
// so the path each of them chose last.
struct BrowseButton {
  int dialog;
  int id;
  const FileChoice& choice;
  std::vector<int> boxes;
};

const BrowseButton kBrowseButtons[] = {
    {mor_orb::kDialog, mor_orb::kBrowseMorRoot, kMainInput, {mor_orb::kMorRoot}},
    {mor_orb::kDialog, mor_orb::kBrowseHydrologyRoot, kHydrologyInput, {mor_orb::kHydrologyRoot}},
    {mor_orb::kDialog, mor_orb::kBrowseTinRoot, kTinFile, {mor_orb::kTinRoot, mor_orb::kOrbenOutputRoot}},
    {mor_orb::kDialog, mor_orb::kBrowseOrbSourceRoot, kModelOutput, {mor_orb::kOrbSourceRoot}},
    {merl_orb::kDialog, merl_orb::kBrowseMerlRoot, kMerlInput, {merl_orb::kMerlRoot}},
    {merl_orb::kDialog, merl_orb::kBrowseTinRoot, kTinFile, {merl_orb::kTinRoot, merl_orb::kOrbenOutputRoot}},
    {merl_orb::kDialog, merl_orb::kBrowseOrbSourceRoot, kModelOutput, {merl_orb::kOrbSourceRoot}},
    {flum::kDialog, flum::kBrowseInputRoot, kFlumInput, {flum::kInputRoot, flum::kOutputRoot}},
    {jorn::kDialog, jorn::kBrowseInputRoot, kJornInput, {jorn::kInputRoot, jorn::kOutputRoot}},
};

// A box filled from another when it gains the focus. In the two ORBEN
// dialogs the fill replaces the box's text when the source holds a root; in
// the FLUM and JORN dialogs it happens only while the box is empty.
struct FocusFill {
  int dialog;
  int box;
  int source;
  int fallback;  // used when the source is blank; 0 for none
  bool only_when_empty;
};

constexpr FocusFill kFocusFills[] = {
    {mor_orb::kDialog, mor_orb::kHydrologyRoot, mor_orb::kMorRoot, 0, false},
    {mor_orb::kDialog, mor_orb::kTinRoot, mor_orb::kMorRoot, 0, false},
    {mor_orb::kDialog, mor_orb::kOrbenOutputRoot, mor_orb::kTinRoot, mor_orb::kMorRoot, false},
    {mor_orb::kDialog, mor_orb::kOrbSourceRoot, mor_orb::kMorRoot, 0, false},
    {merl_orb::kDialog, merl_orb::kTinRoot, merl_orb::kMerlRoot, 0, false},
    {merl_orb::kDialog, merl_orb::kOrbenOutputRoot, merl_orb::kTinRoot, merl_orb::kMerlRoot, false},
    {merl_orb::kDialog, merl_orb::kOrbSourceRoot, merl_orb::kMerlRoot, 0, false},
    {flum::kDialog, flum::kOutputRoot, flum::kInputRoot, 0, true},
    {jorn::kDialog, jorn::kOutputRoot, jorn::kInputRoot, 0, true},
};

// The longest path an open-file request holds.
constexpr std::size_t kChosenPathField = 255;

void browse(Paths& paths, ui::Ui& ui, ui::Dialog& dialog, const BrowseButton& button) {
  auto& remembered = paths.browse_paths[button.id];
  const auto& choice = button.choice;
  const auto chosen = ui.open_file({{choice.description, choice.patterns}}, choice.title, remembered);
  if (!chosen) return;
  if (chosen->size() > kChosenPathField) {
    ui.message_box("The path of the chosen file is longer than 255 characters.\r\n"
                   "Move the file to a shorter path and choose it again.",
                   "ERROR");
    return;
  }
  remembered = *chosen;
  const auto root =
      root_of_chosen_file(*chosen, path_of(paths.executable_paths[kTarnex]), choice.first_dot, system_spelling());
  for (int box : button.boxes) dialog.set_text(box, root);
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

std::string root_of_chosen_file(std::string_view path, std::string_view tarnex_path, bool first_dot,
                                const PathSpelling& spelling) {
  const auto last_separator = path.find_last_of(spelling.separators);
  const auto name_start = last_separator == std::string_view::npos ? 0 : last_separator + 1;
  // The extension is looked for in the file name only: a dot in a directory
  // name (C:\V1.2\, /home/j.smith/) must not cut the root short.
  const auto name = path.substr(name_start);
  const auto dot = first_dot ? name.find('.') : name.rfind('.');
  if (dot == std::string_view::npos) return {};
  const auto directory = path.substr(0, name_start);
  const auto tarnex_directory = tarnex_path.substr(0, tarnex_path.find_last_of(spelling.separators) + 1);
  const bool own_directory = !directory.empty() && same_directory(directory, tarnex_directory, spelling);
  return std::string(own_directory ? name.substr(0, dot) : path.substr(0, name_start + dot));
}

void LOCATE_DATFILES(Paths& paths, ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event event) {
  if (event == ui::Event::Click) {
    for (const auto& button : kBrowseButtons) {
      if (button.dialog == dialog.id() && button.id == control_id) browse(paths, ui, dialog, button);
    }
  } else if (event == ui::Event::FocusGain) {
    for (const auto& rule : kFocusFills) {
      if (rule.dialog == dialog.id() && rule.box == control_id) fill(dialog, rule);
    }
  }
}

}  // namespace tarnex
