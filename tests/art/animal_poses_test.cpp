// The generated frames read back through the runtime's atlas parser and PNG decoder,
// checked for what a viewer sees: feet on the ground line, hats on heads, blink patches
// that close the eyes, a butterfly that shows its wings, and clips that act.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "assets/atlas.h"
#include "assets/catalogue.h"
#include "assets/png_decode.h"

namespace {

struct Sheet {
  burrowly::AtlasRoot atlas;
  burrowly::DecodedImage image;
  const std::vector<burrowly::FrameRaw>& frames() const { return atlas.sizes.at("M").frames; }
};

// The embedded art set, read once per species.
const Sheet& sheet(const std::string& species) {
  static std::map<std::string, Sheet> cache;
  auto it = cache.find(species);
  if (it != cache.end()) return it->second;
  Sheet s;
  auto parsed = burrowly::parse_atlas(burrowly::atlas_text(species));
  EXPECT_TRUE(parsed.root) << parsed.error;
  if (parsed.root) s.atlas = *parsed.root;
  auto decoded = burrowly::decode_png(burrowly::sheet_png(species, "black"));
  EXPECT_TRUE(decoded.image) << decoded.error;
  if (decoded.image) s.image = *decoded.image;
  return cache.emplace(species, std::move(s)).first->second;
}

const burrowly::FrameRaw& frame(const Sheet& s, const std::string& clip, std::uint64_t i) {
  for (const auto& f : s.frames())
    if (f.n == clip && f.i == i) return f;
  throw std::runtime_error("no frame " + clip);
}

std::uint8_t alpha(const Sheet& s, const burrowly::FrameRaw& f, int x, int y) {
  return s.image.pixels[(std::size_t(f.r[1] + y) * s.image.width + f.r[0] + x) * 4 + 3];
}

// Opaque extent of a frame, in frame coordinates.
struct Box {
  int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
  int width() const { return x1 - x0 + 1; }
  int height() const { return y1 - y0 + 1; }
};

Box opaque_box(const Sheet& s, const burrowly::FrameRaw& f) {
  Box b;
  for (int y = 0; y < f.r[3]; ++y)
    for (int x = 0; x < f.r[2]; ++x)
      if (alpha(s, f, x, y)) b.x0 = std::min(b.x0, x), b.x1 = std::max(b.x1, x), b.y0 = std::min(b.y0, y),
                             b.y1 = std::max(b.y1, y);
  return b;
}

// Pixels that differ between two frames placed on the same ground row (frames start
// just above their drawing, so their heights differ).
int differing_pixels(const Sheet& s, const burrowly::FrameRaw& a, const burrowly::FrameRaw& b) {
  const std::uint8_t clear[4] = {0, 0, 0, 0};
  auto at = [&](const burrowly::FrameRaw& f, int x, int row) {
    const int y = f.gy + row;
    if (x >= f.r[2] || y < 0 || y >= f.r[3]) return clear;
    return &s.image.pixels[(std::size_t(f.r[1] + y) * s.image.width + f.r[0] + x) * 4];
  };
  int n = 0;
  for (int row = -std::max(a.gy, b.gy); row < std::max(a.r[3] - a.gy, b.r[3] - b.gy); ++row)
    for (int x = 0; x < std::max(a.r[2], b.r[2]); ++x) {
      const std::uint8_t *pa = at(a, x, row), *pb = at(b, x, row);
      if (!std::equal(pa, pa + 4, pb)) ++n;
    }
  return n;
}

// The animals drawn by the bird, round-rodent, upright, reptile, frog and critter rigs.
const std::vector<std::string> kSmallAnimals = {
    "rabbit", "hamster", "guineapig", "chinchilla", "hedgehog", "parrot", "turtle", "panda", "crocodile",
    "koala", "kangaroo", "monkey", "pelican", "flamingo", "owl", "penguin", "duck", "butterfly", "frog",
    "ladybug", "tarantula"};

// Clips in which the animal stands, sits or lies on the lane.
const std::vector<std::string> kGroundedClips = {"sit", "front", "look", "crouch", "tuck", "sleep", "curlsleep",
                                                 "lie", "eat", "groom", "pant", "hpant", "wipe", "flat",
                                                 "swat", "yawn", "lick", "stretch", "box"};

TEST(AnimalPoses, GroundedClipsRestOnTheGroundLine) {
  for (const std::string& species : kSmallAnimals) {
    const Sheet& s = sheet(species);
    for (const std::string& clip : kGroundedClips) {
      for (const auto& f : s.frames()) {
        if (f.n != clip) continue;
        const Box b = opaque_box(s, f);
        // Feet (or belly, or the box) end on the row above gy; the outline may take gy itself.
        EXPECT_GE(b.y1, f.gy - 1) << species << " " << clip << " " << f.i << " floats by " << f.gy - b.y1;
        EXPECT_LE(b.y1, f.gy) << species << " " << clip << " " << f.i << " sinks by " << b.y1 - f.gy;
      }
    }
  }
}

TEST(AnimalPoses, HatsSitOnTheFigure) {
  for (const std::string& species : kSmallAnimals) {
    const Sheet& s = sheet(species);
    for (const auto& f : s.frames()) {
      if (!f.hat) continue;
      const int hx = int((*f.hat)[0]), hy = int((*f.hat)[1]);
      bool touches = false;
      for (int y = std::max(0, hy - 2); y <= std::min(f.r[3] - 1, hy + 3); ++y)
        for (int x = std::max(0, hx - 2); x <= std::min(f.r[2] - 1, hx + 2); ++x) touches |= alpha(s, f, x, y) != 0;
      EXPECT_TRUE(touches) << species << " " << f.n << " " << f.i;
    }
  }
}

TEST(AnimalPoses, BlinkPatchesChangeTheEyes) {
  for (const std::string& species : kSmallAnimals) {
    const Sheet& s = sheet(species);
    for (const auto& f : s.frames()) {
      if (!f.bl) continue;
      const auto& bl = *f.bl;
      int changed = 0;
      for (int y = 0; y < bl[3]; ++y)
        for (int x = 0; x < bl[2]; ++x) {
          const std::uint8_t* patch = &s.image.pixels[(std::size_t(bl[1] + y) * s.image.width + bl[0] + x) * 4];
          const std::uint8_t* open =
              &s.image.pixels[(std::size_t(f.r[1] + bl[5] + y) * s.image.width + f.r[0] + bl[4] + x) * 4];
          if (!std::equal(patch, patch + 4, open)) ++changed;
        }
      EXPECT_GE(changed, 2) << species << " " << f.n << " " << f.i << ": the patch leaves the eyes open";
    }
  }
}

TEST(AnimalPoses, ClipsNeedingAMammalBodyStillAct) {
  // Each of these clips must look different from sitting still, whatever the body.
  for (const std::string& species : kSmallAnimals) {
    const Sheet& s = sheet(species);
    const auto& sit = frame(s, "sit", 0);
    for (const char* clip : {"pant", "hpant", "flat", "wipe", "box", "climb", "swat", "groom", "eat"}) {
      int most = 0;
      for (const auto& f : s.frames())
        if (f.n == clip) most = std::max(most, differing_pixels(s, sit, f));
      EXPECT_GE(most, 40) << species << " " << clip << " looks like sitting";
    }
  }
}

TEST(AnimalPoses, InTheBoxTheHeadShowsOverTheRim) {
  for (const std::string& species : kSmallAnimals) {
    const Sheet& s = sheet(species);
    for (const auto& f : s.frames()) {
      if (f.n != "box") continue;
      // Above the box and its open back (25 rows up), between the flaps.
      int shown = 0;
      for (int y = 0; y < f.gy - 25; ++y)
        for (int x = f.ax - 15; x <= f.ax + 15; ++x) shown += alpha(s, f, x, y) != 0;
      EXPECT_GE(shown, 20) << species << " " << f.i << " hides in the box";
    }
  }
}

TEST(AnimalPoses, LeapsStayInsideTheFrame) {
  for (const std::string& species : kSmallAnimals) {
    const Sheet& s = sheet(species);
    for (const auto& f : s.frames()) {
      if (f.n != "leap" && f.n != "jump" && f.n != "jumpup" && f.n != "cheer" && f.n != "hang") continue;
      EXPECT_GT(opaque_box(s, f).y0, 0) << species << " " << f.n << " " << f.i << " is cut off at the top";
    }
  }
}

TEST(AnimalPoses, ButterflyShowsBothOpenWings) {
  const Sheet& s = sheet("butterfly");
  for (const char* clip : {"sit", "front", "sleep", "eat", "pet"}) {
    const auto& f = frame(s, clip, 0);
    const Box b = opaque_box(s, f);
    EXPECT_GT(b.width(), b.height()) << clip << ": wings folded";
    // Wings on both sides of the body: about as much of it left of the anchor as right.
    int left = 0, right = 0;
    for (int y = 0; y < f.r[3]; ++y)
      for (int x = 0; x < f.r[2]; ++x)
        if (alpha(s, f, x, y)) (x < f.ax ? left : right)++;
    EXPECT_GT(left, right * 2 / 3) << clip;
    EXPECT_GT(right, left * 2 / 3) << clip;
  }
}

TEST(AnimalPoses, ButterflyFlutterLeavesTheGroundAndBeats) {
  const Sheet& s = sheet("butterfly");
  int narrowest = 1 << 20, widest = 0;
  for (const auto& f : s.frames()) {
    if (f.n != "walk") continue;
    const Box b = opaque_box(s, f);
    EXPECT_LT(b.y1, f.gy - 2) << f.i;
    narrowest = std::min(narrowest, b.width()), widest = std::max(widest, b.width());
  }
  EXPECT_GE(widest - narrowest, 8);  // the wings beat
}

}  // namespace
