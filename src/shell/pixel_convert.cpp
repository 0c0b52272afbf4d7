#include "shell/pixel_convert.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace burrowly {

namespace {

// A pixel is one little-endian word A B G R (high to low): swap the R and B bytes.
inline std::uint32_t swap_red_blue(std::uint32_t word) {
  const std::uint32_t rb = word & 0x00FF00FFu;
  return (word & 0xFF00FF00u) | (rb << 16) | (rb >> 16);
}

}  // namespace

void rgba_to_bgra(const std::uint8_t* rgba, std::uint8_t* bgra, std::size_t pixels) {
  std::size_t i = 0;
#if defined(__SSE2__)
  // Four pixels at a time, the same swap in each 32-bit lane.
  const __m128i red_blue = _mm_set1_epi32(0x00FF00FF);
  for (; i + 4 <= pixels; i += 4) {
    const __m128i word = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgba + i * 4));
    const __m128i rb = _mm_and_si128(word, red_blue);
    const __m128i swapped = _mm_or_si128(_mm_andnot_si128(red_blue, word),
                                         _mm_or_si128(_mm_slli_epi32(rb, 16), _mm_srli_epi32(rb, 16)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bgra + i * 4), swapped);
  }
#endif
  for (; i < pixels; ++i) {
    std::uint32_t word;
    std::memcpy(&word, rgba + i * 4, 4);
    word = swap_red_blue(word);
    std::memcpy(bgra + i * 4, &word, 4);
  }
}

void rgba_to_bgra(const Pixmap& pixmap, std::uint8_t* bgra, IntRect rect) {
  const std::int64_t x0 = std::max<std::int64_t>(rect.x, 0), y0 = std::max<std::int64_t>(rect.y, 0);
  const std::int64_t x1 = std::min<std::int64_t>(std::int64_t(rect.x) + rect.width, pixmap.width());
  const std::int64_t y1 = std::min<std::int64_t>(std::int64_t(rect.y) + rect.height, pixmap.height());
  if (x0 >= x1 || y0 >= y1) return;
  const std::size_t stride = std::size_t(pixmap.width()) * 4;
  for (std::int64_t y = y0; y < y1; ++y) {
    const std::size_t offset = std::size_t(y) * stride + std::size_t(x0) * 4;
    rgba_to_bgra(pixmap.data() + offset, bgra + offset, std::size_t(x1 - x0));
  }
}

}  // namespace burrowly
