#pragma once
// The grid the templates place their controls on, laid out in pixels: each
// column as wide as its widest control, each row as high as its highest, a
// control spanning several sharing out what it needs more. Rows and columns
// with nothing visible take no room.

#include <vector>

namespace tarnex::ui::win32 {

struct Size {
  int width = 0;
  int height = 0;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// How a control takes its cell: at its own size, as wide as the cell, or all
// of it. A control not filling the cell's height is centred in it.
enum class Fill { None, Width, Both };

struct Cell {
  int row = 0;
  int column = 0;
  int row_span = 1;
  int column_span = 1;
  Size preferred;
  Fill fill = Fill::None;
  bool hidden = false;
};

struct Spacing {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int horizontal = 0;  // between columns
  int vertical = 0;    // between rows
};

struct GridLayout {
  Size size;                // with the margins
  std::vector<Rect> rects;  // one a cell, in the grid's own coordinates
};

// Lays `cells` out. Room beyond what they need, when `available` is larger,
// is shared out evenly among the columns and rows.
GridLayout lay_out_grid(const std::vector<Cell>& cells, const Spacing& spacing, Size available = {});

}  // namespace tarnex::ui::win32
