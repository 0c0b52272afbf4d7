#pragma once
// The pose of one frame: a small set of body parameters every rig interprets in
// its own way (a bird's raised paw is a raised wing, a turtle's lying is hiding).

#include <string_view>

namespace art {

// Where the front limbs (paws, wings, forelegs) go in the clips that raise them.
enum class Reach {
  none,
  forward,  // swat: one limb reaching forward at head height
  up,       // wave, hi: one limb above the head, waving
  both_up,  // beg, cheer: both limbs raised
  face,     // groom, wipe, palm: a limb to the face
  dig,      // both front limbs scooping at the ground in turn
};

struct Pose {
  float lift = 0;         // whole body above the ground, px
  float body_dy = 0;      // body lowered (+) or raised (-), px
  float body_tilt = 0;    // degrees, positive raises the front
  float stretch = 0;      // body lengthened (+) or compressed (-), px
  float head_dx = 0, head_dy = 0;
  float head_tilt = 0;    // degrees, positive turns the face up
  float gait = 0;         // leg swing amplitude, px
  float phase = 0;        // gait phase, turns
  float t = 0;            // position in the clip, turns (frame index / frame count)
  float front_raise = 0;  // 0..1: front paw (or wing) raised
  float both_raise = 0;   // 0..1: both front paws (or wings) up
  Reach reach = Reach::none;
  float reach_k = 0;      // 0..1: how far along the reach is
  float sway = 0;         // -1..1: a waving paw's side-to-side, a digging paw's stroke
  float tuck = 0;         // 0..1: legs folded under the body
  float tail_swing = 0;   // degrees
  float ear_lag = 0;      // degrees the ears trail back (+) or flick forward (-) behind the body's movement
  float mouth = 0;        // 0..1: mouth open
  bool tongue = false;
  bool eyes_closed = false;
  bool seated = false;    // haunches down, front legs straight
  bool lying = false;     // body flat on the ground
  bool curled = false;    // body rolled into a ball
  bool on_back = false;   // belly up
  bool in_box = false;
  bool box_only = false;
  bool paw_to_face = false;  // groom, wipe
  bool hot = false;          // pant, hpant, flat, wipe: rigs without a panting tongue show it otherwise
  bool turned = false;       // facing the other way: the middle of a spin
  bool looks_back = false;   // the head turned round to look behind
};

// The pose of frame `index` of `clip` (which has `count` frames). Cycles loop:
// frame count-1 leads smoothly back into frame 0.
Pose pose_for(std::string_view clip, int index, int count);

}  // namespace art
