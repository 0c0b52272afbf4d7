#include "assets/sprite_sheet.h"

namespace burrowly {
namespace {

constexpr std::uint8_t kTransparentBelow = 3;
constexpr std::uint8_t kOpaqueAbove = 128;

// Draws the outline into `pixels`, testing only the straight image's alpha so the
// outline stays one pixel wide.
void draw_outline(const DecodedImage& image, std::vector<std::uint8_t>& pixels) {
  const std::uint32_t w = image.width, h = image.height;
  auto alpha = [&](std::uint32_t x, std::uint32_t y) { return image.pixels[(std::size_t(y) * w + x) * 4 + 3]; };
  for (std::uint32_t y = 0; y < h; ++y) {
    for (std::uint32_t x = 0; x < w; ++x) {
      if (alpha(x, y) >= kTransparentBelow) continue;
      bool touches = (x > 0 && alpha(x - 1, y) > kOpaqueAbove) || (x + 1 < w && alpha(x + 1, y) > kOpaqueAbove) ||
                     (y > 0 && alpha(x, y - 1) > kOpaqueAbove) || (y + 1 < h && alpha(x, y + 1) > kOpaqueAbove);
      if (!touches) continue;
      std::size_t p = (std::size_t(y) * w + x) * 4;
      for (int c = 0; c < 4; ++c) pixels[p + c] = kOutlineValue;
    }
  }
}

}  // namespace

SpriteSheet make_sprite_sheet(const DecodedImage& image, bool outlined) {
  SpriteSheet sheet;
  sheet.width = image.width;
  sheet.height = image.height;
  sheet.pixels = premultiplied(image);
  if (outlined) {
    sheet.unoutlined = sheet.pixels;
    draw_outline(image, sheet.pixels);
  }
  return sheet;
}

}  // namespace burrowly
