#include "render/stroke_outline.h"

#include <cmath>

namespace burrowly {

namespace {

struct Vec {
  double x = 0, y = 0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
double distance(Vec a, Vec b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)); }
Point to_point(Vec v) { return {float(v.x), float(v.y)}; }

struct Segment {
  Vec start, direction, normal;
  double length = 0;
};

class SideBuilder {
 public:
  SideBuilder(double half_width, double miter_limit) : hw_(half_width), limit_(miter_limit) {}

  // Offset points where segment a meets segment b, on side s (+1 or -1).
  void join(std::vector<Point>& out, Vec p, const Segment& a, const Segment& b, double s) const {
    double turn = cross(a.direction, b.direction), along = dot(a.direction, b.direction);
    Vec na = a.normal * (s * hw_), nb = b.normal * (s * hw_);
    if (std::fabs(turn) < 1e-9 && along > 0) {
      out.push_back(to_point(p + na));
      return;
    }
    double cos_half = std::sqrt(std::max(0.0, (1 + along) / 2));
    Vec bisector = na + nb;
    double bisector_length = std::sqrt(dot(bisector, bisector));
    bool outer = s * turn < 0;
    if (cos_half > 1e-6 && bisector_length > 1e-12) {
      Vec corner = p + bisector * (hw_ / cos_half / bisector_length);
      double ratio = 1 / cos_half;
      // Inside a turn the offset lines meet at the corner while both segments are long
      // enough to reach it; outside, the miter is kept within the limit.
      double reach = hw_ * std::sqrt(std::max(0.0, 1 - cos_half * cos_half)) / cos_half;
      if (outer ? ratio <= limit_ : reach <= std::min(a.length, b.length)) {
        out.push_back(to_point(corner));
        return;
      }
    }
    out.push_back(to_point(p + na));
    if (!outer) out.push_back(to_point(p));
    out.push_back(to_point(p + nb));
  }

 private:
  double hw_, limit_;
};

std::vector<Segment> segments_of(const Contour& line, bool closed) {
  std::vector<Vec> pts;
  for (Point p : line.points) {
    Vec v{p.x, p.y};
    if (pts.empty() || distance(v, pts.back()) > 1e-6) pts.push_back(v);
  }
  if (closed && pts.size() > 1 && distance(pts.front(), pts.back()) <= 1e-6)
    pts.pop_back();
  std::vector<Segment> segments;
  if (pts.size() < 2) return segments;
  std::size_t count = closed ? pts.size() : pts.size() - 1;
  for (std::size_t i = 0; i < count; ++i) {
    Vec a = pts[i], b = pts[(i + 1) % pts.size()];
    Vec d{b.x - a.x, b.y - a.y};
    double len = std::sqrt(dot(d, d));
    d = d * (1 / len);
    segments.push_back({a, d, {-d.y, d.x}, len});
  }
  return segments;
}

}  // namespace

std::vector<Contour> stroke_outline(const std::vector<Contour>& centre_lines, float half_width, float miter_limit) {
  std::vector<Contour> out;
  SideBuilder side(half_width, miter_limit);
  for (const Contour& line : centre_lines) {
    bool closed = line.closed;
    std::vector<Segment> segs = segments_of(line, closed);
    if (segs.empty()) continue;
    if (closed && segs.size() < 2) closed = false;
    std::vector<Point> left, right;
    std::size_t n = segs.size();
    if (closed) {
      for (std::size_t i = 0; i < n; ++i) {
        const Segment& a = segs[(i + n - 1) % n];
        side.join(left, segs[i].start, a, segs[i], 1);
        side.join(right, segs[i].start, a, segs[i], -1);
      }
      out.push_back({std::move(left), true});
      out.push_back({{right.rbegin(), right.rend()}, true});
      continue;
    }
    Vec end = segs.back().start + segs.back().direction * segs.back().length;
    left.push_back(to_point(segs[0].start + segs[0].normal * half_width));
    right.push_back(to_point(segs[0].start + segs[0].normal * -half_width));
    for (std::size_t i = 1; i < n; ++i) {
      side.join(left, segs[i].start, segs[i - 1], segs[i], 1);
      side.join(right, segs[i].start, segs[i - 1], segs[i], -1);
    }
    left.push_back(to_point(end + segs.back().normal * half_width));
    right.push_back(to_point(end + segs.back().normal * -half_width));
    left.insert(left.end(), right.rbegin(), right.rend());
    out.push_back({std::move(left), true});
  }
  return out;
}

}  // namespace burrowly
