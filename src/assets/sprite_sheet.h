#pragma once
// A decoded sprite sheet ready for compositing, and a face portrait.

#include <cstdint>
#include <vector>

#include "assets/png_decode.h"

namespace burrowly {

// Premultiplied RGBA, width * height * 4 bytes, rows top to bottom. `pixels` carries the
// black cat's light outline; `plain()` never has it. Frames are drawn from `pixels`,
// blink patches from `plain()`. Only an outlined sheet holds a second copy, so the
// other sheets cost half the memory.
struct SpriteSheet {
  std::vector<std::uint8_t> pixels;
  std::vector<std::uint8_t> unoutlined;  // empty unless the sheet is outlined
  std::uint32_t width = 0;
  std::uint32_t height = 0;

  const std::vector<std::uint8_t>& plain() const { return unoutlined.empty() ? pixels : unoutlined; }
};

// The colour a black cat's outline pixel takes, premultiplied: white at alpha 87.
inline constexpr std::uint8_t kOutlineValue = 87;

// Builds the sheet from a straight-alpha image; with `outlined`, every nearly
// transparent pixel (alpha < 3) that touches a clearly opaque one (alpha > 128) left,
// right, above or below becomes the outline colour in `pixels`.
SpriteSheet make_sprite_sheet(const DecodedImage& image, bool outlined);

// A premultiplied RGBA portrait (160 x 160 in the shipped art).
struct FacePortrait {
  std::vector<std::uint8_t> pixels;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

}  // namespace burrowly
