#include <gtest/gtest.h>

#include <vector>

#include "shell/frame_plan.h"
#include "shell/pixel_convert.h"
#include "shell/tray_tooltip.h"

namespace burrowly {
namespace {

using A = OverlayAction;

TEST(FramePlan, FrameTimeIsKeptBetween5And100Milliseconds) {
  EXPECT_DOUBLE_EQ(frame_seconds(10.0, 10.033), 10.033 - 10.0);
  EXPECT_DOUBLE_EQ(frame_seconds(10.0, 10.001), 0.005);
  EXPECT_DOUBLE_EQ(frame_seconds(10.0, 3610.0), 0.1);  // after the machine slept
  EXPECT_DOUBLE_EQ(frame_seconds(10.0, 9.0), 0.005);   // a clock that stepped back
}

TEST(FramePlan, TopmostIsReassertedEveryOneAndAHalfSeconds) {
  double acc = 0;
  int due = 0, ticks = 0;
  for (; ticks < 90; ++ticks) due += topmost_due(acc, 0.05);  // 4.5 s
  EXPECT_EQ(due, 3);
  acc = 1.4;
  EXPECT_FALSE(topmost_due(acc, 0.05));
  EXPECT_TRUE(topmost_due(acc, 0.05));
  EXPECT_EQ(acc, 0);
}

std::vector<MonitorInfo> two_monitors() {
  MonitorInfo left, right;
  left.x = -1280, left.width = 1280, left.primary = false;
  right.x = 0, right.primary = true;
  return {left, right};
}

TEST(FramePlan, OnlyThePetsMonitorIsDrawnOutsideNotchMode) {
  std::vector<MonitorInfo> ms = two_monitors();
  EXPECT_EQ(plan_overlays(ms, 2, {.pet_monitor = 0}), (std::vector<A>{A::draw, A::clear}));
  EXPECT_EQ(plan_overlays(ms, 2, {.pet_monitor = 1, .topmost_due = true}), (std::vector<A>{A::clear, A::draw_and_reassert}));
  EXPECT_EQ(plan_overlays(ms, 2, {.pet_monitor = 1, .pet_hidden = true}), (std::vector<A>{A::clear, A::clear}));
}

TEST(FramePlan, NotchModeAlsoDrawsThePrimaryMonitorsIsland) {
  std::vector<MonitorInfo> ms = two_monitors();
  EXPECT_EQ(plan_overlays(ms, 2, {.pet_monitor = 0, .notch_mode = true, .topmost_due = true}),
            (std::vector<A>{A::draw_and_reassert, A::draw}));
  ms[1].blocked = true;
  EXPECT_EQ(plan_overlays(ms, 2, {.pet_monitor = 0, .notch_mode = true}), (std::vector<A>{A::draw, A::clear}));
}

TEST(FramePlan, ACoveredMonitorIsClearedAndNeverReasserted) {
  std::vector<MonitorInfo> ms = two_monitors();
  ms[0].blocked = true;
  FrameState frame{.pet_monitor = 0, .topmost_due = true};
  EXPECT_EQ(plan_overlays(ms, 2, frame), (std::vector<A>{A::clear, A::clear}));
  EXPECT_FALSE(reassert_only(ms, 2, frame));
  ms[0].blocked = false;
  EXPECT_TRUE(reassert_only(ms, 2, frame));
  EXPECT_FALSE(reassert_only(ms, 0, frame));  // no overlay for the pet's monitor
  EXPECT_FALSE(reassert_only(ms, 2, {.pet_monitor = 0, .topmost_due = false}));
}

TEST(FramePlan, OverlaysWithoutAMonitorRecordCountAsUncoveredAndNotPrimary) {
  std::vector<MonitorInfo> one{MonitorInfo{}};
  EXPECT_EQ(plan_overlays(one, 2, {.pet_monitor = 1, .notch_mode = true}), (std::vector<A>{A::draw, A::draw}));
  EXPECT_EQ(plan_overlays(one, 2, {.pet_monitor = 0, .notch_mode = true}), (std::vector<A>{A::draw, A::clear}));
}

TEST(PixelConvert, SwapsRedAndBlueAndKeepsPremultipliedAlpha) {
  const std::uint8_t rgba[8] = {200, 100, 50, 255, 64, 32, 0, 128};
  std::uint8_t bgra[8] = {};
  rgba_to_bgra(rgba, bgra, 2);
  const std::uint8_t expected[8] = {50, 100, 200, 255, 0, 32, 64, 128};
  EXPECT_TRUE(std::equal(bgra, bgra + 8, expected));

  // A long odd-length run goes through the block path and the tail alike.
  std::vector<std::uint8_t> many(4 * 1001), out(many.size());
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = std::uint8_t(i * 37 + i / 4);
  rgba_to_bgra(many.data(), out.data(), 1001);
  for (std::size_t p = 0; p < 1001; ++p) {
    const std::uint8_t* in = &many[p * 4];
    const std::uint8_t want[4] = {in[2], in[1], in[0], in[3]};
    ASSERT_TRUE(std::equal(want, want + 4, &out[p * 4])) << "pixel " << p;
  }
}

TEST(TrayTooltip, NamesThePetAndTheProfileAndIsCutTo127Units) {
  EXPECT_EQ(tray_tooltip("Бублик", "Оля"), u"Burrowly — Бублик [Оля]");
  std::u16string longer = tray_tooltip(std::string(200, 'x'), "p");
  EXPECT_EQ(longer.size(), 127u);
  EXPECT_EQ(longer.substr(0, 11), u"Burrowly — ");
  EXPECT_EQ(tray_tooltip(std::string(116, 'x'), "").size(), 127u);  // 11 + 116 + 3 = 130
  EXPECT_EQ(tray_tooltip(std::string(113, 'x'), "").size(), 127u);  // exactly 127, nothing lost
  EXPECT_EQ(tray_tooltip(std::string(113, 'x'), "").back(), u']');
}

TEST(TrayTooltip, AmpersandsAreDoubledSoTheTooltipShowsThemAndNeverCutInHalf) {
  EXPECT_EQ(tray_tooltip("Rudy & Żaba", "Dom&Praca"), u"Burrowly — Rudy && Żaba [Dom&&Praca]");
  // 11 + 115 letters leave one unit: too few for a whole "&&", so none of it stays.
  std::u16string cut = tray_tooltip(std::string(115, 'x') + "&y", "");
  EXPECT_EQ(cut.size(), 126u);
  EXPECT_EQ(cut.back(), u'x');
  // Nor is a letter outside the Basic Multilingual Plane cut in half.
  std::u16string emoji = tray_tooltip(std::string(115, 'x') + "\U0001F436", "");
  EXPECT_EQ(emoji.size(), 126u);
  EXPECT_EQ(emoji.back(), u'x');
}

}  // namespace
}  // namespace burrowly
