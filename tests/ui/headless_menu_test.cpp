// The headless menu bar: items are found by the routine bound to them, and a
// name bound to no item, or to two, is refused rather than ignored.

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/headless/headless_ui.h"

namespace tarnex::ui {
namespace {

class HeadlessMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.add_menu("First");
    ui.add_menu_item("One", "ONE", [this] { ++chosen; }, true);
    ui.add_menu_separator();
    ui.add_menu_item("Two", "TWO", nullptr, false);
    ui.add_menu("Second");
    ui.add_menu_item("Three", "THREE", nullptr, true);
  }
  HeadlessUi ui;
  int chosen = 0;
};

TEST_F(HeadlessMenuTest, ItemsAreFoundByTheirRoutineWhereverTheyAre) {
  EXPECT_TRUE(ui.menu_item_enabled("ONE"));
  EXPECT_FALSE(ui.menu_item_enabled("TWO"));
  ui.set_menu_item_enabled("ONE", false);
  ui.set_menu_item_enabled("TWO", true);
  ui.set_menu_item_enabled("THREE", false);
  EXPECT_FALSE(ui.menu_item_enabled("ONE"));
  EXPECT_TRUE(ui.menu_item_enabled("TWO"));
  EXPECT_FALSE(ui.menu_item_enabled("THREE"));
  EXPECT_FALSE(ui.user_choose_menu("First", "One"));
  ui.set_menu_item_enabled("ONE", true);
  EXPECT_TRUE(ui.user_choose_menu("First", "One"));
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(ui.menus()[0].items[2].routine_name, "TWO");
}

TEST_F(HeadlessMenuTest, UnknownOrRepeatedRoutinesAreRefused) {
  EXPECT_THROW(ui.set_menu_item_enabled("FOUR", true), std::invalid_argument);
  EXPECT_THROW(ui.menu_item_enabled("FOUR"), std::invalid_argument);
  EXPECT_THROW(ui.menu_item_enabled(""), std::invalid_argument);
  EXPECT_THROW(ui.add_menu_item("Again", "ONE", nullptr, true), std::invalid_argument);
  EXPECT_THROW(ui.add_menu_item("Nameless", "", nullptr, true), std::invalid_argument);
  EXPECT_EQ(ui.menus()[1].items.size(), 1u);
}

}  // namespace
}  // namespace tarnex::ui
