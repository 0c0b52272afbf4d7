#include "render/snapshot_renderer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "assets/catalogue.h"
#include "render/store_art.h"

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

// Every pixel the pet paints without a bubble comes out the same with one: the
// bubble covers no part of the animal or its hat, on either lane and display scale.
TEST(SnapshotRenderer, TheBubbleNeverCoversTheTallestAnimal) {
  if (embedded_blobs().size() == 0) GTEST_SKIP() << "built without the art set";
  AssetStore store;
  const FigureArtLookup lookup = store_art_lookup(store);
  const Font font = embedded_ui_font();
  for (bool top_lane : {false, true})
    for (float scale : {1.0f, 2.0f})
      for (const char* outfit : {"", "party"}) {
        DrawSnapshot s;
        s.display_scale = scale;
        s.habitat.top_mode = top_lane;
        s.habitat.ground_y = top_lane ? 130 * scale : 150 * scale;
        FigureSnapshot f;
        f.species = "flamingo";
        f.clip = "walk";
        f.x = 150 * scale;
        f.facing = 1;
        if (*outfit) f.outfit = outfit;
        s.figures = {f};
        Pixmap bare = *Pixmap::create(std::uint32_t(300 * scale), std::uint32_t(300 * scale));
        render_snapshot(bare, s, lookup, font);
        s.speech = SpeechSnapshot{"a rather long sentence that wraps onto a second line in its bubble",
                                  SpeechStyle::normal, 1};
        Pixmap spoken = *Pixmap::create(bare.width(), bare.height());
        render_snapshot(spoken, s, lookup, font);
        std::size_t figure = 0, covered = 0;
        for (std::size_t i = 0; i < bare.byte_size(); i += 4) {
          if (bare.data()[i + 3] == 0) continue;
          ++figure;
          covered += std::memcmp(bare.data() + i, spoken.data() + i, 4) != 0;
        }
        SCOPED_TRACE(std::string(top_lane ? "top lane" : "taskbar") + " scale " + std::to_string(scale) + " " + outfit);
        EXPECT_GT(figure, 500u);
        EXPECT_EQ(covered, 0u);
      }
}

// An outfit is sized to the head it sits on: on every animal, small or large, the crown
// is clearly there and far smaller than the animal (one the cat's size would be half of
// a ladybug).
TEST(SnapshotRenderer, OutfitsFitEveryAnimalsHead) {
  if (embedded_blobs().size() == 0) GTEST_SKIP() << "built without the art set";
  AssetStore store;
  const FigureArtLookup lookup = store_art_lookup(store);
  const Font font = embedded_ui_font();
  for (std::string_view species : species_list()) {
    DrawSnapshot s;
    s.habitat.ground_y = 150;
    FigureSnapshot f;
    f.species = std::string(species);
    f.clip = "sit";
    f.x = 100;
    s.figures = {f};
    Pixmap bare = *Pixmap::create(200, 200);
    render_snapshot(bare, s, lookup, font);
    s.figures[0].outfit = "crown";
    Pixmap dressed = *Pixmap::create(200, 200);
    render_snapshot(dressed, s, lookup, font);
    std::size_t figure = 0, crown = 0;
    for (std::size_t i = 0; i < bare.byte_size(); i += 4) {
      figure += bare.data()[i + 3] != 0;
      crown += std::memcmp(bare.data() + i, dressed.data() + i, 4) != 0;
    }
    SCOPED_TRACE(species);
    EXPECT_GT(crown, 60u);
    EXPECT_LT(double(crown), 0.36 * double(figure));
  }
}

}  // namespace
}  // namespace burrowly
