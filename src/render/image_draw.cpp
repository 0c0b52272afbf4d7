// draw_image_rect: inverse-maps every destination pixel centre into the source
// rectangle (stepping in fixed point along each row); an integer translation without
// scaling copies rows directly.

#include <algorithm>
#include <climits>
#include <bit>
#include <cmath>
#include <cstring>

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

constexpr int kFixedBits = 24;
constexpr std::int64_t kFixedOne = std::int64_t(1) << kFixedBits;

// The pixels of the source rectangle, addressed with clamping to its edges.
struct SampleGrid {
  const ImageView& image;
  std::int64_t min_x, max_x, min_y, max_y;

  std::uint32_t at(std::int64_t x, std::int64_t y) const {
    return image.word(std::size_t(std::clamp(x, min_x, max_x)), std::size_t(std::clamp(y, min_y, max_y)));
  }
};
// floor(a / b) for b > 0.
inline std::int64_t floor_div(std::int64_t a, std::int64_t b) { return a / b - (a % b < 0); }

// The run [first, last) of steps k in [0, count) for which lo <= start + k * step < hi.
struct Run {
  std::int64_t first, last;
};
Run inside_run(std::int64_t start, std::int64_t step, std::int64_t lo, std::int64_t hi, std::int64_t count) {
  Run run{0, count};
  if (step == 0) {
    if (start < lo || start >= hi) run.last = 0;
    return run;
  }
  if (step > 0) {
    run.first = std::max<std::int64_t>(run.first, -floor_div(start - lo, step));  // ceil((lo - start) / step)
    run.last = std::min<std::int64_t>(run.last, -floor_div(start - hi, step));
  } else {
    run.first = std::max<std::int64_t>(run.first, floor_div(start - hi, -step) + 1);
    run.last = std::min<std::int64_t>(run.last, floor_div(start - lo, -step) + 1);
  }
  return run;
}

static_assert(std::endian::native == std::endian::little, "pixel words assume red in the lowest byte");

// a + (b - a) * w / 256 for all four channels, w in 0..255; two channels share each
// multiply, every 16-bit lane holding at most 255 * 256 + 128.
inline std::uint32_t lerp_pixel(std::uint32_t a, std::uint32_t b, std::uint32_t w) {
  const std::uint32_t keep = 256 - w;
  const std::uint32_t rb = (((a & 0x00FF00FFu) * keep + (b & 0x00FF00FFu) * w + 0x00800080u) >> 8) & 0x00FF00FFu;
  const std::uint32_t ga = (((a >> 8) & 0x00FF00FFu) * keep + ((b >> 8) & 0x00FF00FFu) * w + 0x00800080u) & 0xFF00FF00u;
  return rb | ga;
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
  if (x0 >= x1 || y0 >= y1) return;
  pixmap.mark_drawn({std::int32_t(x0), std::int32_t(y0), std::int32_t(x1 - x0), std::int32_t(y1 - y0)});
  for (std::int64_t y = y0; y < y1; ++y) {
    std::uint8_t* d = pixmap.data() + (y * pixmap.width() + x0) * 4;
    const std::size_t first = std::size_t((y - dy) * image.width + (x0 - dx)), count = std::size_t(x1 - x0);
    if (image.palette) {
      const std::uint8_t* index = image.pixels + first;
      for (std::size_t i = 0; i < count; ++i, d += 4)
        if (const std::uint32_t s = image.palette[index[i]]; (s >> 24) != 0) blend_word(d, s, weight);
      continue;
    }
    const std::uint8_t* rgba = image.pixels + first * 4;
    for (std::size_t i = 0; i < count; ++i, d += 4)
      if (rgba[i * 4 + 3] != 0) blend_pixel(d, rgba + i * 4, weight);
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
  if (x0 >= x1 || y0 >= y1) return;
  pixmap.mark_drawn({std::int32_t(x0), std::int32_t(y0), std::int32_t(x1 - x0), std::int32_t(y1 - y0)});

  // Sample positions in image pixels relative to the pixel-centre lattice, in fixed
  // point with 24 fraction bits: along a row they step by a constant, so the inner
  // loop is integer only. A transform that puts the bounding box's preimage beyond 2^30 pixels shrinks the
  // drawing far below one pixel; nothing visible is lost by not drawing it. Bounded
  // corners also bound the steps, so no fixed-point sum can overflow.
  const double sx0 = double(source.x) - 0.5, sy0 = double(source.y) - 0.5;
  auto sample_x = [&](double px, double py) { return sx0 + ia * (px + 0.5 - tx) + ib * (py + 0.5 - ty); };
  auto sample_y = [&](double px, double py) { return sy0 + ic * (px + 0.5 - tx) + id * (py + 0.5 - ty); };
  for (double cx : {double(x0), double(x1)})
    for (double cy : {double(y0), double(y1)})
      if (!(std::fabs(sample_x(cx, cy)) < 0x1p30) || !(std::fabs(sample_y(cx, cy)) < 0x1p30)) return;
  auto to_fixed = [](double v) { return std::int64_t(std::llround(v * double(kFixedOne))); };
  // The sample lies inside the source rectangle when it is within half a pixel
  // outside its first and last pixel centres.
  const std::int64_t lo_x = to_fixed(double(src->x0) - 0.5), hi_x = to_fixed(double(src->x1) - 0.5);
  const std::int64_t lo_y = to_fixed(double(src->y0) - 0.5), hi_y = to_fixed(double(src->y1) - 0.5);
  const std::int64_t step_x = to_fixed(ia), step_y = to_fixed(ic);
  const SampleGrid grid{image, src->x0, src->x1 - 1, src->y0, src->y1 - 1};

  for (std::int64_t py = y0; py < y1; ++py) {
    const std::int64_t row_x = to_fixed(sample_x(double(x0), double(py))), row_y = to_fixed(sample_y(double(x0), double(py)));
    const Run along_x = inside_run(row_x, step_x, lo_x, hi_x, x1 - x0);
    const Run along_y = inside_run(row_y, step_y, lo_y, hi_y, x1 - x0);
    const std::int64_t first = std::max(along_x.first, along_y.first), last = std::min(along_x.last, along_y.last);
    if (first >= last) continue;
    std::uint8_t* dst = pixmap.data() + (py * std::int64_t(pixmap.width()) + x0 + first) * 4;
    std::int64_t fx = row_x + first * step_x, fy = row_y + first * step_y;
    if (sampling == Sampling::nearest) {
      for (std::int64_t k = first; k < last; ++k, fx += step_x, fy += step_y, dst += 4)
        blend_word(dst, grid.at((fx + kFixedOne / 2) >> kFixedBits, (fy + kFixedOne / 2) >> kFixedBits), weight);
      continue;
    }
    // Bilinear between the four nearest pixel centres, clamped to the rectangle.
    for (std::int64_t k = first; k < last; ++k, fx += step_x, fy += step_y, dst += 4) {
      const std::int64_t ix = fx >> kFixedBits, iy = fy >> kFixedBits;
      const std::uint32_t p00 = grid.at(ix, iy), p10 = grid.at(ix + 1, iy);
      const std::uint32_t p01 = grid.at(ix, iy + 1), p11 = grid.at(ix + 1, iy + 1);
      // Premultiplied: four transparent neighbours mix to nothing, which blends to nothing.
      if (((p00 | p10 | p01 | p11) >> 24) == 0) continue;
      const std::uint32_t wx = std::uint32_t(fx >> (kFixedBits - 8)) & 0xFF;
      const std::uint32_t wy = std::uint32_t(fy >> (kFixedBits - 8)) & 0xFF;
      const std::uint32_t mixed = lerp_pixel(lerp_pixel(p00, p10, wx), lerp_pixel(p01, p11, wx), wy);
      std::uint8_t rgba[4];
      std::memcpy(rgba, &mixed, 4);
      rgba[0] = std::min(rgba[0], rgba[3]), rgba[1] = std::min(rgba[1], rgba[3]), rgba[2] = std::min(rgba[2], rgba[3]);
      blend_pixel(dst, rgba, weight);
    }
  }
}

}  // namespace burrowly
