#include "render/bubble.h"

#include <algorithm>
#include <cmath>

#include "render/bubble_text.h"

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

  b.tail_x = std::clamp(pet_x, b.x0 + 12 * u, std::max(b.x0 + b.width - 12 * u, b.x0 + 12 * u));
  for (std::size_t i = 0; i < b.lines.size(); ++i) {
    BubbleLine& line = b.lines[i];
    line.x = std::round(b.x0 + (b.width - line.width) / 2);
    line.baseline = std::round(b.y0 + pad_y + 0.86f * b.font_size + float(i) * line_step);
  }
  return b;
}

void draw_bubble(Pixmap& pixmap, const Font& font, const BubbleRequest& request, const BubblePlacement& placement,
                 float pet_x, float sit, float ui_scale) {
  float alpha = std::isfinite(request.alpha) ? std::clamp(request.alpha, 0.0f, 1.0f) : 0.0f;
  if (request.text.empty() || alpha <= 0.02f) return;
  if (!std::isfinite(pet_x) || !std::isfinite(sit) || !std::isfinite(placement.anchor_y) ||
      !std::isfinite(ui_scale) || !(ui_scale > 0))
    return;
  const float u = ui_scale;
  const BubbleLayout b = layout_bubble(font, request, placement, pet_x, sit, ui_scale);

  bool warning = request.style == SpeechStyle::alert;
  std::uint32_t fill = warning ? faded(255, 244, 242, 244, alpha) : faded(255, 255, 255, 245, alpha);
  std::uint32_t border = warning ? faded(196, 61, 43, 235, alpha) : faded(36, 27, 51, 190, alpha);
  std::uint32_t text = warning ? faded(196, 61, 43, 255, alpha) : faded(44, 24, 18, 255, alpha);

  fill_path(pixmap, Path().add_rounded_rect(b.x0 + 1, b.y0 + 2, b.width, b.height, 8 * u), faded(36, 27, 51, 30, alpha));
  Path body;
  body.add_rounded_rect(b.x0, b.y0, b.width, b.height, 8 * u);
  fill_path(pixmap, body, fill);
  stroke_path(pixmap, body, Stroke{1.5f * u}, border);

  Path tail;
  if (placement.above) {
    float base = b.y0 + b.height - 0.5f;
    tail.move_to(b.tail_x - 5 * u, base).line_to(b.tail_x, base + 6 * u).line_to(b.tail_x + 5 * u, base);
  } else {
    float base = b.y0 + 0.5f;
    tail.move_to(b.tail_x - 5 * u, base).line_to(b.tail_x, base - 6 * u).line_to(b.tail_x + 5 * u, base);
  }
  fill_path(pixmap, tail, fill);
  stroke_path(pixmap, tail, Stroke{1.3f * u}, border);

  for (const BubbleLine& line : b.lines) font.draw_text(pixmap, line.text, line.x, line.baseline, b.font_size, text);
}

}  // namespace burrowly
