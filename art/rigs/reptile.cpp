// Low reptiles on short splayed legs: the crocodile and the turtle.
#include <algorithm>
#include <cmath>

#include "rig.h"
#include "rigs/front_limbs.h"

namespace art {

namespace {
constexpr float kDeg = 3.14159265f / 180.0f;
}

void draw_reptile(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  Anchors& a = out.anchors;
  const bool turtle = s.has(kShell);
  d.transform = Transform::translate(kAnchorX, kGround - p.lift);
  const Material skin = ramp(rgb(s.body));
  const Material belly = ramp(rgb(s.belly));
  const Material dark = ramp(rgb(s.accent));
  const float L = s.length / 2 + p.stretch / 2, H = s.height / 2;
  const bool hide = turtle && (p.curled || p.tuck > 0.9f);  // into the shell; asleep, the head rests outside
  const float legs = p.lying || p.curled ? 0.5f : s.legs;
  const float cy = -legs - H + 1 + p.body_dy * 0.4f;
  const float sw = p.gait > 0 ? std::sin(6.2831853f * p.phase) * p.gait * 0.8f : 0;
  const float step_up = p.gait > 0 ? std::cos(6.2831853f * p.phase) * 3 : 0;  // the swinging feet lift
  // The head's place, and the forelegs the pose raises from it.
  const float r = s.head;
  float hx = L + (turtle ? 2 : 1) + p.head_dx - (hide ? 5 : 0), hy = cy - (turtle ? 1 : 0) + p.head_dy;
  hy = std::min(hy, -r - 0.5f);  // a low head reaches down to the ground, not through it
  const FrontLimbs limbs{L * 0.55f, cy + H * 0.3f, hx + (turtle ? 1 : 2), hy, std::max(r, 5.0f), 3, r + s.snout};
  const auto near_paw = hide || p.reach == Reach::dig ? std::nullopt : raised_paw(p, limbs, true);
  const auto far_paw = hide || p.reach == Reach::dig ? std::nullopt : raised_paw(p, limbs, false);
  const float raise = hide || near_paw ? 0.0f : std::max(p.front_raise, p.both_raise);  // pin, bongo, fan
  auto raised_foreleg = [&] {
    if (near_paw) draw_raised_limb(d, limbs.shoulder_x, limbs.shoulder_y, *near_paw, 3, skin);
    else if (raise > 0.1f) d.limb(L * 0.55f, cy + H * 0.3f, L + 3 + 2 * raise, cy - 1 - 4 * raise, 3, skin);
  };
  if (far_paw)
    draw_raised_limb(d, limbs.shoulder_x - 2, limbs.shoulder_y, *far_paw, 3,
                     Material{{skin.shade[2], skin.shade[2], skin.shade[3], skin.shade[3]}});
  if (p.reach == Reach::dig) draw_flying_earth(d, -L - (turtle ? 3 : L * 0.9f), p.t);
  // Tail; curled up, the crocodile wraps it round in front of itself.
  const float tail_len = turtle ? 3 : L * 0.9f;
  const float tw = p.tail_swing * 0.1f;
  const bool wrapped = !turtle && p.curled;
  if (!wrapped)
    d.poly({{-L + 2, cy - H * 0.4f}, {-L - tail_len, cy + H * 0.6f - tw}, {-L + 2, cy + H * 0.7f}}, skin, true);
  // Legs, far then near.
  if (!hide)
    for (int near = 0; near < 2; ++near)
      for (float x : {-L * 0.55f, L * 0.5f}) {
        const float dx = (near ? 1 : -1) * (x > 0 ? sw : -sw);
        const Material m = near ? skin : Material{{skin.shade[2], skin.shade[2], skin.shade[3], skin.shade[3]}};
        if (x > 0 && (near ? near_paw || raise > 0.1f : bool(far_paw))) continue;  // raised: drawn apart
        const float up = std::max(0.0f, (near == (x > 0) ? 1 : -1) * step_up);
        d.limb(x + (near ? 1 : -1), cy + H * 0.3f, x + dx + (near ? 1.5f : -1.5f), -1.5f - up, 3, m, near);
      }
  raised_foreleg();  // behind the head, so that the eye stays in view
  // Head and neck.
  const Transform outer = d.transform;
  const float head_tilt = p.head_dy > 4 ? p.head_tilt * 0.4f : p.head_tilt;
  d.transform = outer.after(Transform::translate(hx, hy)).after(Transform::rotate(head_tilt * kDeg));
  if (turtle) {
    d.limb(-4, 2, 0, 0, 4, skin);
    d.oval(1, -0.5f, r, r * 0.85f, skin, true);
  } else {
    d.oval(0, 0, r, r * 0.8f, skin, true);
    const float open = p.mouth * 3;
    d.poly({{0, -r * 0.5f}, {s.snout + r, -r * 0.25f}, {s.snout + r, r * 0.1f}, {0, r * 0.2f}}, skin, true);
    d.poly({{0, r * 0.25f + open * 0.3f}, {s.snout + r - 1, r * 0.4f + open}, {s.snout + r - 1.5f, r * 0.7f + open}, {0, r * 0.8f}},
           belly, true);
    // A toothy grin: the jaw line turns up at the back, white teeth hang over the lower jaw.
    d.mark_poly({{r * 0.2f, r * 0.05f}, {r + 1, r * 0.22f}, {r + 1, r * 0.42f}, {r * 0.35f, r * 0.3f}},
                flat(skin.shade[3]));
    const Material tooth = flat(rgb(0xfaf6e8));
    for (float k = 0.2f; k < 0.95f; k += 0.25f) {
      const float x = r + s.snout * k, y = r * 0.22f + open * 0.3f;
      d.poly({{x - 0.9f, y}, {x + 0.9f, y}, {x, y + 1.7f}}, tooth);
    }
    d.oval(s.snout + r - 1.2f, -r * 0.3f, 1.4f, 1.1f, skin, true);  // the nostril bump
    d.pixel(s.snout + r - 1.2f, -r * 0.4f, rgb(0x1f2a18));
  }
  if (!(hide)) {
    const float ex = turtle ? r * 0.45f + 1 : -r * 0.1f, ey = turtle ? -r * 0.2f : -r * 0.65f;
    if (!turtle) d.oval(ex, ey, 3, 2.6f, skin, true);  // eye bump on top of the head
    draw_eye(d, a, ex + 0.3f, ey, turtle ? 1.4f : 1.8f, s.eye, closed);
    if (turtle && p.mouth > 0.2f) d.oval(r * 0.9f, r * 0.35f, 1.2f, 0.5f + p.mouth, flat(rgb(0x5a1f2a)));
  }
  float tx = turtle ? 0.5f : -r * 0.2f, ty = -r * 0.8f, ax0 = 0, ay0 = 0, ux = 0, uy = -1;
  d.map(tx, ty), d.map(ax0, ay0), d.map(ux, uy);
  a.hat_x = tx, a.hat_y = ty;
  a.hat_tilt = std::atan2(-(ux - ax0), -(uy - ay0)) / kDeg;
  d.transform = outer;
  // Body.
  if (turtle) {
    const Material shell = ramp(rgb(s.extra));
    d.poly({{-L, cy + H}, {L, cy + H}, {L + 1, cy + H * 0.3f}, {-L - 1, cy + H * 0.3f}}, belly, true);
    std::vector<burrowly::Point> dome;  // the upper half of an ellipse, with a rim
    for (int k = 0; k <= 12; ++k) {
      const float t = 3.14159265f * float(k) / 12;
      dome.push_back({-(L + 1) * std::cos(t), cy + H * 0.5f - H * 1.5f * std::sin(t)});
    }
    d.poly(dome, shell, true);
    for (float x : {-L * 0.5f, 0.0f, L * 0.5f}) d.mark_oval(x, cy - H * 0.25f, L * 0.2f, H * 0.4f, dark);
    d.mark_poly({{-L - 2, cy + H * 0.25f}, {L + 2, cy + H * 0.25f}, {L + 2, cy + H * 0.6f}, {-L - 2, cy + H * 0.6f}},
                ramp(rgb(s.accent)));
    return;
  }
  d.oval(0, cy, L, H, skin, true);
  d.mark_oval(0, cy + H * 0.6f, L * 0.85f, H * 0.4f, belly);
  if (wrapped)
    d.poly({{-L + 1, cy - H * 0.3f}, {-L - 4, cy + H * 0.6f}, {-L * 0.3f, cy + H + 1.5f}, {L * 0.75f, cy + H + 0.5f},
            {-L * 0.3f, cy + H * 0.2f}}, skin, true);
  for (float x = -L * 0.7f; x < L * 0.7f; x += 3.5f) d.pixel(x, cy - H - 0.2f, rgb(s.accent));
  for (float x = -L * 0.7f; x < L * 0.7f; x += 3.5f) d.pixel(x + 1, cy - H * 0.45f, rgb(s.accent));
}

}  // namespace art
