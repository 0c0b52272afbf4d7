#include "render/composer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace burrowly {
namespace {

// A 6x4 sheet; the frame (0, 0, 3, 2) has its anchor at column 1, ground row 2.
// Columns: 0 green, 1 red (the anchor column), 2 blue. Row 3 holds a white
// blink patch in the plain copy only.
struct Fixture {
  std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(6 * 4 * 4, 0);
  std::vector<std::uint8_t> plain;
  SizeAtlas atlas;
  Fixture() {
    for (int y = 0; y < 2; ++y) {
      set(pixels, 0, y, 0, 255, 0);
      set(pixels, 1, y, 255, 0, 0);
      set(pixels, 2, y, 0, 0, 255);
    }
    plain = pixels;
    set(plain, 4, 3, 255, 255, 255);
    atlas.scale = 1;
    atlas.sit = 30;
  }
  static void set(std::vector<std::uint8_t>& px, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::uint8_t* p = px.data() + (y * 6 + x) * 4;
    p[0] = r, p[1] = g, p[2] = b, p[3] = 255;
  }
  PetRenderInput figure(float x, float y) const {
    PetRenderInput f;
    f.pixels = {pixels.data(), 6, 4};
    f.plain_pixels = {plain.data(), 6, 4};
    f.atlas = &atlas;
    f.frame.r = {0, 0, 3, 2};
    f.frame.ax = 1;
    f.frame.gy = 2;
    f.frame.paw = 9.8f;
    f.x = x, f.y = y;
    return f;
  }
};

const std::uint8_t* at(const Pixmap& p, int x, int y) { return p.data() + (std::size_t(y) * p.width() + x) * 4; }

Pixmap render(const std::vector<PetRenderInput>& figures) {
  Pixmap p = *Pixmap::create(200, 20);
  p.fill(0xFFFFFFFF);  // rendering starts from a cleared pixmap
  render_pet(p, figures, std::nullopt, {}, Font(), 1);
  return p;
}

TEST(Composer, AnchorColumnSnapsToRoundedXUnderEveryTransform) {
  Fixture fx;
  Pixmap p = render({fx.figure(100.5f, 10)});
  EXPECT_EQ(at(p, 101, 9)[0], 255) << "anchor column at round(100.5) = 101";
  EXPECT_EQ(at(p, 100, 9)[1], 255);
  EXPECT_EQ(at(p, 102, 9)[2], 255);
  EXPECT_EQ(at(p, 101, 8)[3], 255);
  EXPECT_EQ(at(p, 101, 7)[3], 0);
  EXPECT_EQ(at(p, 101, 10)[3], 0) << "the ground row rests on y";
  EXPECT_EQ(at(p, 0, 0)[3], 0) << "pixmap cleared first";

  SizeAtlas large = fx.atlas;
  large.scale = 107.0f / 82;
  PetRenderInput big = fx.figure(100.5f, 10);
  big.atlas = &large;
  big.y = 10.4f;
  float ax = 1, gy = 2;
  place_sprite(big).apply(ax, gy);
  EXPECT_FLOAT_EQ(ax, 101) << "a scaled pet's anchor lands on a whole pixel too";
  EXPECT_FLOAT_EQ(gy, 10);
}

TEST(Composer, FacingLeftMirrorsAboutTheAnchor) {
  Fixture fx;
  PetRenderInput f = fx.figure(100, 10);
  f.facing = -1;
  Pixmap p = render({f});
  // Green (left of the anchor) now lies right of x, blue left of it.
  EXPECT_EQ(at(p, 100, 9)[1], 255);
  EXPECT_EQ(at(p, 99, 9)[0], 255);
  EXPECT_EQ(at(p, 98, 9)[2], 255);
}

TEST(Composer, BlinkPatchComesFromThePlainCopy) {
  Fixture fx;
  PetRenderInput f = fx.figure(100, 10);
  f.frame.bl = std::array<std::int32_t, 6>{4, 3, 1, 1, 2, 0};  // plain (4, 3) onto frame-local (2, 0)
  f.blink = true;
  Pixmap p = render({f});
  const std::uint8_t* patched = at(p, 101, 8);
  EXPECT_EQ(patched[0], 255);
  EXPECT_EQ(patched[1], 255) << "white from plain_pixels, not the blue of pixels";
  f.blink = false;
  EXPECT_EQ(at(render({f}), 101, 8)[1], 0);
  f.blink = true;
  f.frame.bl.reset();
  EXPECT_EQ(at(render({f}), 101, 8)[1], 0) << "no patch, no blink";
}

std::size_t painted(const Pixmap& p) {
  std::size_t n = 0;
  for (std::size_t i = 3; i < p.byte_size(); i += 4) n += p.data()[i] != 0;
  return n;
}

TEST(Composer, OutfitNeedsHatAnchorAndKnownKey) {
  Fixture fx;
  PetRenderInput f = fx.figure(100, 18);
  std::size_t bare = painted(render({f}));
  f.outfit = "crown";
  EXPECT_EQ(painted(render({f})), bare) << "no hat anchor";
  f.frame.hat = std::array<float, 4>{1, 0, 0, 1};
  Pixmap crowned = render({f});
  EXPECT_GT(painted(crowned), bare + 50);
  // The crown's gold sits just above the hat point (x 100, y 16), at k = 0.98.
  const std::uint8_t* gold = at(crowned, 100, 14);
  EXPECT_EQ(gold[0], 252);
  EXPECT_EQ(gold[1], 204);
  f.outfit = "none";
  EXPECT_EQ(painted(render({f})), bare);
  f.outfit = "tophat";
  EXPECT_EQ(painted(render({f})), bare);
}

TEST(Composer, OutfitFollowsMirroringAndTilt) {
  Fixture fx;
  PetRenderInput f = fx.figure(100, 18);
  f.frame.hat = std::array<float, 4>{2, 0, 90, 1};
  Transform sprite = place_sprite(f);
  // Quarter-turn tilt: outfit point (0, -10) (up) maps to the hat point + 9.8 px left.
  float x = 0, y = -10;
  outfit_transform(f, sprite)->apply(x, y);
  EXPECT_NEAR(x, 101 - 9.8f, 1e-3);
  EXPECT_NEAR(y, 16, 1e-3);
  f.facing = -1;
  x = 0, y = -10;
  outfit_transform(f, place_sprite(f))->apply(x, y);
  // The hat point is mirrored; the negated tilt and the negated x scale cancel, so
  // the outfit's top still leans to the left.
  EXPECT_NEAR(x, 99 - 9.8f, 1e-3);
  EXPECT_NEAR(y, 16, 1e-3);
}

TEST(Composer, BadFiguresDrawNothing) {
  Fixture fx;
  PetRenderInput empty = fx.figure(100, 10);
  empty.frame.r = {0, 0, 0, 2};
  PetRenderInput invisible = fx.figure(100, 10);
  invisible.opacity = 0;
  PetRenderInput nan = fx.figure(NAN, 10);
  PetRenderInput outside = fx.figure(100, 10);
  outside.frame.r = {500, 500, 40, 40};
  PetRenderInput no_sheet = fx.figure(100, 10);
  no_sheet.pixels = {};
  EXPECT_EQ(painted(render({empty, invisible, nan, outside, no_sheet})), 0u);
}

}  // namespace
}  // namespace burrowly
