#pragma once
// An 8-bit palette PNG kept as it is stored: one index a pixel, never expanded to RGBA.

#include <cstdint>
#include <optional>
#include <vector>

#include "assets/blob_registry.h"

namespace burrowly {

struct PaletteImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> indices;  // width * height, rows top to bottom
  // Straight RGBA words (red in the lowest byte); alpha from tRNS, else opaque.
  std::vector<std::uint32_t> colours;
};

// Nothing unless the PNG is a whole, non-interlaced 8-bit palette image whose pixels
// all name palette entries; other images go through decode_png.
std::optional<PaletteImage> decode_palette_png(Bytes png);

}  // namespace burrowly
