#pragma once
// Where two frames of one overlay differ, so only that part goes to the screen.

#include <cstdint>
#include <optional>

namespace burrowly {

struct PixelBox {
  std::uint32_t x = 0, y = 0, width = 0, height = 0;

  bool operator==(const PixelBox&) const = default;
};

// The smallest box holding every pixel that differs between two images of the same
// size (4 bytes a pixel, rows contiguous); nothing when they are equal.
std::optional<PixelBox> changed_area(const std::uint8_t* before, const std::uint8_t* after, std::uint32_t width,
                                     std::uint32_t height);

}  // namespace burrowly
