#include "render/effects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace burrowly {
namespace {

const Font& ui_font() {
  static Font font = embedded_ui_font();
  return font;
}

Pixmap blank() { return *Pixmap::create(120, 120); }

bool same(const Pixmap& a, const Pixmap& b) {
  return std::equal(a.data(), a.data() + a.byte_size(), b.data());
}

bool empty(const Pixmap& p) {
  for (std::size_t i = 3; i < p.byte_size(); i += 4)
    if (p.data()[i]) return false;
  return true;
}

TEST(Effects, ParticleRisesDriftsAndFades) {
  Particle p{effect::heart, 50, 80, 10, 0, 2};
  for (float u : {1.0f, 2.0f}) {
    ParticleState start = particle_state(p, u);
    EXPECT_FLOAT_EQ(start.px, 50);
    EXPECT_FLOAT_EQ(start.py, 80);
    EXPECT_FLOAT_EQ(start.fade, 1);
    p.age = 1;
    ParticleState mid = particle_state(p, u);
    EXPECT_FLOAT_EQ(mid.px, 50 + 5 * u);
    EXPECT_FLOAT_EQ(mid.py, 80 - 12 * u);
    EXPECT_NEAR(mid.fade, 0.7f, 1e-6);
    p.age = 2;
    EXPECT_FLOAT_EQ(particle_state(p, u).fade, 0);
    p.age = 0;
  }
  EXPECT_NEAR(particle_state({0x110001, 0, 0, 0, 2.0f / 7, 1}, 1).fade, 1, 1e-6);
  EXPECT_EQ(particle_state({0x110001, 0, 0, 0, 1, 0}, 1).fade, 0) << "a zero life is over";
}

TEST(Effects, ParticlesChangeThePictureInAFewStepsOnWholePixels) {
  for (std::uint32_t kind : {effect::sleep_z, effect::heart, effect::sparkle, effect::note}) {
    std::vector<Pixmap> frames;
    for (int i = 0; i <= 60; ++i) {  // 2 s of a 1.8 s particle at 30 frames a second
      frames.push_back(blank());
      draw_particle(frames.back(), ui_font(), {kind, 60.3f, 80.6f, 6, i / 30.0f, 1.8f}, Language::en, 1);
    }
    int changes = 0;
    for (std::size_t i = 1; i < frames.size(); ++i) changes += !same(frames[i - 1], frames[i]);
    EXPECT_GE(changes, 4) << kind << ": it moves and fades";
    EXPECT_LE(changes, 9) << kind << ": but not on every frame";
    EXPECT_TRUE(empty(frames.back())) << kind;
  }
  // A fraction of a pixel further draws the very same pixels.
  Pixmap here = blank(), there = blank();
  draw_particle(here, ui_font(), {effect::heart, 60.1f, 60.2f, 0, 0, 1}, Language::en, 1);
  draw_particle(there, ui_font(), {effect::heart, 59.9f, 59.8f, 0, 0, 1}, Language::en, 1);
  EXPECT_TRUE(same(here, there));
}

TEST(Effects, FinishedParticlesDrawNothingAndLiveOnesDraw) {
  for (std::uint32_t kind : {0x110000u, 0x110001u, 0x110002u, 0x110003u, 0x110005u, 0x110006u, 0x266Au}) {
    Pixmap done = blank(), live = blank();
    draw_particle(done, ui_font(), {kind, 60, 60, 0, 3, 3}, Language::en, 1);
    draw_particle(live, ui_font(), {kind, 60, 60, 0, 0, 3}, Language::en, 1);
    EXPECT_TRUE(empty(done)) << kind;
    EXPECT_FALSE(empty(live)) << kind;
  }
}

TEST(Effects, PurrWordFollowsLanguage) {
  Pixmap pl = blank(), en = blank(), text = blank();
  draw_particle(pl, ui_font(), {0x110002, 20, 60, 0, 0, 1}, Language::pl, 1);
  draw_particle(en, ui_font(), {0x110002, 20, 60, 0, 0, 1}, Language::en, 1);
  ui_font().draw_text(text, "mrr", 20, 60, 9.5f, pack_rgba(232, 91, 138, 235));
  EXPECT_TRUE(same(pl, text));
  EXPECT_FALSE(same(en, text));
}

TEST(Effects, GlyphKindDrawsTheCharacterInGlyphColour) {
  Pixmap a = blank(), text = blank();
  draw_particle(a, ui_font(), {0x41, 20, 60, 0, 0, 1}, Language::en, 1);
  ui_font().draw_text(text, "A", 20, 60, 12, pack_rgba(94, 152, 224, 240));
  EXPECT_TRUE(same(a, text));
  EXPECT_FALSE(empty(a));
}

TEST(Effects, HeartIsFilledInItsColourAroundItsPoint) {
  Pixmap p = blank();
  draw_particle(p, ui_font(), {0x110001, 60, 60, 0, 0, 1}, Language::en, 2);
  const std::uint8_t* centre = p.data() + (61 * 120 + 60) * 4;
  EXPECT_EQ(centre[0], 232);
  EXPECT_EQ(centre[3], 255);
  EXPECT_EQ(p.data()[(75 * 120 + 60) * 4 + 3], 0) << "nothing below the heart's tip";
}

TEST(Effects, ToysNeedOpacityAboveOnePercent) {
  for (int look = 0; look <= 6; ++look) {
    Pixmap faint = blank(), shown = blank();
    draw_toy(faint, {ToyKind(look), 60, 10, 0.3f, 0.01f, 0.2f}, 100, 1);
    draw_toy(shown, {ToyKind(look), 60, 10, 0.3f, 1, 0.2f}, 100, 1);
    EXPECT_TRUE(empty(faint)) << look;
    EXPECT_FALSE(empty(shown)) << look;
    // Centred at the ground line minus 6 minus the height.
    EXPECT_NE(shown.data()[(84 * 120 + 60) * 4 + 3], 0) << look;
    EXPECT_EQ(shown.data()[(100 * 120 + 60) * 4 + 3], 0) << look;
  }
  Pixmap ball = blank();
  draw_toy(ball, {ToyKind::yarn_ball, 60, 0, 0, 1, 0}, 100, 1);
  EXPECT_EQ(ball.data()[(94 * 120 + 58) * 4 + 0], 230);
}

// Every toy and prop, at every turn and with its wings up, lies within its reach of its
// centre and reaches nearly that far, drawn four times larger so pixels do not blur it.
TEST(Effects, ToysStayWithinTheirReach) {
  constexpr float kScale = 4, kCentreX = 60, kCentreY = 60;
  for (int look = 0; look <= 6; ++look) {
    const ToyReach reach = toy_reach(ToyKind(look));
    float side = 0, above = 0, below = 0;
    for (int turn = 0; turn < 16; ++turn) {
      Pixmap p = *Pixmap::create(120, 120);
      // Height 0 puts the centre 6 ui above the ground line.
      draw_toy(p, {ToyKind(look), kCentreX, 0, turn * 0.3927f, 1, 0.0413f}, kCentreY + 6 * kScale, kScale);
      for (std::uint32_t y = 0; y < p.height(); ++y)
        for (std::uint32_t x = 0; x < p.width(); ++x) {
          if (p.data()[(y * p.width() + x) * 4 + 3] == 0) continue;
          side = std::max({side, std::abs(float(x) - kCentreX), std::abs(float(x) + 1 - kCentreX)});
          above = std::max(above, kCentreY - float(y));
          below = std::max(below, float(y) + 1 - kCentreY);
        }
      if (ToyKind(look) == ToyKind::fly || ToyKind(look) == ToyKind::food_bowl) break;  // they do not turn
    }
    EXPECT_LE(side, reach.side * kScale + 1) << look;
    EXPECT_LE(above, reach.above * kScale + 1) << look;
    EXPECT_LE(below, reach.below * kScale + 1) << look;
    EXPECT_GE(std::max({side, above, below}), std::max({reach.side, reach.above, reach.below}) * kScale - 4) << look;
  }
}

// Counts the pixels whose straight colour passes the test, among those at least half opaque.
template <class Test>
std::size_t count_pixels(const Pixmap& p, Test test) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < p.byte_size(); i += 4) {
    const std::uint8_t* px = p.data() + i;
    if (px[3] < 128) continue;
    n += test(px[0] * 255 / px[3], px[1] * 255 / px[3], px[2] * 255 / px[3]);
  }
  return n;
}

TEST(Effects, SleepZHasALightRimAroundItsDarkLetter) {
  Pixmap p = blank();
  draw_particle(p, ui_font(), {effect::sleep_z, 50, 60, 0, 0, 2}, Language::en, 2);
  EXPECT_GT(count_pixels(p, [](int r, int g, int b) { return r + g + b < 200; }), 20u) << "the dark letter";
  EXPECT_GT(count_pixels(p, [](int r, int g, int b) { return r + g + b > 600; }), 20u)
      << "a light rim that shows on a dark wallpaper";
}

TEST(Effects, CarrotLeavesShowTheirGreen) {
  Pixmap p = blank();
  draw_toy(p, {ToyKind::carrot, 60, 0, 0, 1, 0}, 80, 4);
  const std::size_t green = count_pixels(p, [](int r, int g, int b) { return g > 150 && g > r + 40 && g > b + 40; });
  const std::size_t orange = count_pixels(p, [](int r, int g, int b) { return r > 200 && g > 100 && b < 90; });
  EXPECT_GT(green, orange / 4) << "leaves are green, not outline";
}

}  // namespace
}  // namespace burrowly
