#include "shell/changed_area.h"

#include <algorithm>
#include <cstring>

namespace burrowly {
namespace {

bool same_pixel(const std::uint8_t* a, const std::uint8_t* b) { return std::memcmp(a, b, 4) == 0; }

}  // namespace

std::optional<PixelBox> changed_area(const std::uint8_t* before, const std::uint8_t* after, std::uint32_t width,
                                     std::uint32_t height) {
  const std::size_t stride = std::size_t(width) * 4;
  auto row_differs = [&](std::uint32_t y) { return std::memcmp(before + y * stride, after + y * stride, stride) != 0; };
  std::uint32_t top = 0;
  while (top < height && !row_differs(top)) ++top;
  if (top == height) return std::nullopt;
  std::uint32_t bottom = height - 1;
  while (!row_differs(bottom)) --bottom;

  std::uint32_t left = width, right = 0;
  for (std::uint32_t y = top; y <= bottom; ++y) {
    const std::uint8_t* a = before + y * stride;
    const std::uint8_t* b = after + y * stride;
    for (std::uint32_t x = 0; x < left; ++x)
      if (!same_pixel(a + x * 4, b + x * 4)) {
        left = x;
        break;
      }
    for (std::uint32_t x = width; x-- > std::max(right, left);)
      if (!same_pixel(a + x * 4, b + x * 4)) {
        right = x;
        break;
      }
  }
  right = std::max(right, left);
  return PixelBox{left, top, right - left + 1, bottom - top + 1};
}

}  // namespace burrowly
