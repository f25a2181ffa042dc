#pragma once
// Edit: a record's lines taken apart into the fields of its dialog, so that
// the dialog shows the record and its Add button builds it back.

#include <span>
#include <string>

#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// Fills `dialog`, the dialog of `record`, from `lines`: the record's main
// line, then the lines that belong to it (the IDEN line of a time series,
// the storage lines of a 2RES record). Options get their entries and the
// descriptions of those, texts and lists their columns, an IDEN record its
// layout. Odd columns select a list's fallback entry; nothing is refused.
void fill_record_dialog(TinState& tin, ui::Dialog& dialog, const RecordDialog& record,
                        std::span<const std::string> lines);

}  // namespace tarnex::tin
