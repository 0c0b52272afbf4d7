// Upright sitters: a pear body sitting up, arms in front, big hind feet
// (kangaroo, monkey, koala, panda).
#include <algorithm>
#include <cmath>

#include "rig.h"
#include "rigs/front_limbs.h"
#include "rigs/tail.h"

namespace art {

void draw_biped(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  const bool hopper = s.tail == Tail::thick;  // the kangaroo
  const float hop = p.gait > 0 && hopper ? std::fabs(std::sin(6.2831853f * p.phase)) * p.gait * 1.2f : 0;
  d.transform = Transform::translate(kAnchorX, kGround - p.lift - hop);
  const Material fur = ramp(rgb(s.body));
  const Material light = ramp(rgb(s.belly));
  const Material limb_m = ramp(rgb(s.has(kDarkLegs) ? s.accent : s.body));
  const float W = s.length / 2, H = s.height / 2;
  const float lie = p.lying || p.curled || p.on_back;
  const float step = p.gait > 0 && !hopper ? std::sin(6.2831853f * p.phase) * p.gait * 0.6f : 0;
  if (p.curled && !p.on_back) {  // a ball, the head tucked on its front, one paw under the chin
    const float R = (W + H) * 0.5f, breath = p.body_dy * 0.6f, cb = -R * 0.85f - 0.5f - breath;
    draw_tail(d, s, -R * 0.8f, cb + R * 0.5f, -30);
    d.oval(0, cb, R, R * 0.85f + breath, fur, true);
    if (s.has(kDarkLegs)) d.mark_oval(-R * 0.25f, cb + R * 0.35f, R * 0.65f, R * 0.5f, limb_m);
    Pose hp = p;
    hp.head_tilt = -25;
    draw_head(d, out.anchors, s, hp, R * 0.5f, cb + R * 0.1f, closed);
    d.oval(R * 0.55f, -2.2f, 3.5f, 2.2f, limb_m, true);
    return;
  }
  if (lie) {  // stretched out on its side, or on its back
    const float cy = -H * 0.7f + p.body_dy * 0.3f;  // breathing lifts the back
    const Material far_m{{limb_m.shade[2], limb_m.shade[2], limb_m.shade[3], limb_m.shade[3]}};
    const float w = hopper ? 2.6f : 4.0f;
    // On its back: feet and arms up in the air, kicking in turn.
    auto limbs_up = [&](float dx, const Material& m, float phase) {
      draw_leg_up(d, -H * 0.4f + dx, cy - W * 0.4f, W * 0.75f + 6, w, m, phase);
      draw_leg_up(d, H * 0.5f + dx, cy - W * 0.5f, W * 0.6f + 5, w * 0.85f, m, phase + 0.5f);
    };
    if (p.on_back) limbs_up(-2, far_m, p.t + 0.25f);
    if (p.on_back) d.oval(0, cy, H + 2, W, fur, true);
    else d.oval(-2, -H * 0.65f - 0.5f - p.body_dy * 0.6f, W + 5, H * 0.65f + p.body_dy * 0.6f, fur, true);
    d.mark_oval(2, p.on_back ? cy - W * 0.3f : cy + 1, H * 0.6f, W * 0.6f, light);
    if (s.has(kDarkLegs)) d.mark_oval(-H * 0.3f, cy, H * 0.5f, W, limb_m);
    draw_tail(d, s, -H - 1, cy + 2, -20);
    if (p.on_back) limbs_up(0, limb_m, p.t);
    else d.oval(H * 0.8f, -2, 3.5f, 2, limb_m, true);
    Pose hp = p;
    hp.head_tilt = p.on_back ? 50 : -8;  // on its back the face turns up
    draw_head(d, out.anchors, s, hp, H + s.head * 0.5f, -s.head * 0.95f, closed);
    return;
  }
  // Walking, the body bobs once a step and the swinging foot lifts.
  const float swing = p.gait > 0 && !hopper ? std::sin(6.2831853f * p.phase) : 0;
  const float bob = std::fabs(swing) * 1.5f;
  const float cy = -H - (hopper ? 3 : 1) + p.body_dy * 0.6f - bob;
  draw_tail(d, s, -W * 0.6f, hopper ? -3 : cy + H * 0.5f, hopper ? -8 : 10 + p.tail_swing);
  // Hind feet.
  const float foot = hopper ? 7 : 4.5f, foot_h = hopper ? 1.8f : 2.6f;
  d.oval(-W * 0.3f + foot * 0.5f - step, -foot_h - std::max(0.0f, -swing) * 2, foot, foot_h, limb_m, true);
  d.oval(W * 0.1f + foot * 0.5f + step, -foot_h - std::max(0.0f, swing) * 2, foot, foot_h, limb_m, true);
  d.oval(-W * 0.2f, cy + H * 0.55f, W * 0.55f, H * 0.45f, limb_m, true);  // haunch
  // Arms: long for the monkey, hugging for koala and panda, small for the kangaroo. The
  // far arm rests behind the body; only a raised one comes out in front of it.
  const float arm = s.legs, aw = hopper ? 2.4f : 4.2f;
  const float k = std::max(p.front_raise, p.both_raise);
  const float sx = W * 0.35f, sy = cy - H * 0.45f;
  const float hx = W * 0.3f + p.head_dx, hy = cy - H - s.head * 0.55f + 2 + p.head_dy;
  const FrontLimbs limbs{sx, sy, hx, hy, s.head, aw};
  const Material far_m{{limb_m.shade[2], limb_m.shade[2], limb_m.shade[3], limb_m.shade[3]}};
  const auto far_paw = raised_paw(p, limbs, false);
  if (!far_paw)
    d.limb(sx - 3, sy, sx + 1 + (p.both_raise > 0.3f ? 1 : 0), sy + arm * (1 - 1.7f * p.both_raise), aw * 0.9f,
           far_m);
  d.oval(0, cy, W, H, fur, true);
  if (s.has(kDarkLegs)) d.mark_poly({{-W, cy - H * 0.55f}, {W, cy - H * 0.75f}, {W, cy - H * 0.4f}, {-W, cy - H * 0.2f}}, limb_m);
  d.mark_oval(W * 0.25f, cy + H * 0.2f, W * 0.55f, H * 0.65f, light);
  if (s.has(kDarkLegs))  // the near hind leg: a round black thigh low on the haunch
    d.mark_oval(-W * 0.1f, cy + H * 0.72f, W * 0.62f, H * 0.45f, limb_m);
  if (far_paw) draw_raised_limb(d, sx - 3, sy, *far_paw, aw, far_m);
  const auto near_paw = raised_paw(p, limbs, true);
  if (!near_paw) d.limb(sx, sy, sx + W * 0.7f + 2 * k, sy + arm * (1 - 1.7f * k), aw, limb_m);  // hugging the front
  draw_head(d, out.anchors, s, p, hx, hy, closed);
  if (near_paw) draw_raised_limb(d, sx, sy, *near_paw, aw, limb_m);
  if (p.reach == Reach::dig) draw_flying_earth(d, -W - 2, p.t);
}

}  // namespace art
