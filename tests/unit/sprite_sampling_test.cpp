// The shipped art drawn walking and running (leaning, squashed, mirrored) at every
// pet size and at display scale 2 stays pixel art: every opaque pixel of the drawn
// sprite is one of its sheet's own colours, never a blend of neighbouring texels.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <unordered_set>

#include "render/snapshot_renderer.h"
#include "render/store_art.h"

namespace burrowly {
namespace {

std::unordered_set<std::uint32_t> opaque_colours(const ImageView& sheet) {
  std::unordered_set<std::uint32_t> colours;
  for (std::size_t y = 0; y < sheet.height; ++y)
    for (std::size_t x = 0; x < sheet.width; ++x)
      if ((sheet.word(x, y) >> 24) == 255) colours.insert(sheet.word(x, y));
  return colours;
}

struct Pose {
  const char* clip;
  float lean;     // radians, as the engine leans a walking (about 1 degree) or running pet
  float squash;   // scale_y; scale_x is its inverse
  float facing;
};

struct Tally {
  std::size_t opaque = 0, own = 0;
  std::uint32_t top = UINT32_MAX;  // the first row with an opaque pixel
  double share() const { return opaque ? double(own) / double(opaque) : 0; }
};

Tally draw_and_count(AssetStore& store, const std::string& species, const std::string& size, float display_scale,
                     const Pose& pose) {
  const FigureArtLookup lookup = store_art_lookup(store);
  const std::optional<FigureArt> art = lookup(species, size, "ginger");
  const std::unordered_set<std::uint32_t> colours = opaque_colours(art->pixels);
  DrawSnapshot s;
  s.habitat.ground_y = 300;
  s.display_scale = display_scale;
  s.size = size;
  FigureSnapshot f;
  f.species = species;
  f.coat = "ginger";
  f.clip = pose.clip;
  f.frame = 3;
  f.x = 200.37f;
  f.bob = 0.4f;
  f.facing = pose.facing;
  f.rotation = pose.lean;
  f.scale_y = pose.squash;
  f.scale_x = 1 / pose.squash;
  s.figures = {f};
  Pixmap p = *Pixmap::create(400, 320);
  render_snapshot(p, s, lookup, Font());
  Tally t;
  for (std::size_t i = 0; i < std::size_t(p.width()) * p.height(); ++i) {
    if (p.data()[i * 4 + 3] != 255) continue;
    ++t.opaque;
    t.top = std::min<std::uint32_t>(t.top, std::uint32_t(i / p.width()));
    t.own += colours.count(ImageView{p.data(), p.width(), p.height()}.word(i % p.width(), i / p.width()));
  }
  return t;
}

// Nearest sampling copies texels, so no size or scale needs a looser bound than
// another: every opaque pixel must be a sheet colour.
TEST(SpriteSampling, WalkingAndRunningPetsKeepTheSheetColoursAtEverySizeAndScale) {
  if (embedded_blobs().size() == 0) GTEST_SKIP() << "built without the art set";
  AssetStore store;
  const Pose poses[] = {{"walk", 0.017f, 1.0f, 1}, {"walk", -0.017f, 0.97f, -1}, {"run", 0.04f, 1.04f, -1}};
  struct Case {
    const char* size;
    float display_scale;
  };
  for (const Case c : {Case{"S", 1}, Case{"M", 1}, Case{"L", 1}, Case{"M", 2}, Case{"S", 2}})
    for (const char* species : {"corgi", "cat", "flamingo", "ladybug"})
      for (const Pose& pose : poses) {
        const Tally t = draw_and_count(store, species, c.size, c.display_scale, pose);
        SCOPED_TRACE(std::string(species) + " " + pose.clip + " size " + c.size + " scale " +
                     std::to_string(c.display_scale));
        EXPECT_GT(t.opaque, 100u) << "the pet is drawn";
        EXPECT_EQ(t.own, t.opaque) << "own colours: " << t.share() * 100 << " %";
      }
}

TEST(SpriteSampling, OnAScaledDisplayThePetIsDrawnThatMuchLarger) {
  if (embedded_blobs().size() == 0) GTEST_SKIP() << "built without the art set";
  AssetStore store;
  const Pose upright{"walk", 0, 1, 1};
  for (const char* species : {"corgi", "flamingo"}) {
    const Tally one = draw_and_count(store, species, "M", 1, upright);
    const Tally two = draw_and_count(store, species, "M", 2, upright);
    // The ground line is row 300; heights above it double, within a pixel's rounding.
    EXPECT_NEAR(double(300 - two.top), 2.0 * double(300 - one.top), 2.0) << species;
    EXPECT_NEAR(double(two.opaque), 4.0 * double(one.opaque), 0.02 * 4.0 * double(one.opaque)) << species;
  }
}

}  // namespace
}  // namespace burrowly
