// Birds: an upright body on legs, wings at the sides, a beak (parrot, owl, penguin,
// duckling, pelican, flamingo).
#include <algorithm>
#include <cmath>

#include "rig.h"
#include "rigs/front_limbs.h"

namespace art {

namespace {
constexpr float kDeg = 3.14159265f / 180.0f;
}

void draw_bird(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  Anchors& a = out.anchors;
  const bool flamingo = s.legs > 14;
  const bool owl = s.ears == Ears::tuft;
  const bool pelican = s.snout > 8;
  const float lying = p.lying || p.curled ? 1.0f : 0.0f;
  const float legs = lying ? (flamingo ? s.legs * 0.55f : 1.0f) : s.legs * (1 - 0.4f * p.tuck);
  d.transform = Transform::translate(kAnchorX, kGround - p.lift);
  const Material body = ramp(rgb(s.body));
  const Material belly = ramp(rgb(s.belly));
  const Material dark = ramp(rgb(s.accent));
  const Material beak = ramp(rgb(s.extra));
  const Material leg_m = ramp(rgb(s.nose));
  const float W = s.length / 2, H = s.height / 2;
  // On its back the body rolls over backwards onto the ground, belly up, feet in the air.
  const float back_tilt = p.on_back ? 70 + 6 * std::sin(6.2831853f * p.t) : 0;
  const float cy = p.on_back ? -std::hypot(W * std::sin(back_tilt * kDeg), H * std::cos(back_tilt * kDeg)) - 0.5f
                             : -legs - H + 1 + p.body_dy * 0.5f;
  const float wobble = p.gait > 0 ? std::sin(6.2831853f * p.phase) : 0;
  // Legs and feet.
  if (!(lying && !flamingo) && !p.on_back) {
    for (int k = 0; k < 2; ++k) {
      const float side = k == 0 ? -1.5f : 2.0f;
      float up = p.gait > 0 ? std::max(0.0f, (k ? 1 : -1) * wobble) * p.gait * 0.5f : 0;
      if (flamingo && k == 0 && (p.seated || lying)) {  // one leg tucked
        d.limb(side, cy + H - 2, side + 4, cy + H + legs * 0.3f, 1.6f, leg_m);
        d.limb(side + 4, cy + H + legs * 0.3f, side, cy + H + legs * 0.5f, 1.6f, leg_m);
        continue;
      }
      const float fx = side + (p.gait > 0 ? (k ? 1 : -1) * wobble * p.gait * 0.5f : 0);
      d.limb(side, cy + H - 2, fx, -1.5f - up, flamingo ? 1.6f : 2.2f, leg_m);
      d.poly({{fx - 1.5f, -up}, {fx + 3.5f, -up}, {fx + 1.5f, -2.5f - up}}, leg_m);
    }
  }
  const bool pecking = p.head_dy > 4 || p.reach == Reach::dig;  // eat, sniff, dig: bent forward to the ground
  if (p.reach == Reach::dig) draw_flying_earth(d, -W - 1, p.t);
  const bool preening = p.paw_to_face;  // groom and wipe: the beak in the wing
  const float tilt = p.on_back ? back_tilt
                   : p.body_tilt * 0.5f + (p.gait > 0 ? wobble * 5 : 0) + (lying ? -15 : 0) + (pecking ? (owl ? -8 : -22) : 0);
  const Transform outer = d.transform;
  d.transform = outer.after(Transform::translate(0, cy)).after(Transform::rotate(tilt * kDeg));
  // Head: on an S-neck for the flamingo, on the body for the rest.
  float hx = W * 0.35f + p.head_dx, hy = -H - s.head * 0.35f + p.head_dy;
  if (owl || s.has(kFluffy)) hy = -H * 0.55f + p.head_dy;
  const float nx = W * 0.2f + (lying ? 6 : 0), ny = lying ? -2 : -H;  // the flamingo's neck
  if (flamingo) hx = nx + 2 + p.head_dx, hy = ny - 16 + p.head_dy;
  // Wings: a raised wing points at the paw position a mammal would reach; otherwise
  // it lifts for waves and flaps in the air.
  const float pivot_x = -W * 0.2f, pivot_y = -H * 0.2f;
  const FrontLimbs limbs{pivot_x, pivot_y, hx, hy, std::max(s.head, 6.0f), 3, s.head + s.snout};
  // The pelican's wings are white with grey tips; the other birds' are in their accent.
  const Material wing = s.has(kStripes) ? ramp(rgb(0x2f6fd0)) : pelican ? body : dark;
  const Transform body_xf = d.transform;
  auto draw_wing = [&](burrowly::Point tip, const Material& m, float dx) {
    // A flamingo waves with its wing up behind the neck, never across it.
    if (flamingo && p.reach == Reach::up) tip.x = pivot_x - 2 - std::fabs(tip.x - pivot_x);
    const float vx = tip.x - pivot_x, vy = tip.y - pivot_y;
    float len = std::max(std::hypot(vx, vy), H * 0.9f);
    if (flamingo && p.reach == Reach::both_up) len = std::min(len, H * 2);  // cheering in the air, inside the frame
    d.transform = body_xf.after(Transform::translate(pivot_x + dx, pivot_y)).after(Transform::rotate(std::atan2(vx, vy)));
    d.oval(0, len / 2 - 1, W * 0.42f, len / 2 + 1, m, true);
    if (s.has(kStripes)) d.mark_oval(0, len / 2, W * 0.35f, 1.2f, ramp(rgb(0xffd43a)));
    d.transform = body_xf;
  };
  const auto far_tip = p.reach == Reach::dig ? std::nullopt : raised_paw(p, limbs, false);
  if (far_tip) draw_wing(*far_tip, Material{{wing.shade[2], wing.shade[2], wing.shade[3], wing.shade[3]}}, -2);
  // Tail.
  if (s.tail == Tail::fan) {  // long tail feathers, red down the middle
    d.poly({{-W + 2, 1}, {-W - 9, 11}, {-W - 7, 13.5f}, {-W + 4, 5}}, ramp(rgb(0x2f6fd0)), true);
    d.mark_poly({{-W + 1, 3}, {-W - 8, 11.6f}, {-W - 7.4f, 12.4f}, {-W + 2, 4.5f}}, ramp(rgb(s.accent)));
  }
  else d.poly({{-W + 1, 0}, {-W - 4, 3}, {-W + 1, 5}}, body, true);
  d.oval(0, 0, W, H, body, true);
  d.mark_oval(W * 0.3f, H * 0.35f, W * 0.7f, H * 0.65f, belly);
  if (owl)  // the breast barred with little dark chevrons
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 3; ++col) {
        const float x = W * 0.05f + 3.2f * float(col) + (row % 2 ? 1.6f : 0), y = H * 0.05f + 3 * float(row);
        d.pixel(x - 1, y, rgb(s.accent)), d.pixel(x, y + 1, rgb(s.accent)), d.pixel(x + 1, y, rgb(s.accent));
      }
  if (p.on_back) {  // the feet kick up from under the tail end
    for (int k = 0; k < 2; ++k) {
      float hip_x = W * 0.2f + float(k) * 3 - 1, hip_y = H * 0.4f;  // body coordinates, then the ground's
      Transform::rotate(tilt * kDeg).apply(hip_x, hip_y);
      d.transform = outer;
      // Long enough to stand clear of the belly.
      draw_leg_up(d, hip_x, hip_y + cy, hip_y - cy + 5, flamingo ? 1.6f : 2.4f, leg_m, p.t + 0.5f * float(k));
      d.transform = body_xf;
    }
  }
  const auto near_tip = p.reach == Reach::dig ? std::nullopt : raised_paw(p, limbs, true);
  if (near_tip) {  // behind the head, which keeps its eye in view
    draw_wing(*near_tip, wing, 0);
  } else {
    float raise = std::max({p.front_raise, p.both_raise, p.lift > 2 ? 0.5f + 0.5f * wobble : 0.0f});
    if (preening) raise = 0.35f;
    if (p.hot) raise = std::max(raise, 0.5f);  // wings held off the body to cool down
    d.transform = body_xf.after(Transform::translate(pivot_x, pivot_y)).after(Transform::rotate(-(70 * raise) * kDeg));
    d.oval(-1, 3, W * 0.55f, H * 0.6f, wing, true);
    if (s.has(kStripes)) d.mark_oval(0, 0, W * 0.45f, 1.2f, ramp(rgb(0xffd43a)));
    if (pelican) d.mark_poly({{-W, H * 0.45f}, {W * 0.6f, H * 0.4f}, {W * 0.6f, H}, {-W, H}}, dark);

    d.transform = body_xf;
  }
  float head_tilt = p.head_tilt;
  if (pecking) hx += flamingo ? 7 : 2, hy += flamingo ? 15 : 3, head_tilt = owl ? -12 : -30;
  if (preening) head_tilt = -25;  // the beak turned down into the raised wing
  const bool tucked = p.curled;    // asleep curled up: the head turned round onto the back
  if (tucked) hx = -W * 0.1f, hy = flamingo ? -H * 0.9f : -H * 0.8f, head_tilt = -15;
  else if (lying && p.eyes_closed) hx += 2, hy += 2, head_tilt = -10;  // asleep, the head sunk forward
  if (flamingo) {  // the S-neck: forward off the breast, back in the middle, forward again under the head
    const float dy = hy - ny;
    d.begin_group();
    d.limb(nx, ny + 1, nx + 2.5f, ny + dy * 0.3f, 3.2f, body);
    d.limb(nx + 2.5f, ny + dy * 0.3f, nx - 2.5f, ny + dy * 0.65f, 2.8f, body);
    d.limb(nx - 2.5f, ny + dy * 0.65f, hx - 1, hy + 1, 2.6f, body);
    d.end_group();
  }
  d.transform = d.transform.after(Transform::translate(hx, hy)).after(Transform::rotate(head_tilt * kDeg));
  if (tucked) d.transform = d.transform.after(Transform::scale(-1, 1));
  const float r = s.head;
  if (owl) {
    d.poly({{-r * 0.8f, -r * 0.6f}, {-r * 0.6f, -r * 1.35f}, {-r * 0.2f, -r * 0.8f}}, body, true);
    d.poly({{r * 0.8f, -r * 0.6f}, {r * 0.6f, -r * 1.35f}, {r * 0.2f, -r * 0.8f}}, body, true);
  }
  d.oval(0, 0, r, r * 0.9f, s.has(kDarkFace) ? dark : body, true);
  if (owl) {
    d.mark_oval(-r * 0.38f, 0, r * 0.5f, r * 0.55f, belly);
    d.mark_oval(r * 0.38f, 0, r * 0.5f, r * 0.55f, belly);
  }
  if (s.has(kMask)) d.mark_oval(r * 0.35f, r * 0.1f, r * 0.45f, r * 0.55f, belly);
  if (s.has(kPatches)) d.mark_oval(0, -r * 0.3f, r, r * 0.75f, ramp(rgb(s.accent)));
  // Beak.
  const float bl = s.snout;
  if (flamingo) {
    // Pale and thick to the bend halfway, then turned sharply down to a black tip.
    const float bend = r + bl * 0.45f;
    d.poly({{r * 0.55f, -1.5f}, {bend, -1.4f}, {r + bl, 1}, {r + bl - 0.5f, 4.5f}, {r + bl - 1.8f, 5},
            {bend - 0.5f, 1.8f}, {r * 0.55f, 1.8f}}, ramp(rgb(0xf6d2dc)), true);
    d.mark_poly({{bend + 0.8f, -2}, {r + bl + 1, 0.5f}, {r + bl + 1, 6}, {bend, 6}}, flat(rgb(0x2b2430)));
  } else if (pelican) {
    d.poly({{r * 0.5f, -1.5f}, {r + bl, 0}, {r + bl, 2}, {r * 0.5f, 1.5f}}, beak, true);
    d.poly({{r * 0.5f, 1}, {r + bl - 1, 2}, {r + bl * 0.4f, 6 + p.mouth * 2}}, ramp(rgb(0xf7c070)), true);
  } else if (owl) {
    d.poly({{-1.2f, r * 0.1f}, {1.2f, r * 0.1f}, {0, r * 0.6f}}, beak, true);
  } else if (s.has(kLongSnout)) {  // the parrot: a bare pale cheek and a big beak hooked over a dark lower one
    d.mark_oval(r * 0.3f, -r * 0.05f, r * 0.42f, r * 0.4f, ramp(rgb(0xf6f1e6)));
    d.poly({{r * 0.5f, 1}, {r + bl - 1.5f, 1.8f}, {r + 0.5f, 3.6f + p.mouth * 2}, {r * 0.55f, 3}},
           ramp(rgb(0x4a4448)), true);
    d.poly({{r * 0.45f, -3}, {r + 1, -3.4f}, {r + bl, -1.6f}, {r + bl + 0.6f, 1.2f}, {r + bl - 0.4f, 3.8f},
            {r + bl - 1.2f, 1.6f}, {r * 0.55f, 1.2f}}, beak, true);
  } else {
    const float open = p.mouth * 2;
    d.poly({{r * 0.55f, -1.2f}, {r + bl, -0.2f - open * 0.3f}, {r * 0.55f, 1}}, beak, true);
    d.poly({{r * 0.55f, 1}, {r + bl - 0.5f, 1 + open}, {r * 0.55f, 2.5f}}, beak, true);
  }
  // Eyes: an owl looks ahead with both, the others in profile.
  if (owl) {
    draw_eye(d, a, -r * 0.38f, -r * 0.05f, 2.1f, s.eye, closed);
    draw_eye(d, a, r * 0.38f, -r * 0.05f, 2.1f, s.eye, closed);
  } else {
    draw_eye(d, a, r * 0.25f, -r * 0.2f, s.has(kBigEyes) ? 1.7f : 1.3f, s.eye, closed);
  }
  float tx = 0, ty = -r * 0.85f, ax0 = 0, ay0 = 0, ux = 0, uy = -1;
  d.map(tx, ty), d.map(ax0, ay0), d.map(ux, uy);
  a.hat_x = tx, a.hat_y = ty;
  a.hat_tilt = std::atan2(-(ux - ax0), -(uy - ay0)) / kDeg;
  d.transform = outer;
}

}  // namespace art
