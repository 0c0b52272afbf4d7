#include "render/store_art.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "engine_fixture.h"

namespace burrowly {
namespace {

class StoreArtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (embedded_blobs().size() == 0) GTEST_SKIP() << "built without the art set";
  }
  AssetStore store;
};

TEST_F(StoreArtTest, FiguresGetTheirSizeAtlasAndTheirCoatsSheet) {
  FigureArtLookup lookup = store_art_lookup(store);
  std::optional<FigureArt> white = lookup("cat", "L", "white");
  ASSERT_TRUE(white);
  EXPECT_EQ(white->atlas, store.atlas_for("cat", "L").get());
  EXPECT_FLOAT_EQ(white->atlas->scale, 107.0f / 82.0f);
  auto sheet = store.sheet_for("cat", "white");
  EXPECT_EQ(white->pixels.pixels, sheet->indices.data());
  EXPECT_EQ(white->pixels.palette, sheet->palette.data());
  EXPECT_EQ(white->pixels.width, sheet->width);
  EXPECT_EQ(white->pixels.height, sheet->height);

  // Only the black cat's sheet carries the light outline, so its two views differ.
  std::optional<FigureArt> black = lookup("cat", "M", "black");
  ASSERT_TRUE(black);
  EXPECT_EQ(black->plain_pixels.palette, store.sheet_for("cat", "black")->plain_palette.data());
  EXPECT_EQ(black->pixels.pixels, black->plain_pixels.pixels) << "one set of indices";
  EXPECT_NE(black->pixels.palette, black->plain_pixels.palette);
  EXPECT_NE(black->pixels.pixels, white->pixels.pixels);
}

// The engine's first frame drawn with the real art shows the pet: opaque pixels on
// the lane around its position, none far away from it.
TEST_F(StoreArtTest, ThePetAppearsOnItsLane) {
  EngineServices services;
  services.atlas = [this](std::string_view animal) { return store.atlas_for(animal, "M"); };
  services.local_time = [] { return LocalTime{2026, 3, 4, 12, 30, 3}; };
  services.precise_time = [] { return 116444736000000000ULL; };
  PetEngine engine = PetEngine::create(testing::quiet_config(), {MonitorInfo{}}, services);
  engine.tick(0.03f, testing::EngineRig::far_input(), {});
  DrawSnapshot snapshot = engine.draw_snapshot(0);
  ASSERT_FALSE(snapshot.figures.empty());
  Pixmap overlay = *Pixmap::create(std::uint32_t(snapshot.habitat.width), std::uint32_t(snapshot.habitat.height));
  render_snapshot(overlay, snapshot, store_art_lookup(store), Font());

  const int pet_x = int(snapshot.figures[0].x), ground = int(snapshot.habitat.ground_y);
  int near = 0, far = 0;
  for (std::uint32_t y = 0; y < overlay.height(); ++y)
    for (std::uint32_t x = 0; x < overlay.width(); ++x) {
      if (overlay.data()[(std::size_t(y) * overlay.width() + x) * 4 + 3] < 200) continue;
      bool close = std::abs(int(x) - pet_x) < 80 && int(y) <= ground + 2 && int(y) > ground - 100;
      ++(close ? near : far);
    }
  EXPECT_GT(near, 400) << "the animal's body";
  EXPECT_EQ(far, 0);
}

}  // namespace
}  // namespace burrowly
