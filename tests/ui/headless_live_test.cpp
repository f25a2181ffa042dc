// The headless window's live mode: modal windows wait for a user on another
// thread, who acts through actions posted to the window's own thread.

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "test_templates.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::ui {
namespace {

// Polls until `condition` holds, at most ten seconds; whether it held.
template <typename Condition>
bool eventually(Condition condition) {
  for (int i = 0; i < 10000 && !condition(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return condition();
}

class HeadlessLiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.templates().add(test::kEveryKindTemplate);
    ui.go_live();
  }
  void TearDown() override {
    ui.shut_down();
    if (logic.valid()) logic.wait();
  }
  // Runs the dialog modally on a thread of its own, as the command loop would.
  void open_dialog(std::function<void(HeadlessDialog&)> set_up = nullptr) {
    logic = std::async(std::launch::async, [this, set_up] {
      auto dialog = ui.make_dialog(test::kEveryKindDialog);
      if (set_up) set_up(static_cast<HeadlessDialog&>(*dialog));
      return dialog->run_modal();
    });
    ASSERT_TRUE(eventually([this] { return ui.live().any_open(); }));
  }
  void click_on_topmost(int id) {
    ASSERT_TRUE(ui.live().post_to_topmost([id](ModalWindow* window) { window->dialog->user_click(id); }));
  }

  HeadlessUi ui;
  std::future<int> logic;
};

TEST_F(HeadlessLiveTest, ADialogWaitsForTheUsersActions) {
  open_dialog();
  EXPECT_TRUE(eventually([this] { return ui.live().settled(); }));
  ASSERT_EQ(logic.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout);
  click_on_topmost(107);
  EXPECT_EQ(logic.get(), 107);
  EXPECT_FALSE(ui.live().any_open());
}

TEST_F(HeadlessLiveTest, AnActionThatOpensADialogRunsItsLoopOnTheSameThread) {
  std::thread::id outer, inner;
  open_dialog([&](HeadlessDialog& dialog) {
    dialog.set_callback(106, Event::Click, [&](Dialog&, int, Event) {
      outer = std::this_thread::get_id();
      auto nested = ui.make_dialog(test::kEveryKindDialog);
      nested->set_callback(108, Event::Click, [&](Dialog&, int, Event) { inner = std::this_thread::get_id(); });
      nested->run_modal();
    });
  });
  click_on_topmost(106);
  ASSERT_TRUE(eventually([this] { return ui.live().shown().size() == 2 && ui.live().settled(); }));
  click_on_topmost(108);
  click_on_topmost(2);
  ASSERT_TRUE(eventually([this] { return ui.live().shown().size() == 1; }));
  EXPECT_NE(outer, std::thread::id());
  EXPECT_EQ(inner, outer);
  click_on_topmost(1);
  EXPECT_EQ(logic.get(), 1);
}

TEST_F(HeadlessLiveTest, AMessageBoxWaitsUntilItsButtonIsPressed) {
  auto box = std::async(std::launch::async, [this] { ui.message_box("Something\r\nhappened", "ERROR"); });
  ASSERT_TRUE(eventually([this] { return ui.live().any_open(); }));
  const auto shown = ui.live().shown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].kind, ModalWindow::Kind::MessageBox);
  EXPECT_EQ(shown[0].text, "Something\r\nhappened");
  EXPECT_EQ(shown[0].title, "ERROR");
  EXPECT_EQ(box.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout);
  ASSERT_TRUE(ui.live().post_to_topmost([](ModalWindow* window) { window->ended = true; },
                                        ModalWindow::Kind::MessageBox));
  box.get();
  ASSERT_EQ(ui.message_boxes().size(), 1u);
}

TEST_F(HeadlessLiveTest, AnOpenFileDialogWithoutAnAnswerWaitsAndOneWithAnAnswerDoesNot) {
  ui.answer_open_file("/data/A.DAT");
  EXPECT_EQ(ui.open_file({}, "Pick", ""), std::optional<std::string>("/data/A.DAT"));
  auto chooser = std::async(std::launch::async, [this] { return ui.open_file({}, "Pick", ""); });
  ASSERT_TRUE(eventually([this] { return ui.live().any_open(); }));
  EXPECT_EQ(ui.live().shown()[0].kind, ModalWindow::Kind::OpenFile);
  ui.shut_down();
  EXPECT_EQ(chooser.get(), std::nullopt);
}

TEST_F(HeadlessLiveTest, ShuttingDownEndsOpenDialogsAndLaterOnesAtOnce) {
  bool opened_again = false;
  open_dialog();
  ui.shut_down();
  EXPECT_EQ(logic.get(), kCancel);
  auto dialog = ui.make_dialog(test::kEveryKindDialog);
  dialog->set_callback(test::kEveryKindDialog, Event::DialogInit, [&](Dialog&, int, Event) { opened_again = true; });
  EXPECT_EQ(dialog->run_modal(), kCancel);
  EXPECT_FALSE(opened_again);
}

TEST_F(HeadlessLiveTest, ActionsForAWindowThatClosedAreDropped) {
  EXPECT_FALSE(ui.live().post_to_topmost([](ModalWindow*) {}));
  open_dialog();
  std::promise<bool> read;
  auto answer = read.get_future();
  // Ends the dialog; the reading posted behind it finds no loop left.
  click_on_topmost(1);
  ui.live().post_to_topmost([read = std::make_shared<std::promise<bool>>(std::move(read))](ModalWindow* window) {
    read->set_value(window != nullptr);
  });
  EXPECT_EQ(logic.get(), 1);
  EXPECT_THROW(answer.get(), std::future_error);
  EXPECT_TRUE(ui.live().settled());
}

TEST_F(HeadlessLiveTest, MenuRoutinesRunOnTheWindowThread) {
  std::promise<std::thread::id> ran;
  ui.add_menu("Test");
  ui.add_menu_item("Run", "TEST_RUN", [&ran] { ran.set_value(std::this_thread::get_id()); }, true);
  ui.live().post_to_window([this] { ui.user_choose_menu("Test", "Run"); });
  const auto window_thread = ran.get_future().get();
  EXPECT_NE(window_thread, std::this_thread::get_id());
  EXPECT_TRUE(eventually([this] { return ui.live().settled(); }));
}

}  // namespace
}  // namespace tarnex::ui
