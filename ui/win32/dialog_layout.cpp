#include "ui/win32/dialog_layout.h"

#include <algorithm>
#include <numeric>

namespace tarnex::ui::win32 {
namespace {

// The sizes of one axis' tracks (columns or rows).
struct Axis {
  std::vector<int> sizes;
  std::vector<bool> used;
  int gap = 0;

  int span_size(int first, int count) const {
    int total = 0;
    int gaps = 0;
    for (int i = first; i < first + count; ++i) {
      total += sizes[static_cast<std::size_t>(i)];
      if (used[static_cast<std::size_t>(i)]) ++gaps;
    }
    return total + std::max(gaps - 1, 0) * gap;
  }
  // Grows the used tracks among `first`..`first + count` evenly by `extra`.
  void grow(int first, int count, int extra) {
    std::vector<std::size_t> tracks;
    for (int i = first; i < first + count; ++i) {
      if (used[static_cast<std::size_t>(i)]) tracks.push_back(static_cast<std::size_t>(i));
    }
    if (tracks.empty() || extra <= 0) return;
    const int each = extra / static_cast<int>(tracks.size());
    int rest = extra % static_cast<int>(tracks.size());
    for (std::size_t track : tracks) sizes[track] += each + (rest-- > 0 ? 1 : 0);
  }
  int total() const { return span_size(0, static_cast<int>(sizes.size())); }
  int offset(int index) const {
    int at = 0;
    for (int i = 0; i < index; ++i) {
      if (used[static_cast<std::size_t>(i)]) at += sizes[static_cast<std::size_t>(i)] + gap;
    }
    return at;
  }
};

// Sizes the tracks of one axis from the cells' sizes along it: single cells
// first, then the spanning ones, the narrowest spans first.
template <typename Start, typename Count, typename Length>
Axis size_axis(const std::vector<Cell>& cells, int gap, Start start, Count count, Length length) {
  int tracks = 0;
  for (const Cell& cell : cells) tracks = std::max(tracks, start(cell) + count(cell));
  Axis axis{std::vector<int>(static_cast<std::size_t>(tracks), 0), std::vector<bool>(static_cast<std::size_t>(tracks)),
            gap};
  for (const Cell& cell : cells) {
    if (cell.hidden) continue;
    for (int i = start(cell); i < start(cell) + count(cell); ++i) axis.used[static_cast<std::size_t>(i)] = true;
  }
  std::vector<const Cell*> order;
  for (const Cell& cell : cells) {
    if (!cell.hidden) order.push_back(&cell);
  }
  std::stable_sort(order.begin(), order.end(), [&](const Cell* a, const Cell* b) { return count(*a) < count(*b); });
  for (const Cell* cell : order) {
    axis.grow(start(*cell), count(*cell), length(*cell) - axis.span_size(start(*cell), count(*cell)));
  }
  return axis;
}

}  // namespace

GridLayout lay_out_grid(const std::vector<Cell>& cells, const Spacing& spacing, Size available) {
  Axis columns = size_axis(
      cells, spacing.horizontal, [](const Cell& c) { return c.column; }, [](const Cell& c) { return c.column_span; },
      [](const Cell& c) { return c.preferred.width; });
  Axis rows = size_axis(
      cells, spacing.vertical, [](const Cell& c) { return c.row; }, [](const Cell& c) { return c.row_span; },
      [](const Cell& c) { return c.preferred.height; });
  const int inner_width = available.width - spacing.left - spacing.right;
  const int inner_height = available.height - spacing.top - spacing.bottom;
  columns.grow(0, static_cast<int>(columns.sizes.size()), inner_width - columns.total());
  rows.grow(0, static_cast<int>(rows.sizes.size()), inner_height - rows.total());

  GridLayout layout;
  layout.size = {spacing.left + columns.total() + spacing.right, spacing.top + rows.total() + spacing.bottom};
  for (const Cell& cell : cells) {
    Rect area{spacing.left + columns.offset(cell.column), spacing.top + rows.offset(cell.row),
              columns.span_size(cell.column, cell.column_span), rows.span_size(cell.row, cell.row_span)};
    Rect rect = area;
    if (cell.fill == Fill::None) rect.width = std::min(cell.preferred.width, area.width);
    if (cell.fill != Fill::Both) {
      rect.height = std::min(cell.preferred.height, area.height);
      rect.y += (area.height - rect.height) / 2;
    }
    layout.rects.push_back(rect);
  }
  return layout;
}

}  // namespace tarnex::ui::win32
