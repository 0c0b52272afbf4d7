// Four-legged mammals: cats, dogs, fox, ferret, lion, goat, pig, lamb, squirrel.
#include <algorithm>
#include <cmath>

#include "rig.h"
#include "rigs/front_limbs.h"
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
  const float up = std::max(0.0f, std::cos(kTau * ph)) * p.gait * 0.65f;
  return {hip_x, hip_y, hip_x + dx, ground - up};
}

float sq(float v) { return v * v; }

// How far below its centre a head reaches: a beard or a mane hangs lower.
float head_drop(const Species& s) { return s.head * (s.has(kBeard) || s.has(kMane) ? 1.4f : 1.15f); }

// The legs of one side, hips on the tilted body, feet placed in ground coordinates:
// on the ground the planted feet rest on row 0, in the air they hang from the hips.
void draw_legs(Drawing& d, const Species& s, const Pose& p, const Transform& body, float half, float hip_y,
               bool near) {
  const Material fur = ramp(rgb(s.has(kDarkLegs) || s.has(kWool) ? s.accent : s.body));
  const Material sock = ramp(rgb(s.has(kPoints) ? s.accent : s.belly));
  const float w = std::max(2.5f, s.legs * 0.45f + (s.has(kFluffy) ? 1 : 0));
  const bool airborne = p.lift > 0.5f;
  const float off = near ? 0.0f : 0.5f;
  const float shift = near ? 1.5f : -1.0f;
  const Material m = near ? fur : Material{{fur.shade[2], fur.shade[2], fur.shade[3], fur.shade[3]}};
  for (int k = 0; k < 2; ++k) {
    const bool front = k == 0;
    float hx = (front ? half * 0.62f : -half * 0.62f) + shift, hy = hip_y;
    body.apply(hx, hy);
    const float ground = airborne ? hy + s.legs * (1 - 0.6f * p.tuck) + w / 2 : 0;
    Leg leg = gait_leg(hx, hy, p, off + (front ? 0.5f : 0.0f), ground);
    if (front && p.reach == Reach::dig) {  // scooping at the ground in turn
      const auto paw = raised_paw(p, FrontLimbs{hx, hy, 0, 0, s.head, w}, near);
      leg.foot_x = paw->x, leg.foot_y = paw->y + w / 2;
    } else if (front && near && p.front_raise > 0.05f) {  // a paw lifted high in front of the chest
      leg.foot_x = hx + 3 + 5 * p.front_raise;
      leg.foot_y = hy - 2 - 6 * p.front_raise + w / 2;
    }
    if (p.stretch > 3) leg.foot_x += front ? p.stretch * 0.6f : -p.stretch * 0.3f;
    d.limb(leg.hip_x, leg.hip_y, leg.foot_x, leg.foot_y - w / 2, w, m, near);
    if (s.has(kSocks) || s.has(kPoints)) d.mark_oval(leg.foot_x, leg.foot_y - w / 2, w * 0.6f, w * 0.6f, sock);
    if (s.has(kHorns)) d.mark_oval(leg.foot_x, leg.foot_y - 0.5f, w * 0.55f, 0.8f, flat(rgb(0x4a3a30)));
  }
}

// Long wavy fur hanging `len` px off the edge from a to b, on the side of the normal (nx, ny).
void draw_fringe(Drawing& d, burrowly::Point a, burrowly::Point b, float nx, float ny, float len, const Material& m) {
  constexpr int kLocks = 5;
  std::vector<burrowly::Point> pts{a, b};
  for (int i = kLocks; i >= 0; --i) {
    const float k = float(i) / kLocks, l = len * (i % 2 ? 1.0f : 0.55f);
    pts.push_back({a.x + (b.x - a.x) * k + nx * l, a.y + (b.y - a.y) * k + ny * l});
  }
  d.poly(pts, m, true);
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
  // In the box the animal sits up high enough for its head and shoulders to clear the rim.
  const Transform base = Transform::translate(kAnchorX, kGround - p.lift - (p.in_box ? 8 : 0));
  const Material fur = ramp(rgb(s.body));
  const Material light = ramp(rgb(s.belly));
  const float L = s.length, H = s.height, legs = s.legs;
  const bool wool = s.has(kWool);
  const float fluff = s.has(kFluffy) ? 1.5f : 0;

  if (p.curled) {
    d.transform = base;
    const float R = 0.6f * std::sqrt(L * H);  // as much body as the animal has, rolled up
    const float ry = R + p.body_dy * 0.3f;  // breathing lifts the back
    const float cy = -ry - 0.6f;
    d.oval(0, cy, R + 2, ry, fur, true);
    if (wool) d.oval(-R * 0.3f, cy - R * 0.5f, R * 0.6f, R * 0.4f, fur);
    // The tail wraps round the front of the ball.
    if (s.tail != Tail::none && s.tail != Tail::stub && s.tail != Tail::curly) {
      const bool bushy = s.tail == Tail::bushy || s.tail == Tail::white_tip || s.tail == Tail::ringed ||
                         s.tail == Tail::fan || s.tail == Tail::sickle;
      if (s.tail == Tail::fan) d.oval(-R * 0.45f, cy - R * 0.55f, R * 0.75f, R * 0.6f, fur, true);  // the plume over the back
      const bool dark_tail = s.has(kPoints) || s.tail == Tail::ringed || (s.has(kDarkLegs) && s.tail == Tail::thin);
      const Material& tail_m = dark_tail ? ramp(rgb(s.accent)) : fur;
      d.oval(-R * 0.05f, cy + R * 0.62f, R * 0.95f, bushy ? R * 0.32f : R * 0.2f, tail_m, true);
      if (s.tail == Tail::white_tip) d.mark_oval(R * 0.75f, cy + R * 0.62f, R * 0.3f, R * 0.3f, light);
    }
    Pose head_pose = p;
    head_pose.head_tilt = -12;
    head_pose.mouth = 0;
    draw_head(d, a, s, head_pose, R * 0.55f, std::min(cy + R * 0.35f, -head_drop(s) - 1), closed);
    d.oval(R * 0.2f, -2, 3, 2, fur, true);  // front paw under the chin
    return;
  }
  if (p.lying || p.on_back) {
    d.transform = base;
    const float ry = H / 2 + p.body_dy * 0.3f;  // breathing lifts the back
    const float cy = -ry - 0.6f;
    if (p.on_back) {  // rolled over: belly up, four paws in the air kicking in turn
      const float w = std::max(2.5f, legs * 0.45f);
      const Material leg_m = ramp(rgb(s.has(kDarkLegs) || wool ? s.accent : s.body));
      const Material far_m{{leg_m.shade[2], leg_m.shade[2], leg_m.shade[3], leg_m.shade[3]}};
      const float reach = legs + 5;
      for (int k = 0; k < 2; ++k) draw_leg_up(d, (k ? 0.3f : -0.3f) * L - 2, cy - H * 0.2f, reach, w, far_m, p.t + 0.25f + 0.5f * k);
      draw_tail(d, s, -L / 2, cy + 1, -20 + p.tail_swing);
      d.oval(0, cy, L / 2 + 1, H / 2, fur, true);
      d.mark_oval(0, cy - H * 0.2f, L * 0.35f, H * 0.3f, light);
      for (int k = 0; k < 2; ++k) draw_leg_up(d, (k ? 0.3f : -0.3f) * L, cy - H * 0.3f, reach, w, leg_m, p.t + 0.5f * k);
      Pose head_pose = p;
      head_pose.head_tilt = 35;
      draw_head(d, a, s, head_pose, L / 2 + s.head * 0.3f, -head_drop(s) - 1, closed);
      return;
    }
    draw_tail(d, s, -L / 2 + 1, cy - 1, 10 + p.tail_swing * 0.5f);
    d.oval(0, cy, L / 2 + 1 + fluff, ry, fur, true);
    if (wool) for (float k : {-0.5f, 0.0f, 0.5f}) d.oval(k * L * 0.5f, cy - H * 0.35f, L * 0.18f, H * 0.3f, fur);
    body_markings(d, s, 0, cy, L / 2, H / 2);
    const Material paw = ramp(rgb(s.has(kDarkLegs) || wool ? s.accent : s.has(kSocks) ? s.belly : s.body));
    d.oval(L / 2 + 1, -1.8f, 3.5f, 1.8f, paw, true);
    d.oval(-L / 2 + 3, -1.8f, 3, 1.8f, paw, true);
    Pose head_pose = p;
    draw_head(d, a, s, head_pose, L / 2 + s.head * 0.35f, -head_drop(s) - (p.eyes_closed ? 0.5f : 1.5f), closed);
    return;
  }
  if (p.seated || p.in_box) {
    // Haunches and feet stay on the ground; breathing moves the chest and head. Begging
    // and cheering sit up taller on the haunches.
    d.transform = base;
    const float breath = p.body_dy * 0.6f;
    const float sit_up = p.reach == Reach::both_up ? 3.0f : 0.0f;
    // A long body sits with a long haunch behind it and a taller chest.
    const float long_body = std::max(0.0f, L - 1.8f * H);
    const float tw = H * 0.62f + fluff, th = H * 0.7f + legs * 0.35f - breath / 2 + sit_up + long_body * 0.15f;
    const float ty = -th - 0.5f;
    const float haunch = H * 0.62f + fluff + long_body * 0.3f;
    draw_tail(d, s, -tw * 0.9f - long_body * 0.6f, -H * 0.5f - 1, std::min(25.0f, 15 + p.tail_swing));
    d.begin_group();
    d.oval(-tw * 0.5f - (haunch - H * 0.62f - fluff), -H * 0.5f, haunch, H * 0.5f, fur, true);  // haunch
    d.oval(1, ty, tw, th, fur, true);                                       // upright torso
    if (wool) d.oval(0, ty - th * 0.3f, tw * 0.9f, th * 0.5f, fur);
    d.end_group();
    if (s.belly != s.body) d.mark_oval(tw * 0.45f, ty + 1, tw * 0.5f, th * 0.75f, light);
    if (s.has(kStripes)) d.mark_oval(-tw * 0.4f, ty, 1.2f, th * 0.5f, ramp(rgb(s.accent)));
    if (s.has(kPatches)) d.mark_oval(-tw * 0.3f, ty - 2, tw * 0.5f, th * 0.4f, ramp(rgb(s.accent)));
    const Material leg_m = ramp(rgb(s.has(kDarkLegs) || wool ? s.accent : s.body));
    const Material far_m{{leg_m.shade[2], leg_m.shade[2], leg_m.shade[3], leg_m.shade[3]}};
    const Material sock = ramp(rgb(s.has(kPoints) ? s.accent : s.belly));
    d.oval(-tw * 0.35f, -1.5f, 3.2f, 1.8f, leg_m, true);  // hind foot
    const float w = std::max(2.5f, legs * 0.45f + fluff * 0.6f);
    const float chest_y = ty + th * 0.3f;
    // A big head set low on the shoulders; the raised paws are placed from it.
    const float hx = tw * 0.45f + p.head_dx, hy = ty - th * 0.6f - s.head * 0.35f + p.head_dy;
    const FrontLimbs limbs{tw * 0.6f, chest_y, hx, hy, s.head, w, s.head * 0.7f + s.snout * 1.1f + 1.5f};
    if (auto paw = raised_paw(p, limbs, false))
      draw_raised_limb(d, tw * 0.2f, chest_y, *paw, w, far_m);
    else
      d.limb(tw * 0.2f, chest_y, tw * 0.3f, -w / 2, w, far_m, false);
    float fx = tw * 0.75f, fy = -w / 2;
    const auto near_paw = raised_paw(p, limbs, true);
    if (near_paw) {
      fx = near_paw->x, fy = near_paw->y;
    } else if (p.front_raise > 0.05f || p.both_raise > 0.05f) {
      const float k = std::max(p.front_raise, p.both_raise);
      fx = tw * 0.75f + 3 + 2 * k;
      fy = chest_y - 6 * k;
    }
    const bool looks_back = p.looks_back;
    if (s.has(kFeathered)) {  // a bib of long fur down the chest, feathering behind the foreleg
      draw_fringe(d, {tw * 0.25f, chest_y - 3}, {tw * 0.45f, -w - 1}, -1, 0.2f, 4, light);
      draw_fringe(d, {tw * 0.8f, ty - th * 0.2f}, {tw * 1.0f, chest_y + 4}, 0.9f, 0.4f, 3.5f, light);
    }
    if (!near_paw) {
      d.limb(tw * 0.6f, chest_y, fx, fy, w, leg_m, fy < chest_y);  // a lifted paw stands out
      if (s.has(kSocks) || s.has(kPoints)) d.mark_oval(fx, fy, w * 0.6f, w * 0.6f, sock);
    }
    if (looks_back)  // the head mirrored about its own centre
      d.transform = base.after(Transform::translate(hx, 0)).after(Transform::scale(-1, 1))
                        .after(Transform::translate(-hx, 0));
    draw_head(d, a, s, p, hx, hy, closed);
    d.transform = base;
    if (near_paw) {  // in front of the face
      draw_raised_limb(d, tw * 0.6f, chest_y, *near_paw, w, leg_m);
      if (s.has(kSocks) || s.has(kPoints)) d.mark_oval(fx, fy, w * 0.6f, w * 0.6f, sock);
    }
    return;
  }
  // Standing and moving: the tilted body is raised until no part of it dips under
  // the ground, the legs reach the ground from its hips.
  const float stretch = p.stretch;
  const float half = L / 2 + stretch / 2;
  const float rx = half + fluff, ry = H / 2 + fluff * 0.5f;
  const float tilt = p.body_tilt * kDeg;
  float hip_y = -legs + p.body_dy, cy = hip_y - H * 0.4f;
  // Lowest points: the body's edge and, a little under it, the root of the tail.
  const float tail_root_y = cy + half * std::sin(tilt) - H * 0.2f * std::cos(tilt);
  const float low = std::max(cy + std::sqrt(sq(rx * std::sin(tilt)) + sq(ry * std::cos(tilt))), tail_root_y + 3);
  if (low > -1) hip_y -= low + 1, cy -= low + 1;
  const Transform body = Transform::translate(0, cy).after(Transform::rotate(tilt)).after(Transform::translate(0, -cy));
  d.transform = base;
  if (p.reach == Reach::dig) draw_flying_earth(d, -half, p.t);
  draw_legs(d, s, p, body, half, hip_y - 1, false);
  d.transform = base.after(body);
  draw_tail(d, s, -half + 1, cy - H * 0.2f, p.tail_swing + (s.tail == Tail::thin ? -10 : 10));
  if (s.has(kFeathered)) draw_fringe(d, {-half * 0.55f, cy + ry - 2}, {half * 0.75f, cy + ry - 2}, 0, 1, 6, light);
  d.oval(0, cy, rx, ry, fur, true);
  body_markings(d, s, 0, cy, half, H / 2);
  d.transform = base;
  draw_legs(d, s, p, body, half, hip_y - 1, true);
  // The head follows the body's tilt but never goes under the ground.
  float hx = half + s.head * 0.25f + p.head_dx, hy = cy - s.head * 0.7f + p.head_dy;
  body.apply(hx, hy);
  hy = std::min(hy, -head_drop(s) - 1.5f);
  Pose head_pose = p;
  head_pose.head_tilt += p.body_tilt;
  draw_head(d, a, s, head_pose, hx, hy, closed);
}

}  // namespace art
