#pragma once
// The small things drawn around the pet: floating particles, the toy, the fly and the
// props behind it.

#include <cstdint>
#include <optional>
#include <vector>

#include "assets/language.h"
#include "render/canvas.h"
#include "render/draw_snapshot.h"
#include "render/font.h"
#include "render/particle.h"

namespace burrowly {

// Where a particle is and how opaque, at its current age: it moves and fades in a few
// steps over its life, not on every frame.
struct ParticleState {
  float t = 0, fade = 0, px = 0, py = 0;
};
ParticleState particle_state(const Particle& p, float ui_scale);

// Draws the particle on whole pixels, its fade in visible steps.
void draw_particle(Pixmap& pixmap, const Font& font, const Particle& p, Language language, float ui_scale);

// Props (the bowl and the drop) stand behind the pet; the rest flies in front.
bool drawn_behind_pet(ToyKind kind);

void draw_toy(Pixmap& pixmap, const ToySnapshot& toy, float ground_y, float ui_scale);

// The dark panel behind the pet in the top-edge habitat.
void draw_panel(Pixmap& pixmap, float x, float y, float width, float height, float ui_scale);

}  // namespace burrowly
