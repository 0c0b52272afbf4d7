// Palette PNGs read as indices: every row filter gives the colours the RGBA decoder
// gives, anything but a whole 8-bit palette image is left to that decoder, and the
// sprite sheet made from the indices is the one made from RGBA.
#include "assets/palette_png.h"

#include <gtest/gtest.h>

#include <cstring>

#include "assets/png_decode.h"
#include "assets/sprite_sheet.h"
#include "png_fixture.h"

namespace burrowly {
namespace {

using test::make_png;
using test::PngSpec;

std::optional<PaletteImage> read(const std::vector<std::uint8_t>& png) {
  return decode_palette_png(Bytes(png.data(), png.size()));
}

DecodedImage rgba(const std::vector<std::uint8_t>& png) {
  return decode_png(Bytes(png.data(), png.size())).image.value_or(DecodedImage{});
}

// Five colours, two of them partly transparent, on 4 x 5 pixels whose rows use the
// filters none, sub, up, average and Paeth in turn.
PngSpec filtered_palette_image() {
  return {.width = 4,
          .height = 5,
          .color_type = 3,
          .rows = {0, 1, 2, 3, 4,   1, 4, 252, 1, 2,   2, 0, 2, 0, 255,   3, 2, 0, 1, 1,   4, 0, 1, 255, 0},
          .palette = {10, 20, 30, 200, 100, 50, 0, 0, 0, 255, 255, 255, 90, 180, 45},
          .transparency = {255, 128, 0},
          .filtered = true};
}

TEST(PalettePng, EveryRowFilterGivesTheColoursOfTheRgbaDecoder) {
  const std::vector<std::uint8_t> png = make_png(filtered_palette_image());
  const std::optional<PaletteImage> image = read(png);
  const DecodedImage expected = rgba(png);
  ASSERT_TRUE(image);
  ASSERT_EQ(expected.pixels.size(), 4u * 5 * 4);
  ASSERT_EQ(image->indices.size(), 4u * 5);
  for (std::size_t i = 0; i < image->indices.size(); ++i) {
    std::uint32_t word;
    std::memcpy(&word, expected.pixels.data() + i * 4, 4);
    EXPECT_EQ(image->colours[image->indices[i]], word) << "pixel " << i;
  }
}

TEST(PalettePng, LeavesOtherImagesToTheRgbaDecoder) {
  EXPECT_FALSE(read(make_png({.width = 1, .height = 1, .color_type = 6, .rows = {1, 2, 3, 4}})));
  EXPECT_FALSE(read(make_png({.width = 2, .height = 1, .bit_depth = 4, .color_type = 3, .rows = {0x10},
                              .palette = {1, 2, 3, 4, 5, 6}})));
  // A pixel naming an entry past the palette's end.
  EXPECT_FALSE(read(make_png({.width = 2, .height = 1, .color_type = 3, .rows = {0, 2}, .palette = {1, 2, 3, 4, 5, 6}})));
  // An unknown row filter.
  EXPECT_FALSE(read(make_png({.width = 1, .height = 1, .color_type = 3, .rows = {5, 0}, .palette = {1, 2, 3},
                              .filtered = true})));
  const std::vector<std::uint8_t> whole = make_png(filtered_palette_image());
  for (std::size_t cut : {std::size_t(8), whole.size() / 2, whole.size() - 1})
    EXPECT_FALSE(read(std::vector<std::uint8_t>(whole.begin(), whole.begin() + cut))) << "cut at " << cut;
}

TEST(PalettePng, SpriteSheetIsTheOneMadeFromRgba) {
  const std::vector<std::uint8_t> png = make_png(filtered_palette_image());
  for (bool outlined : {false, true}) {
    const std::optional<SpriteSheet> from_indices = make_sprite_sheet(*read(png), outlined);
    const std::optional<SpriteSheet> from_rgba = make_sprite_sheet(rgba(png), outlined);
    ASSERT_TRUE(from_indices && from_rgba);
    EXPECT_EQ(from_indices->indices, from_rgba->indices);
    EXPECT_EQ(from_indices->palette, from_rgba->palette);
    EXPECT_EQ(from_indices->plain_palette, from_rgba->plain_palette);
  }
}

}  // namespace
}  // namespace burrowly
