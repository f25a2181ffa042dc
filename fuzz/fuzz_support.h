#pragma once
// What the harnesses share: a fuzz input read as a TIN file the way the
// editor loads one, the record list's lines, Edit confirmed with OK as the
// user does it, and a failed property reported so that libFuzzer keeps the
// input that broke it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tin/catalogue/tin_state.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::fuzz {

// The lines the editor loads from a file holding `bytes`; nothing when it
// refuses the file (not text, too many lines).
std::optional<std::vector<std::string>> loaded_lines(std::string_view bytes);

// The same bytes as the fuzzer hands them over.
std::string_view as_text(const std::uint8_t* data, std::size_t size);

// A file name in a scratch directory of this process, removed at its exit.
std::string scratch_file(std::string_view name);

// Every used slot of the list, 256 characters each.
std::vector<std::string> lines_of(const tin::RecordList& list);

// The list holding `lines`, one record each, as the editor holds a loaded file.
tin::TinState state_with(const std::vector<std::string>& lines);

// The window services every run of the process shares: reading the dialog
// templates costs more than a whole run. Every dialog a run opens is played
// and closed within the run, so none carries over to the next.
ui::HeadlessUi& window();

// Edit on line `selected`, the dialog confirmed unchanged with OK; what
// edit_record returns.
std::optional<int> edit_and_confirm(tin::TinState& tin, int selected);

// Stops the run with `what` and the lines before and after when `holds` is
// false: libFuzzer saves the input as a crash.
void require(bool holds, std::string_view what, const std::vector<std::string>& before = {},
             const std::vector<std::string>& after = {});

}  // namespace tarnex::fuzz
