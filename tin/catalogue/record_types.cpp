// The record types the editor offers, the dialog of each, and the five
// record-type lists of the editor dialog in their order.

#include <algorithm>

#include "tin/catalogue/catalogue.h"

namespace tarnex::tin {
namespace {

using sv = std::string_view;

constexpr int kSeriesDialog = 142;
constexpr int kType3Dialog = 144;

constexpr RecordType kRecordTypes[] = {
    {"TITL", 109}, {"COMM", 112}, {"PAGE", 113}, {"FILE", 221}, {"UNIT", 200}, {"TEST", 216}, {"ENDF", 114},
    {"1CPT", 201}, {"1LEN", 217}, {"1REC", 115}, {"1SRT", 119}, {"1SUM", 117},
    {"IDEN", 223},
    {"2ASF", kSeriesDialog}, {"2CLC", kSeriesDialog}, {"2CLO", kSeriesDialog}, {"2CPI", kSeriesDialog},
    {"2DEP", kSeriesDialog}, {"2DIV", kSeriesDialog}, {"2EPD", kSeriesDialog}, {"2EVA", kSeriesDialog},
    {"2EVR", kSeriesDialog}, {"2HPE", kSeriesDialog}, {"2HPS", kSeriesDialog}, {"2IFS", kSeriesDialog},
    {"2IFT", kSeriesDialog}, {"2NAT", kSeriesDialog}, {"2RAH", kSeriesDialog}, {"2REG", kSeriesDialog},
    {"2RFL", kSeriesDialog}, {"2RFR", kSeriesDialog}, {"2RID", kSeriesDialog}, {"2RIR", kSeriesDialog},
    {"2RNA", kSeriesDialog}, {"2ROR", kSeriesDialog}, {"2SHT", kSeriesDialog}, {"2STO", kSeriesDialog},
    {"2TAR", kSeriesDialog}, {"2UNA", kSeriesDialog}, {"2URR", kSeriesDialog}, {"2WSE", kSeriesDialog},
    {"2XAV", kSeriesDialog},
    {"2REL", 131}, {"2RET", 204}, {"2FRE", 136}, {"2FRQ", 138}, {"2RES", 140},
    {"2SBA", 129}, {"2SCP", 121}, {"2SGP", 125}, {"2SRE", 127}, {"2SWR", 123}, {"2BUD", 219},
    {"3DEP", kType3Dialog}, {"3NAT", kType3Dialog}, {"3REG", kType3Dialog}, {"3UNA", kType3Dialog},
    {"3U+D", kType3Dialog}, {"3EPD", kType3Dialog},
    {"4SGP", 148}, {"4SWR", 146}, {"4ZZF", 224}, {"4ZZZ", 226},
};

constexpr sv kMisc[] = {"", "TITL", "COMM", "PAGE", "FILE", "UNIT", "TEST", "ENDF"};
constexpr sv kType1[] = {"", "1CPT", "1LEN", "1REC", "1SRT", "1SUM"};
// 2RET is in no list: its dialog serves 2RET lines opened for editing.
constexpr sv kType2[] = {"",     "IDEN", kSeparator, "2ASF", "2CLC", "2CLO", "2CPI", "2DEP", "2DIV",
                         "2EPD", "2EVA", "2EVR", "2HPE", "2HPS", "2IFS", "2IFT", "2NAT", "2RAH",
                         "2REG", "2RFL", "2RFR", "2RID", "2RIR", "2RNA", "2ROR", "2SHT", "2STO",
                         "2TAR", "2UNA", "2URR", "2WSE", "2XAV", kSeparator, "2REL", kSeparator, "2FRE",
                         "2FRQ", kSeparator, "2RES", kSeparator, "2SBA", "2SCP", "2SGP", "2SRE", "2SWR",
                         kSeparator, "2BUD"};
constexpr sv kType3[] = {"", "3DEP", "3NAT", "3REG", "3UNA", "3U+D", "3EPD"};
constexpr sv kType4[] = {"", "4SGP", "4SWR", "4ZZF", "4ZZZ"};

constexpr RecordTypeList kLists[] = {
    {1257, "Misc", kMisc}, {1262, "Type 1", kType1}, {1263, "Type 2", kType2},
    {1264, "Type 3", kType3}, {1265, "Type 4", kType4},
};

}  // namespace

std::span<const RecordType> record_types() { return kRecordTypes; }
std::span<const RecordTypeList> record_type_lists() { return kLists; }

const RecordDialog* record_dialog(int dialog_id) {
  const auto dialogs = record_dialogs();
  auto it = std::ranges::find(dialogs, dialog_id, &RecordDialog::dialog);
  return it == dialogs.end() ? nullptr : &*it;
}

const RecordDialog* dialog_of_add_button(int control_id) {
  const auto dialogs = record_dialogs();
  auto it = std::ranges::find(dialogs, control_id, &RecordDialog::add_button);
  return it == dialogs.end() ? nullptr : &*it;
}

const RecordType* record_type(std::string_view code) {
  auto it = std::ranges::find(kRecordTypes, code, &RecordType::code);
  return it == std::end(kRecordTypes) ? nullptr : &*it;
}

}  // namespace tarnex::tin
