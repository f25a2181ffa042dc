#include "run/run_dialogs.h"

#include <algorithm>

#include "base/fixed_text.h"
#include "common/locate_datfiles.h"
#include "resources/dialog_ids.h"

namespace tarnex {
namespace {

using Root = std::string RunSettings::*;
using Flag = bool RunSettings::*;

struct RootBox {
  int box;
  Root root;
};

// A check box, or the first radio button of a pair with its partner.
struct FlagControl {
  int control;
  Flag flag;
  int partner;  // the second radio button; 0 for a check box
};

// A blank root filled on Begin from the root it naturally follows.
struct BlankFill {
  Root target;
  Root source;
};

// Why a program is not run: its box's two reason lines.
struct Reason {
  const char* first;
  const char* second;
};

constexpr Reason kInputBlank = {"  *      The input file edit box       *", "  *      was left blank.               *"};
constexpr Reason kMorNotSelected = {"  *      The EXECUTE MOR checkbox      *", "  *      was not selected.             *"};
constexpr Reason kOrbRootsBlank = {"  *      An input/ouput file edit      *", "  *      box was left blank.           *"};
constexpr Reason kOrbNotSelected = {"  *      The EXECUTE ORB checkbox      *", "  *      was not selected.             *"};
constexpr Reason kMerlNotSelected = {"  *      The EXECUTE MERL checkbox     *", "  *      was not selected.             *"};

constexpr const char* kMorLine = "  *      MOR.EXE was not executed.     *";
constexpr const char* kMordLine = "  *      MORD.EXE was not executed.    *";
constexpr const char* kOrbLine = "  *      ORB.EXE was not executed.     *";
constexpr const char* kMerlLine = "  *      MERL.EXE was not executed.    *";

void write_box(ui::Ui& ui, const char* program_line, const Reason& reason) {
  for (const auto& row : not_executed_box(program_line, reason.first, reason.second)) ui.text().write_line(row);
}

// A root never holds a line break: one pasted into a root box would answer
// the model program's next question.
std::string root_from_box(std::string text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  return fit(remove_leading_blanks(text), kRootField);
}

void run_mor(const RunSettings& s, ui::Ui& ui, const RunProgram& run) {
  const char* line = s.monthly ? kMorLine : kMordLine;
  if (!s.exec_mor) write_box(ui, line, kMorNotSelected);
  else if (is_blank(s.mor_root)) write_box(ui, line, kInputBlank);
  else run(s.monthly ? kMorRun : kMordRun);
}

void run_merl(const RunSettings& s, ui::Ui& ui, const RunProgram& run) {
  if (!s.exec_merl) write_box(ui, kMerlLine, kMerlNotSelected);
  else if (is_blank(s.merl_root)) write_box(ui, kMerlLine, kInputBlank);
  else run(kMerlRun);
}

void run_orb(const RunSettings& s, ui::Ui& ui, const RunProgram& run) {
  if (!s.exec_orb) write_box(ui, kOrbLine, kOrbNotSelected);
  else if (is_blank(s.tin_root) || is_blank(s.orben_output_root) || is_blank(s.orb_source_root)) {
    write_box(ui, kOrbLine, kOrbRootsBlank);
  } else {
    run(kOrbRun);
  }
}

void run_flum(const RunSettings&, ui::Ui&, const RunProgram& run) { run(kFlumRun); }
void run_jorn(const RunSettings&, ui::Ui&, const RunProgram& run) { run(kJornRun); }

// What follows a Begin, in order: each step runs its program or reports why not.
using AfterBegin = void (*)(const RunSettings&, ui::Ui&, const RunProgram&);

struct RunDialog {
  int code;
  int dialog;
  int begin;
  std::vector<RootBox> roots;
  std::vector<FlagControl> flags;
  std::vector<int> browse_buttons;
  std::vector<int> filling_boxes;
  std::vector<BlankFill> blank_fills;
  std::vector<AfterBegin> after_begin;
};

namespace mor_orb = ids::mor_orb;
namespace merl_orb = ids::merl_orb;
namespace flum = ids::flum;
namespace jorn = ids::jorn;

const RunDialog kRunDialogs[] = {
    {kMorOrbDialog, mor_orb::kDialog, mor_orb::kBeginSimulation,
     {{mor_orb::kMorRoot, &RunSettings::mor_root},
      {mor_orb::kHydrologyRoot, &RunSettings::hydrology_root},
      {mor_orb::kTinRoot, &RunSettings::tin_root},
      {mor_orb::kOrbenOutputRoot, &RunSettings::orben_output_root},
      {mor_orb::kOrbSourceRoot, &RunSettings::orb_source_root}},
     {{mor_orb::kExecuteMor, &RunSettings::exec_mor, 0},
      {mor_orb::kExecuteOrb, &RunSettings::exec_orb, 0},
      {mor_orb::kMonthly, &RunSettings::monthly, mor_orb::kDaily},
      {mor_orb::kMorReplaceAll, &RunSettings::mor_replace_all, mor_orb::kMorReplaceNo},
      {mor_orb::kOrbenReplaceAll, &RunSettings::orben_replace_all, mor_orb::kOrbenReplaceNo}},
     {mor_orb::kBrowseMorRoot, mor_orb::kBrowseHydrologyRoot, mor_orb::kBrowseTinRoot, mor_orb::kBrowseOrbSourceRoot},
     {mor_orb::kHydrologyRoot, mor_orb::kTinRoot, mor_orb::kOrbenOutputRoot, mor_orb::kOrbSourceRoot},
     {{&RunSettings::orben_output_root, &RunSettings::tin_root},
      {&RunSettings::orb_source_root, &RunSettings::mor_root},
      {&RunSettings::hydrology_root, &RunSettings::mor_root}},
     {run_mor, run_orb}},
    {kMerlOrbDialog, merl_orb::kDialog, merl_orb::kBeginSimulation,
     {{merl_orb::kMerlRoot, &RunSettings::merl_root},
      {merl_orb::kTinRoot, &RunSettings::tin_root},
      {merl_orb::kOrbenOutputRoot, &RunSettings::orben_output_root},
      {merl_orb::kOrbSourceRoot, &RunSettings::orb_source_root}},
     {{merl_orb::kExecuteMerl, &RunSettings::exec_merl, 0},
      {merl_orb::kExecuteOrb, &RunSettings::exec_orb, 0},
      {merl_orb::kMerlReplaceAll, &RunSettings::merl_replace_all, merl_orb::kMerlReplaceNo},
      {merl_orb::kOrbenReplaceAll, &RunSettings::orben_replace_all, merl_orb::kOrbenReplaceNo}},
     {merl_orb::kBrowseMerlRoot, merl_orb::kBrowseTinRoot, merl_orb::kBrowseOrbSourceRoot},
     {merl_orb::kTinRoot, merl_orb::kOrbenOutputRoot, merl_orb::kOrbSourceRoot},
     {{&RunSettings::orben_output_root, &RunSettings::tin_root},
      {&RunSettings::orb_source_root, &RunSettings::merl_root}},
     {run_merl, run_orb}},
    {kFlumDialog, flum::kDialog, flum::kBeginSimulation,
     {{flum::kInputRoot, &RunSettings::flum_input_root}, {flum::kOutputRoot, &RunSettings::flum_output_root}},
     {{flum::kReplaceAll, &RunSettings::flum_replace_all, flum::kReplaceNo}},
     {flum::kBrowseInputRoot},
     {flum::kOutputRoot},
     {},
     {run_flum}},
    {kJornDialog, jorn::kDialog, jorn::kBeginSimulation,
     {{jorn::kInputRoot, &RunSettings::jorn_input_root}, {jorn::kOutputRoot, &RunSettings::jorn_output_root}},
     {{jorn::kReplaceAll, &RunSettings::jorn_replace_all, jorn::kReplaceNo}},
     {jorn::kBrowseInputRoot},
     {jorn::kOutputRoot},
     {},
     {run_jorn}},
};

const RunDialog* run_dialog_by(int (RunDialog::*key), int value) {
  for (const auto& d : kRunDialogs) {
    if (d.*key == value) return &d;
  }
  return nullptr;
}

void open_with_settings(RunSettings& settings, Paths& paths, ui::Ui& ui, ui::Dialog& dialog, const RunDialog& layout) {
  const auto& s = settings;
  for (const auto& r : layout.roots) dialog.set_text(r.box, without_trailing_blanks(remove_leading_blanks(s.*r.root)));
  for (const auto& f : layout.flags) {
    dialog.set_checked(f.control, s.*f.flag);
    if (f.partner != 0) dialog.set_checked(f.partner, !(s.*f.flag));
  }
  dialog.set_callback(layout.begin, ui::Event::Click, [&settings](ui::Dialog& d, int id, ui::Event e) {
    AUTOCOMPLETEVARIABLES(settings, d, id, e);
  });
  auto locate = [&paths, &ui](ui::Dialog& d, int id, ui::Event e) { LOCATE_DATFILES(paths, ui, d, id, e); };
  for (int button : layout.browse_buttons) dialog.set_callback(button, ui::Event::Click, locate);
  for (int box : layout.filling_boxes) dialog.set_callback(box, ui::Event::FocusGain, locate);
}

}  // namespace

std::vector<std::string> not_executed_box(const std::string& program_line, const std::string& first_reason,
                                          const std::string& second_reason) {
  const std::string border = "  --------------------------------------";
  const std::string empty = "  *                                    *";
  return {"", border, empty, program_line, first_reason, second_reason, empty, border, ""};
}

void AUTOCOMPLETEVARIABLES(RunSettings& settings, ui::Dialog& dialog, int control_id, ui::Event) {
  const auto* layout = run_dialog_by(&RunDialog::begin, control_id);
  if (!layout) return;
  auto& s = settings;
  for (const auto& f : layout->flags) s.*f.flag = dialog.checked(f.control);
  for (const auto& r : layout->roots) s.*r.root = root_from_box(dialog.text(r.box));
  s.begin_requested = true;
  for (const auto& fill : layout->blank_fills) {
    if (is_blank(s.*fill.target) && !is_blank(s.*fill.source)) s.*fill.target = s.*fill.source;
  }
  dialog.end(control_id);
}

void run_dialog_operation(RunSettings& settings, Paths& paths, ui::Ui& ui, int dialog_code, const RunProgram& run) {
  const auto* layout = run_dialog_by(&RunDialog::code, dialog_code);
  if (!layout) return;
  if (auto dialog = ui.make_dialog(layout->dialog)) {
    open_with_settings(settings, paths, ui, *dialog, *layout);
    dialog->run_modal();
  }
  if (settings.begin_requested) {
    for (auto step : layout->after_begin) step(settings, ui, run);
  }
  settings.begin_requested = false;
}

}  // namespace tarnex
