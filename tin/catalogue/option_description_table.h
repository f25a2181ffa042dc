#pragma once
// What the coded options of the record dialogs mean: for every option control
// the box beside it that describes the chosen value, how much of the
// control's text is read, and the value-to-text rows, the first matching row
// winning. A few options do more than describe themselves; their rule names
// what else they do.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarnex::tin {

// How a row recognises the chosen value. Texts are compared left-adjusted
// and as whole fixed-width texts, so "0" is "0" followed by blanks and an
// empty row text stands for a blank value.
enum class Match {
  kText,
  kFirstCharacter,  // the left-adjusted text begins with the row's character
  kNumber,          // the value read as a number lies in low..high
  kAny,
};

// How an option's value is read as a number for its kNumber rows.
enum class Number {
  kInteger,   // the free-format integer read; text holding none matches no number row
  kRealSign,  // -1, 0 or 1 by the sign of a real number; blank and other text count as 0
};

// What a choice does besides describing itself.
enum class Rule {
  kDescribe,
  kFrequencyIdentifierRow,  // 2FRQ Variable also relabels the identifier row
  kSeriesIdentifierType,    // time-series ID and NUM describe themselves and preview the IDEN line
  kSeriesIdentifierCount,
};

struct OptionRow {
  Match match = Match::kAny;
  std::string_view text{};
  int low = 0;
  int high = 0;
  std::string_view description{};
};

struct OptionControl {
  int dialog = 0;
  int control = 0;
  int description = 0;  // the read-only box beside the control
  int width = 4;        // leading characters of the control's text that are read
  Number number = Number::kInteger;
  std::span<const OptionRow> rows{};
  Rule rule = Rule::kDescribe;
  // How Edit describes the value it read from the record, where that differs
  // from how a value the user picks or types is described; empty: the same.
  std::span<const OptionRow> read_rows{};
};

std::span<const OptionControl> option_controls();

// Null when the dialog has no such option control.
const OptionControl* option_control(int dialog_id, int control_id);

// The option's value as its rows compare it: the first `width` characters of
// the control's text, leading blanks moved to the end.
std::string option_text(const OptionControl& option, std::string_view control_text);

// The option's value as a number; empty when the text holds none.
std::optional<int> option_number(const OptionControl& option, std::string_view control_text);

// The description of the value in `control_text`; empty when no row matches,
// so that the box keeps what it shows.
std::optional<std::string_view> option_description(const OptionControl& option, std::string_view control_text);

// The description of a value that Edit read from the record into the control,
// by the option's read rows; empty when it has none or none matches.
std::optional<std::string_view> read_description(const OptionControl& option, std::string_view control_text);

}  // namespace tarnex::tin
