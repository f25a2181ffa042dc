#include <gtest/gtest.h>

#include "test_templates.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::ui {
namespace {

struct Fired {
  int control;
  Event event;
  bool operator==(const Fired&) const = default;
};

class HeadlessDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.templates().add(test::kEveryKindTemplate);
    dialog = ui.make_dialog(test::kEveryKindDialog);
    ASSERT_TRUE(dialog);
    for (int id : {102, 103, 106, 108, 110, 114, 115, 116, 117}) {
      for (Event e : {Event::Click, Event::SelectionChange, Event::EditChange, Event::FocusGain, Event::ScrollChange}) {
        dialog->set_callback(id, e, [this](Dialog&, int control, Event event) { fired.push_back({control, event}); });
      }
    }
  }
  HeadlessDialog& user() { return static_cast<HeadlessDialog&>(*dialog); }

  HeadlessUi ui;
  std::unique_ptr<Dialog> dialog;
  std::vector<Fired> fired;
};

TEST_F(HeadlessDialogTest, MissingTemplateGivesNoDialog) { EXPECT_EQ(ui.make_dialog(4242), nullptr); }

TEST_F(HeadlessDialogTest, ProgrammaticChangesFireNothing) {
  dialog->set_text(102, "text");
  dialog->set_text(103, "a\nb");
  dialog->set_checked(108, true);
  dialog->set_checked(110, true);
  dialog->set_selected(114, 2);
  dialog->set_text(115, "GREEN");
  dialog->set_item_count(116, 5);
  dialog->set_selected(116, 1);
  dialog->set_scroll_range(117, 1, 129);
  dialog->set_scroll_position(117, 40);
  EXPECT_TRUE(fired.empty());
  EXPECT_EQ(dialog->text(114), "TWO");
  EXPECT_EQ(dialog->scroll_position(117), 40);
}

TEST_F(HeadlessDialogTest, UserActionsFireTheirCallbacks) {
  user().user_type(102, "BASIN");
  user().user_click(108);
  user().user_choose(116, "beta");
  user().user_scroll(117, 3);
  const std::vector<Fired> expected = {{102, Event::FocusGain},
                                       {102, Event::EditChange},
                                       {108, Event::Click},
                                       {116, Event::SelectionChange},
                                       {117, Event::ScrollChange}};
  EXPECT_EQ(fired, expected);
  EXPECT_EQ(dialog->text(102), "BASIN");
  EXPECT_TRUE(dialog->checked(108));
  EXPECT_EQ(dialog->selected(116), 2);
}

TEST_F(HeadlessDialogTest, RadioButtonsAreExclusiveWithinTheirGroupOnly) {
  user().user_click(110);
  user().user_click(112);
  user().user_click(111);
  EXPECT_FALSE(dialog->checked(110));
  EXPECT_TRUE(dialog->checked(111));
  EXPECT_TRUE(dialog->checked(112));
}

TEST_F(HeadlessDialogTest, TypingRespectsTheLimitButTheProgramDoesNot) {
  dialog->set_text_limit(102, 4);
  user().user_type(102, "ABCDEFG");
  EXPECT_EQ(dialog->text(102), "ABCD");
  dialog->set_text(102, "ABCDEFG");
  EXPECT_EQ(dialog->text(102), "ABCDEFG");
}

TEST_F(HeadlessDialogTest, ActionsOnMissingDisabledOrHiddenControlsFail) {
  dialog->set_enabled(108, false);
  EXPECT_THROW(user().user_click(108), UserActionError);
  EXPECT_THROW(user().user_click(999), UserActionError);
  EXPECT_THROW(user().user_type(105, "x"), UserActionError);
  EXPECT_THROW(user().user_type(104, "x"), UserActionError);
  EXPECT_THROW(user().user_choose(114, "THREE"), UserActionError);
  EXPECT_TRUE(fired.empty());
}

TEST_F(HeadlessDialogTest, ModalRunEndsWithTheButtonThatEndedIt) {
  std::vector<Event> lifecycle;
  dialog->set_callback(test::kEveryKindDialog, Event::DialogInit,
                       [&](Dialog&, int, Event event) { lifecycle.push_back(event); });
  ui.on_modal(test::kEveryKindDialog, [](HeadlessDialog& d) { d.user_click(107); });
  EXPECT_EQ(dialog->run_modal(), 107);
  EXPECT_EQ(lifecycle, (std::vector<Event>{Event::DialogInit, Event::DialogClose}));

  dialog->set_callback(106, Event::Click, [](Dialog& d, int, Event) { d.end(kOk); });
  ui.on_modal(test::kEveryKindDialog, [](HeadlessDialog& d) { d.user_click(106); });
  EXPECT_EQ(dialog->run_modal(), kOk);

  EXPECT_EQ(dialog->run_modal(), kCancel);  // nobody plays it: closed as cancelled
}

TEST_F(HeadlessDialogTest, FocusFiresOnlyWhenItMoves) {
  user().user_focus(102);
  user().user_focus(102);
  user().user_focus(103);
  EXPECT_EQ(fired, (std::vector<Fired>{{102, Event::FocusGain}, {103, Event::FocusGain}}));
}

}  // namespace
}  // namespace tarnex::ui
