#include "ui/win32/win32_text_view.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "ui/win32/win32_text.h"

namespace tarnex::ui::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TarnexText";
constexpr UINT_PTR kRefreshTimer = 1;
// The view is redrawn from the model at most this often; while a flood
// replaces every row shown from one redraw to the next, nobody can read it,
// and the view redraws less often so that the menus get more of the thread.
constexpr UINT kRefreshMilliseconds = 50;
constexpr UINT kFloodRefreshMilliseconds = 200;

constexpr UINT kCopyCommand = 1;
constexpr UINT kSelectAllCommand = 2;

void register_class() {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
}

bool ctrl_down() { return GetKeyState(VK_CONTROL) < 0; }
bool shift_down() { return GetKeyState(VK_SHIFT) < 0; }

}  // namespace

TextView::TextView(HWND parent, TextModel& model)
    : model_(model), text_colour_(GetSysColor(COLOR_WINDOWTEXT)), background_(GetSysColor(COLOR_WINDOW)) {
  register_class();
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 0, 0,
                            0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TextView::procedure));
  interval_ = kRefreshMilliseconds;
  SetTimer(window_, kRefreshTimer, interval_, nullptr);
  measure();
  refresh();
}

TextView::~TextView() {
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
    DestroyWindow(window_);
  }
  if (font_) DeleteObject(font_);
}

LRESULT CALLBACK TextView::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* view = reinterpret_cast<TextView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return view ? view->handle(message, wparam, lparam) : DefWindowProcW(window, message, wparam, lparam);
}

// Only the rows that changed since the last refresh are taken from the
// model, and each row is at most TextModel::kColumns long, so a refresh costs
// at most the kept rows however much the program printed meanwhile.
void TextView::refresh() {
  const auto changes = model_.changes_since(shown_version_);
  if (changes.version == shown_version_) return;
  const bool following = at_end();
  shown_version_ = changes.version;
  const auto gone = static_cast<std::size_t>(changes.dropped - shown_dropped_);
  shown_dropped_ = changes.dropped;
  const std::size_t shown = rows_.size();
  const bool flood = gone >= shown && changes.first + changes.rows.size() == TextModel::kRows;
  if (const UINT interval = flood ? kFloodRefreshMilliseconds : kRefreshMilliseconds; interval != interval_) {
    interval_ = interval;
    SetTimer(window_, kRefreshTimer, interval_, nullptr);
  }

  rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(std::min(gone, shown)));
  rows_.resize(changes.first);
  for (const auto& row : changes.rows) rows_.push_back(row_text(row));
  widest_ = 0;
  for (const auto& row : rows_) widest_ = std::max(widest_, row.size());

  // The selection stays on the text it covers while rows leave the top.
  const auto moved = [&](Place place) {
    if (place.row < gone) return Place{};
    place.row -= gone;
    if (rows_.empty()) return Place{};
    if (place.row >= rows_.size()) return Place{rows_.size() - 1, rows_.back().size()};
    place.column = std::min(place.column, rows_[place.row].size());
    return place;
  };
  anchor_ = moved(anchor_);
  caret_ = moved(caret_);
  first_ = following ? last_first() : std::min(first_ > gone ? first_ - gone : 0, last_first());
  update_scroll_bars();
  InvalidateRect(window_, nullptr, FALSE);
}

void TextView::set_font(HFONT font) {
  if (font_) DeleteObject(font_);
  font_ = font;
  measure();
  update_scroll_bars();
  InvalidateRect(window_, nullptr, FALSE);
}

void TextView::set_colours(COLORREF text, COLORREF background) {
  text_colour_ = text;
  background_ = background;
  InvalidateRect(window_, nullptr, FALSE);
}

void TextView::measure() {
  HDC dc = GetDC(window_);
  HGDIOBJ before = SelectObject(dc, font_ ? font_ : GetStockObject(SYSTEM_FIXED_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, before);
  ReleaseDC(window_, dc);
  cell_width_ = std::max<int>(1, metrics.tmAveCharWidth);
  cell_height_ = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
}

std::size_t TextView::shown_rows() const {
  RECT client;
  GetClientRect(window_, &client);
  return static_cast<std::size_t>(std::max<LONG>(1, (client.bottom - client.top) / cell_height_));
}

std::size_t TextView::shown_columns() const {
  RECT client;
  GetClientRect(window_, &client);
  return static_cast<std::size_t>(std::max<LONG>(1, (client.right - client.left - cell_width_) / cell_width_));
}

std::size_t TextView::last_first() const {
  const std::size_t shown = shown_rows();
  return rows_.size() > shown ? rows_.size() - shown : 0;
}

bool TextView::at_end() const { return first_ >= last_first(); }

void TextView::update_scroll_bars() {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMax = static_cast<int>(rows_.empty() ? 0 : rows_.size() - 1);
  info.nPage = static_cast<UINT>(shown_rows());
  info.nPos = static_cast<int>(first_);
  SetScrollInfo(window_, SB_VERT, &info, TRUE);
  first_column_ = std::min(first_column_, widest_ > shown_columns() ? widest_ - shown_columns() : 0);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = static_cast<int>(widest_);
  info.nPage = static_cast<UINT>(shown_columns());
  info.nPos = static_cast<int>(first_column_);
  SetScrollInfo(window_, SB_HORZ, &info, TRUE);
}

void TextView::scroll_to(std::size_t first_row) {
  first_row = std::min(first_row, last_first());
  if (first_row == first_) return;
  first_ = first_row;
  update_scroll_bars();
  InvalidateRect(window_, nullptr, FALSE);
}

void TextView::scroll_columns_to(std::size_t first_column) {
  first_column_ = first_column;
  update_scroll_bars();
  InvalidateRect(window_, nullptr, FALSE);
}

void TextView::vertical_scroll(WORD request) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(window_, SB_VERT, &info);
  const std::size_t page = shown_rows();
  switch (request) {
    case SB_LINEUP: scroll_to(first_ > 0 ? first_ - 1 : 0); break;
    case SB_LINEDOWN: scroll_to(first_ + 1); break;
    case SB_PAGEUP: scroll_to(first_ > page ? first_ - page : 0); break;
    case SB_PAGEDOWN: scroll_to(first_ + page); break;
    case SB_TOP: scroll_to(0); break;
    case SB_BOTTOM: scroll_to(last_first()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: scroll_to(static_cast<std::size_t>(std::max(0, info.nTrackPos))); break;
    default: break;
  }
}

void TextView::horizontal_scroll(WORD request) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(window_, SB_HORZ, &info);
  const std::size_t page = shown_columns();
  switch (request) {
    case SB_LINELEFT: scroll_columns_to(first_column_ > 0 ? first_column_ - 1 : 0); break;
    case SB_LINERIGHT: scroll_columns_to(first_column_ + 1); break;
    case SB_PAGELEFT: scroll_columns_to(first_column_ > page ? first_column_ - page : 0); break;
    case SB_PAGERIGHT: scroll_columns_to(first_column_ + page); break;
    case SB_LEFT: scroll_columns_to(0); break;
    case SB_RIGHT: scroll_columns_to(widest_); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: scroll_columns_to(static_cast<std::size_t>(std::max(0, info.nTrackPos))); break;
    default: break;
  }
}

TextView::Place TextView::place_at(POINT point) const {
  if (rows_.empty()) return {};
  const long row = static_cast<long>(first_) + point.y / cell_height_ - (point.y < 0 ? 1 : 0);
  if (row < 0) return {};
  if (static_cast<std::size_t>(row) >= rows_.size()) return {rows_.size() - 1, rows_.back().size()};
  // the nearest place between two cells
  const long x = std::max(0L, static_cast<long>(point.x) - cell_width_ / 2);
  const long column = static_cast<long>(first_column_) + (x + cell_width_ / 2) / cell_width_;
  const auto& text = rows_[static_cast<std::size_t>(row)];
  return {static_cast<std::size_t>(row), std::min(static_cast<std::size_t>(column), text.size())};
}

void TextView::select(Place anchor, Place caret) {
  anchor_ = anchor;
  caret_ = caret;
  InvalidateRect(window_, nullptr, FALSE);
}

void TextView::select_all() {
  if (rows_.empty()) return;
  select({}, {rows_.size() - 1, rows_.back().size()});
}

std::wstring TextView::selected_text() const {
  const Place from = std::min(anchor_, caret_);
  const Place to = std::max(anchor_, caret_);
  std::wstring text;
  for (std::size_t row = from.row; row <= to.row && row < rows_.size(); ++row) {
    const auto& line = rows_[row];
    const std::size_t begin = row == from.row ? std::min(from.column, line.size()) : 0;
    const std::size_t end = row == to.row ? std::min(to.column, line.size()) : line.size();
    if (row != from.row) text += L"\r\n";
    if (end > begin) text.append(line, begin, end - begin);
  }
  return text;
}

bool TextView::copy() const {
  const std::wstring text = selected_text();
  if (text.empty() || !OpenClipboard(window_)) return false;
  EmptyClipboard();
  bool copied = false;
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!copied) GlobalFree(memory);
  }
  CloseClipboard();
  return copied;
}

void TextView::paint(HDC dc, const RECT& area) const {
  HBRUSH background = CreateSolidBrush(background_);
  FillRect(dc, &area, background);
  DeleteObject(background);
  HGDIOBJ before = SelectObject(dc, font_ ? font_ : GetStockObject(SYSTEM_FIXED_FONT));
  SetBkMode(dc, OPAQUE);
  const Place from = std::min(anchor_, caret_);
  const Place to = std::max(anchor_, caret_);
  const bool focused = GetFocus() == window_;
  const COLORREF selected_text = GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  const COLORREF selected_background = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  const int left = cell_width_ / 2;
  const std::size_t last = std::min(rows_.size(), first_ + shown_rows() + 1);
  for (std::size_t row = first_; row < last; ++row) {
    const auto& line = rows_[row];
    const int y = static_cast<int>(row - first_) * cell_height_;
    // The selected columns of this row; past the row's end when the
    // selection goes on to the next row, so that the line break shows.
    std::size_t begin = 0, end = 0;
    if (from != to && row >= from.row && row <= to.row) {
      begin = row == from.row ? from.column : 0;
      end = row == to.row ? to.column : line.size() + 1;
    }
    const auto draw = [&](std::size_t first, std::size_t past, bool chosen) {
      first = std::max(first, first_column_);
      if (past <= first) return;
      SetTextColor(dc, chosen ? selected_text : text_colour_);
      SetBkColor(dc, chosen ? selected_background : background_);
      const int x = left + static_cast<int>(first - first_column_) * cell_width_;
      const std::size_t drawn = first < line.size() ? std::min(past, line.size()) - first : 0;
      RECT cells{x, y, x + static_cast<int>(past - first) * cell_width_, y + cell_height_};
      ExtTextOutW(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &cells, drawn ? line.c_str() + first : L"",
                  static_cast<UINT>(drawn), nullptr);
    };
    draw(0, std::min(begin, line.size()), false);
    draw(begin, end, true);
    draw(end, line.size(), false);
  }
  SelectObject(dc, before);
}

void TextView::on_key(WPARAM key) {
  const std::size_t page = shown_rows();
  switch (key) {
    case VK_UP: scroll_to(first_ > 0 ? first_ - 1 : 0); break;
    case VK_DOWN: scroll_to(first_ + 1); break;
    case VK_PRIOR: scroll_to(first_ > page ? first_ - page : 0); break;
    case VK_NEXT: scroll_to(first_ + page); break;
    case VK_HOME:
      if (ctrl_down()) scroll_to(0);
      scroll_columns_to(0);
      break;
    case VK_END:
      if (ctrl_down()) scroll_to(last_first());
      break;
    case VK_LEFT: scroll_columns_to(first_column_ > 0 ? first_column_ - 1 : 0); break;
    case VK_RIGHT: scroll_columns_to(first_column_ + 1); break;
    case 'A':
      if (ctrl_down()) select_all();
      break;
    case 'C':
    case VK_INSERT:
      if (ctrl_down()) copy();
      break;
    default: break;
  }
}

void TextView::context_menu(POINT screen) {
  if (screen.x == -1 && screen.y == -1) {
    // from the keyboard: at the view's corner
    screen = {cell_width_, cell_height_};
    ClientToScreen(window_, &screen);
  }
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | (anchor_ == caret_ ? MF_GRAYED : 0), kCopyCommand, L"&Copy\tCtrl+C");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | (rows_.empty() ? MF_GRAYED : 0), kSelectAllCommand, L"Select &All\tCtrl+A");
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window_, nullptr));
  DestroyMenu(menu);
  if (chosen == kCopyCommand) copy();
  if (chosen == kSelectAllCommand) select_all();
}

LRESULT TextView::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      if (wparam == kRefreshTimer) refresh();
      return 0;
    case WM_SIZE: {
      const bool following = at_end();
      update_scroll_bars();
      if (following) scroll_to(last_first());
      else scroll_to(first_);
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window_, &ps);
      RECT client;
      GetClientRect(window_, &client);
      // drawn off screen first, so that a flood of output does not flicker
      HDC memory = CreateCompatibleDC(dc);
      HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
      HGDIOBJ before = SelectObject(memory, bitmap);
      paint(memory, client);
      BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
      SelectObject(memory, before);
      DeleteObject(bitmap);
      DeleteDC(memory);
      EndPaint(window_, &ps);
      return 0;
    }
    case WM_VSCROLL: vertical_scroll(LOWORD(wparam)); return 0;
    case WM_HSCROLL: horizontal_scroll(LOWORD(wparam)); return 0;
    case WM_MOUSEWHEEL: {
      UINT lines = 3;
      SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
      wheel_rest_ += GET_WHEEL_DELTA_WPARAM(wparam);
      const int notches = wheel_rest_ / WHEEL_DELTA;
      wheel_rest_ -= notches * WHEEL_DELTA;
      const long step = lines == WHEEL_PAGESCROLL ? static_cast<long>(shown_rows()) : static_cast<long>(lines);
      scroll_to(static_cast<std::size_t>(std::max(0L, static_cast<long>(first_) - notches * step)));
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(window_, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: {
      SetFocus(window_);
      const Place place = place_at({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      select(shift_down() ? anchor_ : place, place);
      selecting_ = true;
      SetCapture(window_);
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      // a word: the characters between blanks
      const Place place = place_at({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      if (place.row < rows_.size()) {
        const auto& line = rows_[place.row];
        std::size_t begin = place.column, end = place.column;
        while (begin > 0 && line[begin - 1] != L' ') --begin;
        while (end < line.size() && line[end] != L' ') ++end;
        select({place.row, begin}, {place.row, end});
      }
      return 0;
    }
    case WM_MOUSEMOVE:
      if (selecting_) {
        POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        RECT client;
        GetClientRect(window_, &client);
        if (point.y < 0) scroll_to(first_ > 0 ? first_ - 1 : 0);
        if (point.y >= client.bottom) scroll_to(first_ + 1);
        select(anchor_, place_at(point));
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      selecting_ = false;
      if (message == WM_LBUTTONUP) ReleaseCapture();
      return 0;
    case WM_KEYDOWN: on_key(wparam); return 0;
    case WM_CONTEXTMENU: context_menu({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}); return 0;
    case WM_COPY: copy(); return 0;
    default: return DefWindowProcW(window_, message, wparam, lparam);
  }
}

}  // namespace tarnex::ui::win32
