#pragma once
// The front limbs of the clips that raise them, shared by every rig: where a paw, a
// wing tip or a foreleg's foot goes, measured from the head so that it clears the body
// outline whatever the animal's size.

#include <optional>

#include "drawing.h"
#include "pose.h"

namespace art {

struct FrontLimbs {
  float shoulder_x, shoulder_y;  // the near shoulder, in the rig's ground coordinates (ground at y = 0)
  float head_x, head_y, head_r;  // the head's centre and radius
  float width;                   // of the limb
  float nose = 0;                // how far the face reaches in front of the head's centre, when past its radius
};

// Where the near (or far) paw goes in this pose; nothing when the pose leaves that limb
// where the rig normally puts it.
std::optional<burrowly::Point> raised_paw(const Pose& p, const FrontLimbs& f, bool near);

// An arm from the shoulder (x, y) to the paw, ending in a round paw; one part of the animal.
void draw_raised_limb(Drawing& d, float x, float y, burrowly::Point paw, float width, const Material& m);

// Clods of earth thrown up behind a digging animal whose rear is at `x`; `t` is the clip time.
void draw_flying_earth(Drawing& d, float x, float t);

// On its back: a leg held up from the hip (x, y), bent at the knee and kicking with the
// phase (turns); `len` is how far up it reaches.
void draw_leg_up(Drawing& d, float x, float y, float len, float width, const Material& m, float phase);

}  // namespace art
