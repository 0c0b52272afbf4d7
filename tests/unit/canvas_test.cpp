#include "render/canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace burrowly {
namespace {

constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFF;

Pixmap blank(std::uint32_t w, std::uint32_t h) { return *Pixmap::create(w, h); }

std::uint8_t alpha_at(const Pixmap& p, int x, int y) { return p.data()[(std::size_t(y) * p.width() + x) * 4 + 3]; }

double total_alpha(const Pixmap& p) {
  double sum = 0;
  for (std::size_t i = 3; i < p.byte_size(); i += 4) sum += p.data()[i] / 255.0;
  return sum;
}

// Coverage of the interval [a, b] within pixel column [x, x + 1].
double overlap(double a, double b, int x) { return std::max(0.0, std::min(b, x + 1.0) - std::max(a, double(x))); }

TEST(Canvas, FilledRectangleHasExactCoverageIncludingFractionalEdges) {
  Pixmap p = blank(10, 8);
  const double x0 = 1.25, x1 = 6.5, y0 = 2.75, y1 = 5.2;
  fill_path(p, Path().add_rect(float(x0), float(y0), float(x1 - x0), float(y1 - y0)), kOpaqueWhite);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      double expected = overlap(x0, x1, x) * overlap(y0, y1, y) * 255;
      EXPECT_NEAR(alpha_at(p, x, y), expected, 1.0) << x << "," << y;
    }
}

TEST(Canvas, CircleAreaMatchesPiRSquared) {
  for (float r : {3.3f, 10.0f, 27.5f}) {
    Pixmap p = blank(64, 64);
    fill_path(p, Path().add_circle(32.2f, 31.7f, r), kOpaqueWhite);
    double area = 3.14159265358979 * r * r;
    EXPECT_NEAR(total_alpha(p), area, area * 0.01) << r;
  }
}

TEST(Canvas, OnePixelStrokeCoversItsLength) {
  Pixmap line = blank(64, 64);
  stroke_path(line, Path().move_to(5.3f, 7.1f).line_to(55.8f, 40.2f), Stroke{1}, kOpaqueWhite);
  double length = std::hypot(55.8 - 5.3, 40.2 - 7.1);
  EXPECT_NEAR(total_alpha(line), length, length * 0.03);

  Pixmap ring = blank(64, 64);
  stroke_path(ring, Path().add_circle(32, 32, 20), Stroke{1}, kOpaqueWhite);
  double circumference = 2 * 3.14159265358979 * 20;
  EXPECT_NEAR(total_alpha(ring), circumference, circumference * 0.03);
  EXPECT_EQ(alpha_at(ring, 32, 32), 0) << "the inside of a stroked circle stays empty";

  // A sharp corner is mitred: a right-angle polyline of width 2 covers its two arms
  // plus the square corner.
  Pixmap corner = blank(40, 40);
  stroke_path(corner, Path().move_to(5, 10).line_to(25, 10).line_to(25, 30), Stroke{2}, kOpaqueWhite);
  EXPECT_NEAR(total_alpha(corner), 2 * 20 * 2 + 1 * 1 * 0, 1.0);
  EXPECT_EQ(alpha_at(corner, 25, 9), 255) << "miter fills the outer corner";
}

TEST(Canvas, SharpJoinsBevelBeyondTheMiterLimit) {
  // Arms meeting at about 6 degrees: a miter would reach about 14 px past the tip.
  Pixmap p = blank(60, 20);
  stroke_path(p, Path().move_to(2, 8).line_to(30, 10).line_to(2, 12), Stroke{2}, kOpaqueWhite);
  EXPECT_GT(alpha_at(p, 29, 10), 128);
  for (int x = 32; x < 60; ++x) EXPECT_EQ(alpha_at(p, x, 10), 0) << x;
  Pixmap allowed = blank(60, 20);
  stroke_path(allowed, Path().move_to(2, 8).line_to(30, 10).line_to(2, 12), Stroke{2, 30}, kOpaqueWhite);
  EXPECT_GT(alpha_at(allowed, 40, 10), 0) << "a higher limit keeps the long miter";
  EXPECT_EQ(alpha_at(allowed, 46, 10), 0);
}

TEST(Canvas, AliasedFillSetsPixelsWhoseCentreIsInside) {
  Pixmap p = blank(10, 10);
  fill_path(p, Path().add_rect(1.4f, 1.6f, 3.2f, 2.0f), kOpaqueWhite, {}, false);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      bool inside = x + 0.5 > 1.4 && x + 0.5 < 4.6 && y + 0.5 > 1.6 && y + 0.5 < 3.6;
      EXPECT_EQ(alpha_at(p, x, y), inside ? 255 : 0) << x << "," << y;
    }
}

TEST(Canvas, FillComposesSourceOverWithPremultipliedResult) {
  Pixmap p = blank(4, 4);
  p.fill(pack_rgba(0, 0, 255, 255));
  fill_path(p, Path().add_rect(0, 0, 4, 4), pack_rgba(255, 0, 0, 128));
  const std::uint8_t* px = p.data();
  EXPECT_NEAR(px[0], 128, 1);
  EXPECT_EQ(px[1], 0);
  EXPECT_NEAR(px[2], 127, 1);
  EXPECT_EQ(px[3], 255);
}

TEST(Canvas, ShapesAreClippedAtThePixmapEdges) {
  Pixmap p = blank(8, 8);
  fill_path(p, Path().add_rect(-100, -3, 104.5f, 200), kOpaqueWhite);
  for (int y = 0; y < 8; ++y) {
    EXPECT_EQ(alpha_at(p, 0, y), 255);
    EXPECT_EQ(alpha_at(p, 3, y), 255);
    EXPECT_NEAR(alpha_at(p, 4, y), 128, 1);
    EXPECT_EQ(alpha_at(p, 5, y), 0);
  }
  Pixmap far = blank(8, 8);
  fill_path(far, Path().add_circle(1e9f, -1e9f, 5), kOpaqueWhite);
  EXPECT_EQ(total_alpha(far), 0);
}

TEST(Canvas, NonFiniteInputDrawsNothing) {
  Pixmap p = blank(8, 8);
  Transform bad{1, 0, 0, 1, NAN, 0};
  fill_path(p, Path().add_rect(0, 0, 8, 8), kOpaqueWhite, bad);
  stroke_path(p, Path().add_rect(1, 1, 5, 5), Stroke{1}, kOpaqueWhite, Transform::scale(INFINITY, 1));
  fill_path(p, Path().move_to(0, 0).line_to(NAN, 5).line_to(5, 5), kOpaqueWhite);
  std::uint8_t image[4] = {255, 255, 255, 255};
  draw_image_rect(p, {image, 1, 1}, {0, 0, 1, 1}, bad, 1, Sampling::nearest);
  EXPECT_EQ(total_alpha(p), 0);
}

// 2x2 checker: black top-left and bottom-right, white elsewhere, all opaque.
struct Checker {
  std::uint8_t px[16] = {0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 0, 255};
  ImageView view() const { return {px, 2, 2}; }
};

std::uint8_t red_at(const Pixmap& p, int x, int y) { return p.data()[(std::size_t(y) * p.width() + x) * 4]; }

TEST(Canvas, NearestAndBilinearSamplingOfScaledChecker) {
  Checker c;
  Pixmap nearest = blank(8, 8), smooth = blank(8, 8);
  Transform t = Transform::scale(4, 4);
  draw_image_rect(nearest, c.view(), {0, 0, 2, 2}, t, 1, Sampling::nearest);
  draw_image_rect(smooth, c.view(), {0, 0, 2, 2}, t, 1, Sampling::bilinear);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      bool white = (x < 4) != (y < 4);
      EXPECT_EQ(red_at(nearest, x, y), white ? 255 : 0);
      EXPECT_EQ(alpha_at(nearest, x, y), 255);
      EXPECT_EQ(alpha_at(smooth, x, y), 255);
    }
  // Bilinear: the corners keep the pure colours (clamped at the edges), the centre is grey.
  EXPECT_EQ(red_at(smooth, 0, 0), 0);
  EXPECT_EQ(red_at(smooth, 7, 0), 255);
  EXPECT_NEAR(red_at(smooth, 3, 3), 128, 40);
  EXPECT_NEAR(red_at(smooth, 4, 3), 128, 40);
  // Along row 0 the value rises monotonically from black to white.
  for (int x = 1; x < 8; ++x) EXPECT_GE(red_at(smooth, x, 0), red_at(smooth, x - 1, 0));
}

TEST(Canvas, RotatedCheckerLandsWhereTheRotationSays) {
  Checker c;
  Pixmap p = blank(16, 16);
  // Scale 4, rotate a quarter turn, move to (8, 8): local (u, v) lands at (8 + 4v, 8 - 4u).
  Transform t = Transform::translate(8, 8).after(Transform::rotate(3.14159265f / 2)).after(Transform::scale(4, 4));
  draw_image_rect(p, c.view(), {0, 0, 2, 2}, t, 1, Sampling::nearest);
  // Image pixel (1, 0) (white) covers local u 1..2, v 0..1 -> x 8..12, y 0..4.
  EXPECT_EQ(red_at(p, 9, 1), 255);
  // Image pixel (0, 0) (black) -> x 8..12, y 4..8.
  EXPECT_EQ(red_at(p, 9, 5), 0);
  EXPECT_EQ(alpha_at(p, 9, 5), 255);
  // Image pixel (1, 1) (black) -> x 12..16, y 0..4; (0, 1) white -> x 12..16, y 4..8.
  EXPECT_EQ(red_at(p, 13, 1), 0);
  EXPECT_EQ(red_at(p, 13, 6), 255);
  // Nothing lands left of x 8 or below y 8.
  EXPECT_EQ(alpha_at(p, 7, 4), 0);
  EXPECT_EQ(alpha_at(p, 10, 9), 0);
}

TEST(Canvas, ImageRectangleOutsideTheImageDrawsOnlyTheOverlap) {
  Checker c;
  Pixmap p = blank(8, 8);
  // Source rect (1, 1, 5, 5): only image pixel (1, 1) exists; it lands at local (0, 0).
  draw_image_rect(p, c.view(), {1, 1, 5, 5}, Transform::translate(2, 3), 1, Sampling::nearest);
  EXPECT_EQ(alpha_at(p, 2, 3), 255);
  EXPECT_EQ(total_alpha(p), 1);
  draw_image_rect(p, c.view(), {5, 5, 2, 2}, Transform::translate(0, 0), 1, Sampling::bilinear);
  draw_image_rect(p, c.view(), {0, 0, 0, 2}, Transform::translate(0, 0), 1, Sampling::bilinear);
  EXPECT_EQ(total_alpha(p), 1);
}

TEST(Canvas, IntegerTranslationMatchesGeneralPathAndClips) {
  Checker c;
  Pixmap fast = blank(5, 5), general = blank(5, 5);
  draw_image_rect(fast, c.view(), {0, 0, 2, 2}, Transform::translate(4, -1), 0.5f, Sampling::nearest);
  draw_image_rect(general, c.view(), {0, 0, 2, 2}, Transform::translate(4.0001f, -1), 0.5f, Sampling::nearest);
  for (std::size_t i = 0; i < fast.byte_size(); ++i) EXPECT_EQ(fast.data()[i], general.data()[i]) << i;
  EXPECT_NEAR(alpha_at(fast, 4, 0), 128, 1);  // half opacity
  EXPECT_EQ(total_alpha(fast), alpha_at(fast, 4, 0) / 255.0);
}

}  // namespace
}  // namespace burrowly
