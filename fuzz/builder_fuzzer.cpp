// The record builder with the Edit round trip: a record made in its dialog
// from any values the user can give, then opened with Edit on each of its
// lines and confirmed unchanged with OK, gives back the same lines.
//
// The input is text, one line each: the record type ("2RES"; any other text
// picks a type by its bytes), then for an IDEN record its layout (0 to 3),
// then one value for each control of the record's fields in the order of the
// catalogue. An empty line leaves its control as the dialog starts it. A
// drop list takes the entry the value names, or else an entry picked by the
// value's bytes; a combo box takes the entry or the typed text; an edit box
// the typed text, a tab standing for a line break of a multi-line box;
// control characters, which the user cannot type, are left out.

#include "fuzz_support.h"

#include <algorithm>
#include <numeric>

#include "base/fixed_text.h"
#include "tin/catalogue/catalogue.h"
#include "tin/catalogue/edited_record.h"
#include "tin/catalogue/iden_layout_buttons.h"
#include "tin/catalogue/record_builder.h"
#include "tin/catalogue/record_setup.h"

using namespace tarnex;

namespace {

const tin::RecordType& type_named(std::string_view code) {
  if (const auto* type = tin::record_type(code)) return *type;
  const auto types = tin::record_types();
  const auto sum = std::accumulate(code.begin(), code.end(), std::size_t{0},
                                   [](std::size_t s, char c) { return s + static_cast<unsigned char>(c); });
  return types[sum % types.size()];
}

// The controls the user fills, each once, in the order of the fields.
std::vector<const tin::Field*> user_fields(const tin::RecordDialog& record) {
  std::vector<const tin::Field*> fields;
  for (const auto& field : record.fields) {
    if (field.kind == tin::Kind::kReadOnly) continue;
    if (std::ranges::any_of(fields, [&](const auto* f) { return f->control == field.control; })) continue;
    fields.push_back(&field);
  }
  return fields;
}

void choose(ui::HeadlessDialog& dialog, int control, std::string_view value) {
  const int count = dialog.item_count(control);
  for (int i = 1; i <= count; ++i) {
    if (dialog.item_text(control, i) == value) return dialog.user_choose(control, i);
  }
  if (count == 0) return;
  const auto sum = std::accumulate(value.begin(), value.end(), 0,
                                   [](int s, char c) { return s + static_cast<unsigned char>(c); });
  dialog.user_choose(control, sum % count + 1);
}

bool is_entry(const ui::HeadlessDialog& dialog, int control, std::string_view value) {
  for (int i = 1; i <= dialog.item_count(control); ++i) {
    if (dialog.item_text(control, i) == value) return true;
  }
  return false;
}

// What the user can type of a value: no control characters, but the line
// breaks of a multi-line box.
std::string typeable(std::string value, bool multi_line) {
  if (multi_line) std::ranges::replace(value, '\t', '\n');
  std::erase_if(value, [multi_line](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && !(multi_line && c == '\n')) || byte == 0x7F;
  });
  return value;
}

void give(ui::HeadlessDialog& dialog, const tin::Field& field, const std::string& value) {
  switch (field.kind) {
    case tin::Kind::kDropList:
      choose(dialog, field.control, value);
      break;
    case tin::Kind::kCombo:
      if (is_entry(dialog, field.control, value)) {
        choose(dialog, field.control, value);
      } else {
        dialog.user_type(field.control, typeable(value, false));
      }
      break;
    case tin::Kind::kMultiLine:
      dialog.user_type(field.control, typeable(value, true));
      break;
    case tin::Kind::kEdit:
      dialog.user_type(field.control, typeable(value, false));
      break;
    case tin::Kind::kReadOnly:
      break;
  }
}

// Plays the values on the dialog as the user would; a control the user
// cannot reach at that moment (disabled, hidden) keeps its value.
void fill(ui::HeadlessDialog& dialog, const tin::RecordDialog& record, std::span<const std::string_view> values) {
  std::size_t next = 0;
  const auto take = [&]() { return next < values.size() ? values[next++] : std::string_view(); };
  if (record.variant == tin::Variant::kIdenLayout) {
    const auto layout = take();
    if (!layout.empty()) {
      const auto index = static_cast<std::size_t>(static_cast<unsigned char>(layout.front()) % 4);
      try {
        dialog.user_click(tin::kIdenLayoutButtons[index]);
      } catch (const ui::UserActionError&) {
      }
    }
  }
  for (const auto* field : user_fields(record)) {
    const auto value = take();
    if (value.empty()) continue;
    try {
      give(dialog, *field, std::string(value));
    } catch (const ui::UserActionError&) {
    }
  }
}

// The lines that Create and Add give; none when Add refused the values.
std::vector<std::string> created(std::string_view code, std::span<const std::string_view> values) {
  auto& ui = fuzz::window();
  tin::TinState tin;
  const auto* record = tin::record_dialog(type_named(code).dialog);
  fuzz::require(record != nullptr, "every record type has its dialog");
  auto dialog = ui.make_dialog(record->dialog);
  fuzz::require(dialog != nullptr, "every record dialog has its template");
  tin::set_up_for_create(tin, *dialog, type_named(code).code, [](ui::Dialog&, int, ui::Event) {});
  dialog->set_callback(record->add_button, ui::Event::Click, tin::record_builder(tin, ui));
  const int add = record->add_button;
  ui.on_modal(record->dialog, [&](ui::HeadlessDialog& d) {
    fill(d, *record, values);
    try {
      d.user_click(add);
    } catch (const ui::UserActionError&) {
    }
  });
  dialog->run_modal();
  return fuzz::lines_of(tin.records);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = split_lines(fuzz::as_text(data, size));
  if (lines.empty()) return 0;
  const auto record = created(lines.front(), std::span(lines).subspan(1));
  if (record.empty() || !tin::dialog_to_edit(record.front())) return 0;

  std::vector<std::string> list{fit("TITL  before", tin::kLineLength)};
  list.insert(list.end(), record.begin(), record.end());
  list.push_back(fit("ENDF", tin::kLineLength));
  for (std::size_t k = 0; k < record.size(); ++k) {
    auto tin = fuzz::state_with(list);
    fuzz::edit_and_confirm(tin, 2 + static_cast<int>(k));
    fuzz::require(fuzz::lines_of(tin.records) == list, "Edit and OK on a record the dialog made give it back",
                  list, fuzz::lines_of(tin.records));
  }
  return 0;
}
