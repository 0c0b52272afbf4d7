#pragma once
// A decoded sprite sheet ready for compositing, and a face portrait.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "assets/palette_png.h"
#include "assets/png_decode.h"

namespace burrowly {

// One palette index a pixel and two palettes of premultiplied colours (words with red
// in the lowest byte, alpha in the highest). The black cat's light outline has palette
// entries of its own: `palette` shows it, `plain_palette` gives those pixels their own
// colours back. Frames are drawn through `palette`, blink patches through
// `plain_palette`; both share the indices, a quarter of the memory of RGBA.
struct SpriteSheet {
  std::vector<std::uint8_t> indices;  // width * height, rows top to bottom
  std::array<std::uint32_t, 256> palette{};
  std::array<std::uint32_t, 256> plain_palette{};
  std::uint32_t width = 0;
  std::uint32_t height = 0;

  std::uint32_t pixel(std::uint32_t x, std::uint32_t y) const { return palette[indices[std::size_t(y) * width + x]]; }
  std::uint32_t plain_pixel(std::uint32_t x, std::uint32_t y) const {
    return plain_palette[indices[std::size_t(y) * width + x]];
  }
};

// The colour a black cat's outline pixel takes, premultiplied: white at alpha 87.
inline constexpr std::uint8_t kOutlineValue = 87;

// Builds the sheet from a straight-alpha image; with `outlined`, every nearly
// transparent pixel (alpha < 3) that touches a clearly opaque one (alpha > 128) left,
// right, above or below shows the outline colour. Nothing when the image and its
// outline need more than 256 colours (the shipped sheets are palette images).
std::optional<SpriteSheet> make_sprite_sheet(const DecodedImage& image, bool outlined);
// The same sheet straight from a palette image's indices, without RGBA in between.
std::optional<SpriteSheet> make_sprite_sheet(const PaletteImage& image, bool outlined);

// A premultiplied RGBA portrait (160 x 160 in the shipped art).
struct FacePortrait {
  std::vector<std::uint8_t> pixels;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

}  // namespace burrowly
