#pragma once
// The scan converter behind fill_path and stroke_path: paths flattened to polygons,
// then each pixel's covered area accumulated exactly from the polygon edges.

#include <cstdint>
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

// Source-over of one premultiplied pixel scaled by `weight` (0..255).
inline void blend_pixel(std::uint8_t* dst, const std::uint8_t* src, std::uint32_t weight) {
  auto mul = [](std::uint32_t x, std::uint32_t y) {
    std::uint32_t t = x * y + 128;
    return (t + (t >> 8)) >> 8;
  };
  std::uint32_t sa = weight == 255 ? src[3] : mul(src[3], weight);
  if (sa == 0) return;
  if (sa == 255 && weight == 255) {
    dst[0] = src[0], dst[1] = src[1], dst[2] = src[2], dst[3] = 255;
    return;
  }
  std::uint32_t inv = 255 - sa;
  for (int i = 0; i < 3; ++i) {
    std::uint32_t s = weight == 255 ? src[i] : mul(src[i], weight);
    dst[i] = std::uint8_t(std::min<std::uint32_t>(255, s + mul(dst[i], inv)));
  }
  dst[3] = std::uint8_t(sa + mul(dst[3], inv));
}

}  // namespace burrowly
