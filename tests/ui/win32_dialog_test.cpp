// The Win32 dialogs: every template builds with a window of the right class
// for each control, what the program sets reads back and fires nothing, the
// user's actions fire their callbacks, and modal runs end as the other
// realisations end them. The user is played by the messages the controls
// send when a person uses them, posted from the dialog's opening callback.

#include "ui/win32/win32_dialog.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cwctype>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "resources/resources.h"
#include "test_templates.h"
#include "ui/win32/window_thread.h"

namespace tarnex::ui::win32 {
namespace {

constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;

constexpr const char* kOneValueTemplate = R"(
dialog 9003 "One value"
edit 201 row=0 col=0 multiline onevalue lines=2
edit 202 row=1 col=0 multiline lines=3
default 203 row=2 col=0 "Begin"
button 2 row=2 col=1 "Cancel"
)";

struct Fired {
  int control;
  Event event;
  bool operator==(const Fired&) const = default;
};

std::wstring class_of(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  std::wstring lower;
  for (const wchar_t* c = name; *c; ++c) lower += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(*c)));
  return lower;
}

LONG_PTR style_of(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

// The window class and the style bits each kind of control must have.
struct Expected {
  ControlKind kind;
  const wchar_t* window_class;
  LONG_PTR mask;
  LONG_PTR style;
};

constexpr Expected kExpected[] = {
    {ControlKind::Static, L"static", 0, 0},
    {ControlKind::Edit, L"edit", 0, 0},
    {ControlKind::PushButton, L"button", BS_TYPEMASK, BS_PUSHBUTTON},
    {ControlKind::DefaultPushButton, L"button", BS_TYPEMASK, BS_DEFPUSHBUTTON},
    {ControlKind::CheckBox, L"button", BS_TYPEMASK, BS_AUTOCHECKBOX},
    {ControlKind::RadioButton, L"button", BS_TYPEMASK, BS_AUTORADIOBUTTON},
    {ControlKind::GroupBox, L"button", BS_TYPEMASK, BS_GROUPBOX},
    {ControlKind::DropDownList, L"combobox", 3, CBS_DROPDOWNLIST},
    {ControlKind::DropDownCombo, L"combobox", 3, CBS_DROPDOWN},
    {ControlKind::ListBox, L"listbox", 0, 0},
    {ControlKind::ScrollBar, L"scrollbar", SBS_VERT, SBS_HORZ},
    {ControlKind::TabControl, L"systabcontrol32", 0, 0},
};

// Lets the window thread take carried calls until `done`.
void pump_until(const std::atomic<bool>& done) {
  while (!done) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

class Win32DialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { become_window_thread(); }

  void SetUp() override {
    library.add(test::kEveryKindTemplate);
    library.add(kOneValueTemplate);
    dialog = make(test::kEveryKindDialog);
  }

  std::unique_ptr<Dialog> make(int id, HWND owner = nullptr) { return make_win32_dialog(*library.find(id), owner); }
  HWND item(int id) const { return GetDlgItem(window_of(*dialog), id); }

  // Records every event of the every-kind dialog's controls.
  void record_everything() {
    for (int id : {102, 103, 106, 108, 110, 111, 114, 115, 116, 117, 118}) {
      for (Event e : {Event::Click, Event::SelectionChange, Event::EditChange, Event::FocusGain, Event::ScrollChange}) {
        dialog->set_callback(id, e, [this](Dialog&, int c, Event ev) { fired.push_back({c, ev}); });
      }
    }
  }
  // `act` runs as the dialog opens, to post what the user does.
  void when_opened(Dialog& target, std::function<void(HWND)> act) {
    target.set_callback(target.id(), Event::DialogInit, [act](Dialog& d, int, Event e) {
      if (e == Event::DialogInit) act(window_of(d));
    });
  }

  TemplateLibrary library;
  std::unique_ptr<Dialog> dialog;
  std::vector<Fired> fired;
};

std::vector<int> window_dialog_ids() {
  std::set<int> ids;
  for (const auto& resource : resources::all()) {
    if (!resource.name.ends_with(".dlg")) continue;
    for (const auto& dialog : parse_dialog_templates(resource.text)) ids.insert(dialog.id);
  }
  return {ids.begin(), ids.end()};
}

TEST_F(Win32DialogTest, EveryTemplateBuildsEveryControlWithItsClassAndStyleAndFitsTheScreen) {
  std::vector<int> ids = window_dialog_ids();
  ids.push_back(test::kEveryKindDialog);
  ids.push_back(test::kEveryKindPage);
  ASSERT_GT(ids.size(), 40u);
  for (int id : ids) {
    const DialogTemplate& dialog_template = *library.find(id);
    auto built = make(id);
    HWND window = window_of(*built);
    ASSERT_TRUE(window) << id;
    for (const auto& control : dialog_template.controls) {
      if (control.id == -1) continue;
      SCOPED_TRACE("dialog " + std::to_string(id) + " control " + std::to_string(control.id));
      HWND found = GetDlgItem(window, control.id);
      ASSERT_TRUE(found);
      EXPECT_TRUE(built->has_control(control.id));
      const auto* expected = std::find_if(std::begin(kExpected), std::end(kExpected),
                                          [&](const Expected& e) { return e.kind == control.kind; });
      ASSERT_NE(expected, std::end(kExpected));
      EXPECT_EQ(class_of(found), expected->window_class);
      EXPECT_EQ(style_of(found) & expected->mask, expected->style);
      EXPECT_EQ((style_of(found) & WS_VISIBLE) == 0, control.hidden);
      if (control.kind == ControlKind::Edit) {
        EXPECT_EQ((style_of(found) & ES_MULTILINE) != 0, control.multi_line);
        EXPECT_EQ((style_of(found) & ES_READONLY) != 0, control.read_only);
        // read-only boxes are no tab stops
        EXPECT_EQ((style_of(found) & WS_TABSTOP) != 0, !control.read_only);
      }
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_LE(frame.right - frame.left, kScreenWidth) << "dialog " << id;
    EXPECT_LE(frame.bottom - frame.top, kScreenHeight) << "dialog " << id;
  }
}

TEST_F(Win32DialogTest, KindsKeepTheirProperties) {
  EXPECT_EQ(dialog->caption(), "Every kind");
  EXPECT_FALSE(dialog->has_control(999));
  EXPECT_EQ(dialog->text(101), "A label");
  EXPECT_EQ(dialog->text(104), "fixed");
  EXPECT_EQ(dialog->text(1), "OK");
  EXPECT_EQ(LOWORD(SendMessageW(window_of(*dialog), DM_GETDEFID, 0, 0)), 1);
  EXPECT_EQ(dialog->item_count(114), 2);
  EXPECT_EQ(dialog->item_text(116, 3), "gamma");
  EXPECT_EQ(dialog->selected(114), 0);
  // radio buttons 110 and 111 are one group, 112 starts another
  EXPECT_TRUE(style_of(item(110)) & WS_GROUP);
  EXPECT_FALSE(style_of(item(111)) & WS_GROUP);
  EXPECT_TRUE(style_of(item(112)) & WS_GROUP);
}

TEST_F(Win32DialogTest, ProgrammaticChangesReadBackAndFireNothing) {
  record_everything();
  dialog->set_caption("Zürich ∆");
  dialog->set_text(102, "BASIN ü");
  dialog->set_text(103, "one\r\ntwo\nthree");
  dialog->set_checked(108, true);
  dialog->set_checked(110, true);
  dialog->set_checked(111, true);
  dialog->set_selected(114, 2);
  dialog->set_text(115, "GREEN");
  dialog->set_item_count(116, 5);
  dialog->set_item_text(116, 4, "delta");
  dialog->set_selected(116, 4);
  dialog->set_scroll_range(117, 1, 129);
  dialog->set_scroll_page(117, 10);
  dialog->set_scroll_position(117, 129);
  dialog->set_item_count(118, 3);
  dialog->set_item_text(118, 2, "Second");
  dialog->set_selected(118, 2);
  dialog->set_enabled(106, false);
  dialog->set_text_limit(102, 12);
  dialog->set_caret(102, 3);
  dialog->set_caret(103, 6);
  EXPECT_TRUE(fired.empty());

  EXPECT_EQ(dialog->caption(), "Zürich ∆");
  EXPECT_EQ(dialog->text(102), "BASIN ü");
  EXPECT_EQ(dialog->text(103), "one\ntwo\nthree");
  wchar_t inside[32] = {};
  GetWindowTextW(item(103), inside, 32);
  EXPECT_STREQ(inside, L"one\r\ntwo\r\nthree");
  EXPECT_TRUE(dialog->checked(108));
  EXPECT_FALSE(dialog->checked(110));
  EXPECT_TRUE(dialog->checked(111));
  EXPECT_EQ(dialog->text(114), "TWO");
  EXPECT_EQ(dialog->selected(114), 2);
  EXPECT_EQ(dialog->text(115), "GREEN");
  EXPECT_EQ(dialog->item_count(116), 5);
  EXPECT_EQ(dialog->text(116), "delta");
  EXPECT_EQ(dialog->selected(116), 4);
  EXPECT_EQ(dialog->scroll_position(117), 129);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_PAGE;
  GetScrollInfo(item(117), SB_CTL, &info);
  EXPECT_EQ(info.nPage, 10u);
  EXPECT_EQ(dialog->item_count(118), 3);
  EXPECT_EQ(dialog->text(118), "Second");
  EXPECT_EQ(dialog->selected(118), 2);
  EXPECT_FALSE(dialog->enabled(106));
  EXPECT_TRUE(dialog->enabled(108));
  EXPECT_EQ(SendMessageW(item(102), EM_GETLIMITTEXT, 0, 0), 12);
  EXPECT_EQ(dialog->caret(102), 3);
  // after "one\ntwo": a line end is one character outside the box
  EXPECT_EQ(dialog->caret(103), 6);

  dialog->set_text(114, "ONE");
  EXPECT_EQ(dialog->selected(114), 1);
  dialog->set_text(114, "one");  // entries match exactly
  EXPECT_EQ(dialog->selected(114), 0);
  dialog->set_selected(116, 9);
  EXPECT_EQ(dialog->selected(116), 0);
  EXPECT_EQ(dialog->text(116), "");
  dialog->set_selected(115, 1);
  EXPECT_EQ(dialog->text(115), "RED");
  dialog->set_item_count(116, 2);
  EXPECT_EQ(dialog->item_text(116, 4), "");
  dialog->set_scroll_position(117, 500);
  EXPECT_EQ(dialog->scroll_position(117), 129);
  EXPECT_TRUE(fired.empty());
}

TEST_F(Win32DialogTest, UserActionsFireExactlyTheirCallbacks) {
  record_everything();
  HWND window = window_of(*dialog);
  ShowWindow(window, SW_SHOW);
  SetFocus(item(106));
  fired.clear();
  SetFocus(item(102));
  SendMessageW(item(102), WM_CHAR, L'A', 0);
  SendMessageW(item(102), WM_CHAR, L'B', 0);
  SendMessageW(item(108), BM_CLICK, 0, 0);
  SendMessageW(item(111), BM_CLICK, 0, 0);
  SendMessageW(item(114), CB_SETCURSEL, 1, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(114, CBN_SELCHANGE), reinterpret_cast<LPARAM>(item(114)));
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  GetComboBoxInfo(item(115), &combo);
  SetFocus(combo.hwndItem);
  SendMessageW(combo.hwndItem, WM_CHAR, L'X', 0);
  SendMessageW(item(116), LB_SETCURSEL, 1, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(116, LBN_SELCHANGE), reinterpret_cast<LPARAM>(item(116)));
  SendMessageW(window, WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(item(117)));
  SendMessageW(window, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), reinterpret_cast<LPARAM>(item(117)));
  SendMessageW(window, WM_HSCROLL, SB_LEFT, reinterpret_cast<LPARAM>(item(117)));  // already there: no change
  dialog->set_item_count(118, 2);
  SendMessageW(item(118), TCM_SETCURSEL, 1, 0);
  NMHDR tab_change{item(118), 118, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(window, WM_NOTIFY, 118, reinterpret_cast<LPARAM>(&tab_change));
  ShowWindow(window, SW_HIDE);

  const std::vector<Fired> expected = {
      {102, Event::FocusGain},   {102, Event::EditChange},       {102, Event::EditChange},
      {108, Event::Click},       {111, Event::Click},            {114, Event::SelectionChange},
      {115, Event::FocusGain},   {115, Event::EditChange},       {116, Event::SelectionChange},
      {117, Event::ScrollChange}, {117, Event::ScrollChange},    {117, Event::ScrollChange},
      {118, Event::SelectionChange}};
  EXPECT_EQ(fired, expected);
  EXPECT_EQ(dialog->text(102), "AB");
  EXPECT_TRUE(dialog->checked(108));
  EXPECT_TRUE(dialog->checked(111));
  EXPECT_EQ(dialog->text(114), "TWO");
  EXPECT_EQ(dialog->text(115), "X");
  EXPECT_EQ(dialog->text(116), "beta");
  EXPECT_EQ(dialog->scroll_position(117), 0);
  EXPECT_EQ(dialog->selected(118), 2);
}

TEST_F(Win32DialogTest, TypingStopsAtTheLimitTheProgramDoesNot) {
  dialog->set_text_limit(102, 3);
  for (wchar_t c : std::wstring(L"ABCDE")) SendMessageW(item(102), WM_CHAR, c, 0);
  EXPECT_EQ(dialog->text(102), "ABC");
  dialog->set_text(102, "ABCDEFG");
  EXPECT_EQ(dialog->text(102), "ABCDEFG");
}

TEST_F(Win32DialogTest, AListPressesItsButtonsOnDoubleClickAndDelete) {
  library.add(R"(
dialog 9101 "List"
list 11 row=0 col=0 doubleclick=12 deletekey=13 "" "alpha" "beta"
button 12 row=1 col=0 "Edit"
button 13 row=1 col=1 "Delete"
button 2 row=1 col=2 "Cancel"
)");
  auto built = make(9101);
  std::vector<std::pair<int, int>> pressed;  // button, selected entry
  for (int button : {12, 13}) {
    built->set_callback(button, Event::Click, [&pressed](Dialog& d, int id, Event) { pressed.emplace_back(id, d.selected(11)); });
  }
  HWND window = window_of(*built);
  HWND list = GetDlgItem(window, 11);
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(11, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
  built->set_selected(11, 1);
  SendMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(pressed, (std::vector<std::pair<int, int>>{{12, 2}, {13, 1}}));
}

TEST_F(Win32DialogTest, PushButtonWithoutCallbackEndsWithItsId) {
  std::vector<Event> lifecycle;
  dialog->set_callback(test::kEveryKindDialog, Event::DialogInit, [&](Dialog& d, int, Event e) {
    lifecycle.push_back(e);
    if (e == Event::DialogInit) PostMessageW(GetDlgItem(window_of(d), 107), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialog->run_modal(), 107);
  EXPECT_EQ(lifecycle, (std::vector<Event>{Event::DialogInit, Event::DialogClose}));
  EXPECT_FALSE(IsWindowVisible(window_of(*dialog)));
}

// How each way of ending a modal run ends it.
TEST_F(Win32DialogTest, ModalRunsEndAsTheUserEndsThem) {
  struct Case {
    const char* what;
    int dialog;
    std::function<void(HWND)> user;
    int result;
    int cancel_clicks = 0;  // the Cancel button's callback
  };
  const std::vector<Case> cases = {
      {"a callback ends with any id", test::kEveryKindDialog,
       [](HWND d) { PostMessageW(GetDlgItem(d, 106), BM_CLICK, 0, 0); }, 77},
      {"Escape cancels without pressing Cancel", test::kEveryKindDialog,
       [](HWND d) { PostMessageW(GetDlgItem(d, 102), WM_KEYDOWN, VK_ESCAPE, 0); }, kCancel},
      {"Escape in a multi-line box cancels", test::kEveryKindDialog,
       [](HWND d) { PostMessageW(GetDlgItem(d, 103), WM_KEYDOWN, VK_ESCAPE, 0); }, kCancel},
      {"the close box cancels", test::kEveryKindDialog,
       [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, kCancel},
      {"the Cancel button presses Cancel", test::kEveryKindDialog,
       [](HWND d) { PostMessageW(GetDlgItem(d, 2), BM_CLICK, 0, 0); }, kCancel, 1},
      {"Enter presses the default button", test::kEveryKindDialog,
       [](HWND d) { PostMessageW(GetDlgItem(d, 102), WM_KEYDOWN, VK_RETURN, 0); }, kOk},
      {"Enter in a box of one value presses the default button", 9003,
       [](HWND d) {
         PostMessageW(GetDlgItem(d, 201), WM_CHAR, L'B', 0);
         PostMessageW(GetDlgItem(d, 201), WM_KEYDOWN, VK_RETURN, 0);
       },
       203},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto built = make(c.dialog);
    int cancel_clicks = 0;
    built->set_callback(106, Event::Click, [](Dialog& d, int, Event) { d.end(77); });
    built->set_callback(2, Event::Click, [&cancel_clicks](Dialog& d, int, Event) {
      ++cancel_clicks;
      d.end(kCancel);
    });
    when_opened(*built, c.user);
    EXPECT_EQ(built->run_modal(), c.result);
    EXPECT_EQ(cancel_clicks, c.cancel_clicks);
    if (c.dialog == 9003) {
      EXPECT_EQ(built->text(201), "B");
    }
  }
}

// What a multi-line box leaves to the dialog: Tab always, Escape always,
// Enter when the box holds one value.
TEST_F(Win32DialogTest, MultiLineBoxesLeaveTabEscapeAndEnterOfOneValueToTheDialog) {
  auto built = make(9003);
  HWND window = window_of(*built);
  auto wants = [](HWND box, WPARAM key) {
    MSG message{};
    message.hwnd = box;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    return (SendMessageW(box, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&message)) & DLGC_WANTMESSAGE) != 0;
  };
  HWND one_value = GetDlgItem(window, 201);
  HWND values = GetDlgItem(window, 202);
  EXPECT_FALSE(wants(one_value, VK_RETURN));
  EXPECT_TRUE(wants(values, VK_RETURN));
  for (HWND box : {one_value, values}) {
    EXPECT_FALSE(wants(box, VK_TAB));
    EXPECT_FALSE(wants(box, VK_ESCAPE));
  }
  for (wchar_t key : {L'A', L'\r', L'B', L'\t'}) SendMessageW(values, WM_CHAR, key, 0);
  for (wchar_t key : {L'A', L'\r', L'B', L'\t'}) SendMessageW(one_value, WM_CHAR, key, 0);
  EXPECT_EQ(built->text(202), "A\nB");
  EXPECT_EQ(built->text(201), "AB");

  ShowWindow(window, SW_SHOW);
  SetFocus(values);
  MSG tab{};
  tab.hwnd = values;
  tab.message = WM_KEYDOWN;
  tab.wParam = VK_TAB;
  EXPECT_TRUE(IsDialogMessageW(window, &tab));
  EXPECT_EQ(GetFocus(), GetDlgItem(window, 203));
  ShowWindow(window, SW_HIDE);
}

TEST_F(Win32DialogTest, OpeningCallbackMayEndTheDialogBeforeItShows) {
  bool shown = true;
  dialog->set_callback(test::kEveryKindDialog, Event::DialogInit, [&](Dialog& d, int, Event e) {
    if (e == Event::DialogInit) d.end(5);
    if (e == Event::DialogClose) shown = IsWindowVisible(window_of(d));
  });
  EXPECT_EQ(dialog->run_modal(), 5);
  EXPECT_FALSE(shown);
}

TEST_F(Win32DialogTest, ADialogOpenedDuringAModalRunOpensOverItAndDisablesIt) {
  HWND outer = window_of(*dialog);
  int inner_result = 0;
  bool outer_enabled_inside = true;
  dialog->set_callback(106, Event::Click, [&](Dialog& d, int, Event) {
    auto inner = make(test::kEveryKindDialog, outer);
    inner->set_callback(106, Event::Click, [&](Dialog& running, int, Event) {
      outer_enabled_inside = IsWindowEnabled(outer);
      EXPECT_EQ(GetWindow(window_of(running), GW_OWNER), outer);
      running.end(107);
    });
    when_opened(*inner, [&](HWND w) { PostMessageW(GetDlgItem(w, 106), BM_CLICK, 0, 0); });
    inner_result = inner->run_modal();
    EXPECT_TRUE(IsWindowVisible(outer));
    d.end(77);
  });
  when_opened(*dialog, [](HWND w) { PostMessageW(GetDlgItem(w, 106), BM_CLICK, 0, 0); });
  EXPECT_EQ(dialog->run_modal(), 77);
  EXPECT_EQ(inner_result, 107);
  EXPECT_FALSE(outer_enabled_inside);
}

TEST_F(Win32DialogTest, ModalRunFromAnotherThread) {
  when_opened(*dialog, [](HWND w) {
    PostMessageW(GetDlgItem(w, 102), WM_CHAR, L'x', 0);
    PostMessageW(GetDlgItem(w, 1), BM_CLICK, 0, 0);
  });
  int result = 0;
  std::string typed;
  std::string set;
  std::atomic<bool> done{false};
  std::thread loop([&] {
    dialog->set_text(104, "from the loop");
    result = dialog->run_modal();
    typed = dialog->text(102);
    set = dialog->text(104);
    done = true;
  });
  pump_until(done);
  loop.join();
  EXPECT_EQ(result, kOk);
  EXPECT_EQ(typed, "x");
  EXPECT_EQ(set, "from the loop");
}

TEST_F(Win32DialogTest, EndFromAnotherThreadEndsTheModalRun) {
  std::thread ender;
  when_opened(*dialog, [&](HWND) { ender = std::thread([&] { dialog->end(42); }); });
  EXPECT_EQ(dialog->run_modal(), 42);
  ender.join();
}

TEST_F(Win32DialogTest, TabPagesShowTheirChildDialog) {
  auto first = make(test::kEveryKindPage);
  auto second = make(test::kEveryKindPage);
  dialog->set_item_count(118, 2);
  dialog->set_item_text(118, 1, "First page");
  dialog->set_item_text(118, 2, "Second page");
  dialog->show_page(118, 1, *first);
  dialog->show_page(118, 2, *second);
  second->set_text(1000, "page text");
  HWND page = window_of(*second);
  EXPECT_EQ(GetParent(page), window_of(*dialog));
  EXPECT_TRUE(style_of(page) & WS_CHILD);
  EXPECT_EQ(class_of(GetDlgItem(page, 1000)), L"edit");
  EXPECT_EQ(second->text(1000), "page text");
  EXPECT_EQ(dialog->item_text(118, 2), "Second page");
  dialog->set_selected(118, 2);
  EXPECT_FALSE(style_of(window_of(*first)) & WS_VISIBLE);
  EXPECT_TRUE(style_of(page) & WS_VISIBLE);
  // the page lies inside the tab control
  RECT tabs{};
  RECT shown{};
  GetWindowRect(item(118), &tabs);
  GetWindowRect(page, &shown);
  EXPECT_GE(shown.left, tabs.left);
  EXPECT_LE(shown.right, tabs.right);
  EXPECT_GT(shown.top, tabs.top);
  EXPECT_LE(shown.bottom, tabs.bottom);
  first.reset();
  second.reset();
  EXPECT_EQ(dialog->item_count(118), 2);
}

}  // namespace
}  // namespace tarnex::ui::win32
