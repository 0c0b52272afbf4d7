// draw_image_rect: inverse-maps every destination pixel centre into the source
// rectangle; an integer translation without scaling copies rows directly.

#include <algorithm>
#include <cmath>

#include "render/canvas.h"
#include "render/coverage_raster.h"

namespace burrowly {

namespace {

struct ClippedSource {
  std::int64_t x0, y0, x1, y1;  // image pixels, half-open
  double u0, v0, u1, v1;        // the same range in local units
};

std::optional<ClippedSource> clip_source(const ImageView& image, IntRect source) {
  if (!image.pixels || image.width == 0 || image.height == 0 || source.width <= 0 || source.height <= 0)
    return std::nullopt;
  std::int64_t x0 = std::max<std::int64_t>(source.x, 0), y0 = std::max<std::int64_t>(source.y, 0);
  std::int64_t x1 = std::min<std::int64_t>(std::int64_t(source.x) + source.width, image.width);
  std::int64_t y1 = std::min<std::int64_t>(std::int64_t(source.y) + source.height, image.height);
  if (x0 >= x1 || y0 >= y1) return std::nullopt;
  return ClippedSource{x0, y0, x1, y1, double(x0 - source.x), double(y0 - source.y), double(x1 - source.x),
                       double(y1 - source.y)};
}

// std::floor for the pixel coordinates met here (well inside the 64-bit range), without
// a library call.
inline std::int64_t floor_to_int(double v) {
  const std::int64_t t = std::int64_t(v);
  return t - (double(t) > v);
}

bool is_integer_translation(const Transform& t) {
  return t.sx == 1 && t.sy == 1 && t.kx == 0 && t.ky == 0 && t.tx == std::floor(t.tx) && t.ty == std::floor(t.ty) &&
         std::fabs(t.tx) < 1e8f && std::fabs(t.ty) < 1e8f;
}

void copy_translated(Pixmap& pixmap, const ImageView& image, const ClippedSource& src, std::int64_t dx,
                     std::int64_t dy, std::uint32_t weight) {
  // Destination of image pixel (x, y) is (x + dx, y + dy).
  std::int64_t x0 = std::max<std::int64_t>(src.x0 + dx, 0), x1 = std::min<std::int64_t>(src.x1 + dx, pixmap.width());
  std::int64_t y0 = std::max<std::int64_t>(src.y0 + dy, 0), y1 = std::min<std::int64_t>(src.y1 + dy, pixmap.height());
  if (x0 < x1 && y0 < y1)
    pixmap.mark_drawn({std::int32_t(x0), std::int32_t(y0), std::int32_t(x1 - x0), std::int32_t(y1 - y0)});
  for (std::int64_t y = y0; y < y1; ++y) {
    const std::uint8_t* s = image.pixels + ((y - dy) * image.width + (x0 - dx)) * 4;
    std::uint8_t* d = pixmap.data() + (y * pixmap.width() + x0) * 4;
    for (std::int64_t x = x0; x < x1; ++x, s += 4, d += 4) {
      if (s[3] == 0) continue;
      blend_pixel(d, s, weight);
    }
  }
}

}  // namespace

void draw_image_rect(Pixmap& pixmap, const ImageView& image, IntRect source, const Transform& transform,
                     float opacity, Sampling sampling) {
  if (!transform.is_finite() || !(opacity > 0)) return;
  std::optional<ClippedSource> src = clip_source(image, source);
  if (!src) return;
  std::uint32_t weight = std::uint32_t(std::min(opacity, 1.0f) * 255 + 0.5f);
  if (weight == 0) return;

  if (is_integer_translation(transform)) {
    copy_translated(pixmap, image, *src, std::int64_t(transform.tx) - source.x, std::int64_t(transform.ty) - source.y,
                    weight);
    return;
  }

  // Local (u, v) = inverse(transform) (px, py).
  double a = transform.sx, b = transform.kx, c = transform.ky, d = transform.sy;
  double det = a * d - b * c;
  if (!(std::fabs(det) > 1e-12) || !std::isfinite(det)) return;
  double ia = d / det, ib = -b / det, ic = -c / det, id = a / det;
  double tx = transform.tx, ty = transform.ty;

  double min_x = 1e300, min_y = 1e300, max_x = -1e300, max_y = -1e300;
  for (double u : {src->u0, src->u1})
    for (double v : {src->v0, src->v1}) {
      double x = a * u + b * v + tx, y = c * u + d * v + ty;
      min_x = std::min(min_x, x), max_x = std::max(max_x, x);
      min_y = std::min(min_y, y), max_y = std::max(max_y, y);
    }
  auto clamp_to = [](double v, std::uint32_t hi) { return std::int64_t(std::clamp(v, 0.0, double(hi))); };
  std::int64_t x0 = clamp_to(std::floor(min_x), pixmap.width()), x1 = clamp_to(std::ceil(max_x), pixmap.width());
  std::int64_t y0 = clamp_to(std::floor(min_y), pixmap.height()), y1 = clamp_to(std::ceil(max_y), pixmap.height());
  if (x0 < x1 && y0 < y1)
    pixmap.mark_drawn({std::int32_t(x0), std::int32_t(y0), std::int32_t(x1 - x0), std::int32_t(y1 - y0)});

  const double sx0 = double(source.x), sy0 = double(source.y);
  for (std::int64_t py = y0; py < y1; ++py) {
    std::uint8_t* d_row = pixmap.data() + py * std::int64_t(pixmap.width()) * 4;
    const double qy = py + 0.5 - ty;
    const double u_row = ib * qy, v_row = id * qy;
    for (std::int64_t px = x0; px < x1; ++px) {
      double qx = px + 0.5 - tx;
      double u = ia * qx + u_row, v = ic * qx + v_row;
      if (!(u >= src->u0 && u < src->u1 && v >= src->v0 && v < src->v1)) continue;
      std::uint8_t* dst = d_row + px * 4;
      if (sampling == Sampling::nearest) {
        std::int64_t ix = std::clamp<std::int64_t>(floor_to_int(sx0 + u), src->x0, src->x1 - 1);
        std::int64_t iy = std::clamp<std::int64_t>(floor_to_int(sy0 + v), src->y0, src->y1 - 1);
        blend_pixel(dst, image.pixels + (iy * image.width + ix) * 4, weight);
        continue;
      }
      // Bilinear between the four nearest pixel centres, clamped to the rectangle.
      double fx = sx0 + u - 0.5, fy = sy0 + v - 0.5;
      std::int64_t flx = floor_to_int(fx), fly = floor_to_int(fy);
      std::int64_t ix0 = std::clamp<std::int64_t>(flx, src->x0, src->x1 - 1);
      std::int64_t ix1 = std::clamp<std::int64_t>(flx + 1, src->x0, src->x1 - 1);
      std::int64_t iy0 = std::clamp<std::int64_t>(fly, src->y0, src->y1 - 1);
      std::int64_t iy1 = std::clamp<std::int64_t>(fly + 1, src->y0, src->y1 - 1);
      const std::uint8_t* p00 = image.pixels + (iy0 * image.width + ix0) * 4;
      const std::uint8_t* p10 = image.pixels + (iy0 * image.width + ix1) * 4;
      const std::uint8_t* p01 = image.pixels + (iy1 * image.width + ix0) * 4;
      const std::uint8_t* p11 = image.pixels + (iy1 * image.width + ix1) * 4;
      // Premultiplied: four transparent neighbours mix to nothing, which blends to nothing.
      if ((p00[3] | p10[3] | p01[3] | p11[3]) == 0) continue;
      double wx = fx - double(flx), wy = fy - double(fly);
      std::uint8_t mixed[4];
      for (int ch = 0; ch < 4; ++ch) {
        double top = p00[ch] + (p10[ch] - p00[ch]) * wx, bottom = p01[ch] + (p11[ch] - p01[ch]) * wx;
        mixed[ch] = std::uint8_t(std::clamp(top + (bottom - top) * wy + 0.5, 0.0, 255.0));
      }
      mixed[0] = std::min(mixed[0], mixed[3]), mixed[1] = std::min(mixed[1], mixed[3]);
      mixed[2] = std::min(mixed[2], mixed[3]);
      blend_pixel(dst, mixed, weight);
    }
  }
}

}  // namespace burrowly
