// Four-legged mammals: cats, dogs, fox, ferret, lion, goat, pig, lamb, squirrel.
#include <algorithm>
#include <cmath>

#include "rig.h"
#include "rigs/tail.h"

namespace art {

namespace {

constexpr float kTau = 6.2831853f;
constexpr float kDeg = 3.14159265f / 180.0f;

struct Leg {
  float hip_x, hip_y, foot_x, foot_y;
};

// Foot position of a walking leg at a phase: swings forward lifted, pushes back planted.
Leg gait_leg(float hip_x, float hip_y, const Pose& p, float offset, float ground) {
  const float ph = p.phase + offset;
  const float dx = p.gait * std::sin(kTau * ph);
  const float up = std::max(0.0f, std::cos(kTau * ph)) * p.gait * 0.45f;
  return {hip_x, hip_y, hip_x + dx, ground - up};
}

void draw_legs(Drawing& d, const Species& s, const Pose& p, float half, float belly_y, bool near) {
  const Material fur = ramp(rgb(s.has(kDarkLegs) || s.has(kWool) ? s.accent : s.body));
  const Material sock = ramp(rgb(s.has(kPoints) ? s.accent : s.belly));
  const float w = std::max(2.5f, s.legs * 0.45f + (s.has(kFluffy) ? 1 : 0));
  const float ground = -p.tuck * s.legs * 0.6f;
  const float off = near ? 0.0f : 0.5f;
  const float shift = near ? 1.5f : -1.0f;
  for (int k = 0; k < 2; ++k) {
    const bool front = k == 0;
    float hx = (front ? half * 0.62f : -half * 0.62f) + shift;
    Leg leg = gait_leg(hx, belly_y, p, off + (front ? 0.5f : 0.0f), ground);
    if (front && near && p.front_raise > 0.05f) {
      leg.foot_x = hx + 4 + 3 * p.front_raise;
      leg.foot_y = belly_y - 4 * p.front_raise;
    }
    if (p.stretch > 3 && !p.seated) leg.foot_x += front ? p.stretch * 0.5f : -p.stretch * 0.3f;
    const Material& m = near ? fur : Material{{fur.shade[2], fur.shade[2], fur.shade[3], fur.shade[3]}};
    d.limb(leg.hip_x, leg.hip_y, leg.foot_x, leg.foot_y - w / 2, w, m, near);
    if (s.has(kSocks) || s.has(kPoints)) d.mark_oval(leg.foot_x, leg.foot_y - w / 2, w * 0.6f, w * 0.6f, sock);
    if (s.has(kHorns)) d.mark_oval(leg.foot_x, leg.foot_y - 0.5f, w * 0.55f, 0.8f, flat(rgb(0x4a3a30)));
  }
}

void body_markings(Drawing& d, const Species& s, float cx, float cy, float rx, float ry) {
  const Material light = ramp(rgb(s.belly));
  const Material dark = ramp(rgb(s.accent));
  if (s.has(kMuzzle) || s.has(kMask) || s.belly != s.body)
    d.mark_oval(cx + rx * 0.25f, cy + ry * 0.55f, rx * 0.7f, ry * 0.45f, light);
  if (s.has(kStripes))
    for (float k : {-0.4f, 0.0f, 0.4f})
      d.mark_poly({{cx + rx * k - 1, cy - ry}, {cx + rx * k + 1.2f, cy - ry}, {cx + rx * k + 0.5f, cy - ry * 0.2f}}, dark);
  if (s.has(kPatches)) {
    d.mark_oval(cx - rx * 0.4f, cy - ry * 0.3f, rx * 0.35f, ry * 0.5f, dark);
    d.mark_oval(cx + rx * 0.35f, cy - ry * 0.6f, rx * 0.25f, ry * 0.35f, ramp(rgb(s.extra ? s.extra : s.accent)));
  }
  if (s.has(kSpots))
    for (float k : {-0.5f, -0.1f, 0.3f}) d.mark_oval(cx + rx * k, cy - ry * 0.45f, 1.2f, 1.0f, dark);
  if (s.has(kWool))
    for (float k : {-0.6f, -0.2f, 0.2f, 0.6f}) d.oval(cx + rx * k, cy - ry * 0.75f, rx * 0.3f, ry * 0.35f, ramp(rgb(s.body)));
}

}  // namespace

void draw_quadruped(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  Anchors& a = out.anchors;
  const Transform base = Transform::translate(kAnchorX, kGround - p.lift - (p.in_box ? -2 : 0));
  const Material fur = ramp(rgb(s.body));
  const Material light = ramp(rgb(s.belly));
  const float L = s.length, H = s.height, legs = s.legs;
  const bool wool = s.has(kWool);
  const float fluff = s.has(kFluffy) ? 1.5f : 0;

  if (p.curled) {
    d.transform = base;
    const float R = (L + H) / 3.4f;
    const float cy = -R + p.body_dy * 0.3f;
    d.oval(0, cy, R + 2, R, fur, true);
    if (wool) d.oval(-R * 0.3f, cy - R * 0.5f, R * 0.6f, R * 0.4f, fur);
    draw_tail(d, s, -R, cy + R * 0.6f, -150);
    Pose head_pose = p;
    head_pose.head_tilt = -12;
    head_pose.mouth = 0;
    draw_head(d, a, s, head_pose, R * 0.55f, cy + R * 0.35f, closed);
    d.oval(R * 0.2f, -2, 3, 2, fur, true);  // front paw under the chin
    return;
  }
  if (p.lying || p.on_back) {
    d.transform = base;
    const float cy = -H * 0.5f + p.body_dy * 0.3f;
    if (p.on_back) {
      d.oval(0, cy, L / 2 + 1, H / 2, fur, true);
      d.mark_oval(0, cy - H * 0.2f, L * 0.35f, H * 0.3f, light);
      const float w = std::max(2.5f, legs * 0.45f);
      for (float x : {-L * 0.3f, L * 0.3f}) {
        float kick = p.both_raise * 3;
        d.limb(x, cy - H * 0.3f, x + 2, cy - H * 0.5f - legs * 0.7f - kick, w, fur);
      }
      draw_tail(d, s, -L / 2, cy + 1, -20 + p.tail_swing);
      Pose head_pose = p;
      head_pose.head_tilt = 150;
      draw_head(d, a, s, head_pose, L / 2 + s.head * 0.6f, -s.head * 0.95f, closed);
      return;
    }
    draw_tail(d, s, -L / 2 + 1, cy + 2, -30 + p.tail_swing);
    d.oval(0, cy, L / 2 + 1 + fluff, H / 2, fur, true);
    if (wool) for (float k : {-0.5f, 0.0f, 0.5f}) d.oval(k * L * 0.5f, cy - H * 0.35f, L * 0.18f, H * 0.3f, fur);
    body_markings(d, s, 0, cy, L / 2, H / 2);
    const Material paw = ramp(rgb(s.has(kDarkLegs) || wool ? s.accent : s.has(kSocks) ? s.belly : s.body));
    d.oval(L / 2 + 1, -1.8f, 3.5f, 1.8f, paw, true);
    d.oval(-L / 2 + 3, -1.8f, 3, 1.8f, paw, true);
    Pose head_pose = p;
    draw_head(d, a, s, head_pose, L / 2 + s.head * 0.35f, -s.head * 0.9f - (p.lying && !p.eyes_closed ? 1 : 0),
              closed);
    return;
  }
  if (p.seated && !p.in_box) {
    d.transform = base.after(Transform::translate(0, p.body_dy));
    const float tw = H * 0.62f + fluff, th = H * 0.75f + legs * 0.45f;
    const float ty = -th - 0.5f;
    draw_tail(d, s, -tw * 0.9f, -H * 0.45f, 15 + p.tail_swing);
    d.oval(-tw * 0.5f, -H * 0.5f, H * 0.62f + fluff, H * 0.5f, fur, true);  // haunch
    d.oval(1, ty, tw, th, fur, true);                                       // upright torso
    if (wool) d.oval(0, ty - th * 0.3f, tw * 0.9f, th * 0.5f, fur);
    if (s.belly != s.body) d.mark_oval(tw * 0.45f, ty + 1, tw * 0.5f, th * 0.75f, light);
    if (s.has(kStripes)) d.mark_oval(-tw * 0.4f, ty, 1.2f, th * 0.5f, ramp(rgb(s.accent)));
    if (s.has(kPatches)) d.mark_oval(-tw * 0.3f, ty - 2, tw * 0.5f, th * 0.4f, ramp(rgb(s.accent)));
    d.oval(-tw * 0.35f, -1.5f, 3.2f, 1.8f, ramp(rgb(s.has(kDarkLegs) || wool ? s.accent : s.body)), true);  // hind foot
    // Front legs.
    const Material leg_m = ramp(rgb(s.has(kDarkLegs) || wool ? s.accent : s.body));
    const float w = std::max(2.5f, legs * 0.45f + fluff * 0.6f);
    const float chest_y = ty + th * 0.3f;
    d.limb(tw * 0.2f, chest_y, tw * 0.3f, -w / 2, w,
           Material{{leg_m.shade[2], leg_m.shade[2], leg_m.shade[3], leg_m.shade[3]}});
    float fx = tw * 0.75f, fy = -w / 2;
    if (p.front_raise > 0.05f || p.both_raise > 0.05f) {
      const float k = std::max(p.front_raise, p.both_raise);
      fx = tw * 0.75f + 3 + 2 * k;
      fy = chest_y - 6 * k - (p.paw_to_face ? 6 : 0);
      if (p.paw_to_face) fx = tw * 0.5f + s.head * 0.9f;
    }
    d.limb(tw * 0.6f, chest_y, fx, fy, w, leg_m);
    if (s.has(kSocks) || s.has(kPoints)) d.mark_oval(fx, fy, w * 0.6f, w * 0.6f, ramp(rgb(s.has(kPoints) ? s.accent : s.belly)));
    draw_head(d, a, s, p, tw * 0.45f + p.head_dx, ty - th * 0.72f - s.head * 0.45f + p.head_dy, closed);
    return;
  }
  // Standing and moving, and sitting in the box.
  const float stretch = p.stretch;
  const float belly_y = -legs + p.body_dy - (p.in_box ? -6 : 0);
  const float cy = belly_y - H * 0.4f;
  const float half = L / 2 + stretch / 2;
  d.transform = base.after(Transform::translate(0, cy)).after(Transform::rotate(p.body_tilt * kDeg))
                    .after(Transform::translate(0, -cy));
  if (!p.in_box) draw_legs(d, s, p, half, belly_y - 1, false);
  draw_tail(d, s, -half + 1, cy - H * 0.2f, p.tail_swing + (s.tail == Tail::thin ? -10 : 10));
  d.oval(0, cy, half + fluff, H / 2 + fluff * 0.5f, fur, true);
  body_markings(d, s, 0, cy, half, H / 2);
  if (!p.in_box) draw_legs(d, s, p, half, belly_y - 1, true);
  const float neck_up = s.head * 0.7f;
  draw_head(d, a, s, p, half + s.head * 0.25f + p.head_dx, cy - neck_up + p.head_dy, closed);
}

}  // namespace art
