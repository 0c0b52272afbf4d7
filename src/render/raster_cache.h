#pragma once
// Pieces of a frame that look the same from one frame to the next (a speech bubble, a
// particle's shape) are rasterised once into a small pixmap of their own; later frames
// only composite them, on whole pixels, with their fade as the compositing weight.

#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "render/canvas.h"

namespace burrowly {

class RasterCache {
 public:
  // Draws a piece with the piece's reference point on pixmap pixel (x, y) at `opacity`.
  // `key` names everything the piece's look depends on; `extent` is where, relative
  // to the reference point, the piece may put ink. On a miss `paint` draws the piece
  // into a blank pixmap of the extent's size, the reference point at (ox, oy).
  using Paint = std::function<void(Pixmap& piece, float ox, float oy)>;
  void draw(Pixmap& pixmap, const std::string& key, IntRect extent, std::int32_t x, std::int32_t y, float opacity,
            const Paint& paint);

  std::size_t size() const { return pieces_.size(); }

 private:
  struct Piece {
    Pixmap pixels;
    IntRect extent;
  };
  std::unordered_map<std::string, Piece> pieces_;
  std::size_t bytes_ = 0;  // of the pieces' pixels
};

// A number for a piece's key: the float's exact bits, quicker to write than its digits.
inline std::string key_text(float value) { return std::to_string(std::bit_cast<std::uint32_t>(value)); }

// The renderer's cache. Frames are drawn on one thread.
RasterCache& frame_pieces();

// The compositing weight of a fade: one of a few visible steps, so a slow fade changes
// the picture a few times rather than on every frame.
float fade_step(float fade);

}  // namespace burrowly
