#include "assets/palette_png.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include <stb/stb_image.h>

namespace burrowly {
namespace {

std::uint32_t read_be32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

std::uint8_t paeth(int left, int up, int up_left) {
  const int p = left + up - up_left;
  const int to_left = std::abs(p - left), to_up = std::abs(p - up), to_up_left = std::abs(p - up_left);
  if (to_left <= to_up && to_left <= to_up_left) return std::uint8_t(left);
  return std::uint8_t(to_up <= to_up_left ? up : up_left);
}

// Undoes the row filters of one byte per pixel; false on an unknown filter.
bool unfilter(const std::uint8_t* filtered, PaletteImage& image) {
  const std::size_t w = image.width;
  for (std::size_t y = 0; y < image.height; ++y) {
    const std::uint8_t filter = *filtered++;
    std::uint8_t* row = image.indices.data() + y * w;
    const std::uint8_t* above = y > 0 ? row - w : nullptr;
    for (std::size_t x = 0; x < w; ++x) {
      const int left = x > 0 ? row[x - 1] : 0;
      const int up = above ? above[x] : 0;
      const int up_left = above && x > 0 ? above[x - 1] : 0;
      int predicted = 0;
      switch (filter) {
        case 0: break;
        case 1: predicted = left; break;
        case 2: predicted = up; break;
        case 3: predicted = (left + up) / 2; break;
        case 4: predicted = paeth(left, up, up_left); break;
        default: return false;
      }
      row[x] = std::uint8_t(filtered[x] + predicted);
    }
    filtered += w;
  }
  return true;
}

}  // namespace

std::optional<PaletteImage> decode_palette_png(Bytes png) {
  constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 8 || png.size() > std::size_t(INT_MAX) || std::memcmp(png.data(), kSignature, 8) != 0)
    return std::nullopt;
  PaletteImage image;
  std::string compressed;
  std::vector<std::uint8_t> alphas;
  bool header = false, ended = false;
  for (std::size_t at = 8; at + 12 <= png.size() && !ended;) {
    const std::uint32_t length = read_be32(png.data() + at);
    if (length > png.size() - at - 12) return std::nullopt;
    const std::uint8_t* data = png.data() + at + 8;
    const std::string type(reinterpret_cast<const char*>(png.data() + at + 4), 4);
    if (type == "IHDR") {
      // 8 bits a sample, palette colour, deflate, standard filters, not interlaced.
      if (length != 13 || data[8] != 8 || data[9] != 3 || data[10] != 0 || data[11] != 0 || data[12] != 0)
        return std::nullopt;
      image.width = read_be32(data);
      image.height = read_be32(data + 4);
      header = true;
    } else if (type == "PLTE") {
      if (length % 3 != 0 || length / 3 > 256) return std::nullopt;
      for (std::uint32_t i = 0; i < length; i += 3)
        image.colours.push_back(data[i] | std::uint32_t(data[i + 1]) << 8 | std::uint32_t(data[i + 2]) << 16);
    } else if (type == "tRNS") {
      alphas.assign(data, data + length);
    } else if (type == "IDAT") {
      compressed.append(reinterpret_cast<const char*>(data), length);
    } else if (type == "IEND") {
      ended = true;
    }
    at += 12 + std::size_t(length);
  }
  constexpr std::uint64_t kMostPixels = 1u << 26;
  if (!header || !ended || image.colours.empty() || alphas.size() > image.colours.size() || image.width == 0 ||
      image.height == 0 || std::uint64_t(image.width + 1) * image.height > kMostPixels || compressed.empty())
    return std::nullopt;
  for (std::size_t i = 0; i < image.colours.size(); ++i)
    image.colours[i] |= std::uint32_t(i < alphas.size() ? alphas[i] : 255) << 24;

  const int filtered_size = int((image.width + 1) * image.height);
  int inflated_size = 0;
  char* filtered = stbi_zlib_decode_malloc_guesssize_headerflag(compressed.data(), int(compressed.size()),
                                                                filtered_size, &inflated_size, 1);
  if (filtered == nullptr) return std::nullopt;
  image.indices.resize(std::size_t(image.width) * image.height);
  const bool whole = inflated_size >= filtered_size &&
                     unfilter(reinterpret_cast<const std::uint8_t*>(filtered), image);
  stbi_image_free(filtered);
  if (!whole) return std::nullopt;
  for (std::uint8_t index : image.indices)
    if (index >= image.colours.size()) return std::nullopt;
  return image;
}

}  // namespace burrowly
