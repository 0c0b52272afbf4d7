#include "assets/sprite_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "png_fixture.h"

namespace burrowly {
namespace {

using test::make_png;
using test::PngSpec;

using Rgba = std::array<std::uint8_t, 4>;

Rgba at(const std::vector<std::uint8_t>& pixels, std::uint32_t width, std::uint32_t x, std::uint32_t y) {
  std::size_t p = (std::size_t(y) * width + x) * 4;
  return {pixels[p], pixels[p + 1], pixels[p + 2], pixels[p + 3]};
}

Rgba rgba(std::uint32_t word) {
  return {std::uint8_t(word), std::uint8_t(word >> 8), std::uint8_t(word >> 16), std::uint8_t(word >> 24)};
}

// The sheet's pixel with (shown) or without (plain) the outline.
Rgba shown(const std::optional<SpriteSheet>& sheet, std::uint32_t x, std::uint32_t y) {
  return sheet ? rgba(sheet->pixel(x, y)) : Rgba{1, 1, 1, 1};
}
Rgba plain(const std::optional<SpriteSheet>& sheet, std::uint32_t x, std::uint32_t y) {
  return sheet ? rgba(sheet->plain_pixel(x, y)) : Rgba{1, 1, 1, 1};
}

DecodedImage decoded(const std::vector<std::uint8_t>& png) {
  PngDecode d = decode_png(Bytes(png.data(), png.size()));
  EXPECT_TRUE(d.image) << d.error;
  return d.image.value_or(DecodedImage{});
}

TEST(PngDecode, ExpandsPaletteWithTransparencyToRgba) {
  PngSpec spec{.width = 2, .height = 1, .bit_depth = 8, .color_type = 3, .rows = {1, 0},
               .palette = {10, 20, 30, 200, 100, 50}, .transparency = {0, 128}};
  DecodedImage image = decoded(make_png(spec));
  ASSERT_EQ(image.width, 2u);
  EXPECT_EQ(at(image.pixels, 2, 0, 0), (Rgba{200, 100, 50, 128}));
  EXPECT_EQ(at(image.pixels, 2, 1, 0), (Rgba{10, 20, 30, 0}));
}

TEST(PngDecode, GreyAndGreyAlphaAndLowBitDepths) {
  DecodedImage grey = decoded(make_png({.width = 1, .height = 1, .color_type = 0, .rows = {77}}));
  EXPECT_EQ(at(grey.pixels, 1, 0, 0), (Rgba{77, 77, 77, 255}));
  DecodedImage grey_alpha = decoded(make_png({.width = 1, .height = 2, .color_type = 4, .rows = {90, 40, 5, 250}}));
  EXPECT_EQ(at(grey_alpha.pixels, 1, 0, 0), (Rgba{90, 90, 90, 40}));
  EXPECT_EQ(at(grey_alpha.pixels, 1, 0, 1), (Rgba{5, 5, 5, 250}));
  // Two-bit palette: indices 1, 0 packed into the top bits of one byte.
  DecodedImage packed = decoded(make_png({.width = 2, .height = 1, .bit_depth = 2, .color_type = 3,
                                          .rows = {0b0100'0000}, .palette = {1, 2, 3, 4, 5, 6}}));
  EXPECT_EQ(at(packed.pixels, 2, 0, 0), (Rgba{4, 5, 6, 255}));
  EXPECT_EQ(at(packed.pixels, 2, 1, 0), (Rgba{1, 2, 3, 255}));
}

TEST(PngDecode, BrokenDataGivesTheDecodersReason) {
  std::vector<std::uint8_t> png = make_png({.width = 1, .height = 1, .color_type = 2, .rows = {1, 2, 3}});
  std::vector<std::uint8_t> not_png = {'G', 'I', 'F', '8'};
  PngDecode bad_signature = decode_png(Bytes(not_png.data(), not_png.size()));
  EXPECT_FALSE(bad_signature.image);
  EXPECT_FALSE(bad_signature.error.empty());
  for (std::size_t cut : {std::size_t(0), std::size_t(8), std::size_t(20), png.size() - 14}) {
    PngDecode truncated = decode_png(Bytes(png.data(), cut));
    EXPECT_FALSE(truncated.image) << cut;
    EXPECT_FALSE(truncated.error.empty()) << cut;
  }
}

// An empty image-data chunk (length 0, any CRC) spliced in before or after the real one.
std::vector<std::uint8_t> with_empty_idat(std::vector<std::uint8_t> png, bool before) {
  const std::uint8_t idat[] = {'I', 'D', 'A', 'T'};
  auto at = std::search(png.begin(), png.end(), std::begin(idat), std::end(idat)) - png.begin() - 4;
  if (!before) at += 12 + (png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3]);
  const std::uint8_t empty[] = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E};
  png.insert(png.begin() + at, std::begin(empty), std::end(empty));
  return png;
}

TEST(PngDecode, EmptyFirstImageDataChunkIsRefusedAndALaterOneIsHarmless) {
  const std::vector<std::uint8_t> png = make_png({.width = 1, .height = 1, .color_type = 2, .rows = {1, 2, 3}});
  const std::vector<std::uint8_t> first = with_empty_idat(png, true);
  PngDecode refused = decode_png(Bytes(first.data(), first.size()));
  EXPECT_FALSE(refused.image);
  EXPECT_FALSE(refused.error.empty());
  const std::vector<std::uint8_t> later = with_empty_idat(png, false);
  EXPECT_EQ(at(decoded(later).pixels, 1, 0, 0), (Rgba{1, 2, 3, 255}));
}

TEST(SpriteSheet, PremultipliesWithTruncationThroughOnePaletteEntryPerColour) {
  DecodedImage image{3, 1, {200, 100, 50, 128, 255, 255, 255, 0, 200, 100, 50, 128}};
  std::optional<SpriteSheet> sheet = make_sprite_sheet(image, false);
  ASSERT_TRUE(sheet);
  EXPECT_EQ(shown(sheet, 0, 0), (Rgba{100, 50, 25, 128}));
  EXPECT_EQ(shown(sheet, 1, 0), (Rgba{0, 0, 0, 0}));
  EXPECT_EQ(sheet->indices, (std::vector<std::uint8_t>{0, 1, 0}));
  EXPECT_EQ(sheet->palette, sheet->plain_palette) << "without outline both palettes agree";
}

TEST(SpriteSheet, MoreColoursThanAPaletteHoldsAreRefused) {
  DecodedImage image{256, 2, std::vector<std::uint8_t>(256 * 2 * 4, 255)};
  for (std::uint32_t x = 0; x < 256; ++x) image.pixels[x * 4] = std::uint8_t(x);  // 256 colours: they fit
  EXPECT_TRUE(make_sprite_sheet(image, false));
  image.pixels[256 * 4 + 1] = 0;  // a 257th
  EXPECT_FALSE(make_sprite_sheet(image, false));
  // The outline needs entries of its own too.
  DecodedImage crowded{256, 2, std::vector<std::uint8_t>(256 * 2 * 4, 255)};
  for (std::uint32_t x = 0; x < 256; ++x) crowded.pixels[x * 4] = std::uint8_t(x);
  crowded.pixels[256 * 4 + 3] = 0;  // transparent beside opaque pixels: outlined
  crowded.pixels[0] = 1;             // keeps the count at 256 before the outline
  EXPECT_TRUE(make_sprite_sheet(crowded, false));
  EXPECT_FALSE(make_sprite_sheet(crowded, true));
}

// A 5 x 3 image, transparent except an opaque pixel at (1, 1) and the given alphas.
DecodedImage outline_probe(std::uint8_t right_alpha, std::uint8_t centre_alpha = 255) {
  DecodedImage image{5, 3, std::vector<std::uint8_t>(5 * 3 * 4, 0)};
  auto set = [&](std::uint32_t x, std::uint32_t y, Rgba c) {
    std::copy(c.begin(), c.end(), image.pixels.begin() + (y * 5 + x) * 4);
  };
  set(1, 1, {20, 20, 20, centre_alpha});
  set(2, 1, {0, 0, 0, right_alpha});
  return image;
}

TEST(SpriteSheet, OutlineRingsOpaquePixelsOnlyThroughDirectNeighbours) {
  std::optional<SpriteSheet> sheet = make_sprite_sheet(outline_probe(0), true);
  const Rgba outline{87, 87, 87, 87}, clear{0, 0, 0, 0};
  for (auto [x, y] : {std::pair{0u, 1u}, {2u, 1u}, {1u, 0u}, {1u, 2u}}) {
    EXPECT_EQ(shown(sheet, x, y), outline) << x << "," << y;
    EXPECT_EQ(plain(sheet, x, y), clear) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{0u, 0u}, {2u, 0u}, {2u, 2u}, {3u, 1u}}) {
    EXPECT_EQ(shown(sheet, x, y), clear) << x << "," << y;  // diagonal or two away
  }
  EXPECT_EQ(shown(sheet, 1, 1), (Rgba{20, 20, 20, 255}));
}

TEST(SpriteSheet, OutlineThresholds) {
  // Alpha 2 beside an opaque pixel is outlined, alpha 3 is not.
  EXPECT_EQ(shown(make_sprite_sheet(outline_probe(2), true), 2, 1), (Rgba{87, 87, 87, 87}));
  EXPECT_EQ(shown(make_sprite_sheet(outline_probe(3), true), 2, 1), (Rgba{0, 0, 0, 3}));
  // A neighbour of alpha 128 is not opaque enough; 129 is.
  EXPECT_EQ(shown(make_sprite_sheet(outline_probe(0, 128), true), 0, 1), (Rgba{0, 0, 0, 0}));
  EXPECT_EQ(shown(make_sprite_sheet(outline_probe(0, 129), true), 0, 1), (Rgba{87, 87, 87, 87}));
  // Pixels on the image border have no neighbours outside.
  DecodedImage edge{1, 1, {9, 9, 9, 0}};
  EXPECT_EQ(shown(make_sprite_sheet(edge, true), 0, 0), (Rgba{0, 0, 0, 0}));
}

}  // namespace
}  // namespace burrowly
