#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace art {

namespace {

std::uint32_t mix(std::uint32_t a, std::uint32_t b, float t) {
  std::uint32_t out = 0xFF000000;
  for (int shift = 0; shift < 24; shift += 8) {
    float ca = float((a >> shift) & 0xFF), cb = float((b >> shift) & 0xFF);
    out |= std::uint32_t(std::lround(ca + (cb - ca) * t)) << shift;
  }
  return out;
}

}  // namespace

std::uint32_t rgb(std::uint32_t hex) {
  return burrowly::pack_rgba((hex >> 16) & 0xFF, (hex >> 8) & 0xFF, hex & 0xFF, 255);
}

Material ramp(std::uint32_t base) {
  return {{mix(base, rgb(0xFFF8E8), 0.32f), base, mix(base, rgb(0x3A2A55), 0.26f),
           mix(base, rgb(0x241B33), 0.48f)}};
}

Material flat(std::uint32_t color) { return {{color, color, color, color}}; }

void Rect::add(float x, float y) {
  x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
}

void Drawing::add(Path path, const Material& m, bool line, bool clip, Rect local) {
  Part part{std::move(path), transform, m, line, in_group_ ? groups_ : ++groups_, clip, true};
  float cx = (local.x0 + local.x1) / 2, cy = (local.y0 + local.y1) / 2;
  float ex = local.x1, ey = cy, fx = cx, fy = local.y1;
  map(cx, cy), map(ex, ey), map(fx, fy);
  part.cx = cx, part.cy = cy;
  part.rx = std::max(1.0f, std::hypot(ex - cx, ey - cy));
  part.ry = std::max(1.0f, std::hypot(fx - cx, fy - cy));
  parts_.push_back(std::move(part));
}

void Drawing::oval(float cx, float cy, float rx, float ry, const Material& m, bool line) {
  Path p;
  p.add_oval(cx, cy, rx, ry);
  add(std::move(p), m, line, false, {cx - rx, cy - ry, cx + rx, cy + ry});
}

void Drawing::rect(float x, float y, float w, float h, const Material& m, bool line) {
  Path p;
  p.add_rect(x, y, w, h);
  add(std::move(p), m, line, false, {x, y, x + w, y + h});
}

void Drawing::poly(const std::vector<burrowly::Point>& pts, const Material& m, bool line) {
  Path p;
  p.add_polygon(pts);
  Rect r;
  for (auto& q : pts) r.add(q.x, q.y);
  add(std::move(p), m, line, false, r);
}

void Drawing::limb(float x0, float y0, float x1, float y1, float w, const Material& m, bool line) {
  float dx = x1 - x0, dy = y1 - y0, len = std::max(0.01f, std::hypot(dx, dy));
  float nx = -dy / len * w / 2, ny = dx / len * w / 2;
  Path p;
  p.add_polygon({{x0 + nx, y0 + ny}, {x1 + nx, y1 + ny}, {x1 - nx, y1 - ny}, {x0 - nx, y0 - ny}});
  p.add_circle(x1, y1, w / 2);
  p.add_circle(x0, y0, w / 2);
  Rect r;
  r.add(std::min(x0, x1) - w / 2, std::min(y0, y1) - w / 2);
  r.add(std::max(x0, x1) + w / 2, std::max(y0, y1) + w / 2);
  add(std::move(p), m, line, false, r);
}

void Drawing::mark_oval(float cx, float cy, float rx, float ry, const Material& m) {
  Path p;
  p.add_oval(cx, cy, rx, ry);
  add(std::move(p), m, false, true, {cx - rx, cy - ry, cx + rx, cy + ry});
}

void Drawing::mark_poly(const std::vector<burrowly::Point>& pts, const Material& m) {
  Path p;
  p.add_polygon(pts);
  Rect r;
  for (auto& q : pts) r.add(q.x, q.y);
  add(std::move(p), m, false, true, r);
}

void Drawing::pixel(float x, float y, std::uint32_t color) {
  map(x, y);
  dots_.push_back({int(std::floor(x)), int(std::floor(y)), color, parts_.size()});
}

void Drawing::lid_pixel(float x, float y) {
  pixel(x, y, kOutline);
  dots_.back().lid = true;
}

void Drawing::begin_group() {
  in_group_ = true;
  ++groups_;
  group_start_ = parts_.size();
}

void Drawing::end_group() {
  in_group_ = false;
  // One shading ellipse round the whole group.
  Rect r;
  for (std::size_t k = group_start_; k < parts_.size(); ++k) {
    if (parts_[k].clip) continue;
    const Part& p = parts_[k];
    r.add(p.cx - p.rx, p.cy - p.ry), r.add(p.cx + p.rx, p.cy + p.ry);
  }
  if (r.empty()) return;
  for (std::size_t k = group_start_; k < parts_.size(); ++k) {
    if (parts_[k].clip) continue;
    Part& p = parts_[k];
    p.cx = (r.x0 + r.x1) / 2, p.cy = (r.y0 + r.y1) / 2, p.rx = (r.x1 - r.x0) / 2, p.ry = (r.y1 - r.y0) / 2;
  }
}

int Drawing::rows_below(Mark m, int row) const {
  std::optional<burrowly::Pixmap> scratch;
  int bottom = row;
  for (std::size_t k = m.parts; k < parts_.size(); ++k) {
    const Part& part = parts_[k];
    if (part.clip) continue;  // markings never extend a shape
    // Control points bound the shape: most parts end well above the row and need no fill.
    float lowest = -1e9f;
    for (burrowly::Point q : part.path.points()) {
      part.xf.apply(q.x, q.y);
      lowest = std::max(lowest, q.y);
    }
    if (lowest < float(bottom) + 1.5f) continue;
    if (!scratch) scratch = burrowly::Pixmap::create(width_, height_);
    scratch->clear();
    burrowly::fill_path(*scratch, part.path, 0xFFFFFFFF, part.xf, false);
    const std::uint8_t* px = scratch->data();
    for (int y = height_ - 1; y > bottom; --y)
      for (int x = 0; x < width_; ++x)
        if (px[(y * width_ + x) * 4 + 3] >= 128) {
          bottom = y;
          y = 0;
          break;
        }
  }
  for (std::size_t k = m.dots; k < dots_.size(); ++k) bottom = std::max(bottom, dots_[k].y);
  return bottom - row;
}

int Drawing::top_since(Mark m) const {
  auto scratch = burrowly::Pixmap::create(width_, height_);
  int top = height_;
  for (std::size_t k = m.parts; k < parts_.size(); ++k) {
    if (parts_[k].clip) continue;
    scratch->clear();
    burrowly::fill_path(*scratch, parts_[k].path, 0xFFFFFFFF, parts_[k].xf, false);
    const std::uint8_t* px = scratch->data();
    for (int i = 0; i < top * width_; ++i)
      if (px[i * 4 + 3] >= 128) {
        top = i / width_;
        break;
      }
  }
  return top;
}

void Drawing::shift_since(Mark m, int dy) {
  for (std::size_t k = m.parts; k < parts_.size(); ++k) {
    parts_[k].xf = Transform::translate(0, float(dy)).after(parts_[k].xf);
    parts_[k].cy += float(dy);
  }
  for (std::size_t k = m.dots; k < dots_.size(); ++k) dots_[k].y += dy;
}

void Drawing::mirror_since(Mark m, int axis_x) {
  const float a = float(axis_x);
  const Transform flip = Transform::translate(a, 0).after(Transform::scale(-1, 1)).after(Transform::translate(-a, 0));
  for (std::size_t k = m.parts; k < parts_.size(); ++k) {
    parts_[k].xf = flip.after(parts_[k].xf);
    parts_[k].cx = 2 * a - parts_[k].cx;
  }
  for (std::size_t k = m.dots; k < dots_.size(); ++k) dots_[k].x = 2 * axis_x - dots_[k].x - 1;
}

void Drawing::flip_since(Mark m, int axis_y) {
  const float a = float(axis_y);
  const Transform flip = Transform::translate(0, a).after(Transform::scale(1, -1)).after(Transform::translate(0, -a));
  for (std::size_t k = m.parts; k < parts_.size(); ++k) {
    parts_[k].xf = flip.after(parts_[k].xf);
    parts_[k].cy = 2 * a - parts_[k].cy;
  }
  for (std::size_t k = m.dots; k < dots_.size(); ++k) dots_[k].y = 2 * axis_y - dots_[k].y - 1;
}

std::vector<std::uint8_t> Drawing::render() const {
  const int w = width_, h = height_;
  std::vector<int> ids(std::size_t(w) * h, 0);
  auto scratch = burrowly::Pixmap::create(w, h);
  for (std::size_t k = 0; k < parts_.size(); ++k) {
    const Part& part = parts_[k];
    scratch->clear();
    burrowly::fill_path(*scratch, part.path, 0xFFFFFFFF, part.xf, false);
    const std::uint8_t* px = scratch->data();
    for (int i = 0; i < w * h; ++i) {
      if (px[i * 4 + 3] < 128) continue;
      if (part.clip && ids[i] == 0) continue;
      ids[i] = int(k) + 1;
    }
  }
  auto id_at = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? 0 : ids[y * w + x]; };
  std::vector<std::uint8_t> out(std::size_t(w) * h * 4, 0);
  auto put = [&](int i, std::uint32_t c) {
    out[i * 4] = c & 0xFF, out[i * 4 + 1] = (c >> 8) & 0xFF, out[i * 4 + 2] = (c >> 16) & 0xFF,
    out[i * 4 + 3] = c >> 24;
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int id = ids[y * w + x];
      if (id == 0) {
        if (id_at(x - 1, y) || id_at(x + 1, y) || id_at(x, y - 1) || id_at(x, y + 1)) put(y * w + x, kOutline);
        continue;
      }
      const Part& part = parts_[id - 1];
      float u = (x + 0.5f - part.cx) / part.rx, v = (y + 0.5f - part.cy) / part.ry;
      float light = -(0.55f * u + 0.83f * v);
      int shade = light > 0.5f ? 0 : light > -0.3f ? 1 : light > -0.78f ? 2 : 3;
      auto other_group = [&](int n) { return n != 0 && parts_[n - 1].group != part.group; };
      // Under another part drawn in front: occlusion shadow.
      const int above = id_at(x, y - 1);
      if (above > id && other_group(above) && shade < 2) shade = 2;
      if (part.line) {
        for (int n : {id_at(x - 1, y), id_at(x + 1, y), id_at(x, y - 1), id_at(x, y + 1)})
          if (n < id && other_group(n)) shade = 3;
      }
      put(y * w + x, part.material.shade[shade]);
    }
  }
  for (const Dot& d : dots_) {
    const int id = id_at(d.x, d.y);
    if (id == 0 || std::size_t(id) > d.layer) continue;  // off the figure, or under a later part
    std::uint32_t color = d.color;
    if (d.lid) {  // on dark fur the closed eye is a light line
      const std::uint32_t fur = parts_[id - 1].material.shade[1];
      const int luma = int(fur & 0xFF) * 3 + int((fur >> 8) & 0xFF) * 6 + int((fur >> 16) & 0xFF);
      if (luma < 900) color = mix(fur, rgb(0xf0e6d8), 0.75f);
    }
    put(d.y * w + d.x, color);
  }
  return out;
}

}  // namespace art
