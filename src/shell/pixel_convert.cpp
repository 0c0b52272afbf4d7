#include "shell/pixel_convert.h"

#include <algorithm>

namespace burrowly {

void rgba_to_bgra(const std::uint8_t* rgba, std::uint8_t* bgra, std::size_t pixels) {
  for (std::size_t i = 0; i < pixels; ++i, rgba += 4, bgra += 4) {
    bgra[0] = rgba[2];
    bgra[1] = rgba[1];
    bgra[2] = rgba[0];
    bgra[3] = rgba[3];
  }
}

void rgba_to_bgra(const Pixmap& pixmap, std::uint8_t* bgra, IntRect rect) {
  const std::int64_t x0 = std::max<std::int64_t>(rect.x, 0), y0 = std::max<std::int64_t>(rect.y, 0);
  const std::int64_t x1 = std::min<std::int64_t>(std::int64_t(rect.x) + rect.width, pixmap.width());
  const std::int64_t y1 = std::min<std::int64_t>(std::int64_t(rect.y) + rect.height, pixmap.height());
  if (x0 >= x1 || y0 >= y1) return;
  const std::size_t stride = std::size_t(pixmap.width()) * 4;
  for (std::int64_t y = y0; y < y1; ++y) {
    const std::size_t offset = std::size_t(y) * stride + std::size_t(x0) * 4;
    rgba_to_bgra(pixmap.data() + offset, bgra + offset, std::size_t(x1 - x0));
  }
}

}  // namespace burrowly
