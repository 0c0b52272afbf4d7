#include "render/coverage_raster.h"

#include <algorithm>
#include <cmath>

namespace burrowly {

namespace {

// Coordinates beyond this are treated as this far away (keeps integer casts safe).
constexpr double kFar = 1e7;
constexpr int kMaxCurveSteps = 256;

bool finite_point(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

int curve_steps(float deviation, float tolerance) {
  if (!std::isfinite(deviation)) return 1;
  double n = std::ceil(std::sqrt(double(deviation) / tolerance));
  return int(std::clamp(n, 1.0, double(kMaxCurveSteps)));
}

float length(Point a) { return std::sqrt(a.x * a.x + a.y * a.y); }

// Integral of clamp(s, 0, 1) from 0 to y.
double ramp_area(double y) {
  if (y <= 0) return 0;
  if (y < 1) return 0.5 * y * y;
  return y - 0.5;
}

// Accumulates signed area per cell over a rectangle of rows x columns. The running
// sum of a row up to a column is that pixel's signed coverage.
class AreaAccumulator {
 public:
  AreaAccumulator(int columns, int rows, bool anti_alias)
      : columns_(columns), rows_(rows), anti_alias_(anti_alias), cells_(std::size_t(columns + 2) * rows, 0.0f) {}

  void add_line(double x0, double y0, double x1, double y1) {
    if (y0 == y1) return;
    // Split where the line leaves [0, columns]; outside parts run along the border,
    // which leaves the coverage of every visible pixel unchanged.
    double ts[4] = {0, 1, 1, 1};
    int n = 1;
    if (x0 != x1) {
      for (double edge : {0.0, double(columns_)}) {
        double t = (edge - x0) / (x1 - x0);
        if (t > 0 && t < 1) ts[n++] = t;
      }
    }
    if (n == 3 && ts[1] > ts[2]) std::swap(ts[1], ts[2]);
    ts[n] = 1;
    for (int i = 0; i < n; ++i) {
      double ta = ts[i], tb = ts[i + 1];
      double xa = std::clamp(x0 + (x1 - x0) * ta, 0.0, double(columns_));
      double xb = std::clamp(x0 + (x1 - x0) * tb, 0.0, double(columns_));
      double ya = y0 + (y1 - y0) * ta, yb = y0 + (y1 - y0) * tb;
      if (tb == 1) yb = y1;
      if (anti_alias_)
        add_clipped_area(xa, ya, xb, yb);
      else
        add_clipped_crossings(xa, ya, xb, yb);
    }
  }

  // Signed coverage of a row, one value per column.
  float* row(int r) { return cells_.data() + std::size_t(r) * (columns_ + 2); }

 private:
  void add_clipped_area(double xa, double ya, double xb, double yb) {
    if (ya == yb) return;
    double dir = 1;
    if (ya > yb) std::swap(xa, xb), std::swap(ya, yb), dir = -1;
    double dxdy = (xb - xa) / (yb - ya);
    int r0 = int(std::max(std::floor(ya), 0.0));
    int r1 = int(std::min(std::ceil(yb), double(rows_)));
    for (int r = r0; r < r1; ++r) {
      double sy0 = std::max(ya, double(r)), sy1 = std::min(yb, double(r + 1));
      if (sy1 <= sy0) continue;
      double xs0 = xa + (sy0 - ya) * dxdy, xs1 = xa + (sy1 - ya) * dxdy;
      add_row_piece(row(r), std::min(xs0, xs1), std::max(xs0, xs1), (sy1 - sy0) * dir);
    }
  }

  // A piece of edge within one row, spanning [xl, xr] with signed height d.
  void add_row_piece(float* cells, double xl, double xr, double d) {
    xl = std::clamp(xl, 0.0, double(columns_));
    xr = std::clamp(xr, xl, double(columns_));
    int c0 = int(std::floor(xl)), c1 = int(std::floor(xr));
    double width = xr - xl, previous = 0;
    for (int c = c0; c <= c1 + 1 && c <= columns_ + 1; ++c) {
      double covered;  // part of pixel c's row lying right of the edge piece
      if (width < 1e-9)
        covered = std::clamp(c + 1 - 0.5 * (xl + xr), 0.0, 1.0);
      else
        covered = (ramp_area(c + 1 - xl) - ramp_area(c + 1 - xr)) / width;
      cells[c] += float(d * covered - previous);
      previous = d * covered;
    }
  }

  // Winding changes at pixel centres (row r samples y = r + 0.5).
  void add_clipped_crossings(double xa, double ya, double xb, double yb) {
    if (ya == yb) return;
    float dir = 1;
    if (ya > yb) std::swap(xa, xb), std::swap(ya, yb), dir = -1;
    double dxdy = (xb - xa) / (yb - ya);
    int r0 = int(std::max(std::ceil(ya - 0.5), 0.0));
    int r1 = int(std::min(std::ceil(yb - 0.5), double(rows_)));
    for (int r = r0; r < r1; ++r) {
      double x = xa + (r + 0.5 - ya) * dxdy;
      int c = int(std::clamp(std::floor(x + 0.5), 0.0, double(columns_)));
      row(r)[c] += dir;
    }
  }

  int columns_, rows_;
  bool anti_alias_;
  std::vector<float> cells_;
};

}  // namespace

std::vector<Contour> flatten_path(const Path& path, const Transform& transform, float tolerance) {
  std::vector<Contour> out;
  const auto& pts = path.points();
  std::size_t k = 0;
  auto map = [&](Point p) {
    transform.apply(p.x, p.y);
    return p;
  };
  auto current = [&]() -> Contour& {
    if (out.empty() || out.back().closed) {
      Point start = out.empty() || out.back().points.empty() ? Point{} : out.back().points.front();
      out.push_back({{start}, false});
    }
    return out.back();
  };
  for (Path::Verb verb : path.verbs()) {
    switch (verb) {
      case Path::Verb::move:
        out.push_back({{map(pts[k++])}, false});
        break;
      case Path::Verb::line:
        current().points.push_back(map(pts[k++]));
        break;
      case Path::Verb::quad: {
        Contour& c = current();
        Point p0 = c.points.back(), p1 = map(pts[k]), p2 = map(pts[k + 1]);
        k += 2;
        int n = curve_steps(length({p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y}) / 4, tolerance);
        for (int i = 1; i <= n; ++i) {
          float t = float(i) / n, u = 1 - t;
          c.points.push_back({u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x,
                              u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
        }
        c.points.back() = p2;
        break;
      }
      case Path::Verb::cubic: {
        Contour& c = current();
        Point p0 = c.points.back(), p1 = map(pts[k]), p2 = map(pts[k + 1]), p3 = map(pts[k + 2]);
        k += 3;
        float dd = std::max(length({p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y}),
                            length({p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y}));
        int n = curve_steps(dd * 0.75f, tolerance);
        for (int i = 1; i <= n; ++i) {
          float t = float(i) / n, u = 1 - t;
          float a = u * u * u, b = 3 * u * u * t, cc = 3 * u * t * t, d = t * t * t;
          c.points.push_back({a * p0.x + b * p1.x + cc * p2.x + d * p3.x, a * p0.y + b * p1.y + cc * p2.y + d * p3.y});
        }
        c.points.back() = p3;
        break;
      }
      case Path::Verb::close:
        if (!out.empty()) out.back().closed = true;
        break;
    }
  }
  return out;
}

void fill_contours(Pixmap& pixmap, const std::vector<Contour>& contours, std::uint32_t color, bool anti_alias) {
  double min_x = kFar, min_y = kFar, max_x = -kFar, max_y = -kFar;
  bool any = false;
  for (const Contour& c : contours) {
    if (c.points.size() < 2 || !std::all_of(c.points.begin(), c.points.end(), finite_point)) continue;
    for (Point p : c.points) {
      min_x = std::min(min_x, double(p.x)), max_x = std::max(max_x, double(p.x));
      min_y = std::min(min_y, double(p.y)), max_y = std::max(max_y, double(p.y));
    }
    any = true;
  }
  if (!any) return;
  int x0 = int(std::clamp(std::floor(min_x), 0.0, double(pixmap.width())));
  int x1 = int(std::clamp(std::ceil(max_x), 0.0, double(pixmap.width())));
  int y0 = int(std::clamp(std::floor(min_y), 0.0, double(pixmap.height())));
  int y1 = int(std::clamp(std::ceil(max_y), 0.0, double(pixmap.height())));
  if (x0 >= x1 || y0 >= y1) return;
  pixmap.mark_drawn({x0, y0, x1 - x0, y1 - y0});

  AreaAccumulator area(x1 - x0, y1 - y0, anti_alias);
  for (const Contour& c : contours) {
    if (c.points.size() < 2 || !std::all_of(c.points.begin(), c.points.end(), finite_point)) continue;
    for (std::size_t i = 0; i < c.points.size(); ++i) {
      Point a = c.points[i], b = c.points[(i + 1) % c.points.size()];
      area.add_line(std::clamp(double(a.x), -kFar, kFar) - x0, std::clamp(double(a.y), -kFar, kFar) - y0,
                    std::clamp(double(b.x), -kFar, kFar) - x0, std::clamp(double(b.y), -kFar, kFar) - y0);
    }
  }

  std::uint32_t a = color >> 24;
  auto premultiply = [a](std::uint32_t ch) {
    std::uint32_t t = ch * a + 128;
    return std::uint8_t((t + (t >> 8)) >> 8);
  };
  const std::uint8_t src[4] = {premultiply(color & 0xFF), premultiply((color >> 8) & 0xFF),
                               premultiply((color >> 16) & 0xFF), std::uint8_t(a)};
  for (int r = 0; r < y1 - y0; ++r) {
    float* cells = area.row(r);
    std::uint8_t* dst = pixmap.data() + (std::size_t(y0 + r) * pixmap.width() + x0) * 4;
    float winding = 0;
    for (int c = 0; c < x1 - x0; ++c, dst += 4) {
      winding += cells[c];
      float coverage = std::min(std::fabs(winding), 1.0f);
      std::uint32_t weight = anti_alias ? std::uint32_t(coverage * 255 + 0.5f) : (coverage >= 0.5f ? 255 : 0);
      if (weight) blend_pixel(dst, src, weight);
    }
  }
}

}  // namespace burrowly
