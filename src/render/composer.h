#pragma once
// Draws a frame: props, pets with blink and outfit, toy, particles, then the bubble.

#include <optional>
#include <string>
#include <vector>

#include "assets/atlas.h"
#include "render/bubble.h"
#include "render/canvas.h"
#include "render/effects.h"
#include "render/font.h"

namespace burrowly {

struct PetRenderInput {
  ImageView pixels;        // the sheet (with the black cat's outline)
  ImageView plain_pixels;  // the same sheet without outline, for the blink patch
  const SizeAtlas* atlas = nullptr;  // supplies the size scale and the scaled sit
  float display_scale = 1;           // the monitor's scale: the figure is drawn that much larger
  FrameRaw frame;
  float x = 0, y = 0;  // where the frame's anchor lands
  float lift = 0;      // subtracted from y
  float facing = 1;    // negative mirrors about the anchor column
  float angle = 0;     // body rotation, radians
  float stretch_x = 1, stretch_y = 1;
  float skew = 0;      // rotation about the anchor, radians
  bool blink = false;
  float opacity = 1;
  std::optional<std::string> outfit;
  float hat_size = 1;  // the outfit's size against a cat-sized head
};

struct BubbleDraw {
  BubbleRequest request;
  BubblePlacement placement;
};

struct PanelDraw {
  float x = 0, y = 0, width = 0, height = 0;
};

struct EffectsDraw {
  std::optional<PanelDraw> panel;
  std::optional<ToySnapshot> toy;
  float ground_y = 0;  // the toy's ground line
  std::vector<Particle> particles;
  Language language = Language::en;
};

// The sprite transform of a figure: frame-local point -> pixmap, the anchor on a whole
// pixel. Sprites are drawn with nearest sampling under every transform, so each
// opaque pixel is one of the sheet's own colours.
Transform place_sprite(const PetRenderInput& figure);

// The outfit's frame of reference (outfit units -> pixmap); nothing without `hat`.
std::optional<Transform> outfit_transform(const PetRenderInput& figure, const Transform& sprite);

// Draws one outfit (an unknown key draws nothing).
void draw_outfit(Pixmap& pixmap, const std::string& outfit, const Transform& transform, float opacity);

// Puts the last frame away and clears it (only the drawn rectangle), then draws
// everything; Pixmap::changed_since_frame_start() then tells what changed. The bubble
// belongs to the first figure.
void render_pet(Pixmap& pixmap, const std::vector<PetRenderInput>& figures, const std::optional<BubbleDraw>& bubble,
                const EffectsDraw& effects, const Font& font, float ui_scale);

}  // namespace burrowly
