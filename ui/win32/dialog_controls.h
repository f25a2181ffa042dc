#pragma once
// The Win32 control of each kind of template control: its window class and
// styles, its font, and the size it asks of the dialog's grid.

#include <windows.h>

#include <string_view>

#include "base/dialog_template.h"
#include "ui/win32/dialog_layout.h"

namespace tarnex::ui::win32 {

// The system's dialog font (the message font of the non-client metrics), a
// fixed-pitch font of its size, and lengths scaled for the screen's DPI.
struct DialogMetrics {
  HFONT font = nullptr;
  HFONT fixed_font = nullptr;
  int dpi = 96;
  int line_height = 0;
  int digit_width = 0;

  // `length` pixels at 96 DPI on this screen.
  int px(int length) const { return MulDiv(length, dpi, 96); }
  // The size of `text` in `font`, lines broken at LF; wrapped at `width`
  // when it is given.
  Size text_size(std::wstring_view text, HFONT in_font, int width = 0) const;
};

// Made once, on the window thread, and kept for the program's life.
const DialogMetrics& dialog_metrics();

// Creates the control of `control` in `dialog`, hidden when the template says
// so, with its font, initial text and entries. `starts_group` begins a group
// of the dialog's keyboard navigation: every control but a radio button that
// goes on the group of the one before.
HWND create_control(const ControlTemplate& control, HWND dialog, const DialogMetrics& metrics, bool starts_group);

// The size the control asks for with its present text and entries.
Size preferred_size(const ControlTemplate& control, HWND window, const DialogMetrics& metrics);
Fill fill_of(const ControlTemplate& control);

// A read-only multi-line edit shows its whole text, up to a screenful; the
// vertical scroll bar shows only when it cannot.
bool fitted_to_text(const ControlTemplate& control);
void fit_scroll_bar(const ControlTemplate& control, HWND edit, const DialogMetrics& metrics);

// The height a drop-down list or combo takes with its list dropped down.
int dropped_height(HWND combo, const DialogMetrics& metrics);

}  // namespace tarnex::ui::win32
