#include "render/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "render/coverage_raster.h"
#include "render/stable_math.h"
#include "render/stroke_outline.h"

namespace burrowly {

namespace {

constexpr std::uint64_t kMaxPixels = std::uint64_t(1) << 26;  // 64 Mpx, 256 MB

// (x * y) / 255, rounded, for x, y in 0..255.
inline std::uint32_t mul255(std::uint32_t x, std::uint32_t y) {
  std::uint32_t t = x * y + 128;
  return (t + (t >> 8)) >> 8;
}

}  // namespace

std::optional<Pixmap> Pixmap::create(std::uint32_t width, std::uint32_t height) {
  if (width == 0 || height == 0 || std::uint64_t(width) * height > kMaxPixels) return std::nullopt;
  return Pixmap(width, height);
}

IntRect united(const IntRect& a, const IntRect& b) {
  if (a.empty()) return b.empty() ? IntRect{} : b;
  if (b.empty()) return a;
  std::int64_t x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  std::int64_t x1 = std::max(std::int64_t(a.x) + a.width, std::int64_t(b.x) + b.width);
  std::int64_t y1 = std::max(std::int64_t(a.y) + a.height, std::int64_t(b.y) + b.height);
  return {std::int32_t(x0), std::int32_t(y0), std::int32_t(x1 - x0), std::int32_t(y1 - y0)};
}

void Pixmap::mark_drawn(IntRect rect) {
  std::int64_t x0 = std::max<std::int64_t>(rect.x, 0), y0 = std::max<std::int64_t>(rect.y, 0);
  std::int64_t x1 = std::min<std::int64_t>(std::int64_t(rect.x) + rect.width, width_);
  std::int64_t y1 = std::min<std::int64_t>(std::int64_t(rect.y) + rect.height, height_);
  if (x0 >= x1 || y0 >= y1) return;
  drawn_ = united(drawn_, {std::int32_t(x0), std::int32_t(y0), std::int32_t(x1 - x0), std::int32_t(y1 - y0)});
}

void Pixmap::clear_drawn() {
  if (drawn_.empty()) return;
  const std::size_t stride = std::size_t(width_) * 4;
  for (std::int32_t y = drawn_.y; y < drawn_.y + drawn_.height; ++y)
    std::memset(data_.data() + std::size_t(y) * stride + std::size_t(drawn_.x) * 4, 0, std::size_t(drawn_.width) * 4);
  drawn_ = {};
}

void Pixmap::start_frame() {
  previous_ = drawn_;
  const std::size_t stride = std::size_t(width_) * 4, row = std::size_t(drawn_.width) * 4;
  previous_pixels_.resize(row * std::size_t(std::max(drawn_.height, 0)));
  for (std::int32_t y = 0; y < drawn_.height; ++y)
    std::memcpy(previous_pixels_.data() + std::size_t(y) * row,
                data_.data() + std::size_t(drawn_.y + y) * stride + std::size_t(drawn_.x) * 4, row);
  clear_drawn();
}

IntRect Pixmap::changed_since_frame_start() const {
  // Outside both rectangles both frames are transparent black.
  if (drawn_ != previous_) return united(previous_, drawn_);
  const std::size_t stride = std::size_t(width_) * 4, row = std::size_t(drawn_.width) * 4;
  for (std::int32_t y = 0; y < drawn_.height; ++y)
    if (std::memcmp(previous_pixels_.data() + std::size_t(y) * row,
                    data_.data() + std::size_t(drawn_.y + y) * stride + std::size_t(drawn_.x) * 4, row) != 0)
      return drawn_;
  return {};
}

void Pixmap::fill(std::uint32_t color) {
  std::uint32_t a = color >> 24;
  std::uint8_t px[4] = {std::uint8_t(mul255(color & 0xFF, a)), std::uint8_t(mul255((color >> 8) & 0xFF, a)),
                        std::uint8_t(mul255((color >> 16) & 0xFF, a)), std::uint8_t(a)};
  drawn_ = a == 0 ? IntRect{} : IntRect{0, 0, std::int32_t(width_), std::int32_t(height_)};
  if (px[0] == px[1] && px[1] == px[2] && px[2] == px[3]) {
    std::memset(data_.data(), px[0], data_.size());
    return;
  }
  std::uint32_t word;
  std::memcpy(&word, px, 4);
  for (std::size_t i = 0; i < data_.size(); i += 4) std::memcpy(data_.data() + i, &word, 4);
}

Transform Transform::rotate(float radians) {
  SinCos r = stable_sin_cos(radians);
  float c = float(r.cos), s = float(r.sin);
  // x' = c x + s y, y' = -s x + c y
  return {c, -s, s, c, 0, 0};
}

Transform Transform::after(const Transform& f) const {
  Transform r;
  r.sx = sx * f.sx + kx * f.ky;
  r.kx = sx * f.kx + kx * f.sy;
  r.tx = sx * f.tx + kx * f.ty + tx;
  r.ky = ky * f.sx + sy * f.ky;
  r.sy = ky * f.kx + sy * f.sy;
  r.ty = ky * f.tx + sy * f.ty + ty;
  return r;
}

bool Transform::is_finite() const {
  return std::isfinite(sx) && std::isfinite(ky) && std::isfinite(kx) && std::isfinite(sy) && std::isfinite(tx) &&
         std::isfinite(ty);
}

void Transform::apply(float& x, float& y) const {
  float nx = sx * x + kx * y + tx;
  float ny = ky * x + sy * y + ty;
  x = nx;
  y = ny;
}

Path& Path::move_to(float x, float y) {
  verbs_.push_back(Verb::move);
  points_.push_back({x, y});
  return *this;
}

Path& Path::line_to(float x, float y) {
  if (verbs_.empty()) return move_to(x, y);
  verbs_.push_back(Verb::line);
  points_.push_back({x, y});
  return *this;
}

Path& Path::quad_to(float cx, float cy, float x, float y) {
  if (verbs_.empty()) move_to(cx, cy);
  verbs_.push_back(Verb::quad);
  points_.push_back({cx, cy});
  points_.push_back({x, y});
  return *this;
}

Path& Path::cubic_to(float c1x, float c1y, float c2x, float c2y, float x, float y) {
  if (verbs_.empty()) move_to(c1x, c1y);
  verbs_.push_back(Verb::cubic);
  points_.push_back({c1x, c1y});
  points_.push_back({c2x, c2y});
  points_.push_back({x, y});
  return *this;
}

Path& Path::close() {
  if (!verbs_.empty() && verbs_.back() != Verb::close) verbs_.push_back(Verb::close);
  return *this;
}

Path& Path::add_rect(float x, float y, float w, float h) {
  return move_to(x, y).line_to(x + w, y).line_to(x + w, y + h).line_to(x, y + h).close();
}

Path& Path::add_oval(float cx, float cy, float rx, float ry) {
  // Four cubic quarter arcs; kappa places the control points for a circular arc.
  constexpr float k = 0.5522847498f;
  float ox = rx * k, oy = ry * k;
  move_to(cx + rx, cy);
  cubic_to(cx + rx, cy + oy, cx + ox, cy + ry, cx, cy + ry);
  cubic_to(cx - ox, cy + ry, cx - rx, cy + oy, cx - rx, cy);
  cubic_to(cx - rx, cy - oy, cx - ox, cy - ry, cx, cy - ry);
  cubic_to(cx + ox, cy - ry, cx + rx, cy - oy, cx + rx, cy);
  return close();
}

Path& Path::add_rounded_rect(float x, float y, float w, float h, float radius) {
  float r = std::clamp(radius, 0.0f, std::min(std::fabs(w), std::fabs(h)) / 2);
  if (!(r > 0)) return add_rect(x, y, w, h);
  constexpr float k = 0.5522847498f;
  float o = r * (1 - k);
  float x1 = x + w, y1 = y + h;
  move_to(x + r, y);
  line_to(x1 - r, y);
  cubic_to(x1 - o, y, x1, y + o, x1, y + r);
  line_to(x1, y1 - r);
  cubic_to(x1, y1 - o, x1 - o, y1, x1 - r, y1);
  line_to(x + r, y1);
  cubic_to(x + o, y1, x, y1 - o, x, y1 - r);
  line_to(x, y + r);
  cubic_to(x, y + o, x + o, y, x + r, y);
  return close();
}

Path& Path::add_polygon(const std::vector<Point>& points) {
  if (points.empty()) return *this;
  move_to(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) line_to(points[i].x, points[i].y);
  return close();
}

void fill_path(Pixmap& pixmap, const Path& path, std::uint32_t color, const Transform& transform, bool anti_alias) {
  if (!transform.is_finite() || (color >> 24) == 0) return;
  float tolerance = kFlattenTolerance;
  std::vector<Contour> contours = flatten_path(path, transform, tolerance);
  fill_contours(pixmap, contours, color, anti_alias);
}

void stroke_path(Pixmap& pixmap, const Path& path, const Stroke& stroke, std::uint32_t color,
                 const Transform& transform, bool anti_alias) {
  if (!transform.is_finite() || (color >> 24) == 0 || !(stroke.width > 0) || !std::isfinite(stroke.width)) return;
  // Outline in path units, then map it; the flattening tolerance follows the scale.
  float scale = std::sqrt(std::max(transform.sx * transform.sx + transform.ky * transform.ky,
                                    transform.kx * transform.kx + transform.sy * transform.sy));
  if (!(scale > 1e-6f)) return;
  std::vector<Contour> centre_lines = flatten_path(path, Transform{}, kFlattenTolerance / scale);
  std::vector<Contour> outline = stroke_outline(centre_lines, stroke.width / 2, stroke.miter_limit);
  for (Contour& c : outline)
    for (Point& p : c.points) transform.apply(p.x, p.y);
  fill_contours(pixmap, outline, color, anti_alias);
}

}  // namespace burrowly
