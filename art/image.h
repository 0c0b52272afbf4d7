#pragma once
// A straight-alpha RGBA image and the PNG files written from it.

#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Image {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;  // straight alpha, rows top to bottom

  Image() = default;
  Image(int w, int h) : width(w), height(h), rgba(std::size_t(w) * h * 4, 0) {}
  std::uint8_t* at(int x, int y) { return rgba.data() + (std::size_t(y) * width + x) * 4; }
  const std::uint8_t* at(int x, int y) const { return rgba.data() + (std::size_t(y) * width + x) * 4; }
  // Copies `src` (w x h straight RGBA) with its top-left at (x, y); transparent pixels are skipped.
  void blit(const std::uint8_t* src, int w, int h, int x, int y, int scale = 1);
};

// 8-bit RGBA PNG.
std::vector<std::uint8_t> encode_rgba_png(const Image& image);
// 8-bit palette PNG with a 256-entry palette and tRNS; fails (empty result) when the
// image has more than 256 distinct colours.
std::vector<std::uint8_t> encode_palette_png(const Image& image);

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace art
