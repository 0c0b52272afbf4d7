#pragma once
// Pixel formats between our pixmaps and Windows bitmaps.

#include <cstddef>
#include <cstdint>

#include "render/canvas.h"

namespace burrowly {

// Copies `pixels` premultiplied RGBA pixels into premultiplied BGRA (red and blue
// swapped, green and alpha kept). One pass, no allocation.
void rgba_to_bgra(const std::uint8_t* rgba, std::uint8_t* bgra, std::size_t pixels);

// The same for one rectangle of the pixmap, into a BGRA bitmap of the pixmap's size;
// the rest of the bitmap is left as it was. The rectangle is clipped to the pixmap.
void rgba_to_bgra(const Pixmap& pixmap, std::uint8_t* bgra, IntRect rect);

}  // namespace burrowly
