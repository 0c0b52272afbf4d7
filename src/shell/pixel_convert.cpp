#include "shell/pixel_convert.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define BURROWLY_X86 1
#endif

namespace burrowly {

namespace {

// A pixel is one little-endian word A B G R (high to low): swap the R and B bytes.
inline std::uint32_t swap_red_blue(std::uint32_t word) {
  const std::uint32_t rb = word & 0x00FF00FFu;
  return (word & 0xFF00FF00u) | (rb << 16) | (rb >> 16);
}

#if BURROWLY_X86
// Four pixels per byte shuffle, as fast as a plain copy; returns how many pixels it did.
__attribute__((target("ssse3"))) std::size_t swap_in_blocks(const std::uint8_t* rgba, std::uint8_t* bgra,
                                                             std::size_t pixels) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
  std::size_t i = 0;
  for (; i + 4 <= pixels; i += 4) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgba + i * 4));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bgra + i * 4), _mm_shuffle_epi8(block, order));
  }
  return i;
}

// Eight pixels per shuffle where the processor has the wider one.
__attribute__((target("avx2"))) std::size_t swap_in_wide_blocks(const std::uint8_t* rgba, std::uint8_t* bgra,
                                                                std::size_t pixels) {
  const __m256i order = _mm256_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15, 2, 1, 0, 3, 6, 5, 4,
                                         7, 10, 9, 8, 11, 14, 13, 12, 15);
  std::size_t i = 0;
  for (; i + 8 <= pixels; i += 8) {
    const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rgba + i * 4));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(bgra + i * 4), _mm256_shuffle_epi8(block, order));
  }
  return i;
}

// Every x86-64 processor since 2008 has the shuffle; older ones take the word loop.
bool can_shuffle_bytes() {
  static const bool yes = __builtin_cpu_supports("ssse3");
  return yes;
}

bool can_shuffle_wide() {
  static const bool yes = __builtin_cpu_supports("avx2");
  return yes;
}
#endif

}  // namespace

void rgba_to_bgra(const std::uint8_t* rgba, std::uint8_t* bgra, std::size_t pixels) {
  std::size_t i = 0;
#if BURROWLY_X86
  if (can_shuffle_wide()) i = swap_in_wide_blocks(rgba, bgra, pixels);
  if (can_shuffle_bytes()) i += swap_in_blocks(rgba + i * 4, bgra + i * 4, pixels - i);
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
  // Outside its drawn rectangle the pixmap is transparent black, zero bytes in either
  // order: those pixels are cleared, not converted.
  const IntRect& drawn = pixmap.drawn_bounds();
  const std::size_t stride = std::size_t(pixmap.width()) * 4;
  for (std::int64_t y = y0; y < y1; ++y) {
    const bool drawn_row = y >= drawn.y && y < std::int64_t(drawn.y) + drawn.height;
    const std::int64_t left = drawn_row ? std::clamp<std::int64_t>(drawn.x, x0, x1) : x1;
    const std::int64_t right = drawn_row ? std::clamp<std::int64_t>(std::int64_t(drawn.x) + drawn.width, left, x1) : x1;
    std::uint8_t* row = bgra + std::size_t(y) * stride;
    std::memset(row + x0 * 4, 0, std::size_t(left - x0) * 4);
    rgba_to_bgra(pixmap.data() + std::size_t(y) * stride + std::size_t(left) * 4, row + left * 4,
                 std::size_t(right - left));
    std::memset(row + right * 4, 0, std::size_t(x1 - right) * 4);
  }
}

}  // namespace burrowly
