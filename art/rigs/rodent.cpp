// Round small mammals: a body ball on tiny legs (rabbit, hamster, guinea pig,
// chinchilla, hedgehog).
#include <algorithm>
#include <cmath>

#include "rig.h"
#include "rigs/front_limbs.h"
#include "rigs/tail.h"

namespace art {

namespace {

// The front paws the pose raises: the far one behind the body, the near one in front.
void draw_raised_paws(Drawing& d, const Pose& p, const FrontLimbs& f, bool near, const Material& m) {
  if (p.reach == Reach::dig) return;  // the feet dig on the ground
  if (auto paw = raised_paw(p, f, near)) draw_raised_limb(d, f.shoulder_x - (near ? 0 : 2), f.shoulder_y, *paw, f.width, m);
}

}  // namespace

void draw_rodent(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  // The rabbit hops; the others scurry, their feet in turn and the body bobbing.
  const bool hopper = s.ears == Ears::tall;
  const float bob = p.gait > 0 ? std::fabs(std::sin(6.2831853f * p.phase)) * p.gait : 0;
  const float hop = (hopper ? bob * 0.8f : 0) + p.lift;
  d.transform = Transform::translate(kAnchorX, kGround - hop);
  const Material fur = ramp(rgb(s.body));
  const Material light = ramp(rgb(s.belly));
  const Material dark = ramp(rgb(s.accent));
  const bool quills = s.has(kQuills);
  const float R = s.height / 2, L = s.length / 2 + p.stretch / 2;
  const float flatten = p.lying ? 0.8f : 1.0f;
  const float cy = -R * flatten - 1.5f + p.body_dy * 0.5f + p.tuck - (hopper ? 0 : bob * 0.3f);
  const float kick = p.gait > 0 ? (hopper ? 2.5f : 3.5f) * std::sin(6.2831853f * p.phase) : 0;
  if (p.on_back) {  // rolled over: the back (or the quills) on the ground, belly and paws up
    const float ry = R * 0.8f, by = -ry - 1 + p.body_dy * 0.3f;
    const Material back = quills ? ramp(rgb(s.accent)) : fur;
    const Material paw = ramp(rgb(quills ? 0xc9a882 : s.body));
    for (int k = 0; k < 2; ++k) draw_leg_up(d, (k ? 0.35f : -0.45f) * L - 1, by - ry * 0.5f, ry * 0.5f + 5, 2.6f, paw, p.t + 0.25f + 0.5f * k);
    d.oval(-1, by, L, ry, back, true);
    d.mark_oval(-1, by - ry * 0.5f, L * 0.8f, ry * 0.6f, quills ? ramp(rgb(s.belly)) : light);
    for (int k = 0; k < 2; ++k) draw_leg_up(d, (k ? 0.35f : -0.45f) * L + 1, by - ry * 0.6f, ry * 0.6f + 5, 2.8f, paw, p.t + 0.5f * k);
    Pose hp = p;
    hp.head_tilt = 40;
    if (quills) {  // the pointed face at the end, turned up
      d.poly({{L - 4, by - 4}, {L + 5, by - 5}, {L - 2, by + 2}}, ramp(rgb(s.belly)), true);
      draw_eye(d, out.anchors, L - 1, by - 2.5f, 1.5f, s.eye, closed);
      float hx = L - 2, hy = by - 5, ax = 0, ay = 0, ux = 0, uy = -1;
      d.map(hx, hy), d.map(ax, ay), d.map(ux, uy);
      out.anchors.hat_x = hx, out.anchors.hat_y = hy, out.anchors.hat_tilt = 0;
      return;
    }
    draw_head(d, out.anchors, s, hp, L * 0.8f, by - 1, closed);
    return;
  }
  // The head, and the front paws placed from it.
  const float hx = quills ? L * 0.7f + 4 + p.head_dx : p.curled ? L * 0.5f : L * 0.62f + p.head_dx;
  const float hy = quills ? cy + R * 0.3f + std::min(p.head_dy, 1.5f)
                 : p.curled ? cy + R * 0.3f : cy - R * 0.45f + p.head_dy + (p.lying ? R * 0.5f : 0);
  const FrontLimbs limbs{L * 0.55f, cy + R * 0.35f, hx, hy, quills ? 5.0f : s.head, 3, quills ? 8.0f : 0.0f};
  // Feet.
  const Material foot = ramp(rgb(quills ? 0xc9a882 : s.body));
  const Material far_foot{{foot.shade[2], foot.shade[2], foot.shade[3], foot.shade[3]}};
  if (p.reach == Reach::dig) {
    draw_flying_earth(d, -L - 1, p.t);
    const auto paw = raised_paw(p, limbs, false);
    d.oval(paw->x, paw->y, 2, 1.4f, far_foot, true);
  }
  if (!p.curled) {
    d.oval(-L * 0.5f - kick, -1.6f, s.rig == Rig::rodent && s.ears == Ears::tall ? 4.5f : 2.5f, 1.6f, foot, true);
    const auto dig = p.reach == Reach::dig ? raised_paw(p, limbs, true) : std::nullopt;
    if (dig) d.oval(dig->x, dig->y, 2, 1.4f, foot, true);
    else d.oval(L * 0.55f + kick, -1.4f, 2, 1.4f, foot, true);
  }
  draw_raised_paws(d, p, limbs, false, far_foot);
  draw_tail(d, s, -L + 1, cy + 1, p.tail_swing);
  if (quills) {
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
    // Rows of quills over the dome: a light tip above a dark shaft, staggered row to row.
    for (int row = 0; row < 3; ++row) {
      const float shrink = 0.78f - 0.22f * float(row);
      for (float deg = from + 10 + 9 * float(row % 2); deg <= to - 8; deg += 18) {
        const float a = deg * 3.14159265f / 180.0f;
        const float x = ccx + rx * shrink * std::cos(a), y = cy - ry * shrink * std::sin(a);
        d.pixel(x, y, rgb(s.extra));
        d.pixel(x, y + 1, quill.shade[3]);
      }
    }
    if (p.curled) {
      float hx = 0, hy = cy - R - 1, ax = 0, ay = 0, ux = 0, uy = -1;
      d.map(hx, hy), d.map(ax, ay), d.map(ux, uy);
      out.anchors.hat_x = hx, out.anchors.hat_y = hy, out.anchors.hat_tilt = 0;
      return;
    }
    d.oval(L * 0.55f, cy - R * 0.2f, 1.8f, 1.6f, face, true);  // a small round ear on top of the face
    d.oval(L * 0.64f, cy + R * 0.3f, R * 0.68f, R * 0.64f, face, true);  // the face, in front of the quills
    const Transform outer = d.transform;
    // Nosing at the ground tips the snout down; it stays on the face.
    d.transform = outer.after(Transform::translate(L * 0.7f + p.head_dx, cy + R * 0.3f + std::min(p.head_dy, 1.5f)))
                      .after(Transform::rotate(p.head_tilt * 3.14159265f / 180.0f));
    d.poly({{-2, -4}, {8, 1}, {-2, 4}}, face, true);  // pointed snout
    d.oval(8, 0.5f, 1.3f, 1.1f, flat(rgb(0x1a1420)));
    draw_eye(d, out.anchors, 1.5f, -1.4f, 1.9f, s.eye, closed);
    d.pixel(3.5f, 1.5f, rgb(0xeb9a9a));  // a rosy cheek
    d.pixel(2.5f, 1.5f, rgb(0xeb9a9a));
    if (p.mouth > 0.15f) d.oval(4.5f, 2.5f, 1.3f, 1 + p.mouth, flat(rgb(0x5a1f2a)));
    float hx = -1, hy = -4.5f, ax = 0, ay = 0, ux = 0, uy = -1;
    d.map(hx, hy), d.map(ax, ay), d.map(ux, uy);
    out.anchors.hat_x = hx, out.anchors.hat_y = hy;
    out.anchors.hat_tilt = std::atan2(-(ux - ax), -(uy - ay)) * 180.0f / 3.14159265f;
    d.transform = outer;
    draw_raised_paws(d, p, limbs, true, face);
    return;
  }
  d.oval(-1, cy, L, R * flatten, fur, true);
  if (s.has(kPatches)) {
    d.mark_oval(-L * 0.45f, cy - R * 0.2f, L * 0.45f, R * 0.75f, dark);
    d.mark_oval(L * 0.05f, cy - R * 0.5f, L * 0.3f, R * 0.4f, ramp(rgb(s.extra)));
  }
  d.mark_oval(L * 0.3f, cy + R * 0.5f, L * 0.6f, R * 0.45f, light);
  draw_head(d, out.anchors, s, p, hx, hy, closed);
  draw_raised_paws(d, p, limbs, true, fur);
}

}  // namespace art
