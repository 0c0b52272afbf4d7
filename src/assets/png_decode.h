#pragma once
// PNG decoding of the embedded art into straight-alpha RGBA.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assets/blob_registry.h"

namespace burrowly {

// Straight (not premultiplied) RGBA, 8 bits per channel, rows top to bottom.
struct DecodedImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 4 bytes
};

struct PngDecode {
  std::optional<DecodedImage> image;
  std::string error;  // the decoder's reason when there is no image
};

struct ImageSize {
  std::uint32_t width = 0, height = 0;
};

// The size a PNG's header gives, without decoding the image; nothing when the bytes do
// not begin like a PNG.
std::optional<ImageSize> png_size(Bytes png);

// Palette images (with their tRNS transparency), grey, grey + alpha, RGB and RGBA,
// at any bit depth, all come out as 8-bit RGBA.
PngDecode decode_png(Bytes png);

// Channel * alpha / 255 truncated for R, G and B; alpha unchanged.
std::vector<std::uint8_t> premultiplied(const DecodedImage& image);

}  // namespace burrowly
