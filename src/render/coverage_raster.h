#pragma once
// The scan converter behind fill_path and stroke_path: paths flattened to polygons,
// then each pixel's covered area accumulated exactly from the polygon edges.

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "render/canvas.h"

namespace burrowly {

// Polylines in pixmap units; `closed` matters only for strokes (fills always close).
struct Contour {
  std::vector<Point> points;
  bool closed = false;
};

// Largest distance between a curve and its flattened polyline, in pixels.
inline constexpr float kFlattenTolerance = 0.02f;

std::vector<Contour> flatten_path(const Path& path, const Transform& transform, float tolerance);

// Fills the contours with a straight-alpha colour, composited source-over.
// Anti-aliased: each pixel's alpha is the magnitude of the signed area the edges
// enclose within it (clamped to 1), which is the exact non-zero coverage wherever
// contours do not overlap inside one pixel. Otherwise a pixel is filled when its
// centre has a non-zero winding number.
void fill_contours(Pixmap& pixmap, const std::vector<Contour>& contours, std::uint32_t color, bool anti_alias);

static_assert(std::endian::native == std::endian::little, "pixel words hold red in the lowest byte");

// Each channel of a pixel word times k / 255, rounded; two channels share each multiply.
inline std::uint32_t scale_channels(std::uint32_t pixel, std::uint32_t k) {
  std::uint32_t rb = (pixel & 0x00FF00FFu) * k + 0x00800080u;
  std::uint32_t ga = ((pixel >> 8) & 0x00FF00FFu) * k + 0x00800080u;
  rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  ga = (ga + ((ga >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
  return rb | ga;
}

// Source-over of one premultiplied pixel word scaled by `weight` (0..255); colour
// channels saturate at 255.
inline void blend_word(std::uint8_t* dst, std::uint32_t s, std::uint32_t weight) {
  std::uint32_t d;
  if (weight != 255) s = scale_channels(s, weight);
  const std::uint32_t sa = s >> 24;
  if (sa == 0) return;
  std::memcpy(&d, dst, 4);
  // Over transparent black, or under an opaque source, the source is the result.
  if (sa != 255 && d != 0) {
    d = scale_channels(d, 255 - sa);
    // Lane sums stay below 512; a carry into bit 8 of a lane saturates that channel.
    std::uint32_t rb = (s & 0x00FF00FFu) + (d & 0x00FF00FFu);
    std::uint32_t ga = ((s >> 8) & 0x00FF00FFu) + ((d >> 8) & 0x00FF00FFu);
    rb |= ((rb & 0x01000100u) >> 8) * 0xFF;
    ga |= ((ga & 0x01000100u) >> 8) * 0xFF;
    s = (rb & 0x00FF00FFu) | ((ga & 0x00FF00FFu) << 8);
  }
  std::memcpy(dst, &s, 4);
}

inline void blend_pixel(std::uint8_t* dst, const std::uint8_t* src, std::uint32_t weight) {
  std::uint32_t s;
  std::memcpy(&s, src, 4);
  blend_word(dst, s, weight);
}

}  // namespace burrowly
