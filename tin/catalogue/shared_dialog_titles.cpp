#include "tin/catalogue/shared_dialog_titles.h"

#include <algorithm>

namespace tarnex::tin {
namespace {

struct SharedTitle {
  std::string_view code, title;
};

constexpr SharedTitle kTitles[] = {
    // Type 2 time series, ids::record_series
    {"2NAT", "2NAT record - Naturalized Streamflow, (CPs)"},
    {"2REG", "2REG record - Regulated Streamflow, (CPs)"},
    {"2UNA", "2UNA record - Unappropriated Streamflow, (CPs)"},
    {"2CLO", "2CLO record - Channel Loss, (CPs)"},
    {"2CLC", "2CLC record - Channel Loss Credits, (CPs)"},
    {"2RFR", "2RFR record - Return Flow Entering at this CP, (CPs)"},
    {"2URR", "2URR record - Regulated Flow at this CP from Upstream Reservoir Releases, (CPs)"},
    {"2CPI", "2CPI record - Control Point Inflows excluding Secondary Reservoir Releases, (CPs)"},
    {"2STO", "2STO record - Reservoir Shortage, (CPs,WRs,RES)"},
    {"2EVA", "2EVA record - Reservoir-Precipitation Volume, (CPs,WRs,RES)"},
    {"2DEP", "2DEP record - Streamflow Depletion, (CPs,WRs)"},
    {"2TAR", "2TAR record - Diversion Target, (CPs,WRs)"},
    {"2SHT", "2SHT record - Diversion Shortage, (CPs,WRs)"},
    {"2DIV", "2DIV record - Diversion, (CPs,WRs)"},
    {"2RFL", "2RFL record - Return Flow, (WRs)"},
    {"2XAV", "2XAV record - Increase in Available Streamflow Resulting from PX Record CP Limit Option, (WRs)"},
    {"2ASF", "2ASF record - Available Streamflow, (WRs)"},
    {"2ROR", "2ROR record - Releases from Other Reservoirs, (WRs)"},
    {"2IFT", "2IFT record - Instream Flow Target, (IFs)"},
    {"2IFS", "2IFS record - Instream Flow Shortages, (IFs)"},
    {"2HPS", "2HPS record - Hydropower Shortage(+) or Secondary Energy(-), (RES)"},
    {"2HPE", "2HPE record - Energy Generated, (RES)"},
    {"2RID", "2RID record - Inflows to Reservoir from Streamflow Depletions, (RES)"},
    {"2RIR", "2RIR record - Inflows to Reservoir from Releases from Other Reservoirs, (RES)"},
    {"2RAH", "2RAH record - Releases Accessible to Hydropower, (RES)"},
    {"2RNA", "2RNA record - Releases Not Accessible to Hydropower, (RES)"},
    {"2EPD", "2EPD record - Adjusted Evaporation-Precipitation Depths, (RES)"},
    {"2EVR", "2EVR record - Evaporation-Precipitation Depths from EV Records, (RES)"},
    {"2WSE", "2WSE record - Reservoir Water Surface Elevation, (RES)"},
    // Type 3, ids::record_type3
    {"3NAT", "3NAT record - Naturalized Streamflows"},
    {"3UNA", "3UNA record - Unappropriated Streamflows"},
    {"3REG", "3REG record - Regulated Streamflows"},
    {"3DEP", "3DEP record - Streamflow Depletions"},
    {"3U+D", "3U+D record - Unappropriated Flows plus Streamflow Depletions"},
    {"3EPD", "3EPD record - Net Evaporation-Precipitation Depths"},
};

}  // namespace

std::optional<std::string_view> shared_dialog_title(std::string_view code) {
  auto it = std::ranges::find(kTitles, code, &SharedTitle::code);
  if (it == std::end(kTitles)) return std::nullopt;
  return it->title;
}

void show_record_type(ui::Dialog& dialog, const RecordDialog& record, std::string_view code) {
  if (const auto title = shared_dialog_title(code)) dialog.set_caption(*title);
  for (const auto& field : record.fields) {
    if (field.kind == Kind::kReadOnly && field.first == 1) dialog.set_text(field.control, code);
  }
}

}  // namespace tarnex::tin
