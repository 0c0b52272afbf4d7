#pragma once
// The body animator: squash on clip changes and landings, lean with speed, turns
// that narrow the figure and flip it halfway.

#include <string>

namespace burrowly {

struct BodySpring {
  std::string last_clip;
  bool has_last_x = false;
  float last_x = 0;
  float squash = 1, squash_speed = 0;
  float lean = 0, lean_speed = 0;
  float flip_blend = 1;  // 1 = no turn in progress
  float flip_target = -1;
  float shown_facing = -1;
  float last_lift = 0;

  void reset(float facing);
  bool turning() const { return flip_blend < 1; }
  // Horizontal draw factor while a turn narrows the figure (1 otherwise).
  float turn_width() const;
  // One step; returns whether the body visibly moved.
  bool step(float dt, float scale, const std::string& clip, float x, float lift, float facing);
};

}  // namespace burrowly
