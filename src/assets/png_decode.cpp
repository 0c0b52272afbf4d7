#include "assets/png_decode.h"

#include <climits>
#include <cstring>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb/stb_image.h>

namespace burrowly {
namespace {

std::uint32_t read_be32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// True when the first image-data chunk is empty. The decoder would copy those zero
// bytes into a buffer it has not allocated yet (a null pointer), which is undefined.
bool first_image_data_is_empty(Bytes png) {
  constexpr std::size_t kSignature = 8, kHeader = 8, kCrc = 4;
  for (std::size_t at = kSignature; at + kHeader <= png.size();) {
    const std::uint32_t length = read_be32(png.data() + at);
    if (std::memcmp(png.data() + at + 4, "IDAT", 4) == 0) return length == 0;
    if (length > png.size() - at - kHeader) return false;  // truncated: the decoder reports it
    at += kHeader + length + kCrc;
  }
  return false;
}

}  // namespace

std::optional<ImageSize> png_size(Bytes png) {
  constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 24 || std::memcmp(png.data(), kSignature, 8) != 0 || std::memcmp(png.data() + 12, "IHDR", 4) != 0)
    return std::nullopt;
  return ImageSize{read_be32(png.data() + 16), read_be32(png.data() + 20)};
}

PngDecode decode_png(Bytes png) {
  if (png.size() > static_cast<std::size_t>(INT_MAX)) return {std::nullopt, "png too large"};
  if (first_image_data_is_empty(png)) return {std::nullopt, "empty image data chunk"};
  int width = 0, height = 0, channels = 0;
  // Asking for four channels expands palette (with tRNS), grey and grey + alpha to RGBA.
  stbi_uc* rgba = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width, &height, &channels, 4);
  if (rgba == nullptr) {
    const char* reason = stbi_failure_reason();
    return {std::nullopt, reason && *reason ? reason : "corrupt png"};
  }
  DecodedImage image;
  image.width = static_cast<std::uint32_t>(width);
  image.height = static_cast<std::uint32_t>(height);
  image.pixels.assign(rgba, rgba + std::size_t(image.width) * image.height * 4);
  stbi_image_free(rgba);
  return {std::move(image), {}};
}

std::vector<std::uint8_t> premultiplied(const DecodedImage& image) {
  std::vector<std::uint8_t> out(image.pixels.size());
  for (std::size_t p = 0; p + 3 < image.pixels.size(); p += 4) {
    unsigned a = image.pixels[p + 3];
    for (int c = 0; c < 3; ++c) out[p + c] = static_cast<std::uint8_t>(image.pixels[p + c] * a / 255);
    out[p + 3] = static_cast<std::uint8_t>(a);
  }
  return out;
}

}  // namespace burrowly
