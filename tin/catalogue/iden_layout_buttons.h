#pragma once
// The identifier-layout buttons of the IDEN dialog: each labels the eight
// identifier rows for its layout and sets `IDEN_LAYOUT`, which the Add
// button's builder follows.

#include <array>
#include <optional>
#include <string_view>

#include "resources/dialog_ids.h"
#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// The layout buttons, by layout 0 to 3.
constexpr std::array<int, 4> kIdenLayoutButtons{ids::record_iden::kLayoutTypeAndNumber,
                                                ids::record_iden::kLayoutControlPoints,
                                                ids::record_iden::kLayoutWaterRights,
                                                ids::record_iden::kLayoutRightGroups};

// The layout (0 to 3) that a control of `dialog_id` chooses; empty for any
// control but the layout buttons of the IDEN dialog.
std::optional<int> iden_layout_of_button(int dialog_id, int control_id);

// Writes the columns, variable, format and description of the eight rows
// for `layout`.
void label_iden_rows(ui::Dialog& dialog, int layout);

// Cuts the identifier part of an IDEN record (columns 5-256) into the eight
// value boxes for `layout`, each value right-adjusted in its field's width;
// rows that the layout does not use get a single blank.
void cut_iden_text(ui::Dialog& dialog, std::string_view iden_text, int layout);

// The layout buttons' callback for an IDEN record opened for editing: labels
// the rows, sets `IDEN_LAYOUT` and re-cuts `IDEN_TEXT`, so that switching
// layouts shows the same record text in other fields.
void RADIOBUTTONSELECTION(TinState& tin, ui::Dialog& dialog, int control_id, ui::Event event);

}  // namespace tarnex::tin
