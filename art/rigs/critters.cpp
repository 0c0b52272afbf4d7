// The small critters: the frog, the butterfly, the ladybug and the tarantula.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "rig.h"
#include "rigs/front_limbs.h"

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
  d.transform = Transform::translate(kAnchorX, kGround - hop_height(p, 1.0f));
  const Material skin = ramp(rgb(s.body));
  const Material belly = ramp(rgb(s.belly));
  const float W = s.length / 2, H = s.height / 2;
  const float up = p.lift > 1 || (p.gait > 0 && std::fabs(std::sin(kTau * p.phase)) > 0.5f) ? 1.0f : 0.0f;
  const bool ball = p.curled;  // tucked into a ball to sleep
  const float cy = -H - 1 + p.body_dy * 0.4f + (p.lying ? 2 : 0) + (ball ? -1 : 0);
  // Folded hind leg, stretched out while hopping and stretched back asleep.
  if (up > 0 || (p.lying && !ball)) d.limb(-W * 0.5f, cy + 2, -W - 5, -1.5f, 3, skin);
  else if (ball) d.oval(-W * 0.3f, -2.5f, W * 0.5f, 2.5f, skin, true);
  else d.oval(-W * 0.45f, -3, W * 0.55f, 3, skin, true);
  d.oval(-W * 0.1f - 2, -1.4f, 4, 1.4f, skin, true);
  d.transform = d.transform.after(Transform::translate(0, cy)).after(Transform::rotate((p.body_tilt * 0.5f + 8) * kDeg));
  if (ball) d.transform = d.transform.after(Transform::scale(0.78f, 1.12f));
  d.oval(0, 0, W, H, skin, true);
  d.mark_oval(W * 0.35f, H * 0.45f, W * 0.6f, H * 0.5f, belly);
  d.mark_oval(-W * 0.4f, -H * 0.3f, 1.5f, 1.2f, ramp(rgb(s.accent)));
  d.mark_oval(-W * 0.05f, -H * 0.55f, 1.2f, 1.0f, ramp(rgb(s.accent)));
  // Front leg, raised from the head's place for the clips that raise it.
  const float k = std::max(p.front_raise, p.both_raise);
  const FrontLimbs limbs{W * 0.5f, H * 0.3f, W * 0.35f + 1 + p.head_dx, -H * 0.55f - 2 + p.head_dy, 7, 2.4f, W * 0.75f};
  const auto paw = p.reach == Reach::dig ? std::nullopt : raised_paw(p, limbs, true);
  if (!paw && !ball) d.limb(W * 0.5f, H * 0.3f, W * 0.65f + 2 * k, H + 0.5f - 6 * k, 2.4f, skin);
  // Eyes bulge on top of the head.
  const Transform body = d.transform;
  d.transform = body.after(Transform::translate(W * 0.35f + p.head_dx, -H * 0.55f + p.head_dy))
                    .after(Transform::rotate(p.head_tilt * 0.6f * kDeg));
  d.oval(-2, -3, 3.8f, 3.5f, skin, true);
  d.oval(4.5f, -3, 3.8f, 3.5f, skin, true);
  draw_eye(d, out.anchors, -1.6f, -3.4f, 2.1f, s.eye, closed);
  draw_eye(d, out.anchors, 4.9f, -3.4f, 2.1f, s.eye, closed);
  for (float x : {5.5f, 6.5f}) d.pixel(x, 0.8f, rgb(0xf0909a));  // a rosy cheek
  const float open = p.mouth;
  d.poly({{0, 2}, {W * 0.75f, 2.2f + open}, {W * 0.6f, 3 + 2 * open}, {0.5f, 2.6f}}, flat(rgb(0x3a4a24)));
  if (p.tongue) d.oval(W * 0.7f, 3.5f + open, 1.5f, 1.2f, flat(rgb(0xf07890)));
  set_hat(d, out.anchors, 1.3f, -6.3f);
  d.transform = body;
  if (paw) draw_raised_limb(d, W * 0.5f, H * 0.3f, *paw, 2.4f, skin);
}

// Seen from the front with the wings open: the one view that always says "butterfly".
// Wings fan slowly while perched, beat in flight and droop when asleep, never closing.
void draw_butterfly(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  const bool flying = p.gait > 0;
  const bool airborne = flying || p.lift > 1;
  const bool resting = p.lying || p.curled;
  float lift = flying ? 3 + p.gait * 0.9f + 1.5f * std::sin(kTau * p.phase) : p.lift;
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
  const float droop = p.curled ? 40.0f : resting ? -8.0f : 0.0f;  // curled up: wings folded up over the back
  if (p.curled) span = 0.5f;
  const float lift_near = 50 * std::max(p.front_raise, p.both_raise);
  const float lift_far = 50 * p.both_raise;
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
    const float sp = p.curled ? span : std::max(0.8f, span);  // a raised wing stays spread
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
}

// A cartoon ladybird in profile: a glossy red dome with big black spots, a black head
// with big white eyes, six thin legs.
void draw_beetle(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  const bool open = p.lift > 2 || p.both_raise > 0.5f;  // wings out in the air
  const bool low = p.lying || p.curled || p.tuck > 0.5f;
  d.transform = Transform::translate(kAnchorX, kGround - p.lift);
  const Material shell = ramp(rgb(s.body));
  const Material shiny = ramp(rgb(s.accent));
  const Material black{{shiny.shade[1], shiny.shade[1], shiny.shade[2], shiny.shade[3]}};  // no grey highlight
  const Material far_black{{shiny.shade[2], shiny.shade[2], shiny.shade[3], shiny.shade[3]}};
  const float W = s.length / 2, H = s.height;
  const float base = low ? -2.0f : -4.0f + p.body_dy * 0.3f;  // the dome's rim
  const float sw = p.gait > 0 ? std::sin(kTau * p.phase) * 2.2f : 0;
  const float raise = std::max(p.front_raise, p.both_raise);
  const float head_x = W + 1.5f + p.head_dx * 0.5f - (p.curled ? 2.5f : 0),
              head_y = base - 3.5f + std::min(p.head_dy * 0.4f, 2.0f) + (p.curled ? 2 : 0);
  const FrontLimbs limbs{W * 0.45f, base, head_x, head_y, 9, 1.3f};
  // Legs: far three behind, near three in front of the dome; kicking upward on its back.
  for (int near = 0; near < 2; ++near) {
    for (int k = 0; k < 3; ++k) {
      const float x = -W * 0.45f + k * W * 0.45f + (near ? 0 : 1.5f);
      const float swing = ((k + near) % 2 ? sw : -sw);
      float fx = x + swing + (k - 1) * 2.0f, fy = -0.5f;
      if (low) fx = x + (k - 1), fy = -0.8f;
      if (p.curled) fx = x, fy = base + 0.3f;  // tucked under the dome
      if (p.on_back) fy = base - H - 4 + k % 2;
      const auto paw = p.on_back || p.reach == Reach::dig ? std::nullopt : raised_paw(p, limbs, near == 1);
      if (k == 2 && paw) fx = paw->x, fy = paw->y;
      else if (near && k == 2 && raise > 0.1f && !p.on_back) fx = W + 4, fy = base - 3 - 5 * raise;
      const float kx = (x + fx) / 2 + 1, ky = p.on_back ? base - H * 0.6f : base + 0.5f;
      d.limb(x, base, kx, ky, 1.3f, near ? black : far_black, false);
      d.limb(kx, ky, fx, fy, 1.2f, near ? black : far_black, false);
    }
    if (near == 0) {
      // Behind the near legs: the see-through flight wings, then the dome and head.
      const Transform outer = d.transform;
      if (open) {
        d.transform = outer.after(Transform::translate(-W * 0.2f, base - H * 0.7f));
        for (float a : {28.0f, 48.0f}) {
          d.transform = d.transform.after(Transform::rotate(a * kDeg));
          d.oval(-7, 0, 8, 3, ramp(rgb(0xcfe0f0)), true);
          d.transform = outer.after(Transform::translate(-W * 0.2f, base - H * 0.7f));
        }
        d.transform = outer;
      }
      // The dome: a glossy shell with big spots and a black rim.
      const float tilt = (open ? 18.0f : 0.0f) + p.body_tilt * 0.3f;
      d.transform = outer.after(Transform::translate(W * 0.7f, base)).after(Transform::rotate(tilt * kDeg));
      std::vector<burrowly::Point> dome;
      for (int i = 0; i <= 16; ++i) {
        const float t = 3.14159265f * float(i) / 16;
        dome.push_back({-W * 0.7f - W * std::cos(t), 1 - (H + 1) * std::sin(t)});
      }
      d.poly(dome, shell, true);
      d.mark_poly({{-W * 1.8f, -1}, {W * 0.4f, -1}, {W * 0.4f, 1.5f}, {-W * 1.8f, 1.5f}}, black);
      for (auto [x, y, r] : {std::tuple{-1.25f, -0.62f, 2.3f}, {-0.5f, -0.82f, 2.0f}, {-0.2f, -0.35f, 1.8f},
                             {-1.05f, -0.22f, 1.7f}, {-1.65f, -0.25f, 1.5f}})
        d.mark_oval(W * x, H * y, r, r * 0.9f, black);
      d.pixel(-W * 1.25f, -H * 0.85f, rgb(0xffffff));  // gloss
      d.pixel(-W * 1.1f, -H * 0.92f, rgb(0xffffff));
      // Head with antennae and big cartoon eyes.
      d.transform = outer.after(Transform::translate(head_x, head_y)).after(Transform::rotate(p.head_tilt * 0.6f * kDeg));
      d.limb(1.5f, -3, 5, -8, 0.9f, black, false);
      d.oval(5.3f, -8.4f, 1.2f, 1.2f, black, true);
      d.limb(-0.5f, -3.5f, 1, -9, 0.9f, far_black, false);
      d.oval(0, 0, 4.6f, 4.2f, black, true);
      if (closed) {
        draw_eye(d, out.anchors, 2, -0.8f, 1.6f, 0xffffff, true);
        for (auto [x, y] : {std::pair{0.6f, -0.8f}, {1.6f, 0.1f}, {2.6f, 0.1f}, {3.6f, -0.8f}})
          d.pixel(x, y, rgb(0xd8d0d8));  // a pale closed-eye line shows on the black head
      } else {
        d.oval(2, -0.8f, 1.8f, 2.1f, flat(rgb(0xffffff)));
        draw_eye(d, out.anchors, 2.5f, -0.5f, 1.1f, 0x1a1420, false);
      }
      if (p.mouth > 0.15f) d.oval(3.6f, 2.4f, 0.9f, 0.5f + p.mouth, flat(rgb(0xe07080)));
      set_hat(d, out.anchors, -0.5f, -4.1f);
      d.transform = outer;
    }
  }
}

// A red-knee tarantula in profile: a round fuzzy abdomen, a lighter carapace with big
// shiny eyes, and eight thick legs with orange knees. The near legs are lighter than the
// far ones and the hind pair goes behind the abdomen, so each leg reads on its own.
void draw_spider(const Species& s, const Pose& p, bool closed, FrameArt& out) {
  Drawing& d = out.drawing;
  d.transform = Transform::translate(kAnchorX, kGround - p.lift);
  const Material near_hair = ramp(rgb(s.belly));
  const Material far_hair{{near_hair.shade[2], near_hair.shade[3], near_hair.shade[3], near_hair.shade[3]}};
  const Material body = ramp(rgb(s.body));
  const Material band = ramp(rgb(s.accent));
  const bool low = p.lying || p.curled;
  const float cy = (low ? -6.0f : -10.0f) + p.body_dy * 0.3f + p.tuck * 2;
  const float head_x = 4 + p.head_dx * 0.3f, head_y = cy + std::min(p.head_dy * 0.3f, 2.0f);
  const FrontLimbs limbs{head_x + 3, cy + 1, head_x, head_y - 3, 9, 2.2f, 14};  // a leg reaches high and far
  // Per leg pair, front to back: the hip on the carapace, the knee high over the body and
  // the foot well out, the far leg's foot between the near ones.
  struct Leg {
    float hip_x, knee_x, knee_up, foot_x, far_foot_x;
  };
  constexpr Leg kLegs[4] = {{7, 15, 8, 24, 18}, {5, 9.5f, 10, 14, 9.5f}, {3, -1, 10, -9, -4}, {1.5f, -6, 8, -20, -15}};
  auto draw_leg = [&](int k, bool near) {
    const Leg& leg = kLegs[k];
    const float hip_x = leg.hip_x + (near ? 0 : 1), hip_y = cy + 1.5f;
    const float phase = p.phase + float((k + near) % 2) * 0.5f;  // two sets in turn
    const float swing = p.gait > 0 ? std::sin(kTau * phase) * p.gait * 0.7f : 0;
    const float lifted = p.gait > 0 ? std::max(0.0f, std::cos(kTau * phase)) * 2.5f : 0;
    const float foot_x = near ? leg.foot_x : leg.far_foot_x;
    float fx = foot_x + swing, fy = -0.5f - lifted;
    float kx = leg.knee_x + (near ? 0 : (foot_x - leg.foot_x) * 0.5f) + swing * 0.5f,
          ky = near ? cy - leg.knee_up : cy - 2.5f;  // the far knees stay behind the body
    if (p.lying) {  // legs spread flat out round the body
      fx = hip_x + (foot_x - hip_x) * 1.1f, fy = -0.5f, kx = hip_x + (kx - hip_x) * 1.2f, ky = cy - 4;
    }
    if (p.curled) {  // folded in over the body
      kx = hip_x + (kx - hip_x) * 0.5f, ky = cy - 6, fx = hip_x + (foot_x - hip_x) * 0.15f, fy = cy - 1;
    }
    if (k == 0) {
      if (const auto paw = raised_paw(p, limbs, near)) {
        fx = paw->x, fy = paw->y;
        kx = (hip_x + fx) / 2 + 3, ky = (hip_y + fy) / 2 - 1;  // the knee bent forward
        if (p.reach == Reach::face)  // a leg drawn through the fangs, the knee high over the head
          kx = hip_x + 7, ky = cy - 15, fx = head_x + 6.5f, fy = head_y + 3;
      }
    }
    const Material& m = near ? near_hair : far_hair;
    d.begin_group();
    d.limb(hip_x, hip_y, kx, ky, near ? 2.2f : 1.8f, m, true);
    d.limb(kx, ky, fx, fy, near ? 2.0f : 1.7f, m, true);
    d.end_group();
    d.mark_oval(kx, ky, 1.9f, 1.9f, band);  // the red knee
    d.mark_oval(kx + (fx - kx) * 0.6f, ky + (fy - ky) * 0.6f, 1.4f, 0.8f, band);
  };
  for (int k = 3; k >= 0; --k) draw_leg(k, false);
  for (int k : {3, 2}) draw_leg(k, true);
  // The abdomen: a round soft ball of fuzz with a warm sheen on top and pale hairs round its edge.
  const float ax = -9, ay = cy - 3.5f, arx = 8, ary = 7;
  const Material fuzz{{rgb(0x8c6650), body.shade[1], body.shade[2], body.shade[3]}};  // lit in warm brown
  d.begin_group();
  d.oval(ax, ay, arx, ary, fuzz, true);
  for (int i = 0; i < 7; ++i) {  // soft tufts rather than spikes
    const float a = (75 + 30 * float(i)) * kDeg;
    d.oval(ax + std::cos(a) * arx, ay - std::sin(a) * ary, 1.6f, 1.4f, fuzz, true);
  }
  d.end_group();
  d.mark_oval(ax + 1, ay - 2.5f, arx * 0.55f, ary * 0.4f, ramp(rgb(0x6e5142)));
  for (int i = 0; i < 9; ++i) {  // light guard hairs
    const float a = (70 + 24 * float(i)) * kDeg;
    d.pixel(ax + std::cos(a) * (arx - 1.5f), ay - std::sin(a) * (ary - 1.5f), rgb(0xc8a890));
  }
  // The front legs, then the carapace over their hips, lighter round the eyes, so the face
  // stays clear of them.
  for (int k : {1, 0}) draw_leg(k, true);
  d.oval(head_x, head_y, 6.5f, 5.2f, body, true);
  d.mark_oval(head_x + 0.5f, head_y - 1.2f, 5.4f, 3.8f, ramp(rgb(0xa8846a)));
  // Two big shining eyes on the front of the carapace, fangs below them.
  const Transform outer = d.transform;
  d.transform = outer.after(Transform::translate(head_x, head_y)).after(Transform::rotate(p.head_tilt * 0.5f * kDeg));
  if (closed) {
    draw_eye(d, out.anchors, -0.2f, -2, 1.8f, 0x1a1420, true);
    draw_eye(d, out.anchors, 3.4f, -1.6f, 1.6f, 0x1a1420, true);
  } else {
    d.oval(-0.2f, -2.2f, 1.9f, 2.3f, flat(rgb(0xfaf6f0)));
    d.oval(3.5f, -1.8f, 1.8f, 2.1f, flat(rgb(0xfaf6f0)));
    draw_eye(d, out.anchors, 0.2f, -1.9f, 1.3f, 0x1a1420, false);
    draw_eye(d, out.anchors, 3.9f, -1.5f, 1.3f, 0x1a1420, false);
  }
  for (float x : {-2.5f, -1.5f}) d.pixel(x, 1.2f, rgb(0xf09aa2));  // a rosy cheek
  d.limb(5, 2.5f, 6, 4.5f, 1.8f, ramp(rgb(0x241a18)), false);
  if (p.mouth > 0.15f) d.oval(6.5f, 2, 0.8f, 0.5f + p.mouth, flat(rgb(0xc05060)));
  set_hat(d, out.anchors, -0.5f, -4.6f);
  d.transform = outer;
  if (p.reach == Reach::dig) draw_flying_earth(d, ax - arx, p.t);
}

}  // namespace art
