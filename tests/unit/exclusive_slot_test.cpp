#include <gtest/gtest.h>

#include <string>

#include "shell/exclusive_slot.h"

namespace burrowly {
namespace {

TEST(ExclusiveSlot, IsEmptyUntilFilledAndAfterTaken) {
  ExclusiveSlot<std::string> slot;
  EXPECT_FALSE(slot.borrow());
  EXPECT_FALSE(slot.take());
  slot.put("state");
  EXPECT_EQ(*slot.borrow(), "state");
  std::optional<std::string> taken = slot.take();
  ASSERT_TRUE(taken);
  EXPECT_EQ(*taken, "state");
  EXPECT_FALSE(slot.borrow());
}

TEST(ExclusiveSlot, ASecondBorrowFindsNothingUntilTheFirstIsReturned) {
  ExclusiveSlot<int> slot;
  slot.put(1);
  {
    auto outer = slot.borrow();
    ASSERT_TRUE(outer);
    *outer = 2;
    EXPECT_FALSE(slot.borrow());  // a handler re-entered from a nested loop
    EXPECT_FALSE(slot.take());
  }
  auto again = slot.borrow();
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, 2);
}

TEST(ExclusiveSlot, AMovedBorrowReturnsTheStateOnce) {
  ExclusiveSlot<int> slot;
  slot.put(5);
  {
    auto first = slot.borrow();
    auto moved = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_TRUE(moved);
  }
  EXPECT_TRUE(slot.borrow());
}

}  // namespace
}  // namespace burrowly
