// IDEN layout detection: any identifier text gets one of the four layouts,
// the same whatever follows column 256 and however many blanks pad it. Edit
// opens an IDEN record in the layout guessed when the record stands in it
// unchanged, otherwise in a layout in which it does when there is one; then
// OK gives the record back unchanged.
//
// The input is the identifier text, columns 5 on of the IDEN line.

#include "fuzz_support.h"

#include "base/fixed_text.h"
#include "resources/dialog_ids.h"
#include "tin/catalogue/iden_format.h"
#include "tin/catalogue/iden_layout_buttons.h"
#include "tin/catalogue/record_builder.h"

using namespace tarnex;

namespace {

constexpr std::size_t kTextLength = 252;  // columns 5-256

// True when the record's line comes back unchanged from its text cut into
// the dialog by `layout`.
bool stands_in(const tin::RecordDialog& record, const std::string& line, int layout) {
  auto dialog = fuzz::window().make_dialog(record.dialog);
  tin::cut_iden_text(*dialog, columns(line, 5, kTextLength), layout);
  return tin::build_record(record, *dialog, layout).front() == line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto text = fuzz::as_text(data, size);
  const int guess = tin::IDENFORMAT(text);
  fuzz::require(guess >= 0 && guess <= 3, "the guess is one of the four layouts");
  fuzz::require(tin::IDENFORMAT(text.substr(0, kTextLength)) == guess, "columns beyond 256 do not count");
  fuzz::require(tin::IDENFORMAT(fit(text.substr(0, kTextLength), kTextLength)) == guess,
                "blanks padding the text do not count");

  // The rest needs the text as an IDEN line of a file the editor loads.
  const auto loaded = fuzz::loaded_lines("IDEN" + std::string(text));
  if (!loaded || loaded->size() != 1) return 0;
  const auto line = fit(loaded->front(), tin::kLineLength);
  const int guessed = tin::IDENFORMAT(columns(line, 5, kTextLength));
  const auto* record = tin::record_dialog(ids::record_iden::kDialog);
  bool stands_somewhere = false;
  for (int layout = 0; layout <= 3; ++layout) stands_somewhere = stands_somewhere || stands_in(*record, line, layout);

  auto tin = fuzz::state_with({line});
  fuzz::edit_and_confirm(tin, 1);
  if (stands_in(*record, line, guessed)) {
    fuzz::require(tin.IDEN_LAYOUT == guessed, "Edit shows the guessed layout when the record stands in it");
  }
  if (stands_somewhere) {
    fuzz::require(fuzz::lines_of(tin.records) == std::vector<std::string>{line},
                  "Edit and OK give back an IDEN record that stands in a layout", {line}, fuzz::lines_of(tin.records));
  }
  return 0;
}
