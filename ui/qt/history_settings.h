#pragma once
// The run history's settings, kept with the desktop's settings of Tarnex
// (~/.config/Tarnex/tarnex.conf): whether transcripts are kept and how many.
// Without the file, or with values that make no sense, the defaults hold:
// transcripts on, the newest 1000 runs within 500 MB.

#include "history/run_history.h"

namespace tarnex::ui {

struct HistorySettings {
  bool keeping = true;
  history::Limits limits;
};

HistorySettings load_history_settings();
// The History window's switch.
void store_keeping(bool keeping);

}  // namespace tarnex::ui
