#pragma once
// The small things drawn around the pet: floating particles, the toy, the fly and the
// props behind it.

#include <cstdint>
#include <optional>
#include <vector>

#include "config/language.h"
#include "render/canvas.h"
#include "render/font.h"

namespace burrowly {

// Kinds past the Unicode range are drawn shapes; anything below is a glyph.
struct EffectParticle {
  std::uint32_t kind = 0;
  float x = 0, y = 0;   // start, pixmap pixels
  float drift = 0;      // horizontal travel over the whole life, ui units
  float age = 0, life = 1;
};

// Where a particle is and how opaque, at its current age.
struct ParticleState {
  float t = 0, fade = 0, px = 0, py = 0;
};
ParticleState particle_state(const EffectParticle& p, float ui_scale);

void draw_particle(Pixmap& pixmap, const Font& font, const EffectParticle& p, Language language, float ui_scale);

enum class ToyLook : std::uint8_t { yarn_ball = 0, frisbee = 1, carrot = 2, treat = 3, fly, water_drop, food_bowl };

struct ToyDraw {
  ToyLook look = ToyLook::yarn_ball;
  float x = 0;         // centre x
  float height = 0;    // above the ground line
  float rotation = 0;  // radians
  float opacity = 1;
  float phase = 0;     // the fly's wing beat
};

// Props (the bowl and the drop) stand behind the pet; the rest flies in front.
bool drawn_behind_pet(ToyLook look);

void draw_toy(Pixmap& pixmap, const ToyDraw& toy, float ground_y, float ui_scale);

// The dark panel behind the pet in the top-edge habitat.
void draw_panel(Pixmap& pixmap, float x, float y, float width, float height, float ui_scale);

}  // namespace burrowly
