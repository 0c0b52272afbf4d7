#pragma once
// Our own small 2D rasteriser: premultiplied RGBA pixmaps, paths, anti-aliased
// non-zero fills, strokes, and drawing a rectangle of an image under an affine
// transform. Colours are packed 32-bit values: red in the lowest byte, then green,
// blue, and alpha in the highest byte (straight, not premultiplied).

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace burrowly {

constexpr std::uint32_t pack_rgba(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16) | (std::uint32_t(a) << 24);
}

struct IntRect {
  std::int32_t x = 0, y = 0, width = 0, height = 0;

  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const IntRect&) const = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
IntRect united(const IntRect& a, const IntRect& b);

// Premultiplied RGBA, 8 bits per channel, rows top to bottom, stride width * 4.
// The pixmap keeps the rectangle that holds every pixel drawn since it was last
// cleared, so clearing and copying out can stay within it. Code that writes pixels
// through data() marks what it wrote with mark_drawn.
class Pixmap {
 public:
  // Nothing when a side is 0 or the buffer would be unreasonably large.
  static std::optional<Pixmap> create(std::uint32_t width, std::uint32_t height);

  std::uint32_t width() const { return width_; }
  std::uint32_t height() const { return height_; }
  std::uint8_t* data() { return data_.data(); }
  const std::uint8_t* data() const { return data_.data(); }
  std::size_t byte_size() const { return data_.size(); }

  // Fills every pixel with a colour (packed, straight alpha).
  void fill(std::uint32_t color);
  // Transparent black everywhere; only the drawn rectangle needs clearing.
  void clear() { clear_drawn(); }

  // Outside this rectangle every pixel is transparent black.
  const IntRect& drawn_bounds() const { return drawn_; }
  // Widens drawn_bounds() to include a rectangle (clipped to the pixmap).
  void mark_drawn(IntRect rect);
  // Leaves the same pixels as clear(), touching only drawn_bounds().
  void clear_drawn();

  // Starts drawing a new frame: keeps a copy of the drawn pixels, then clears them.
  void start_frame();
  // The rectangle outside which no pixel differs from the frame start_frame() put
  // away: empty when the two frames are the same, so nothing needs to be shown again.
  IntRect changed_since_frame_start() const;

 private:
  Pixmap(std::uint32_t w, std::uint32_t h) : width_(w), height_(h), data_(std::size_t(w) * h * 4) {}
  std::uint32_t width_ = 0, height_ = 0;
  std::vector<std::uint8_t> data_;
  IntRect drawn_;
  IntRect previous_;                          // drawn_bounds() at start_frame()
  std::vector<std::uint8_t> previous_pixels_;  // its pixels then, row after row
};

// x' = sx*x + kx*y + tx, y' = ky*x + sy*y + ty (pixmap coordinates, y down).
struct Transform {
  float sx = 1, ky = 0, kx = 0, sy = 1, tx = 0, ty = 0;

  static Transform translate(float x, float y) { return {1, 0, 0, 1, x, y}; }
  static Transform scale(float x, float y) { return {x, 0, 0, y, 0, 0}; }
  // Maps (x, y) to (cos a x + sin a y, -sin a x + cos a y).
  static Transform rotate(float radians);
  // The transform that applies `first`, then this one.
  Transform after(const Transform& first) const;
  // The transform that applies this one, then `next`.
  Transform then(const Transform& next) const { return next.after(*this); }
  bool is_finite() const;
  void apply(float& x, float& y) const;
};

struct Point {
  float x = 0, y = 0;
};

class Path {
 public:
  Path& move_to(float x, float y);
  Path& line_to(float x, float y);
  Path& quad_to(float cx, float cy, float x, float y);
  Path& cubic_to(float c1x, float c1y, float c2x, float c2y, float x, float y);
  Path& close();

  Path& add_rect(float x, float y, float w, float h);
  Path& add_oval(float cx, float cy, float rx, float ry);
  Path& add_circle(float cx, float cy, float r) { return add_oval(cx, cy, r, r); }
  Path& add_rounded_rect(float x, float y, float w, float h, float radius);
  Path& add_polygon(const std::vector<Point>& points);  // closed

  bool empty() const { return verbs_.empty(); }

  enum class Verb : std::uint8_t { move, line, quad, cubic, close };
  const std::vector<Verb>& verbs() const { return verbs_; }
  const std::vector<Point>& points() const { return points_; }

 private:
  std::vector<Verb> verbs_;
  std::vector<Point> points_;
};

struct Stroke {
  float width = 1;
  float miter_limit = 4;  // butt caps, miter joins
};

// Non-zero fill; composited source-over. Draws nothing for a non-finite transform.
void fill_path(Pixmap& pixmap, const Path& path, std::uint32_t color, const Transform& transform = {},
               bool anti_alias = true);
void stroke_path(Pixmap& pixmap, const Path& path, const Stroke& stroke, std::uint32_t color,
                 const Transform& transform = {}, bool anti_alias = true);

// A read-only premultiplied image: four bytes RGBA a pixel, or with a palette one byte
// a pixel that picks one of the palette's 256 premultiplied colours.
struct ImageView {
  const std::uint8_t* pixels = nullptr;
  std::uint32_t width = 0, height = 0;
  const std::uint32_t* palette = nullptr;  // words with red in the lowest byte; null for RGBA

  // The pixel at (x, y) as one word, red in the lowest byte, alpha in the highest.
  std::uint32_t word(std::size_t x, std::size_t y) const {
    const std::size_t at = y * width + x;
    if (palette) return palette[pixels[at]];
    std::uint32_t w;
    std::memcpy(&w, pixels + at * 4, 4);
    return w;
  }
};

enum class Sampling { nearest, bilinear };

// Draws the image's `source` rectangle: image pixel (source.x + u, source.y + v)
// covers the unit square at local (u, v), which `transform` maps into the pixmap.
// Composited source-over at `opacity`. Parts of `source` outside the image, and
// non-finite transforms, draw nothing.
void draw_image_rect(Pixmap& pixmap, const ImageView& image, IntRect source, const Transform& transform,
                     float opacity, Sampling sampling);

}  // namespace burrowly
