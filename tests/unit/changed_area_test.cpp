#include "shell/changed_area.h"

#include <gtest/gtest.h>

#include <vector>

namespace burrowly {
namespace {

struct Frames {
  std::uint32_t width, height;
  std::vector<std::uint8_t> before = std::vector<std::uint8_t>(std::size_t(width) * height * 4, 0);
  std::vector<std::uint8_t> after = before;

  void touch(std::uint32_t x, std::uint32_t y, int channel = 3) { after[(std::size_t(y) * width + x) * 4 + channel] ^= 1; }
  std::optional<PixelBox> area() const { return changed_area(before.data(), after.data(), width, height); }
};

TEST(ChangedArea, EqualFramesChangeNothing) {
  Frames f{7, 5};
  EXPECT_EQ(f.area(), std::nullopt);
}

TEST(ChangedArea, OnePixelInAnyChannelIsABoxOfOne) {
  for (int channel = 0; channel < 4; ++channel) {
    Frames f{7, 5};
    f.touch(3, 2, channel);
    EXPECT_EQ(f.area(), (PixelBox{3, 2, 1, 1})) << "channel " << channel;
  }
}

TEST(ChangedArea, TheBoxSpansThePixelsFurthestApart) {
  Frames f{20, 10};
  f.touch(15, 1);
  f.touch(4, 6);  // further left, lower
  f.touch(9, 3);  // inside the box already
  EXPECT_EQ(f.area(), (PixelBox{4, 1, 12, 6}));

  Frames corners{20, 10};
  corners.touch(0, 9);
  corners.touch(19, 0);
  EXPECT_EQ(corners.area(), (PixelBox{0, 0, 20, 10}));
}

TEST(ChangedArea, ARowOfChangesFurtherRightOnALaterRowWidensTheBox) {
  Frames f{16, 4};
  f.touch(2, 0);
  f.touch(3, 1);
  f.touch(12, 3);
  EXPECT_EQ(f.area(), (PixelBox{2, 0, 11, 4}));
}

}  // namespace
}  // namespace burrowly
