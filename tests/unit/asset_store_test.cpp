#include "assets/asset_store.h"

#include <gtest/gtest.h>

#include <string>

#include "png_fixture.h"

namespace burrowly {
namespace {

Bytes bytes_of(const std::string& s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }
Bytes bytes_of(const std::vector<std::uint8_t>& v) { return {v.data(), v.size()}; }

std::vector<std::uint8_t> rgba_png(std::uint32_t w, std::uint32_t h, std::uint8_t alpha) {
  test::PngSpec spec{.width = w, .height = h, .color_type = 6};
  for (std::uint32_t k = 0; k < w * h; ++k) spec.rows.insert(spec.rows.end(), {200, 100, 50, alpha});
  return test::make_png(spec);
}

class AssetStoreTest : public ::testing::Test {
 protected:
  std::string atlas = R"({"sizes":{"M":{"sit":34,"ear":7.38,"frames":[
      {"n":"sit","i":0,"ax":1,"gy":1,"paw":9.8,"r":[0,0,2,2]}]}}})";
  std::string broken_atlas = R"({"sizes":{"M":{"sit":34,"ear":7.38,"frames":[]},"M":{}}})";
  std::string garbage = "not a png";
  // An opaque 1 x 1 dot in a 3 x 1 image, so the black cat's outline shows beside it.
  std::vector<std::uint8_t> dot = [] {
    test::PngSpec spec{.width = 3, .height = 1, .color_type = 6, .rows = {0, 0, 0, 0, 50, 50, 50, 255, 0, 0, 0, 0}};
    return test::make_png(spec);
  }();
  std::vector<std::uint8_t> plain = rgba_png(2, 2, 128);
  BlobRegistry blobs{{
      {"atlas/corgi.json", bytes_of(atlas)},
      {"atlas/cat.json", bytes_of(atlas)},
      {"atlas/owl.json", bytes_of(broken_atlas)},
      {"sheet/corgi.png", bytes_of(plain)},
      {"sheet/cat-black.png", bytes_of(dot)},
      {"sheet/cat-white.png", bytes_of(dot)},
      {"sheet/owl.png", bytes_of(garbage)},
      {"face/corgi.png", bytes_of(plain)},
      {"face/owl.png", bytes_of(garbage)},
  }};
  AssetStore store{blobs};
};

TEST_F(AssetStoreTest, RecordsAreSharedAndTheCoatMattersOnlyForTheCat) {
  EXPECT_EQ(store.sheet_for("cat", "white"), store.sheet_for("cat", "white"));
  EXPECT_NE(store.sheet_for("cat", "white"), store.sheet_for("cat", "black"));
  EXPECT_EQ(store.sheet_for("corgi", "white"), store.sheet_for("corgi", "black"));
  EXPECT_EQ(store.atlas_for("cat", "L"), store.atlas_for("cat", "L"));
  EXPECT_NE(store.atlas_for("cat", "L"), store.atlas_for("cat", "S"));
  EXPECT_EQ(store.face_for("corgi"), store.face_for("corgi"));
  EXPECT_EQ(store.face_for("dragon")->pixels, store.face_for("corgi")->pixels);
  PetAssets pet = store.pet_assets("cat", "L", "white");
  EXPECT_EQ(pet.atlas, store.atlas_for("cat", "L"));
  EXPECT_EQ(pet.sheet, store.sheet_for("cat", "white"));
  EXPECT_FLOAT_EQ(pet.atlas->scale, 107.0f / 82.0f);
}

TEST_F(AssetStoreTest, KeepsASheetWhileHeldOrAskedForLastAndTellsSizesWithoutDecoding) {
  std::weak_ptr<const SpriteSheet> white = store.sheet_for("cat", "white");
  EXPECT_EQ(store.sheet_for("cat", "white"), white.lock()) << "asked for again: the same record";
  const std::shared_ptr<const SpriteSheet> black = store.sheet_for("cat", "black");
  EXPECT_TRUE(white.expired()) << "neither held nor the last asked for: let go";
  std::weak_ptr<const SpriteSheet> corgi = store.sheet_for("corgi", "ginger");
  EXPECT_FALSE(corgi.expired()) << "the last asked for";
  EXPECT_EQ(store.sheet_for("cat", "black"), black) << "held here: the same record";
  EXPECT_TRUE(corgi.expired());
  EXPECT_EQ(store.sheet_for("cat", "white")->width, 3u) << "decoded again when asked for";

  const ImageSize size = store.sheet_size("corgi", "ginger");
  EXPECT_EQ(size.width, 2u);
  EXPECT_EQ(size.height, 2u);
  EXPECT_FALSE(png_size(bytes_of(garbage)));
  EXPECT_FALSE(png_size(Bytes(plain.data(), 23))) << "a header cut short";
}

TEST_F(AssetStoreTest, KeepsAnAtlasWhileHeldOrAmongTheLastFewAskedFor) {
  const std::weak_ptr<const SizeAtlas> first = store.atlas_for("cat", "S");
  const std::shared_ptr<const SizeAtlas> held = store.atlas_for("corgi", "S");
  for (const char* size : {"M", "L"}) {
    store.atlas_for("cat", size);
    store.atlas_for("corgi", size);
  }
  EXPECT_TRUE(first.expired()) << "four others asked for since";
  EXPECT_EQ(store.atlas_for("corgi", "S"), held) << "held here: the same record";
  EXPECT_EQ(store.atlas_for("cat", "S")->frames.size(), 1u) << "built again when asked for";
}

TEST_F(AssetStoreTest, OnlyTheBlackCatIsOutlined) {
  auto black = store.sheet_for("cat", "black");
  auto white = store.sheet_for("cat", "white");
  auto unknown_coat = store.sheet_for("cat", "purple");
  EXPECT_EQ(black->pixel(0, 0), 0x57575757u) << "the light outline";
  EXPECT_EQ(black->plain_pixel(0, 0), 0u);
  EXPECT_NE(black->palette, black->plain_palette);
  EXPECT_EQ(white->palette, white->plain_palette);
  EXPECT_EQ(unknown_coat->palette, unknown_coat->plain_palette);
}

TEST_F(AssetStoreTest, FacesArePremultiplied) {
  auto face = store.face_for("corgi");
  ASSERT_EQ(face->width, 2u);
  EXPECT_EQ((std::vector<std::uint8_t>(face->pixels.begin(), face->pixels.begin() + 4)),
            (std::vector<std::uint8_t>{100, 50, 25, 128}));
}

TEST_F(AssetStoreTest, BrokenEmbeddedArtIsFatal) {
  EXPECT_EXIT(store.atlas_for("owl", "M"), ::testing::ExitedWithCode(101), "fatal: invalid atlas json: duplicate field `M`");
  EXPECT_EXIT(store.sheet_for("owl", "black"), ::testing::ExitedWithCode(101), "fatal: illustrated pet sheet.");
  EXPECT_EXIT(store.face_for("owl"), ::testing::ExitedWithCode(101), "fatal: face png.");
  const std::string frameless = R"({"sizes":{"M":{"sit":1,"ear":1,"frames":[]}}})";
  BlobRegistry no_sit{{{"atlas/corgi.json", bytes_of(frameless)}}};
  AssetStore bare{no_sit};
  auto atlas = bare.atlas_for("corgi", "M");
  EXPECT_EXIT(clip_frames(*atlas, "walk"), ::testing::ExitedWithCode(101), "missing sit pose");
}

}  // namespace
}  // namespace burrowly
