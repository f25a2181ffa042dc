#pragma once
// The History window of the Win32 frame: the runs newest first (start time,
// program, roots, duration, result) and the selected run's transcript,
// read-only in a fixed-pitch font, with Open transcript and Run again. It
// reads the listing again every second while shown, so it follows the runs
// as they come and end.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "history/shown_runs.h"
#include "history/transcript_reader.h"
#include "ui/services.h"

namespace tarnex::ui::win32 {

class HistoryWindow {
 public:
  // `ui` opens transcripts with their default application.
  HistoryWindow(Ui& ui, HWND owner);
  ~HistoryWindow();
  HistoryWindow(const HistoryWindow&) = delete;
  HistoryWindow& operator=(const HistoryWindow&) = delete;

  HWND window() const { return window_; }
  // Shows the window, raised, with the listing read afresh.
  void open(HistoryAccess access);
  void refresh();
  // The listing's rows as shown, for tests: each row's columns.
  std::vector<std::vector<std::wstring>> shown_rows() const;
  std::wstring transcript_text() const;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
  void make_controls();
  void apply_fonts();
  void layout();
  void fill_list();
  void describe(int row, const history::RunRecord& run);
  const history::RunRecord* selected() const;
  void show_selected();
  void open_transcript();
  void run_again();
  void show_place();
  void say(const std::wstring& text);
  int scaled(int pixels) const;

  Ui& ui_;
  HWND window_ = nullptr;
  HWND place_ = nullptr, runs_ = nullptr, transcript_ = nullptr;
  HWND open_ = nullptr, again_ = nullptr, close_ = nullptr, status_ = nullptr;
  HFONT font_ = nullptr, fixed_font_ = nullptr;
  HistoryAccess access_;
  history::RunListing listing_;
  history::ShownRuns shown_;
  std::filesystem::path current_;
  std::filesystem::path viewed_;
  std::uint64_t viewed_bytes_ = 0;
};

}  // namespace tarnex::ui::win32
