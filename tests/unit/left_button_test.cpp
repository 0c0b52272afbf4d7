#include "shell/left_button.h"

#include <gtest/gtest.h>

namespace burrowly {
namespace {

// Frame by frame: what the frame reads (down now, went down since the last reading)
// and how many presses the frames report in all.
struct Frames {
  bool was_down = false;
  int presses = 0;
  bool down = false;
  void read(bool down_now, bool went_down) {
    LeftButtonFrame frame = left_button_frame(down_now, went_down, was_down);
    presses += frame.pressed;
    down = frame.down;
  }
};

TEST(LeftButton, AClickShorterThanAFrameCountsOnce) {
  Frames f;
  f.read(false, true);  // down and up again between two frames
  EXPECT_EQ(f.presses, 1);
  EXPECT_FALSE(f.down);
  f.read(false, false);
  EXPECT_EQ(f.presses, 1);
}

TEST(LeftButton, AHeldButtonCountsOnceWhileItStaysDown) {
  Frames f;
  f.read(true, true);
  f.read(true, false);
  f.read(true, false);
  EXPECT_EQ(f.presses, 1);
  EXPECT_TRUE(f.down);
  f.read(false, false);
  f.read(true, true);
  EXPECT_EQ(f.presses, 2) << "released and pressed again";
}

TEST(LeftButton, APressStillCountsWhenAnotherProgramTookItsReport) {
  Frames f;
  f.read(true, false);
  f.read(true, false);
  EXPECT_EQ(f.presses, 1);
}

}  // namespace
}  // namespace burrowly
