// The record types the editor offers, the dialog of each, and the five
// record-type lists of the editor dialog in their order.

#include <algorithm>

#include "resources/dialog_ids.h"
#include "tin/catalogue/catalogue.h"

namespace tarnex::tin {
namespace {

using sv = std::string_view;

constexpr RecordType kRecordTypes[] = {
    {"TITL", ids::record_titl::kDialog}, {"COMM", ids::record_comm::kDialog}, {"PAGE", ids::record_page::kDialog},
    {"FILE", ids::record_file::kDialog}, {"UNIT", ids::record_unit::kDialog}, {"TEST", ids::record_test::kDialog},
    {"ENDF", ids::record_endf::kDialog},
    {"1CPT", ids::record_1cpt::kDialog}, {"1LEN", ids::record_1len::kDialog}, {"1REC", ids::record_1rec::kDialog},
    {"1SRT", ids::record_1srt::kDialog}, {"1SUM", ids::record_1sum::kDialog},
    {"IDEN", ids::record_iden::kDialog},
    {"2ASF", ids::record_series::kDialog}, {"2CLC", ids::record_series::kDialog}, {"2CLO", ids::record_series::kDialog},
    {"2CPI", ids::record_series::kDialog}, {"2DEP", ids::record_series::kDialog}, {"2DIV", ids::record_series::kDialog},
    {"2EPD", ids::record_series::kDialog}, {"2EVA", ids::record_series::kDialog}, {"2EVR", ids::record_series::kDialog},
    {"2HPE", ids::record_series::kDialog}, {"2HPS", ids::record_series::kDialog}, {"2IFS", ids::record_series::kDialog},
    {"2IFT", ids::record_series::kDialog}, {"2NAT", ids::record_series::kDialog}, {"2RAH", ids::record_series::kDialog},
    {"2REG", ids::record_series::kDialog}, {"2RFL", ids::record_series::kDialog}, {"2RFR", ids::record_series::kDialog},
    {"2RID", ids::record_series::kDialog}, {"2RIR", ids::record_series::kDialog}, {"2RNA", ids::record_series::kDialog},
    {"2ROR", ids::record_series::kDialog}, {"2SHT", ids::record_series::kDialog}, {"2STO", ids::record_series::kDialog},
    {"2TAR", ids::record_series::kDialog}, {"2UNA", ids::record_series::kDialog}, {"2URR", ids::record_series::kDialog},
    {"2WSE", ids::record_series::kDialog}, {"2XAV", ids::record_series::kDialog},
    {"2REL", ids::record_2rel::kDialog}, {"2RET", ids::record_2ret::kDialog}, {"2FRE", ids::record_2fre::kDialog},
    {"2FRQ", ids::record_2frq::kDialog}, {"2RES", ids::record_2res::kDialog}, {"2SBA", ids::record_2sba::kDialog},
    {"2SCP", ids::record_2scp::kDialog}, {"2SGP", ids::record_2sgp::kDialog}, {"2SRE", ids::record_2sre::kDialog},
    {"2SWR", ids::record_2swr::kDialog}, {"2BUD", ids::record_2bud::kDialog},
    {"3DEP", ids::record_type3::kDialog}, {"3NAT", ids::record_type3::kDialog}, {"3REG", ids::record_type3::kDialog},
    {"3UNA", ids::record_type3::kDialog}, {"3U+D", ids::record_type3::kDialog}, {"3EPD", ids::record_type3::kDialog},
    {"4SGP", ids::record_4sgp::kDialog}, {"4SWR", ids::record_4swr::kDialog}, {"4ZZF", ids::record_4zzf::kDialog},
    {"4ZZZ", ids::record_4zzz::kDialog},
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
    {ids::tin_editor::kMiscList, "Misc", kMisc},   {ids::tin_editor::kType1List, "Type 1", kType1},
    {ids::tin_editor::kType2List, "Type 2", kType2}, {ids::tin_editor::kType3List, "Type 3", kType3},
    {ids::tin_editor::kType4List, "Type 4", kType4},
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
