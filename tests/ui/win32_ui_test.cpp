// The Win32 window under Wine: the menu bar built from the menu table and
// grayed by routine name, the text window following the text model, the
// status bar, the frame's Close, and message boxes owned by the window the
// user works in, also when the command-loop thread asks for them.

#include "ui/win32/win32_ui.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "shell/menu_bar.h"
#include "ui/win32/history_window.h"
#include "ui/win32/win32_text_view.h"
#include "ui/win32/window_thread.h"

namespace tarnex::ui::win32 {
namespace {

// A message box as it was made; the watch closes it at once.
struct Box {
  HWND owner = nullptr;
  std::wstring title;
  std::wstring text;
};

std::vector<Box> boxes;

// Sees every message box of this thread once it is filled in: notes its
// owner, title and text (its static control, id 0xFFFF), and closes it.
LRESULT CALLBACK watch(int code, WPARAM wparam, LPARAM lparam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
  wchar_t name[16] = {};
  if (code == HC_ACTION && call->message == WM_INITDIALOG && GetClassNameW(call->hwnd, name, 16) &&
      std::wstring_view(name) == L"#32770") {
    wchar_t title[256] = {}, text[256] = {};
    GetWindowTextW(call->hwnd, title, 256);
    GetDlgItemTextW(call->hwnd, 0xFFFF, text, 256);
    boxes.push_back({GetWindow(call->hwnd, GW_OWNER), title, text});
    PostMessageW(call->hwnd, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void pump_until(const std::atomic<bool>& done) {
  while (!done) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

std::wstring caption(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

class Win32UiTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { become_window_thread(); }
  void SetUp() override {
    boxes.clear();
    hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, watch, nullptr, GetCurrentThreadId());
    ui_ = std::make_unique<Win32Ui>();
    ui_->set_exit_handler([this](int code) { exit_codes_.push_back(code); });
    ui_->show(SW_SHOWNORMAL);
  }
  void TearDown() override {
    ui_.reset();
    UnhookWindowsHookEx(hook_);
  }

  // The item's state in its menu, found through the menu bar.
  UINT state_of(std::string_view routine) const {
    const UINT command = ui_->command_of(routine);
    HMENU bar = GetMenu(ui_->frame());
    for (int m = 0; m < GetMenuItemCount(bar); ++m) {
      const UINT state = GetMenuState(GetSubMenu(bar, m), command, MF_BYCOMMAND);
      if (state != static_cast<UINT>(-1)) return state;
    }
    return static_cast<UINT>(-1);
  }

  HHOOK hook_ = nullptr;
  std::unique_ptr<Win32Ui> ui_;
  std::vector<int> exit_codes_;
};

std::wstring menu_text(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

TEST_F(Win32UiTest, TheMenuBarIsTheMenuTableWithItsGraysAndItemsAreAddressedByRoutineName) {
  int cleared = 0;
  build_menu_bar(*ui_, {{"CLEAR_SCREEN", [&] { ++cleared; }}});
  HMENU bar = GetMenu(ui_->frame());
  const auto& table = menu_table();
  ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(table.size()));
  for (std::size_t m = 0; m < table.size(); ++m) {
    SCOPED_TRACE(table[m].title);
    EXPECT_EQ(menu_text(bar, static_cast<int>(m)), std::wstring(table[m].title.begin(), table[m].title.end()));
    HMENU menu = GetSubMenu(bar, static_cast<int>(m));
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(table[m].entries.size()));
    for (std::size_t i = 0; i < table[m].entries.size(); ++i) {
      const auto& entry = table[m].entries[i];
      const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
      if (entry.separator()) {
        EXPECT_TRUE(state & MF_SEPARATOR);
        continue;
      }
      EXPECT_EQ(menu_text(menu, static_cast<int>(i)), std::wstring(entry.text.begin(), entry.text.end()));
      EXPECT_EQ((state & MF_GRAYED) != 0, entry.grayed) << entry.routine;
      EXPECT_EQ(GetMenuItemID(menu, static_cast<int>(i)), ui_->command_of(entry.routine));
    }
  }

  struct Case {
    const char* routine;
    bool enabled;
  };
  for (const Case& c : {Case{"TERMINATE", true}, Case{"QARN_FLUM", false}, Case{"TERMINATE", false},
                        Case{"RUN_HISTORY", false}, Case{"RUN_HISTORY", true}}) {
    ui_->set_menu_item_enabled(c.routine, c.enabled);
    EXPECT_EQ((state_of(c.routine) & MF_GRAYED) == 0, c.enabled) << c.routine;
  }
  // An unknown name changes nothing.
  ui_->set_menu_item_enabled("NO_SUCH_ROUTINE", false);
  EXPECT_EQ(ui_->command_of("NO_SUCH_ROUTINE"), 0u);

  // Choosing an item calls its routine on the window thread.
  SendMessageW(ui_->frame(), WM_COMMAND, MAKEWPARAM(ui_->command_of("CLEAR_SCREEN"), 0), 0);
  EXPECT_EQ(cleared, 1);
  SendMessageW(ui_->frame(), WM_COMMAND, MAKEWPARAM(ui_->command_of("EXCEL"), 0), 0);
  EXPECT_EQ(cleared, 1);
}

TEST_F(Win32UiTest, TheTextWindowShowsTheModelsRowsAndFollowsTheEndUnlessScrolledAway) {
  TextView& view = ui_->view();
  ui_->text().write_line("first line");
  ui_->text().write("tab\there\x01" "and on");
  view.refresh();
  ASSERT_EQ(view.rows().size(), 2u);
  EXPECT_EQ(view.rows()[0], L"first line");
  EXPECT_EQ(view.rows()[1], L"tab     here and on");

  // At the end, the view follows new rows.
  for (int i = 0; i < 100; ++i) ui_->text().write_line("row " + std::to_string(i));
  view.refresh();
  EXPECT_TRUE(view.at_end());
  EXPECT_GT(view.first_shown(), 0u);

  // Scrolled up, it keeps its text in sight while rows come and go.
  view.scroll_to(10);
  for (int i = 100; i < 400; ++i) ui_->text().write_line("row " + std::to_string(i));
  view.refresh();
  EXPECT_FALSE(view.at_end());
  EXPECT_EQ(view.rows().size(), TextModel::kRows);
  // 300 rows came, 150 of which pushed the kept ones past the top: the
  // view's text left with them, and it shows the top.
  EXPECT_EQ(view.first_shown(), 0u);

  view.scroll_to(100);
  const std::wstring kept = view.rows()[100];
  ui_->text().write_line("one more");
  view.refresh();
  EXPECT_EQ(view.rows()[view.first_shown()], kept);

  // Cleared, the view is empty.
  ui_->text().clear();
  view.refresh();
  EXPECT_TRUE(view.rows().empty() || (view.rows().size() == 1 && view.rows()[0].empty()));
}

TEST_F(Win32UiTest, TheSelectionIsCopiedAsLinesAndStaysOnItsTextWhileRowsLeaveTheTop) {
  TextView& view = ui_->view();
  ui_->text().write_line("alpha beta");
  ui_->text().write_line("gamma");
  ui_->text().write_line("delta");
  view.refresh();
  view.select({0, 6}, {2, 2});
  EXPECT_EQ(view.selected_text(), L"beta\r\ngamma\r\nde");
  view.select({1, 5}, {1, 0});
  EXPECT_EQ(view.selected_text(), L"gamma");
  view.select_all();
  EXPECT_EQ(view.selected_text().substr(0, 17), L"alpha beta\r\ngamma");

  view.select({1, 0}, {1, 5});
  for (std::size_t i = 0; i < TextModel::kRows - 4; ++i) ui_->text().write_line("x");
  ui_->text().write_line("y");
  view.refresh();
  // one row left the top: "gamma" is now the first row
  EXPECT_EQ(view.selected_text(), L"gamma");
}

TEST_F(Win32UiTest, FramesTitleCarriesTheMaximisedTextWindowsTitle) {
  ui_->set_frame_title(" Windows Interface for the Qarn");
  ui_->set_text_title(" ");
  EXPECT_EQ(caption(ui_->frame()), L" Windows Interface for the Qarn");
  ui_->set_text_title("Tarnex");
  EXPECT_EQ(caption(ui_->frame()), L" Windows Interface for the Qarn - [Tarnex]");
}

TEST_F(Win32UiTest, TheTextFontMustBeFixedPitch) {
  EXPECT_TRUE(ui_->set_text_font("COURIER", 8, 16));
}

TEST_F(Win32UiTest, MessageBoxesHaveTheirTitleAndTextAndBelongToTheWindowTheUserWorksIn) {
  ui_->message_box("Setting Window Font Using Best Default Available", "ERROR");
  ui_->set_about_text("Tarnex Version\rMarch 2008");
  ui_->show_about();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].owner, ui_->frame());
  EXPECT_EQ(boxes[0].title, L"ERROR");
  EXPECT_EQ(boxes[0].text, L"Setting Window Font Using Best Default Available");
  EXPECT_EQ(boxes[1].owner, ui_->frame());
  EXPECT_EQ(boxes[1].title, L"About Tarnex");
  EXPECT_EQ(boxes[1].text, L"Tarnex Version\r\nMarch 2008");

  // A window over the frame that the user works in owns the next box.
  HWND over = CreateWindowExW(0, L"STATIC", L"over", WS_POPUP | WS_VISIBLE | WS_CAPTION, 10, 10, 100, 100,
                              ui_->frame(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SetActiveWindow(over);
  EXPECT_EQ(ui_->owner(), over);
  ui_->message_box("text", "title");
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].owner, over);
  DestroyWindow(over);
  EXPECT_EQ(ui_->owner(), ui_->frame());
}

TEST_F(Win32UiTest, TheOpenFileDialogTakesTheAnswersGivenInTurnWithoutShowing) {
  const std::vector<std::pair<std::string, std::string>> filter{{"TIN files", "*.TIN"}};
  ui_->answer_open_file("C:/models/BASIN.TIN");
  ui_->answer_open_file(std::nullopt);
  ui_->answer_open_file("C:/models/OTHER.TIN");
  EXPECT_EQ(ui_->open_file(filter, "Open", ""), std::optional<std::string>("C:/models/BASIN.TIN"));
  EXPECT_EQ(ui_->open_file(filter, "Open", ""), std::nullopt);
  std::optional<std::string> from_loop;
  std::atomic<bool> done{false};
  std::thread loop([&] {
    from_loop = ui_->open_file(filter, "Open", "");
    done = true;
  });
  pump_until(done);
  loop.join();
  EXPECT_EQ(from_loop, std::optional<std::string>("C:/models/OTHER.TIN"));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Win32UiTest, EndingTheProgramCallsTheExitHandlerAndNoBoxOpensAfterwards) {
  ui_->exit_program(3);
  EXPECT_EQ(exit_codes_, std::vector<int>{3});
  ui_->message_box("after the end", "LATE");
  ui_->show_about();
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Win32UiTest, CallsFromTheCommandLoopThreadAreCarriedToTheWindowThread) {
  std::atomic<bool> done{false};
  std::thread loop([&] {
    ui_->set_frame_title("From the loop");
    ui_->add_menu("&Loop");
    ui_->add_menu_item("&Item", "LOOP_ITEM", nullptr, false);
    ui_->set_menu_item_enabled("LOOP_ITEM", true);
    ui_->message_box("From the loop", "LOOP");
    ui_->show_run_started("MOR", "BASIN");
    ui_->text().write_line("printed by the loop");
    done = true;
  });
  pump_until(done);
  loop.join();
  EXPECT_EQ(caption(ui_->frame()), L"From the loop");
  EXPECT_EQ(state_of("LOOP_ITEM") & MF_GRAYED, 0u);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, L"LOOP");
  EXPECT_EQ(boxes[0].owner, ui_->frame());
  EXPECT_EQ(ui_->status_text(0), L"Running MOR (roots BASIN): 0:00");
  ui_->view().refresh();
  EXPECT_EQ(ui_->view().rows()[0], L"printed by the loop");
}

TEST_F(Win32UiTest, TheStatusBarShowsTheRunAndHowItEndedAndTheHistoryNotice) {
  struct Case {
    RunEnd end;
    int code;
    const wchar_t* shown;
  };
  for (const Case& c : {Case{RunEnd::Exited, 3, L"ORB ended with exit code 3 after 0:00"},
                        Case{RunEnd::Terminated, 0, L"ORB terminated after 0:00"},
                        Case{RunEnd::NotStarted, 0, L"ORB could not be started"}}) {
    ui_->show_run_started("ORB", "");
    EXPECT_EQ(ui_->status_text(0), L"Running ORB: 0:00");
    ui_->show_run_ended(c.end, c.code);
    EXPECT_EQ(ui_->status_text(0), c.shown);
  }
  ui_->set_history_notice("Transcripts are not kept: the disk is full");
  EXPECT_EQ(ui_->status_text(1), L"Transcripts are not kept: the disk is full");
  EXPECT_EQ(ui_->status_text(0), L"ORB could not be started");
  ui_->set_history_notice("");
  EXPECT_EQ(SendMessageW(ui_->status_bar(), SB_GETPARTS, 0, 0), 1);
}

TEST_F(Win32UiTest, CloseGraysWithTheFramesCloseCommandAndIsRefusedWhileGrayed) {
  int refused = 0;
  ui_->set_close_refusal([&] { ++refused; });
  ui_->set_close_enabled(false);
  EXPECT_TRUE(GetMenuState(GetSystemMenu(ui_->frame(), FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
  SendMessageW(ui_->frame(), WM_CLOSE, 0, 0);
  EXPECT_EQ(refused, 1);
  EXPECT_TRUE(exit_codes_.empty());

  ui_->set_close_enabled(true);
  EXPECT_FALSE(GetMenuState(GetSystemMenu(ui_->frame(), FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
  SendMessageW(ui_->frame(), WM_CLOSE, 0, 0);
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(exit_codes_, std::vector<int>{0});
  // Ending, no box is shown any more.
  ui_->message_box("too late", "LATE");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Win32UiTest, TheHistoryWindowListsTheRunsOfItsFolder) {
  const auto folder = std::filesystem::temp_directory_path() / "tarnex-win32-history-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  history::RunHistory runs;
  runs.set_directory(folder);
  history::TranscriptHeader header;
  header.program = "MOR";
  header.started = std::chrono::system_clock::now();
  std::string failure;
  {
    auto writer = runs.begin(header, failure);
    ASSERT_TRUE(writer) << failure;
    writer->output("the model printed this\n");
    writer->finish({history::Outcome::Exited, 0, std::chrono::milliseconds(1500), 0});
    runs.end(*writer);
  }
  ui_->show_history({&runs, nullptr});
  ASSERT_NE(ui_->history_window(), nullptr);
  EXPECT_TRUE(IsWindowVisible(ui_->history_window()->window()));
  const auto rows = ui_->history_window()->shown_rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][1], L"MOR");
  EXPECT_EQ(rows[0][4], L"exit code 0");
  EXPECT_NE(ui_->history_window()->transcript_text().find(L"the model printed this"), std::wstring::npos);
  ui_.reset();
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tarnex::ui::win32
