#pragma once
// How Edit reads the option fields of a record back into their lists: the
// columns it looks at, how it reads them, and which entry a value selects.
// Whatever the columns hold, a list gets one of its entries or, where the
// field says so, stays as the dialog opens it.

#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "ui/services.h"

namespace tarnex::tin {

enum class Reading {
  kText,       // the columns without leading and trailing blanks
  kNumber,     // an integer, when the right-adjusted columns end in a digit and hold one
  kLastDigit,  // the last non-blank character, when it is a digit
};

// A value that selects an entry other than the one of its own text.
struct CodeItem {
  std::string_view code{};
  int item = 0;
};

struct OptionField {
  int dialog = 0;
  int control = 0;
  int first = 0;  // the columns read
  int width = 0;
  Reading reading = Reading::kNumber;
  // What a number field that holds no number reads as; empty: it selects
  // the fallback.
  std::optional<int> no_number{};
  // A number is limited to low..high.
  int low = std::numeric_limits<int>::min();
  int high = std::numeric_limits<int>::max();
  // Tried before the entry whose text is the value.
  std::span<const CodeItem> codes{};
  // The entry when neither matches; 0 leaves the list as the dialog opens.
  int fallback = 1;
  // Shown for the fallback instead of its entry's own description.
  std::string_view fallback_description{};
};

std::span<const OptionField> option_fields();

// The option fields of one dialog, in table order.
std::span<const OptionField> option_fields_of(int dialog_id);

// What the record's columns make of the field: the entry to select (0: the
// list stays as it opens) and whether the fallback was taken.
struct OptionChoice {
  int item = 0;
  bool fallback = false;
};
OptionChoice read_option(const OptionField& field, std::string_view line, const ui::Dialog& dialog);

// The 1-based entry of a list or combo whose text is `text`; 0 when none is.
int entry_of(const ui::Dialog& dialog, int control, std::string_view text);

}  // namespace tarnex::tin
