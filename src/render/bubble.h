#pragma once
// The speech bubble: a rounded box with a tail towards the pet and up to three
// lines of text.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "render/draw_snapshot.h"
#include "render/font.h"

namespace burrowly {

struct BubbleRequest {
  std::string text;  // UTF-8; wrapped to fit
  SpeechStyle style = SpeechStyle::normal;
  float alpha = 1;   // fade, clamped to 0..1
};

struct BubblePlacement {
  std::int32_t area_width = 0, area_height = 0;  // the bubble stays inside this area
  float anchor_y = 0;                            // the pet's ground line
  bool above = true;                             // above the pet, else below
  std::optional<float> figure_top;  // the top of the drawn pet, hat included; the composer measures it
};

struct BubbleLine {
  std::string text;
  float x = 0, baseline = 0, width = 0;
};

// Where the parts of a bubble go, in pixmap pixels. Above the pet the tail tip points
// 10 ui above the seated height, or 4 ui above the drawn figure when that reaches
// higher; below it (the top lane), 4 ui under the feet. The bubble stays inside the area.
struct BubbleLayout {
  float font_size = 0, text_width = 0;  // text_width: the widest line
  float x0 = 0, y0 = 0, width = 0, height = 0;
  float tail_x = 0;  // on a whole pixel
  std::vector<BubbleLine> lines;
};

BubbleLayout layout_bubble(const Font& font, const BubbleRequest& request, const BubblePlacement& placement,
                           float pet_x, float sit, float ui_scale);

// Draws nothing for an empty text or an alpha of at most 0.02. The bubble lies on whole
// pixels and fades as one piece, in a few visible steps.
void draw_bubble(Pixmap& pixmap, const Font& font, const BubbleRequest& request, const BubblePlacement& placement,
                 float pet_x, float sit, float ui_scale);

// A packed colour whose alpha is `alpha` x `fade`, clamped to 0..255 and truncated.
std::uint32_t faded(std::uint8_t r, std::uint8_t g, std::uint8_t b, float alpha, float fade);

}  // namespace burrowly
