#pragma once
// A rig turns a species recipe and a pose into a drawing, and reports the anchors
// it placed: the top of the head for outfits and the eyes for blinking.

#include "drawing.h"
#include "pose.h"
#include "recipe.h"

namespace art {

struct Anchors {
  float hat_x = 0, hat_y = 0, hat_tilt = 0;  // frame coordinates, degrees
  Rect eyes;                                // empty when no eye is visible
};

// Frame cell layout shared by every rig: the pet stands on row kGround around kAnchorX.
inline constexpr int kCellW = 88, kCellH = 76, kGround = 70, kAnchorX = 44;

struct FrameArt {
  Drawing drawing{kCellW, kCellH};
  Anchors anchors;
};

// Draws a frame; `closed_eyes` forces the eyes shut (the blink patch source).
void draw_figure(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);

void draw_quadruped(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);
void draw_rodent(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);
void draw_bird(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);
void draw_biped(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);
void draw_reptile(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);
void draw_frog(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);
void draw_butterfly(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);
void draw_beetle(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);
void draw_spider(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out);

// Shared parts.
inline constexpr int kBoxRimRow = kGround - 20;   // the top edge of the box front
inline constexpr int kBoxPeekRow = kGround - 28;  // an eyeless animal in the box shows from this row up
void draw_box_back(Drawing& d);
void draw_box_front(Drawing& d);
// A drop of sweat beside the head (frame coordinates from the anchors).
void draw_sweat_drop(Drawing& d, const Anchors& a);
// Eyes at local (x, y): pupil with catch-light, or a closed curved line. `pupil` is the
// pupil's width against the iris's: a slit on dark fur keeps the iris a filled eye.
void draw_eye(Drawing& d, Anchors& a, float x, float y, float r, std::uint32_t iris, bool closed,
              float pupil = 0.6f);
// A mammal head facing right at local (cx, cy).
void draw_head(Drawing& d, Anchors& a, const Species& s, const Pose& pose, float cx, float cy, bool closed);

}  // namespace art
