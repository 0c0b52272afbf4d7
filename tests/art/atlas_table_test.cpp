// Every shipped atlas against the clip table and the ranges the runtime relies on,
// and every sheet, face and the icon the catalogue binds.
#include <gtest/gtest.h>

#include <set>

#include "assets/catalogue.h"
#include "assets/clip_table.h"
#include "shipped_art.h"

namespace arttest {
namespace {

using burrowly::FrameRaw;

const std::set<std::string> kNoBlinkArt = {"panda", "koala", "monkey", "flamingo", "butterfly", "ladybug",
                                           "tarantula"};

TEST(ShippedAtlas, ClipsInDocumentOrderWithTheirFrameCounts) {
  for (const ShippedAnimal& a : shipped_animals()) {
    SCOPED_TRACE(a.key);
    std::size_t k = 0, total = 0;
    for (const burrowly::ClipSpec& clip : burrowly::kClips) {
      ASSERT_TRUE(burrowly::has_clip(a.atlas, clip.name)) << clip.name;
      const auto& frames = burrowly::clip_frames(a.atlas, clip.name);
      ASSERT_EQ(frames.size(), std::size_t(clip.frames)) << clip.name;
      for (std::size_t i = 0; i < frames.size(); ++i, ++k) {
        EXPECT_EQ(frames[i].i, i) << clip.name;
        EXPECT_EQ(a.atlas.frames[k].n, clip.name) << "document position " << k;
      }
      total += clip.frames;
    }
    EXPECT_EQ(a.atlas.frames.size(), 292u);
    EXPECT_EQ(total, 292u);
    EXPECT_EQ(a.atlas.clips.size(), 63u);
  }
}

TEST(ShippedAtlas, ValuesWithinTheShippedRanges) {
  for (const ShippedAnimal& a : shipped_animals()) {
    SCOPED_TRACE(a.key);
    EXPECT_GE(a.atlas.sit, 27.0f);
    EXPECT_LE(a.atlas.sit, 36.5f);
    EXPECT_FLOAT_EQ(a.atlas.ear, 7.38f);
    for (const FrameRaw& f : a.atlas.frames) {
      SCOPED_TRACE(f.n + " " + std::to_string(f.i));
      EXPECT_GE(f.ax, 19);
      EXPECT_LE(f.ax, 56);
      EXPECT_GE(f.gy, 21);
      EXPECT_LE(f.gy, 84);
      EXPECT_FLOAT_EQ(f.paw, 9.8f);
      EXPECT_GE(f.r[0], 1);
      EXPECT_LE(f.r[0], 972);
      EXPECT_GE(f.r[1], 1);
      EXPECT_LE(f.r[1], 2736);
      EXPECT_TRUE(f.r[2] >= 40 && f.r[2] <= 98 && f.r[3] >= 26 && f.r[3] <= 89);
      EXPECT_LE(std::uint32_t(f.r[0] + f.r[2]), a.sheet.width);
      EXPECT_LE(std::uint32_t(f.r[1] + f.r[3]), a.sheet.height);
      EXPECT_EQ(f.hat.has_value(), f.n != "boxonly");
      if (f.hat) {
        const auto& h = *f.hat;
        EXPECT_TRUE(h[0] >= 7.9f && h[0] <= 77.5f && h[1] >= 3.9f && h[1] <= 70.8f) << h[0] << "," << h[1];
        EXPECT_TRUE(h[2] >= -20.7f && h[2] <= 182.0f) << h[2];
        EXPECT_EQ(h[3], 1.0f);
      }
      if (f.bl) {
        const auto& b = *f.bl;
        EXPECT_TRUE(b[0] >= 1 && b[0] <= 1013 && b[1] >= 1 && b[1] <= 2736);
        EXPECT_TRUE(b[2] >= 8 && b[2] <= 90 && b[3] >= 8 && b[3] <= 79);
        EXPECT_TRUE(b[4] >= 0 && b[4] <= 75 && b[5] >= 0 && b[5] <= 57);
        EXPECT_LE(b[4] + b[2], f.r[2]);
        EXPECT_LE(b[5] + b[3], f.r[3]);
        EXPECT_LE(std::uint32_t(b[0] + b[2]), a.sheet.width);
        EXPECT_LE(std::uint32_t(b[1] + b[3]), a.sheet.height);
      }
    }
  }
}

TEST(ShippedAtlas, BlinkArtOnOpenEyesOfTheAnimalsThatHaveIt) {
  for (const ShippedAnimal& a : shipped_animals()) {
    SCOPED_TRACE(a.key);
    int blinking = 0;
    for (const FrameRaw& f : a.atlas.frames) {
      if (!f.bl) continue;
      ++blinking;
      EXPECT_NE(f.n, "sleep");
      EXPECT_NE(f.n, "curlsleep");
      EXPECT_NE(f.n, "boxonly");
    }
    if (kNoBlinkArt.count(a.key))
      EXPECT_EQ(blinking, 0);
    else
      EXPECT_GT(blinking, 200);
  }
}

TEST(ShippedArt, SheetsFacesAndIconDecode) {
  for (std::string_view key : burrowly::species_list()) {
    SCOPED_TRACE(std::string(key));
    const auto face = burrowly::decode_png(burrowly::face_png(key));
    ASSERT_TRUE(face.image) << face.error;
    EXPECT_EQ(face.image->width, 160u);
    EXPECT_EQ(face.image->height, 160u);
    EXPECT_EQ(face.image->pixels[3], 0) << "transparent background";
    EXPECT_GT(face.image->pixels[(80 * 160 + 80) * 4 + 3], 128) << "a face in the middle";
  }
  std::set<std::vector<std::uint8_t>> coats;
  for (const char* coat : {"black", "white", "ginger", "gray", "siamese"}) {
    const auto sheet = burrowly::decode_png(burrowly::sheet_png("cat", coat));
    ASSERT_TRUE(sheet.image) << coat;
    EXPECT_EQ(sheet.image->width, 1024u);
    EXPECT_EQ(sheet.image->height, shipped("cat").sheet.height) << coat << " shares the one cat atlas";
    coats.insert(sheet.image->pixels);
  }
  EXPECT_EQ(coats.size(), 5u);
  const auto icon = burrowly::decode_png(burrowly::icon_png());
  ASSERT_TRUE(icon.image);
  EXPECT_EQ(icon.image->width, 48u);
  EXPECT_EQ(icon.image->height, 48u);
}

// The sheets are 8-bit palette images with a transparency chunk, read from the file itself.
TEST(ShippedArt, SheetsArePaletteImagesWithTransparency) {
  auto chunk_at = [](burrowly::Bytes png, std::string_view type) {
    for (std::size_t at = 8; at + 8 <= png.size();) {
      const std::size_t length = std::size_t(png[at]) << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
      if (std::string_view(reinterpret_cast<const char*>(&png[at + 4]), 4) == type) return at;
      at += 12 + length;
    }
    return std::size_t(0);
  };
  for (std::string_view key : burrowly::species_list()) {
    const burrowly::Bytes png = burrowly::sheet_png(key, "black");
    const std::size_t ihdr = chunk_at(png, "IHDR");
    ASSERT_NE(ihdr, 0u) << key;
    EXPECT_EQ(png[ihdr + 8 + 8], 8) << key << " bit depth";
    EXPECT_EQ(png[ihdr + 8 + 9], 3) << key << " palette colour type";
    EXPECT_NE(chunk_at(png, "tRNS"), 0u) << key;
  }
}

}  // namespace
}  // namespace arttest
