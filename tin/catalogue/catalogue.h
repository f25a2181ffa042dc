#pragma once
// The catalogue of the TIN file's record types: for every record dialog its
// template, Add button and fields (columns, control, how the control's text
// becomes the field, what a blank control writes, the captions of its row and
// the options it offers), the record types that use each dialog, and the five
// record-type lists of the editor. The builder, the editor and the option
// descriptions interpret these tables; a record type's exceptions are named
// rules in its rows, never code that asks for the record's name.

#include <span>
#include <string_view>

namespace tarnex::tin {

// The kind of a field's control in its dialog template.
enum class Kind {
  kEdit,
  kDropList,   // pick only
  kCombo,      // pick or type
  kMultiLine,  // one value per line: the field is a list
  kReadOnly,   // filled by the editor
};

// How the text of a field's control becomes the field's value.
enum class Read {
  kJustified,  // leading blanks dropped, cut to the field's width, right-justified
  kAsTyped,    // the first characters exactly as typed, not justified
  kWhenFull,   // the text without leading blanks, written only when it fills the field, trailing blanks counting
};

// Named rules that choose between alternative fields of one dialog.
enum class Variant {
  kNone,
  kFrqIdentifier,         // 2FRQ: 0 a six-character identifier, 1 a sixteen-character one
  kSeriesIdentifierType,  // time series: the ID 0 to 3 decides the IDEN line's fields
  kIdenLayout,            // IDEN: IDEN_LAYOUT 0 to 3
};

// When a record's extra line is delivered with it.
enum class Keep {
  kAlways,
  kWhenListed,  // only when a list was written on it
  kWhenFilled,  // only when it holds something beyond its identifier
};

struct Field {
  int line = 1;        // 1 the record's main line, 2 and 3 its extra lines
  int first = 0;       // first column, the leading blank part included
  int width = 0;       // columns of one value, the leading blank part included
  int blank_part = 0;  // leading columns that stay blank (2 for 2x,A6)
  int control = 0;
  Kind kind = Kind::kDropList;
  Read read = Read::kJustified;
  int first_chars = 0;       // only this many leading characters of the text count; 0: all
  std::string_view blank{};  // written, right-justified, when the value is blank
  unsigned only = 0;         // bit v set: the field belongs to variant v only; 0: always
  bool magnitude = false;    // a list of as many values as the magnitude of the count
  // The captions of the field's row; empty where the dialog sets them.
  std::string_view columns{};
  std::string_view variable{};
  std::string_view format{};
  std::span<const std::string_view> offered{};
  int description = 0;  // the read-only box beside it that describes the chosen option
};

struct ExtraLine {
  std::string_view code{};  // columns 1-4
  Keep keep = Keep::kAlways;
};

struct RecordDialog {
  int dialog = 0;
  std::string_view title{};  // empty where the editor sets it by record type
  int add_button = 0;
  std::string_view add_caption = "Add";
  std::string_view code{};  // columns 1-4, unless a field fills them
  std::span<const Field> fields{};
  int count_control = 0;     // its value counts the values of the record's lists
  int count_when_blank = 0;  // the count when that control is blank
  Variant variant = Variant::kNone;
  int selector_control = 0;  // read as an integer by the variant rule
  std::span<const ExtraLine> extra_lines{};
};

struct RecordType {
  std::string_view code{};
  int dialog = 0;
};

// A record-type list of the editor dialog, its empty first entry and its
// separators included.
struct RecordTypeList {
  int control = 0;
  std::string_view heading{};
  std::span<const std::string_view> entries{};
};

constexpr std::string_view kSeparator = "-----";

std::span<const RecordDialog> record_dialogs();
std::span<const RecordType> record_types();
std::span<const RecordTypeList> record_type_lists();

// Null when nothing matches.
const RecordDialog* record_dialog(int dialog_id);
const RecordDialog* dialog_of_add_button(int control_id);
const RecordType* record_type(std::string_view code);

}  // namespace tarnex::tin
