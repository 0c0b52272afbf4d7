#include "platform/system_font.h"

#include <gtest/gtest.h>

namespace burrowly {
namespace {

TEST(SystemFont, CandidatesFollowWindowsFolder) {
  EXPECT_EQ(ui_font_candidates(std::nullopt),
            (std::vector<std::string>{"C:/Windows/Fonts/segoeui.ttf", "C:/Windows/Fonts/arial.ttf"}));
  EXPECT_EQ(ui_font_candidates(std::string("D:/Win")).front(), "D:/Win/Fonts/segoeui.ttf");
}

}  // namespace
}  // namespace burrowly
