#include "render/bubble.h"

#include <algorithm>
#include <cmath>

#include "render/bubble_text.h"
#include "render/raster_cache.h"

namespace burrowly {

std::uint32_t faded(std::uint8_t r, std::uint8_t g, std::uint8_t b, float alpha, float fade) {
  float a = alpha * fade;
  std::uint8_t a8 = std::isfinite(a) ? std::uint8_t(std::clamp(a, 0.0f, 255.0f)) : 0;
  return pack_rgba(r, g, b, a8);
}

BubbleLayout layout_bubble(const Font& font, const BubbleRequest& request, const BubblePlacement& placement,
                           float pet_x, float sit, float ui_scale) {
  const float u = ui_scale;
  BubbleLayout b;
  b.font_size = std::round(12 * u);
  const float pad_x = std::round(11 * u), pad_y = std::round(7 * u), line_step = std::round(1.25f * b.font_size);
  std::vector<std::string> lines = wrap_bubble_text(font, request.text, b.font_size, 300 * u - 2 * pad_x, 3);
  for (std::string& text : lines) {
    const float width = font.text_width(text, b.font_size);
    b.text_width = std::max(b.text_width, width);
    b.lines.push_back({std::move(text), 0, 0, width});
  }
  const float extra_lines = b.lines.empty() ? 0 : float(b.lines.size() - 1);
  // Body and text start on whole pixels, so the frame and the glyphs stay crisp.
  b.width = std::round(std::clamp(b.text_width + 2 * pad_x, 48 * u, 300 * u));
  b.height = b.font_size + extra_lines * line_step + 2 * pad_y;

  // An area narrower than the bubble and its margins keeps the bubble at the left margin.
  float low = 8 * u, high = std::max(placement.area_width - b.width - 8 * u, 8.0f);
  b.x0 = std::round(high < low ? low : std::clamp(pet_x - b.width / 2, low, high));
  constexpr float kTail = 6;
  if (placement.above) {
    float tip = placement.anchor_y - sit - 10 * u;
    if (placement.figure_top) tip = std::min(tip, *placement.figure_top - 4 * u);
    b.y0 = tip - kTail * u - b.height;
  } else {
    b.y0 = placement.anchor_y + 4 * u + kTail * u;
  }
  b.y0 = std::round(std::max(std::min(b.y0, placement.area_height - b.height - 4 * u), 4 * u));

  b.tail_x = std::round(std::clamp(pet_x, b.x0 + 12 * u, std::max(b.x0 + b.width - 12 * u, b.x0 + 12 * u)));
  for (std::size_t i = 0; i < b.lines.size(); ++i) {
    BubbleLine& line = b.lines[i];
    line.x = std::round(b.x0 + (b.width - line.width) / 2);
    line.baseline = std::round(b.y0 + pad_y + 0.86f * b.font_size + float(i) * line_step);
  }
  return b;
}

namespace {

// The whole bubble at full opacity, its body's top left corner at (ox, oy).
void paint_bubble(Pixmap& piece, const Font& font, const BubbleLayout& b, SpeechStyle style, bool above, float ox,
                  float oy, float u) {
  const bool warning = style == SpeechStyle::alert;
  const std::uint32_t fill = warning ? pack_rgba(255, 244, 242, 244) : pack_rgba(255, 255, 255, 245);
  const std::uint32_t border = warning ? pack_rgba(196, 61, 43, 235) : pack_rgba(36, 27, 51, 190);
  const std::uint32_t text = warning ? pack_rgba(196, 61, 43, 255) : pack_rgba(44, 24, 18, 255);

  fill_path(piece, Path().add_rounded_rect(ox + 1, oy + 2, b.width, b.height, 8 * u), pack_rgba(36, 27, 51, 30));
  Path body;
  body.add_rounded_rect(ox, oy, b.width, b.height, 8 * u);
  fill_path(piece, body, fill);
  stroke_path(piece, body, Stroke{1.5f * u}, border);

  const float tail_x = ox + b.tail_x - b.x0;
  Path tail;
  if (above) {
    const float base = oy + b.height - 0.5f;
    tail.move_to(tail_x - 5 * u, base).line_to(tail_x, base + 6 * u).line_to(tail_x + 5 * u, base);
  } else {
    const float base = oy + 0.5f;
    tail.move_to(tail_x - 5 * u, base).line_to(tail_x, base - 6 * u).line_to(tail_x + 5 * u, base);
  }
  fill_path(piece, tail, fill);
  stroke_path(piece, tail, Stroke{1.3f * u}, border);

  for (const BubbleLine& line : b.lines)
    font.draw_text(piece, line.text, ox + line.x - b.x0, oy + line.baseline - b.y0, b.font_size, text);
}

}  // namespace

void draw_bubble(Pixmap& pixmap, const Font& font, const BubbleRequest& request, const BubblePlacement& placement,
                 float pet_x, float sit, float ui_scale) {
  float alpha = std::isfinite(request.alpha) ? std::clamp(request.alpha, 0.0f, 1.0f) : 0.0f;
  if (request.text.empty() || alpha <= 0.02f) return;
  if (!std::isfinite(pet_x) || !std::isfinite(sit) || !std::isfinite(placement.anchor_y) ||
      !std::isfinite(ui_scale) || !(ui_scale > 0))
    return;
  const float u = ui_scale;
  const BubbleLayout b = layout_bubble(font, request, placement, pet_x, sit, ui_scale);
  // Room for the shadow, the tail and the strokes' mitred corners around the body.
  const std::int32_t margin = std::int32_t(std::ceil(10 * u)) + 2;
  const IntRect extent{-margin, -margin, std::int32_t(b.width) + 2 * margin,
                       std::int32_t(std::ceil(b.height)) + 2 * margin};
  const std::string key = "bubble " + std::to_string(font.id()) + ' ' + std::to_string(int(request.style)) + ' ' +
                          key_text(u) + ' ' + std::to_string(placement.above) + ' ' +
                          key_text(b.tail_x - b.x0) + ' ' + request.text;
  frame_pieces().draw(pixmap, key, extent, std::int32_t(b.x0), std::int32_t(b.y0), fade_step(alpha),
                      [&](Pixmap& piece, float ox, float oy) {
                        paint_bubble(piece, font, b, request.style, placement.above, ox, oy, u);
                      });
}

}  // namespace burrowly
