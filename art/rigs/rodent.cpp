// Round small mammals: a body ball on tiny legs (rabbit, hamster, guinea pig,
// chinchilla, hedgehog).
#include <algorithm>
#include <cmath>

#include "rig.h"
#include "rigs/tail.h"

namespace art {

namespace {

// A front paw lifted out in front of the body: swats, waves, begging.
void draw_raised_paw(Drawing& d, const Pose& p, float L, float R, float cy, const Material& m) {
  const float k = std::max(p.both_raise, p.front_raise);
  if (k < 0.1f) return;
  d.limb(L * 0.55f, cy + R * 0.35f, L + 2 + 2 * k, cy + R * 0.3f - 6 * k, 3, m);
}

}  // namespace

void draw_rodent(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  const float hop = (p.gait > 0 ? std::fabs(std::sin(6.2831853f * p.phase)) * p.gait * 0.8f : 0) + p.lift;
  d.transform = Transform::translate(kAnchorX, kGround - hop);
  const Material fur = ramp(rgb(s.body));
  const Material light = ramp(rgb(s.belly));
  const Material dark = ramp(rgb(s.accent));
  const float R = s.height / 2, L = s.length / 2 + p.stretch / 2;
  const float flatten = p.lying ? 0.8f : 1.0f;
  const float cy = -R * flatten - 1.5f + p.body_dy * 0.5f - p.tuck * -1;
  const float kick = p.gait > 0 ? 2.5f * std::sin(6.2831853f * p.phase) : 0;
  // Feet.
  const Material foot = ramp(rgb(s.has(kQuills) ? 0xc9a882 : s.body));
  if (!p.curled) {
    d.oval(-L * 0.5f - kick, -1.6f, s.rig == Rig::rodent && s.ears == Ears::tall ? 4.5f : 2.5f, 1.6f, foot, true);
    d.oval(L * 0.55f + kick, -1.4f, 2, 1.4f, foot, true);
  }
  draw_tail(d, s, -L + 1, cy + 1, p.tail_swing);
  if (s.has(kQuills)) {
    const Material quill = ramp(rgb(s.accent));
    const Material face = ramp(rgb(s.belly));
    // Spiky coat: the front of the ball stays smooth where the face is, the belly under it.
    const float ccx = p.curled ? 0.0f : -1.0f, rx = p.curled ? L + 1 : L, ry = p.curled ? R + 1 : R;
    const float from = p.curled ? -20.0f : 12.0f, to = p.curled ? 200.0f : 205.0f;
    std::vector<burrowly::Point> coat;
    std::vector<burrowly::Point> tips;
    for (int i = 0; i < 40; ++i) {
      const float deg = float(i) * 9, a = deg * 3.14159265f / 180.0f;
      const bool spiky = deg >= from && deg <= to;
      const float out_r = spiky && i % 2 == 0 ? 3.2f : 0.0f;
      coat.push_back({ccx + (rx + out_r) * std::cos(a), cy - (ry + out_r) * std::sin(a)});
      if (out_r > 0) tips.push_back({ccx + (rx + 1.6f) * std::cos(a), cy - (ry + 1.6f) * std::sin(a)});
    }
    d.poly(coat, quill, true);
    for (const burrowly::Point& t : tips) d.pixel(t.x, t.y, rgb(s.extra));  // light quill tips
    for (float k = -0.6f; k <= 0.61f; k += 0.3f) d.pixel(ccx + k * rx, cy - ry * (0.55f - 0.2f * k * k), rgb(s.extra));
    if (p.curled) {
      float hx = 0, hy = cy - R - 1, ax = 0, ay = 0, ux = 0, uy = -1;
      d.map(hx, hy), d.map(ax, ay), d.map(ux, uy);
      out.anchors.hat_x = hx, out.anchors.hat_y = hy, out.anchors.hat_tilt = 0;
      return;
    }
    d.oval(L * 0.62f, cy + R * 0.3f, R * 0.62f, R * 0.58f, face, true);  // the face, in front of the quills
    draw_raised_paw(d, p, L, R, cy, face);
    const Transform outer = d.transform;
    d.transform = outer.after(Transform::translate(L * 0.7f + p.head_dx, cy + R * 0.3f + p.head_dy))
                      .after(Transform::rotate(p.head_tilt * 3.14159265f / 180.0f));
    d.poly({{-2, -4}, {8, 1}, {-2, 4}}, face, true);  // pointed snout
    d.oval(8, 0.5f, 1.3f, 1.1f, flat(rgb(0x1a1420)));
    draw_eye(d, out.anchors, 1.5f, -1.4f, 1.7f, s.eye, closed);
    if (p.mouth > 0.15f) d.oval(4.5f, 2.5f, 1.3f, 1 + p.mouth, flat(rgb(0x5a1f2a)));
    float hx = -1, hy = -4.5f, ax = 0, ay = 0, ux = 0, uy = -1;
    d.map(hx, hy), d.map(ax, ay), d.map(ux, uy);
    out.anchors.hat_x = hx, out.anchors.hat_y = hy;
    out.anchors.hat_tilt = std::atan2(-(ux - ax), -(uy - ay)) * 180.0f / 3.14159265f;
    d.transform = outer;
    return;
  }
  d.oval(-1, cy, L, R * flatten, fur, true);
  if (s.has(kPatches)) {
    d.mark_oval(-L * 0.45f, cy - R * 0.2f, L * 0.45f, R * 0.75f, dark);
    d.mark_oval(L * 0.05f, cy - R * 0.5f, L * 0.3f, R * 0.4f, ramp(rgb(s.extra)));
  }
  d.mark_oval(L * 0.3f, cy + R * 0.5f, L * 0.6f, R * 0.45f, light);
  draw_raised_paw(d, p, L, R, cy, fur);
  Species head = s;
  head.features |= kCheeks * (s.has(kCheeks) ? 1 : 0);
  const float hr = s.head;
  const float hx = p.curled ? L * 0.5f : L * 0.62f + p.head_dx;
  const float hy = p.curled ? cy + R * 0.3f : cy - R * 0.45f + p.head_dy + (p.lying ? R * 0.5f : 0);
  (void)hr;
  draw_head(d, out.anchors, head, p, hx, hy, closed);
}

}  // namespace art
