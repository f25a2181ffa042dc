#pragma once
// How a record dialog opens for a new record: its starting values and the
// descriptions that go with them, its text limits and the edit boxes that
// place the caret when they gain the focus.

#include <span>
#include <string>
#include <string_view>

#include "tin/catalogue/tin_state.h"
#include "ui/services.h"

namespace tarnex::tin {

// One control's start. Every part is optional: an item to select (its
// description put beside it), a text, a text limit, the caret routine, a
// layout button to set.
struct StartingValue {
  int control = 0;
  int item = 0;  // 1-based entry of a list; 0: none
  std::string_view text{};
  int description = 0;  // the box that describes the start
  std::string_view description_text{};
  int limit = 0;  // most characters the user can type; 0: no limit
  bool focus = false;
  bool check = false;
};

struct DialogSetup {
  int dialog = 0;
  std::span<const StartingValue> values{};
};

// Null for a dialog that starts as its template shows it.
const DialogSetup* dialog_setup(int dialog_id);

// The text limits and caret bindings of the dialog's edit boxes, whatever
// the dialog opens for.
void bind_edit_boxes(ui::Dialog& dialog, const ui::Callback& caret_callback);

// Sets up the record dialog just made for a new record of `record_type`:
// its title and identifier field where other types share it, its starting
// values and descriptions, its edit boxes (the caret routine is
// `caret_callback`) and the description callbacks of its options. The Add
// button is bound by the caller.
void set_up_for_create(TinState& tin, ui::Dialog& dialog, std::string_view record_type,
                       const ui::Callback& caret_callback);

// Sets up the record dialog just made for the record on `lines` (its main
// line first): its edit boxes, its fields filled from the lines with their
// descriptions, the description callbacks of its options (the IDEN layout
// buttons re-cut the record) and its Add button captioned "OK". The OK
// button is bound by the caller.
void set_up_for_edit(TinState& tin, ui::Dialog& dialog, std::span<const std::string> lines,
                     const ui::Callback& caret_callback);

}  // namespace tarnex::tin
