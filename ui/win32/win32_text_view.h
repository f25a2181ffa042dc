#pragma once
// The text window of the Win32 frame: a read-only, fixed-pitch view of the
// text model, one cell per character. It copies the model's rows on a timer
// in batches, so that a model program printing fast cannot starve the menus;
// it follows new output at the end, as terminals do, unless the user has
// scrolled away from the end. The user selects with the mouse (Shift extends)
// and copies with Ctrl+C, Ctrl+Insert or the context menu.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/text_model.h"

namespace tarnex::ui::win32 {

class TextView {
 public:
  // A place between two characters: before `column` of `row` (0-based).
  struct Place {
    std::size_t row = 0;
    std::size_t column = 0;
    bool operator==(const Place&) const = default;
    auto operator<=>(const Place&) const = default;
  };

  TextView(HWND parent, TextModel& model);
  ~TextView();
  TextView(const TextView&) = delete;
  TextView& operator=(const TextView&) = delete;

  HWND window() const { return window_; }

  // Brings the view up to the model at once: what is new is added, a view
  // scrolled to the end follows it, and a view scrolled up or holding a
  // selection keeps them on the text they showed.
  void refresh();

  // Takes the font (the view deletes it); its cell is the view's cell.
  void set_font(HFONT font);
  void set_colours(COLORREF text, COLORREF background);

  void select(Place anchor, Place caret);
  void select_all();
  std::wstring selected_text() const;
  // Puts the selection on the clipboard; false when nothing is selected or
  // the clipboard refuses.
  bool copy() const;

  const std::vector<std::wstring>& rows() const { return rows_; }
  // The top row shown, and whether the view shows the last row.
  std::size_t first_shown() const { return first_; }
  bool at_end() const;
  void scroll_to(std::size_t first_row);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
  void paint(HDC dc, const RECT& area) const;
  void measure();
  void update_scroll_bars();
  std::size_t shown_rows() const;
  std::size_t shown_columns() const;
  std::size_t last_first() const;
  void scroll_columns_to(std::size_t first_column);
  void vertical_scroll(WORD request);
  void horizontal_scroll(WORD request);
  Place place_at(POINT point) const;
  void on_key(WPARAM key);
  void context_menu(POINT screen);

  TextModel& model_;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  COLORREF text_colour_;
  COLORREF background_;
  int cell_width_ = 8;
  int cell_height_ = 16;
  std::vector<std::wstring> rows_;
  std::size_t widest_ = 0;
  // The model's version shown, and its count of rows dropped from the top then.
  std::uint64_t shown_version_ = 0;
  std::uint64_t shown_dropped_ = 0;
  UINT interval_ = 0;
  std::size_t first_ = 0;
  std::size_t first_column_ = 0;
  Place anchor_, caret_;
  bool selecting_ = false;
  int wheel_rest_ = 0;
};

}  // namespace tarnex::ui::win32
