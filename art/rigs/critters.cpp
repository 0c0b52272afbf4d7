// The small critters: the frog, the butterfly, the ladybug and the tarantula.
#include <algorithm>
#include <cmath>

#include "rig.h"

namespace art {

namespace {

constexpr float kDeg = 3.14159265f / 180.0f;
constexpr float kTau = 6.2831853f;

void set_hat(Drawing& d, Anchors& a, float x, float y) {
  float ax0 = 0, ay0 = 0, ux = 0, uy = -1;
  d.map(x, y), d.map(ax0, ay0), d.map(ux, uy);
  a.hat_x = x, a.hat_y = y;
  a.hat_tilt = std::atan2(-(ux - ax0), -(uy - ay0)) / kDeg;
}

// Ground hop height for hopping gaits and the airborne clips.
float hop_height(const Pose& p, float k) {
  return p.lift + (p.gait > 0 ? std::fabs(std::sin(kTau * p.phase)) * p.gait * k : 0);
}

}  // namespace

void draw_frog(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  d.transform = Transform::translate(kAnchorX, kGround - hop_height(p, 1.0f) - (p.in_box ? -4 : 0));
  const Material skin = ramp(rgb(s.body));
  const Material belly = ramp(rgb(s.belly));
  const float W = s.length / 2, H = s.height / 2;
  const float up = p.lift > 1 || (p.gait > 0 && std::fabs(std::sin(kTau * p.phase)) > 0.5f) ? 1.0f : 0.0f;
  const float cy = -H - 1 + p.body_dy * 0.4f + (p.lying ? 2 : 0);
  // Folded hind leg, stretched out while hopping.
  if (up > 0) d.limb(-W * 0.5f, cy + 2, -W - 5, -1.5f, 3, skin);
  else d.oval(-W * 0.45f, -3, W * 0.55f, 3, skin, true);
  d.oval(-W * 0.1f - 2, -1.4f, 4, 1.4f, skin, true);
  d.transform = d.transform.after(Transform::translate(0, cy)).after(Transform::rotate((p.body_tilt * 0.5f + 8) * kDeg));
  d.oval(0, 0, W, H, skin, true);
  d.mark_oval(W * 0.35f, H * 0.45f, W * 0.6f, H * 0.5f, belly);
  d.mark_oval(-W * 0.4f, -H * 0.3f, 1.5f, 1.2f, ramp(rgb(s.accent)));
  d.mark_oval(-W * 0.05f, -H * 0.55f, 1.2f, 1.0f, ramp(rgb(s.accent)));
  // Front leg.
  const float k = std::max(p.front_raise, p.both_raise);
  d.limb(W * 0.5f, H * 0.3f, W * 0.65f + 2 * k, H + 0.5f - 6 * k, 2.4f, skin);
  // Eyes bulge on top of the head.
  const Transform body = d.transform;
  d.transform = body.after(Transform::translate(W * 0.35f + p.head_dx, -H * 0.55f + p.head_dy))
                    .after(Transform::rotate(p.head_tilt * 0.6f * kDeg));
  d.oval(-1.5f, -2.5f, 3, 2.8f, skin, true);
  d.oval(4, -2.5f, 3, 2.8f, skin, true);
  draw_eye(d, out.anchors, -1.2f, -2.8f, 1.6f, s.eye, closed);
  draw_eye(d, out.anchors, 4.3f, -2.8f, 1.6f, s.eye, closed);
  const float open = p.mouth;
  d.poly({{0, 2}, {W * 0.75f, 2.2f + open}, {W * 0.6f, 3 + 2 * open}, {0.5f, 2.6f}}, flat(rgb(0x3a4a24)));
  if (p.tongue) d.oval(W * 0.7f, 3.5f + open, 1.5f, 1.2f, flat(rgb(0xf07890)));
  set_hat(d, out.anchors, 1.3f, -5.2f);
  d.transform = body;
}

// Seen from the front with the wings open: the one view that always says "butterfly".
// Wings fan slowly while perched, beat in flight and droop when asleep, never closing.
void draw_butterfly(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  const bool flying = p.gait > 0;
  const bool airborne = flying || p.lift > 1;
  const bool resting = p.lying || p.curled;
  float lift = flying ? 3 + p.gait * 0.9f + 1.5f * std::sin(kTau * p.phase) : p.lift;
  if (p.in_box) lift = 10;  // perched on the box rim
  d.transform = Transform::translate(kAnchorX, kGround - lift)
                    .after(Transform::rotate(-p.body_tilt * 0.15f * kDeg));
  // Open span (1 = fully spread) and how far each side's wings are raised.
  float beat = 0.5f + 0.5f * std::cos(kTau * (flying ? p.phase * 2 : p.t * (p.hot ? 4 : 1)));
  float span = flying ? 0.45f + 0.55f * beat
             : p.lift > 1 ? 0.6f + 0.4f * beat
             : p.hot ? 0.55f + 0.45f * beat  // fanning itself
             : resting ? 1.0f
             : 0.86f + 0.14f * beat;
  span = std::min(1.15f, span + std::max(0.0f, p.stretch) * 0.03f);
  const float droop = resting ? -8.0f : 0.0f;
  const float lift_near = 25 * std::max(p.front_raise, p.both_raise);
  const float lift_far = 25 * p.both_raise;
  const Material orange = ramp(rgb(s.body));
  const Material dark = ramp(rgb(s.accent));
  const Material rim{{dark.shade[1], dark.shade[1], dark.shade[2], dark.shade[3]}};  // black stays black
  const Material body = ramp(rgb(0x7a6676));
  const float thorax = -13 + std::min(1.0f, p.body_dy * 0.5f);
  const Transform root = d.transform;
  // Legs under the body while perched; tucked up in the air, kicking on its back.
  if (!airborne) {
    for (float side : {-1.0f, 1.0f}) {
      d.limb(side * 1, thorax + 3, side * 4, p.on_back ? thorax - 3 : -0.5f, 1, rim, false);
      d.limb(side * 1, thorax + 6, side * 2.5f, p.on_back ? thorax + 1 : -0.5f, 1, rim, false);
    }
  }
  for (float side : {-1.0f, 1.0f}) {
    const float raise = side > 0 ? lift_near : lift_far;
    const float sp = std::max(0.55f, span - raise / 100);
    d.transform = root.after(Transform::translate(0, thorax))
                      .after(Transform::scale(side * sp, 1))
                      .after(Transform::rotate((raise + droop) * kDeg));
    // Fore wing: black rim, orange panel, black tip with white dots.
    d.oval(11, -6.5f, 10.5f, 8, rim, true);
    d.mark_oval(10.2f, -5.5f, 8.6f, 6.3f, orange);
    d.mark_poly({{1, -1}, {19, -9}, {19, -8}, {1, 0}}, rim);
    d.mark_poly({{2, -3}, {12, -13}, {13, -12}, {2, -2}}, rim);
    for (auto [x, y] : {std::pair{19.0f, -7.0f}, {16.5f, -11.5f}, {12.5f, -13.0f}, {20.0f, -3.5f}})
      d.pixel(x, y, rgb(0xffffff));
    // Hind wing.
    d.oval(6.5f, 5.5f, 7, 6, rim, true);
    d.mark_oval(6, 5, 5.4f, 4.4f, orange);
    d.mark_poly({{1, 1}, {11, 8}, {10, 9}, {1, 2}}, rim);
    d.pixel(9.5f, 10, rgb(0xffffff));
    d.pixel(5, 10.8f, rgb(0xffffff));
  }
  d.transform = root;
  // Body: abdomen, thorax, a big round head with antennae.
  d.oval(0, thorax + 5, 1.8f, 6, body, true);
  d.oval(0, thorax, 2.6f, 3, body, true);
  const float hx = p.head_dx * 0.5f, hy = thorax - 9.5f + p.head_dy * 0.5f;
  d.transform = root.after(Transform::translate(hx, hy)).after(Transform::rotate(-p.head_tilt * 0.5f * kDeg));
  for (float side : {-1.0f, 1.0f}) {
    d.limb(side * 1.5f, -3, side * 5, -10, 0.9f, rim, false);
    d.oval(side * 5.3f, -10.5f, 1.4f, 1.4f, rim, true);
  }
  d.oval(0, 0, 4.6f, 4.1f, body, true);
  draw_eye(d, out.anchors, -1.9f, -0.5f, 1.5f, 0x1a1420, closed);
  draw_eye(d, out.anchors, 1.9f, -0.5f, 1.5f, 0x1a1420, closed);
  for (float side : {-1.0f, 1.0f}) d.pixel(side * 3.2f, 1.6f, rgb(0xe88aa0));  // blush
  if (p.mouth > 0.15f) d.oval(0, 2.2f, 0.8f + p.mouth * 0.6f, 0.5f + p.mouth * 0.8f, flat(rgb(0x2a1420)));
  // Proboscis: uncoiled to drink, and out when hot or licking.
  if (p.tongue || p.head_dy > 4) {
    const float reach = p.head_dy > 4 ? 9 : 4;
    d.limb(0, 2.5f, 0.5f, 2.5f + reach, 0.8f, flat(rgb(0x2a2226)), false);
  }
  if (p.paw_to_face) d.limb(-1, 7, -3.5f, -2, 1, rim, false);  // a foreleg wiping the face
  set_hat(d, out.anchors, 0, -4.1f);
  d.transform = root;
  if (p.hot) {  // a drop of sweat beside the head
    d.oval(-6.5f, hy - 2, 1.2f, 1.6f, ramp(rgb(0x8fd3f4)), true);
  }
}

void draw_beetle(const Species& s, const Pose& p, bool, FrameArt& out) {
  Drawing& d = out.drawing;
  d.transform = Transform::translate(kAnchorX, kGround - p.lift - (p.in_box ? -4 : 0));
  const Material shell = ramp(rgb(s.body));
  const Material black = ramp(rgb(s.accent));
  const float W = s.length / 2, H = s.height / 2;
  const float sw = p.gait > 0 ? std::sin(kTau * p.phase) * 1.5f : 0;
  const float open = p.lift > 2 || p.both_raise > 0.5f ? 1.0f : 0.0f;  // wings out in the air
  for (int k = 0; k < 3; ++k) {
    const float x = -W * 0.5f + k * W * 0.5f;
    d.limb(x, -2.5f, x + (k % 2 ? sw : -sw) + 1, -0.5f, 1.2f, black, false);
  }
  const float cy = -H - 1.5f + p.body_dy * 0.3f;
  const Transform outer = d.transform;
  d.transform = outer.after(Transform::translate(0, cy)).after(Transform::rotate(p.body_tilt * 0.5f * kDeg));
  // Head with antennae.
  d.transform = d.transform.after(Transform::translate(W * 0.85f + p.head_dx, H * 0.3f + p.head_dy))
                    .after(Transform::rotate(p.head_tilt * kDeg));
  d.limb(1, -2, 4, -6, 0.9f, black, false);
  d.limb(-1, -2, 0, -6.5f, 0.9f, black, false);
  d.oval(0, 0, 3.6f, 3.2f, black, true);
  d.pixel(1.5f, -0.8f, rgb(0xffffff));
  d.pixel(2.6f, 0.8f, rgb(0xffffff));
  set_hat(d, out.anchors, 0, -3);
  d.transform = outer.after(Transform::translate(0, cy)).after(Transform::rotate(p.body_tilt * 0.5f * kDeg));
  if (open > 0) d.poly({{-W * 0.2f, -H * 0.6f}, {-W * 1.1f, -H * 1.6f}, {-W * 0.5f, -H * 0.3f}}, flat(rgb(0xcfd8e8)), true);
  std::vector<burrowly::Point> dome;
  for (int k = 0; k <= 12; ++k) {
    const float t = 3.14159265f * float(k) / 12;
    dome.push_back({-W * std::cos(t), H * 0.8f - H * 1.8f * std::sin(t)});
  }
  d.poly(dome, shell, true);
  d.mark_poly({{W * 0.05f, -H}, {W * 0.25f, -H}, {W * 0.2f, H}, {W * 0.1f, H}}, black);
  for (auto [x, y] : {std::pair{-0.5f, -0.2f}, {-0.2f, -0.6f}, {0.5f, -0.3f}, {-0.55f, 0.45f}, {0.45f, 0.4f}})
    d.mark_oval(W * x, H * y, 1.6f, 1.4f, black);
}

void draw_spider(const Species& s, const Pose& p, bool, FrameArt& out) {
  Drawing& d = out.drawing;
  d.transform = Transform::translate(kAnchorX, kGround - p.lift - (p.in_box ? -4 : 0));
  const Material hair = ramp(rgb(s.body));
  const Material band = flat(rgb(s.accent));
  const float lowered = p.lying || p.curled ? 3.0f : p.tuck * 2;
  const float cy = -9 + lowered + p.body_dy * 0.3f;
  // Eight legs: knees up, feet on the ground; far four darker, alternating in the walk.
  for (int near = 0; near < 2; ++near) {
    for (int k = 0; k < 4; ++k) {
      const float sign = k < 2 ? 1.0f : -1.0f;
      const float base = (k - 1.5f) * 2.2f;
      const float reach = (k == 0 || k == 3 ? 15.0f : 11.0f) * sign;
      const float swing = p.gait > 0 ? std::sin(kTau * (p.phase + k * 0.25f + near * 0.5f)) * p.gait * 0.5f : 0;
      float foot_x = base + reach + swing, foot_y = -1.0f;
      if (near && k == 0 && (p.front_raise > 0.1f || p.both_raise > 0.1f)) foot_x -= 3, foot_y = cy - 8;
      if (p.curled) foot_x = base + reach * 0.4f, foot_y = cy + 2;
      const float knee_x = base + reach * 0.55f, knee_y = cy - 6 + (p.curled ? 4 : 0);
      const Material m = near ? hair : Material{{hair.shade[2], hair.shade[2], hair.shade[3], hair.shade[3]}};
      d.limb(base, cy, knee_x, knee_y, 2.4f, m, near);
      d.limb(knee_x, knee_y, foot_x, foot_y, 2.0f, m, near);
      if (near) d.mark_oval(knee_x, knee_y, 1.4f, 1.4f, band);
    }
  }
  // Abdomen behind, head-body in front.
  d.oval(-7, cy - 2, 7, 6, hair, true);
  d.mark_oval(-8, cy - 4, 3, 2, ramp(rgb(s.accent)));
  const Transform outer = d.transform;
  d.transform = outer.after(Transform::translate(2 + p.head_dx, cy + p.head_dy)).after(Transform::rotate(p.head_tilt * kDeg));
  d.oval(0, 0, 5, 4, hair, true);
  for (float x : {1.0f, 2.5f, 4.0f}) d.pixel(x, -2, rgb(0x111111));
  d.pixel(3.2f, -3, rgb(0xffffff));
  d.limb(4, 2, 5.5f, 3.5f, 1.6f, hair, false);  // fangs
  set_hat(d, out.anchors, 0, -4);
  d.transform = outer;
  for (float x = -12; x < 6; x += 2.5f) d.pixel(x, cy - 7.5f, rgb(0x8a7468));  // hairs
}

}  // namespace art
