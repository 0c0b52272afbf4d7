// PNG bytes: decoding never fails unsafely, and a decoded image holds exactly
// width x height RGBA pixels.
#include <cstdint>
#include <cstdlib>

#include "assets/png_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  burrowly::PngDecode decoded = burrowly::decode_png(burrowly::Bytes(data, size));
  if (!decoded.image) return 0;
  const burrowly::DecodedImage& image = *decoded.image;
  if (image.pixels.size() != std::size_t(image.width) * image.height * 4) std::abort();
  if (burrowly::premultiplied(image).size() != image.pixels.size()) std::abort();
  return 0;
}
