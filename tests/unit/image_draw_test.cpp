// Transformed image drawing steps through each row in fixed point and works out the
// run of pixels inside the source rectangle up front. A per-pixel reference in double
// precision checks that the same pixels are drawn, with colours within rounding.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "render/canvas.h"

namespace burrowly {
namespace {

constexpr std::uint32_t kImage = 24, kCanvas = 96;

// Opaque, smoothly varying colours, so every sample inside the rectangle draws.
std::vector<std::uint8_t> gradient_image() {
  std::vector<std::uint8_t> px(kImage * kImage * 4);
  for (std::uint32_t y = 0; y < kImage; ++y)
    for (std::uint32_t x = 0; x < kImage; ++x) {
      std::uint8_t* p = &px[(y * kImage + x) * 4];
      p[0] = std::uint8_t(x * 10), p[1] = std::uint8_t(y * 10), p[2] = std::uint8_t(255 - x * 5), p[3] = 255;
    }
  return px;
}

// What the drawing should produce: for each pixel centre, the inverse-mapped point,
// tested against the rectangle and sampled bilinearly with clamped neighbours. Pixel
// centres that land within 1/1000 of a pixel of the rectangle's edge may go either
// way; their alpha is set to 1 to mark them.
std::vector<std::uint8_t> reference(const std::vector<std::uint8_t>& image, IntRect r, const Transform& t) {
  std::vector<std::uint8_t> out(kCanvas * kCanvas * 4, 0);
  auto near_edge = [](double value, double edge) { return std::fabs(value - edge) < 1e-3; };
  const double det = double(t.sx) * t.sy - double(t.kx) * t.ky;
  const double ia = t.sy / det, ib = -t.kx / det, ic = -t.ky / det, id = t.sx / det;
  for (std::uint32_t py = 0; py < kCanvas; ++py)
    for (std::uint32_t px = 0; px < kCanvas; ++px) {
      const double qx = px + 0.5 - t.tx, qy = py + 0.5 - t.ty;
      const double u = ia * qx + ib * qy, v = ic * qx + id * qy;
      if (near_edge(u, 0) || near_edge(u, r.width) || near_edge(v, 0) || near_edge(v, r.height)) {
        out[(py * kCanvas + px) * 4 + 3] = 1;
        continue;
      }
      if (!(u >= 0 && u < r.width && v >= 0 && v < r.height)) continue;
      const double fx = r.x + u - 0.5, fy = r.y + v - 0.5;
      const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
      const double wx = fx - x0, wy = fy - y0;
      auto at = [&](int x, int y, int ch) {
        x = std::clamp(x, r.x, r.x + r.width - 1), y = std::clamp(y, r.y, r.y + r.height - 1);
        return double(image[(std::size_t(y) * kImage + x) * 4 + ch]);
      };
      for (int ch = 0; ch < 4; ++ch) {
        const double top = at(x0, y0, ch) + (at(x0 + 1, y0, ch) - at(x0, y0, ch)) * wx;
        const double bottom = at(x0, y0 + 1, ch) + (at(x0 + 1, y0 + 1, ch) - at(x0, y0 + 1, ch)) * wx;
        out[(py * kCanvas + px) * 4 + ch] = std::uint8_t(std::lround(top + (bottom - top) * wy));
      }
    }
  return out;
}

TEST(ImageDraw, TransformedDrawingMatchesPerPixelReference) {
  const std::vector<std::uint8_t> image = gradient_image();
  const IntRect r{3, 2, 17, 19};
  std::srand(7);
  auto any = [](float lo, float hi) { return lo + (hi - lo) * float(std::rand()) / float(RAND_MAX); };
  for (int round = 0; round < 200; ++round) {
    // Leans, squashes, mirrors, quarter turns and large scales, placed partly off the canvas.
    const float mirror = round % 3 == 0 ? -1.0f : 1.0f;
    const Transform t = Transform::translate(any(-10, 100), any(-10, 100))
                            .after(Transform::rotate(round % 5 == 0 ? any(-3.2f, 3.2f) : any(-0.15f, 0.15f)))
                            .after(Transform::scale(mirror * any(0.6f, 3.5f), any(0.6f, 3.5f)));
    Pixmap canvas = *Pixmap::create(kCanvas, kCanvas);
    draw_image_rect(canvas, {image.data(), kImage, kImage}, r, t, 1, Sampling::bilinear);
    const std::vector<std::uint8_t> want = reference(image, r, t);
    int coverage_differs = 0, worst = 0;
    for (std::size_t i = 0; i < want.size(); i += 4) {
      if (want[i + 3] == 1) continue;
      const bool drawn = canvas.data()[i + 3] != 0, expected = want[i + 3] != 0;
      if (drawn != expected) {
        ++coverage_differs;
        continue;
      }
      for (int ch = 0; ch < 3; ++ch) worst = std::max(worst, std::abs(int(canvas.data()[i + ch]) - int(want[i + ch])));
    }
    EXPECT_EQ(coverage_differs, 0) << "round " << round;
    EXPECT_LE(worst, 2) << "round " << round;
  }
}

TEST(ImageDraw, FractionalMirrorSamplesEveryPixelOnce) {
  // A mirrored copy at a whole-pixel offset (the general path with nearest sampling)
  // reproduces the image exactly, reversed left to right.
  const std::vector<std::uint8_t> image = gradient_image();
  Pixmap canvas = *Pixmap::create(kCanvas, kCanvas);
  draw_image_rect(canvas, {image.data(), kImage, kImage}, {0, 0, int(kImage), int(kImage)},
                  Transform::translate(40, 10).after(Transform::scale(-1, 1)), 1, Sampling::nearest);
  for (std::uint32_t y = 0; y < kImage; ++y)
    for (std::uint32_t x = 0; x < kImage; ++x) {
      const std::uint8_t* got = canvas.data() + ((10 + y) * kCanvas + (39 - x)) * 4;
      ASSERT_TRUE(std::equal(got, got + 4, &image[(y * kImage + x) * 4])) << x << "," << y;
    }
  EXPECT_EQ(canvas.data()[(10 * kCanvas + 40) * 4 + 3], 0);
  EXPECT_EQ(canvas.data()[(10 * kCanvas + 39 - kImage) * 4 + 3], 0);
}

}  // namespace
}  // namespace burrowly
