#pragma once
// Pixel formats between our pixmaps and Windows bitmaps.

#include <cstddef>
#include <cstdint>

namespace burrowly {

// Copies `pixels` premultiplied RGBA pixels into premultiplied BGRA (red and blue
// swapped, green and alpha kept). One pass, no allocation.
void rgba_to_bgra(const std::uint8_t* rgba, std::uint8_t* bgra, std::size_t pixels);

}  // namespace burrowly
