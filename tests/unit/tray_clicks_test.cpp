#include "shell/tray_clicks.h"

#include <gtest/gtest.h>

namespace burrowly {
namespace {

using A = TrayClickAction;

TEST(TrayClicks, ASingleLeftClickOpensTheMenuOnlyOnceTheDoubleClickTimeIsOver) {
  TrayClicks clicks;
  EXPECT_EQ(clicks.left_up(), A::start_wait);
  EXPECT_EQ(clicks.wait_over(), A::open_menu);
  EXPECT_EQ(clicks.wait_over(), A::none) << "the menu opens once";
  EXPECT_EQ(clicks.left_up(), A::start_wait) << "the next click starts afresh";
}

TEST(TrayClicks, ADoubleClickThrowsTheToyAndOpensNoMenu) {
  TrayClicks clicks;
  // Windows sends button-up, double-click, button-up; only the button-ups count.
  EXPECT_EQ(clicks.left_up(), A::start_wait);
  EXPECT_EQ(clicks.left_up(), A::throw_toy);
  EXPECT_EQ(clicks.wait_over(), A::none);
  EXPECT_EQ(clicks.left_up(), A::start_wait) << "a later single click is a single click again";
  EXPECT_EQ(clicks.wait_over(), A::open_menu);
}

TEST(TrayClicks, TheRightButtonOpensTheMenuAtOnceAndDropsAPendingLeftClick) {
  TrayClicks clicks;
  EXPECT_EQ(clicks.right_up(), A::open_menu);
  EXPECT_EQ(clicks.left_up(), A::start_wait);
  EXPECT_EQ(clicks.right_up(), A::open_menu);
  EXPECT_EQ(clicks.wait_over(), A::none) << "the menu does not open a second time";
  EXPECT_EQ(clicks.left_up(), A::start_wait);
}

}  // namespace
}  // namespace burrowly
