#pragma once
// The record builder: the Add button of every record dialog turns the
// dialog's values into the record's lines and appends them to the record list.

#include <string>
#include <vector>

#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// The lines of the record that `dialog` holds, 256 characters each: the main
// line, then the extra lines that stay with it (the IDEN line of a time
// series, the second and third 2RES lines). `iden_layout` chooses the fields
// of an IDEN record.
std::vector<std::string> build_record(const RecordDialog& record, const ui::Dialog& dialog, int iden_layout);

// The lines that a click of `control_id` builds from `dialog`, without
// delivering them anywhere; empty when `control_id` is not that dialog's Add
// button. Edit puts them in place of the old record.
std::vector<std::string> build_on_click(const TinState& tin, const ui::Dialog& dialog, int control_id);

// How the builder reads a dialog, for Edit to fill it from a record exactly
// as the builder will read it back.

// Which of the record's alternative fields (`Field::only`) the dialog's
// values choose; kNoVariant when they choose none.
constexpr int kNoVariant = -1;
int variant_of(const RecordDialog& record, const ui::Dialog& dialog, int iden_layout);
// True when the field is written under that variant.
bool applies(const Field& field, int variant);
// How many values the record's lists get from its count control.
int list_count(const RecordDialog& record, const ui::Dialog& dialog);

// The click callback of the Add buttons: builds the record of the dialog whose
// Add button `control_id` is, appends its lines when they all fit in the list
// (otherwise tells the user that nothing was added) and closes the dialog.
void RECORDBUILDER(TinState& tin, ui::Ui& ui, ui::Dialog& dialog, int control_id, ui::Event event);

// RECORDBUILDER bound to the editor's state, to be set on an Add button.
ui::Callback record_builder(TinState& tin, ui::Ui& ui);

}  // namespace tarnex::tin
