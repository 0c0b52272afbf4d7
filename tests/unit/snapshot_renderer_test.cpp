#include "render/snapshot_renderer.h"

#include <gtest/gtest.h>

namespace burrowly {
namespace {

// One opaque 4x6 frame; its anchor (2, 5) is the bottom middle.
struct Art {
  std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(4 * 6 * 4, 255);
  SizeAtlas atlas;
  Art() {
    FrameRaw f;
    f.n = "sit";
    f.r = {0, 0, 4, 6};
    f.ax = 2;
    f.gy = 5;
    atlas.frames = {f};
    atlas.clips["sit"] = {f};
    atlas.sit = 6;
  }
  FigureArtLookup lookup() const {
    return [this](const std::string& species, const std::string&, const std::string&) -> std::optional<FigureArt> {
      if (species != "corgi") return std::nullopt;
      return FigureArt{&atlas, {pixels.data(), 4, 6}, {pixels.data(), 4, 6}};
    };
  }
};

DrawSnapshot snapshot_with_pet(const std::string& species) {
  DrawSnapshot s;
  s.habitat.ground_y = 100;
  FigureSnapshot f;
  f.species = species;
  f.clip = "walk";  // missing: drawn with the sit frame
  f.x = 50;
  f.facing = 1;
  s.figures = {f};
  return s;
}

std::uint8_t alpha(const Pixmap& p, int x, int y) { return p.data()[(std::size_t(y) * p.width() + x) * 4 + 3]; }

int first_painted_row(const Pixmap& p, int x) {
  for (std::uint32_t y = 0; y < p.height(); ++y)
    if (alpha(p, x, int(y))) return int(y);
  return -1;
}

TEST(SnapshotRenderer, DrawsThePetOnTheGroundLine) {
  Art art;
  Pixmap p = *Pixmap::create(200, 120);
  render_snapshot(p, snapshot_with_pet("corgi"), art.lookup(), Font());
  EXPECT_EQ(alpha(p, 50, 100), 255) << "ground row lands on the ground line";
  EXPECT_EQ(alpha(p, 50, 101), 0);
  EXPECT_EQ(alpha(p, 50, 95), 255);
  EXPECT_EQ(alpha(p, 50, 94), 0);

  Pixmap none = *Pixmap::create(200, 120);
  none.fill(0xFFFFFFFF);
  render_snapshot(none, snapshot_with_pet("unknown-art"), art.lookup(), Font());
  EXPECT_EQ(first_painted_row(none, 50), -1) << "cleared, and a figure without art is skipped";
}

TEST(SnapshotRenderer, BubbleGoesBelowOnTheTopLane) {
  Art art;
  Font font = embedded_ui_font();
  DrawSnapshot s = snapshot_with_pet("corgi");
  s.speech = SpeechSnapshot{"hello", SpeechStyle::normal, 1};
  Pixmap above = *Pixmap::create(200, 200);
  render_snapshot(above, s, art.lookup(), font);
  EXPECT_LT(first_painted_row(above, 40), 95);
  s.habitat.top_mode = true;
  s.habitat.ground_y = 40;
  Pixmap below = *Pixmap::create(200, 200);
  render_snapshot(below, s, art.lookup(), font);
  EXPECT_GT(first_painted_row(below, 40), 41);
}

TEST(SnapshotRenderer, BubbleRisesWithALiftedPet) {
  Art art;
  Font font = embedded_ui_font();
  DrawSnapshot s = snapshot_with_pet("corgi");
  s.speech = SpeechSnapshot{"hello", SpeechStyle::normal, 1};
  Pixmap grounded = *Pixmap::create(200, 200);
  render_snapshot(grounded, s, art.lookup(), font);
  s.figures[0].lift = 30;
  Pixmap jumping = *Pixmap::create(200, 200);
  render_snapshot(jumping, s, art.lookup(), font);
  EXPECT_EQ(first_painted_row(jumping, 40), first_painted_row(grounded, 40) - 30);
}

}  // namespace
}  // namespace burrowly
