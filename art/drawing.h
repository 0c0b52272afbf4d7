#pragma once
// A frame under construction: shapes with materials, drawn in order, then turned into
// pixel art: hard edges, a dark one-pixel outline and three or four shades per
// material, lit from the top left.

#include <cstdint>
#include <vector>

#include "render/canvas.h"

namespace art {

using burrowly::Path;
using burrowly::Transform;

// A colour ramp: highlight, base, shadow, deep shadow (packed RGBA, opaque).
struct Material {
  std::uint32_t shade[4];
};
Material ramp(std::uint32_t base);  // a lit ramp around a base colour
Material flat(std::uint32_t color);  // one colour, no shading

std::uint32_t rgb(std::uint32_t hex);  // 0xRRGGBB to packed opaque RGBA
inline constexpr std::uint32_t kOutline = 0xFF331B24;  // #241b33

struct Rect {
  float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
  void add(float x, float y);
  bool empty() const { return x1 < x0; }
};

class Drawing {
 public:
  Drawing(int width, int height) : width_(width), height_(height) {}

  // Shapes given in a local frame placed by the current transform.
  void oval(float cx, float cy, float rx, float ry, const Material& m, bool line = false);
  void rect(float x, float y, float w, float h, const Material& m, bool line = false);
  void poly(const std::vector<burrowly::Point>& pts, const Material& m, bool line = false);
  // A limb: a rounded bar from (x0, y0) to (x1, y1) of the given width.
  void limb(float x0, float y0, float x1, float y1, float w, const Material& m, bool line = true);
  // Markings painted only where something is already drawn.
  void mark_oval(float cx, float cy, float rx, float ry, const Material& m);
  void mark_poly(const std::vector<burrowly::Point>& pts, const Material& m);
  // Single pixels in a flat colour, drawn last and never shaded (eyes, catch-lights, lines).
  // A pixel shows only on the figure and only where nothing drawn after it covers it.
  void pixel(float x, float y, std::uint32_t color);
  // A closed-eye or lid pixel: the outline colour, or a lighter line where the fur is dark.
  void lid_pixel(float x, float y);

  // Shapes drawn between these two calls are one part of the animal (a tail, a body):
  // no inner lines between them and one highlight over them all.
  void begin_group();
  void end_group();

  Transform transform;  // local to frame coordinates

  // A point in the drawing order, to treat what was drawn after it as one figure.
  struct Mark {
    std::size_t parts = 0, dots = 0;
  };
  Mark mark() const { return {parts_.size(), dots_.size()}; }
  // How many rows below row `row` what was drawn since `m` fills (0 when none).
  int rows_below(Mark m, int row) const;
  // The highest filled row of what was drawn since `m` (the height when none).
  int top_since(Mark m) const;
  // Moves what was drawn since `m` down by `dy` rows (up when negative).
  void shift_since(Mark m, int dy);
  // Mirrors what was drawn since `m` about the column boundary `axis_x` (the figure turned round).
  void mirror_since(Mark m, int axis_x);
  // Mirrors what was drawn since `m` about the row boundary `axis_y` (the figure upside down).
  void flip_since(Mark m, int axis_y);

  // Frame coordinates of a local point.
  void map(float& x, float& y) const { transform.apply(x, y); }

  // Pixel art in straight RGBA, width*height*4 bytes.
  std::vector<std::uint8_t> render() const;
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  struct Part {
    Path path;
    Transform xf;
    Material material;
    bool line = false;  // inner line where it overlaps earlier parts of another group
    int group = 0;      // parts of one group share their shading and draw no lines between them
    bool clip = false;  // only over what is already drawn
    bool shaded = true;
    float cx = 0, cy = 0, rx = 1, ry = 1;  // shading ellipse, frame coordinates
  };
  struct Dot {
    int x, y;
    std::uint32_t color;
    std::size_t layer;  // how many parts were drawn before it
    bool lid = false;
  };
  void add(Path path, const Material& m, bool line, bool clip, Rect local);

  int width_, height_;
  std::vector<Part> parts_;
  std::vector<Dot> dots_;
  int groups_ = 0;                    // group ids handed out so far
  std::size_t group_start_ = 0;       // the first part of the open group
  bool in_group_ = false;
};

}  // namespace art
