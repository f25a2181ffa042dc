#include "ui/win32/history_window.h"

#include <commctrl.h>

#include <algorithm>

#include "history/display_text.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_ui.h"
#include "ui/win32/window_thread.h"

namespace tarnex::ui::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TarnexHistory";
// The view holds at most this much of a transcript, the head and the tail
// of a larger one: an edit control slows down long before a flood's end.
constexpr std::size_t kMostShownBytes = 4 * 1024 * 1024;
constexpr UINT kFollowMilliseconds = 1000;
constexpr UINT_PTR kFollowTimer = 1;

enum Control : int { kRuns = 10, kTranscript, kOpen, kAgain, kClose, kPlace, kStatus };

struct Column {
  const wchar_t* title;
  int width;  // at 96 dots per inch
  int format;
};
constexpr Column kColumns[] = {
    {L"Started", 150, LVCFMT_LEFT}, {L"Program", 80, LVCFMT_LEFT}, {L"Roots", 340, LVCFMT_LEFT},
    {L"Duration", 100, LVCFMT_RIGHT}, {L"Result", 120, LVCFMT_LEFT},
};

void register_class() {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    // the program's icon, as the frame has it
    window_class.hIcon = LoadIconW(window_class.hInstance, MAKEINTRESOURCEW(1));
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
}

std::wstring started_text(history::SystemTime time) {
  // "2024-05-01 10:22:33", without the milliseconds and the zone
  return wide(history::time_text(time).substr(0, 19));
}

}  // namespace

HistoryWindow::HistoryWindow(Ui& ui, HWND owner) : ui_(ui) {
  register_class();
  const UINT dpi = GetDpiForWindow(owner);
  // over the frame, a little below and right of its corner, within the work area
  RECT frame{}, work{0, 0, 1024, 768};
  GetWindowRect(owner, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = std::min<int>(MulDiv(960, dpi, USER_DEFAULT_SCREEN_DPI), work.right - work.left);
  const int height = std::min<int>(MulDiv(600, dpi, USER_DEFAULT_SCREEN_DPI), work.bottom - work.top);
  const int step = MulDiv(32, dpi, USER_DEFAULT_SCREEN_DPI);
  const int x = std::clamp<int>(frame.left + step, work.left, std::max<int>(work.left, work.right - width));
  const int y = std::clamp<int>(frame.top + step, work.top, std::max<int>(work.top, work.bottom - height));
  window_ = CreateWindowExW(0, kClassName, L"Tarnex - History of Runs", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y,
                            width, height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HistoryWindow::procedure));
  make_controls();
  apply_fonts();
  layout();
}

HistoryWindow::~HistoryWindow() {
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
    DestroyWindow(window_);
  }
  if (font_) DeleteObject(font_);
  if (fixed_font_) DeleteObject(fixed_font_);
}

LRESULT CALLBACK HistoryWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* history = reinterpret_cast<HistoryWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return history ? history->handle(message, wparam, lparam) : DefWindowProcW(window, message, wparam, lparam);
}

int HistoryWindow::scaled(int pixels) const {
  return MulDiv(pixels, static_cast<int>(GetDpiForWindow(window_)), USER_DEFAULT_SCREEN_DPI);
}

void HistoryWindow::make_controls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const auto child = [&](const wchar_t* kind, const wchar_t* text, DWORD style, int id, DWORD extended = 0) {
    return CreateWindowExW(extended, kind, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  place_ = child(L"STATIC", L"", SS_LEFT | SS_PATHELLIPSIS | SS_NOPREFIX, kPlace);
  runs_ = child(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, kRuns,
                WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(runs_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = const_cast<wchar_t*>(kColumns[c].title);
    column.cx = scaled(kColumns[c].width);
    column.fmt = kColumns[c].format;
    ListView_InsertColumn(runs_, c, &column);
  }
  transcript_ = child(L"EDIT", L"",
                      ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL |
                          WS_TABSTOP,
                      kTranscript, WS_EX_CLIENTEDGE);
  SendMessageW(transcript_, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  open_ = child(L"BUTTON", L"&Open transcript", BS_PUSHBUTTON | WS_TABSTOP, kOpen);
  again_ = child(L"BUTTON", L"&Run again...", BS_PUSHBUTTON | WS_TABSTOP, kAgain);
  close_ = child(L"BUTTON", L"Close", BS_PUSHBUTTON | WS_TABSTOP, kClose);
  status_ = child(L"STATIC", L"", SS_LEFT | SS_ENDELLIPSIS | SS_NOPREFIX, kStatus);
}

void HistoryWindow::apply_fonts() {
  const UINT dpi = GetDpiForWindow(window_);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
  if (font_) DeleteObject(font_);
  font_ = CreateFontIndirectW(&metrics.lfMessageFont);
  LOGFONTW fixed{};
  fixed.lfHeight = MulDiv(16, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
  fixed.lfCharSet = DEFAULT_CHARSET;
  fixed.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  fixed.lfQuality = CLEARTYPE_QUALITY;
  fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::wstring(L"Courier New").copy(fixed.lfFaceName, LF_FACESIZE - 1);
  if (fixed_font_) DeleteObject(fixed_font_);
  fixed_font_ = CreateFontIndirectW(&fixed);
  for (HWND control : {place_, runs_, open_, again_, close_, status_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  SendMessageW(transcript_, WM_SETFONT, reinterpret_cast<WPARAM>(fixed_font_), TRUE);
}

void HistoryWindow::layout() {
  RECT client;
  GetClientRect(window_, &client);
  const int margin = scaled(11);
  const int gap = scaled(7);
  const int line = scaled(20);
  const int button_height = scaled(26);
  const int width = client.right - 2 * margin;
  const int list_top = margin + line + gap;
  const int buttons_top = client.bottom - margin - button_height;
  const int room = std::max(0, buttons_top - gap - list_top);
  const int list_height = room / 3;
  MoveWindow(place_, margin, margin, width, line, TRUE);
  MoveWindow(runs_, margin, list_top, width, list_height, TRUE);
  MoveWindow(transcript_, margin, list_top + list_height + gap, width, std::max(0, room - list_height - gap), TRUE);
  int x = margin;
  for (HWND button : {open_, again_}) {
    MoveWindow(button, x, buttons_top, scaled(120), button_height, TRUE);
    x += scaled(120) + gap;
  }
  const int close_width = scaled(88);
  MoveWindow(close_, client.right - margin - close_width, buttons_top, close_width, button_height, TRUE);
  MoveWindow(status_, x + gap, buttons_top + scaled(5), std::max<int>(0, client.right - margin - close_width - gap - x - gap),
             line, TRUE);
}

void HistoryWindow::open(HistoryAccess access) {
  access_ = std::move(access);
  show_place();
  refresh();
  if (ListView_GetNextItem(runs_, -1, LVNI_SELECTED) < 0 && ListView_GetItemCount(runs_) > 0) {
    ListView_SetItemState(runs_, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(runs_);
  SetTimer(window_, kFollowTimer, kFollowMilliseconds, nullptr);
}

void HistoryWindow::refresh() {
  if (!access_.runs) return;
  current_ = access_.runs->current();
  listing_.refresh(access_.runs->directory());
  const auto changes = shown_.update(listing_.runs(), current_);
  if (changes.new_list) fill_list();
  // A run going or just ended: only its row changes.
  for (const std::size_t i : changes.rows) describe(static_cast<int>(i), listing_.runs()[i]);
  // The run now going, or one that just ended, grows under the view.
  if (const auto* run = selected(); run && run->path == viewed_ && run->file_bytes != viewed_bytes_) show_selected();
}

void HistoryWindow::describe(int row, const history::RunRecord& run) {
  const bool ended = run.end.outcome != history::Outcome::Unknown;
  const std::wstring texts[] = {
      started_text(run.when()),
      run.header.program.empty() ? L"?" : wide(run.header.program),
      wide(run.roots_text()),
      ended ? wide(history::duration_text(run.end.duration)) : L"",
      run.path == current_ ? L"running" : wide(history::outcome_text(run.end)),
  };
  for (int c = 0; c < static_cast<int>(std::size(texts)); ++c) {
    ListView_SetItemText(runs_, row, c, const_cast<wchar_t*>(texts[c].c_str()));
  }
}

void HistoryWindow::fill_list() {
  const auto* chosen_run = selected();
  const std::filesystem::path chosen = chosen_run ? chosen_run->path : viewed_;
  SendMessageW(runs_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(runs_);
  int again = -1;
  for (int row = 0; row < static_cast<int>(listing_.runs().size()); ++row) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(L"");
    ListView_InsertItem(runs_, &item);
    describe(row, listing_.runs()[static_cast<std::size_t>(row)]);
    if (!chosen.empty() && listing_.runs()[static_cast<std::size_t>(row)].path == chosen) again = row;
  }
  SendMessageW(runs_, WM_SETREDRAW, TRUE, 0);
  if (again >= 0) ListView_SetItemState(runs_, again, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  show_selected();
}

// The rows stand in the listing's order.
const history::RunRecord* HistoryWindow::selected() const {
  const int row = ListView_GetNextItem(runs_, -1, LVNI_SELECTED);
  if (row < 0 || static_cast<std::size_t>(row) >= listing_.runs().size()) return nullptr;
  return &listing_.runs()[static_cast<std::size_t>(row)];
}

void HistoryWindow::show_selected() {
  const auto* run = selected();
  EnableWindow(open_, run != nullptr);
  EnableWindow(again_, run != nullptr);
  if (!run) {
    SetWindowTextW(transcript_, L"");
    viewed_.clear();
    return;
  }
  const bool same = run->path == viewed_;
  const int first_line = static_cast<int>(SendMessageW(transcript_, EM_GETFIRSTVISIBLELINE, 0, 0));
  viewed_ = run->path;
  viewed_bytes_ = run->file_bytes;
  const std::wstring text =
      lines_text(history::displayable(history::transcript_bytes(run->path, kMostShownBytes)));
  SetWindowTextW(transcript_, text.c_str());
  // The same run read again keeps its place.
  if (same) SendMessageW(transcript_, EM_LINESCROLL, 0, first_line);
  say(L"");
}

void HistoryWindow::open_transcript() {
  const auto* run = selected();
  if (!run) return;
  if (ui_.shell_open(run->path.string()) <= 32) say(L"No application opened " + run->path.wstring());
}

void HistoryWindow::run_again() {
  const auto* run = selected();
  if (!run || !access_.run_again) return;
  const std::string refusal = access_.run_again(*run);
  say(refusal.empty() ? L"The run dialog opens with this run's roots and choices." : wide(refusal));
}

void HistoryWindow::show_place() {
  if (!access_.runs) return;
  const auto directory = access_.runs->directory();
  const auto limits = access_.runs->limits();
  std::wstring text;
  if (directory.empty()) {
    text = L"No folder for the transcripts is known: set LOCALAPPDATA.";
  } else {
    text = std::wstring(access_.runs->keeping() ? L"" : L"Transcripts are not kept now. ") + L"The newest " +
           std::to_wstring(limits.runs) + L" runs, within " + std::to_wstring(limits.bytes / 1'000'000) +
           L" MB, in " + directory.wstring();
  }
  SetWindowTextW(place_, text.c_str());
}

void HistoryWindow::say(const std::wstring& text) { SetWindowTextW(status_, text.c_str()); }

std::vector<std::vector<std::wstring>> HistoryWindow::shown_rows() const {
  std::vector<std::vector<std::wstring>> rows;
  for (int row = 0; row < ListView_GetItemCount(runs_); ++row) {
    auto& columns = rows.emplace_back();
    for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c) {
      wchar_t text[512] = {};
      ListView_GetItemText(runs_, row, c, text, 512);
      columns.emplace_back(text);
    }
  }
  return rows;
}

std::wstring HistoryWindow::transcript_text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(transcript_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(transcript_, text.data(), static_cast<int>(text.size()))));
  return text;
}

LRESULT HistoryWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: layout(); return 0;
    case WM_CLOSE:
      KillTimer(window_, kFollowTimer);
      ShowWindow(window_, SW_HIDE);
      return 0;
    case WM_TIMER: refresh(); return 0;
    case WM_NOTIFY: {
      const auto* note = reinterpret_cast<const NMLISTVIEW*>(lparam);
      if (note->hdr.hwndFrom == runs_ && note->hdr.code == LVN_ITEMCHANGED && (note->uChanged & LVIF_STATE) &&
          ((note->uNewState ^ note->uOldState) & LVIS_SELECTED) && (note->uNewState & LVIS_SELECTED)) {
        show_selected();
      }
      return 0;
    }
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case kOpen: open_transcript(); return 0;
        case kAgain: run_again(); return 0;
        case kClose: SendMessageW(window_, WM_CLOSE, 0, 0); return 0;
        default: break;
      }
      break;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      apply_fonts();
      layout();
      return 0;
    }
    default: break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void Win32Ui::show_history(HistoryAccess access) {
  on_window_thread([&] {
    if (stopping_) return;
    if (!history_window_) history_window_ = std::make_unique<HistoryWindow>(*this, frame_);
    history_window_->open(std::move(access));
  });
}

}  // namespace tarnex::ui::win32
