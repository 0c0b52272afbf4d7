#include "render/raster_cache.h"

#include <algorithm>
#include <cmath>

namespace burrowly {

namespace {

// Enough for every bubble and particle a few frames show; beyond either the cache starts
// over. The bytes bound the pieces a bubble leaves behind when its tail moves along a
// screen edge, each offset a piece of its own.
constexpr std::size_t kMaxPieces = 96;
constexpr std::size_t kMaxBytes = std::size_t(1) << 20;
constexpr float kFadeSteps = 8;

}  // namespace

void RasterCache::draw(Pixmap& pixmap, const std::string& key, IntRect extent, std::int32_t x, std::int32_t y,
                       float opacity, const Paint& paint) {
  if (extent.empty() || !(opacity > 0)) return;
  auto it = pieces_.find(key);
  if (it == pieces_.end()) {
    std::optional<Pixmap> blank = Pixmap::create(std::uint32_t(extent.width), std::uint32_t(extent.height));
    if (!blank) return;
    paint(*blank, float(-extent.x), float(-extent.y));
    if (pieces_.size() >= kMaxPieces || bytes_ + blank->byte_size() > kMaxBytes) {
      pieces_.clear();
      bytes_ = 0;
    }
    bytes_ += blank->byte_size();
    it = pieces_.emplace(key, Piece{std::move(*blank), extent}).first;
  }
  const Piece& piece = it->second;
  const IntRect inked = piece.pixels.drawn_bounds();
  if (inked.empty()) return;
  const ImageView view{piece.pixels.data(), piece.pixels.width(), piece.pixels.height()};
  const Transform place = Transform::translate(float(std::int64_t(x) + piece.extent.x + inked.x),
                                               float(std::int64_t(y) + piece.extent.y + inked.y));
  draw_image_rect(pixmap, view, inked, place, opacity, Sampling::nearest);
}

RasterCache& frame_pieces() {
  static RasterCache cache;
  return cache;
}

float fade_step(float fade) {
  if (!std::isfinite(fade)) return 0;
  return std::ceil(std::clamp(fade, 0.0f, 1.0f) * kFadeSteps) / kFadeSteps;
}

}  // namespace burrowly
