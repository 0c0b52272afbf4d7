#include <algorithm>
#include <cmath>

#include "rig.h"

namespace art {

namespace {
constexpr float kDeg = 3.14159265f / 180.0f;
}

void draw_figure(const Species& s, const Pose& pose, bool closed_eyes, FrameArt& out) {
  Drawing& d = out.drawing;
  d.transform = Transform::translate(kAnchorX, kGround);
  if (pose.box_only) {
    draw_box_back(d);
    draw_box_front(d);
    return;
  }
  if (pose.in_box) draw_box_back(d);
  const bool closed = closed_eyes || pose.eyes_closed;
  const Drawing::Mark figure = d.mark();
  // The low bodies turn over for `belly`: drawn standing with the legs paddling, then
  // upside down, back on the ground.
  const bool flips = pose.on_back && (s.rig == Rig::reptile || s.rig == Rig::frog || s.rig == Rig::beetle ||
                                      s.rig == Rig::spider || s.rig == Rig::butterfly);
  Pose drawn = pose;
  if (flips) {
    drawn.on_back = drawn.lying = false;
    drawn.both_raise = 0, drawn.lift = 0;
    if (s.rig != Rig::butterfly) drawn.gait = 3, drawn.phase = pose.t;  // its gait is flight
  }
  switch (s.rig) {
    case Rig::quadruped: draw_quadruped(s, drawn, closed, out); break;
    case Rig::rodent: draw_rodent(s, drawn, closed, out); break;
    case Rig::bird: draw_bird(s, drawn, closed, out); break;
    case Rig::biped: draw_biped(s, drawn, closed, out); break;
    case Rig::reptile: draw_reptile(s, drawn, closed, out); break;
    case Rig::frog: draw_frog(s, drawn, closed, out); break;
    case Rig::butterfly: draw_butterfly(s, drawn, closed, out); break;
    case Rig::beetle: draw_beetle(s, drawn, closed, out); break;
    case Rig::spider: draw_spider(s, drawn, closed, out); break;
  }
  int dy = 0;
  if (flips) {
    const int axis = (d.top_since(figure) + kGround) / 2;  // keeps the figure inside the cell
    d.flip_since(figure, axis);
    Anchors& a = out.anchors;
    a.hat_y = float(2 * axis) - a.hat_y, a.hat_tilt = 180 - a.hat_tilt;
    if (!a.eyes.empty()) a.eyes = {a.eyes.x0, float(2 * axis) - a.eyes.y1, a.eyes.x1, float(2 * axis) - a.eyes.y0};
    const int lowest = d.rows_below(figure, 0);  // then down onto the ground row
    d.shift_since(figure, kGround - 1 - lowest);
    dy += kGround - 1 - lowest;
  }
  // Nothing goes below the lane: a pose that dips under it is raised onto it. In the
  // box, a small animal is raised until its head shows over the rim.
  for (int below; (below = d.rows_below(figure, kGround - 1)) > 0;) {  // the cell may cut a shape off
    d.shift_since(figure, -below);
    dy -= below;
  }
  if (pose.in_box) {  // eyes over the rim, or at least the top of the head
    const Rect& eyes = out.anchors.eyes;
    const int peek = eyes.empty() ? kBoxPeekRow - d.top_since(figure) : kBoxRimRow - 1 - int(std::ceil(eyes.y1));
    d.shift_since(figure, std::min(0, peek));
    dy += std::min(0, peek);
  } else if (pose.lift > 0) {  // a leap stays inside the frame
    const int down = std::max(0, 1 - d.top_since(figure));
    d.shift_since(figure, down);
    dy += down;
  }
  out.anchors.hat_y += float(dy);
  if (!out.anchors.eyes.empty()) out.anchors.eyes.y0 += float(dy), out.anchors.eyes.y1 += float(dy);
  // Halfway through a spin the whole figure faces the other way.
  if (pose.turned) {
    d.mirror_since(figure, kAnchorX);
    Anchors& a = out.anchors;
    a.hat_x = 2 * kAnchorX - a.hat_x, a.hat_tilt = -a.hat_tilt;
    if (!a.eyes.empty()) a.eyes = {2 * kAnchorX - a.eyes.x1, a.eyes.y0, 2 * kAnchorX - a.eyes.x0, a.eyes.y1};
  }
  // The quadruped pants with its tongue out; the other bodies show the heat with sweat.
  if (pose.hot && s.rig != Rig::quadruped) draw_sweat_drop(d, out.anchors);
  if (pose.in_box) {
    d.transform = Transform::translate(kAnchorX, kGround);
    draw_box_front(d);
  }
}

void draw_sweat_drop(Drawing& d, const Anchors& a) {
  d.transform = Transform::translate(a.hat_x - 6, a.hat_y + 2);
  d.poly({{0, -3}, {1.6f, 0.2f}, {0, 1.8f}, {-1.6f, 0.2f}}, ramp(rgb(0x8fd3f4)), true);
  d.pixel(-0.6f, -0.4f, rgb(0xffffff));
}

void draw_box_back(Drawing& d) {
  const Material inside = ramp(rgb(0x8a5a30));
  d.poly({{-19, -20}, {19, -20}, {22, -25}, {-16, -25}}, inside);
}

void draw_box_front(Drawing& d) {
  const Material card = ramp(rgb(0xc8955a));
  const Material flap = ramp(rgb(0xdcae73));
  d.rect(-20, -20, 40, 20, card, true);
  d.poly({{-20, -20}, {-27, -27}, {-25, -17}}, flap, true);
  d.poly({{20, -20}, {27, -27}, {25, -17}}, flap, true);
  d.mark_poly({{-2, -20}, {2, -20}, {2, -14}, {-2, -14}}, flat(rgb(0xa9744a)));
}

void draw_eye(Drawing& d, Anchors& a, float x, float y, float r, std::uint32_t iris, bool closed, float pupil) {
  float ex0 = x - r - 1, ey0 = y - r - 1.5f, ex1 = x + r + 1, ey1 = y + r + 1.5f;
  float cx0 = ex0, cy0 = ey0, cx1 = ex1, cy1 = ey0, cx2 = ex0, cy2 = ey1, cx3 = ex1, cy3 = ey1;
  d.map(cx0, cy0), d.map(cx1, cy1), d.map(cx2, cy2), d.map(cx3, cy3);
  a.eyes.add(cx0, cy0), a.eyes.add(cx1, cy1), a.eyes.add(cx2, cy2), a.eyes.add(cx3, cy3);
  if (closed) {
    d.lid_pixel(x - r, y);
    d.lid_pixel(x, y + 0.9f);
    d.lid_pixel(x + r, y);
    if (r >= 1.5f) d.lid_pixel(x - r + 1, y + 0.9f);
    return;
  }
  // A tall iris round a dark pupil, the catch-light at the pupil's upper left.
  d.oval(x, y, r, r * 1.3f, flat(rgb(iris)));
  if (iris != 0x1a1420) d.oval(x + 0.2f, y + 0.2f, r * pupil, r * 0.95f, flat(rgb(0x1a1420)));
  d.pixel(x - r * 0.3f, y - r * 0.5f, rgb(0xffffff));
}

void draw_head(Drawing& d, Anchors& a, const Species& s, const Pose& pose, float cx, float cy, bool closed) {
  const Transform outer = d.transform;
  const float tilt = pose.head_tilt;
  d.transform = outer.after(Transform::translate(cx, cy)).after(Transform::rotate(tilt * kDeg));
  const float r = s.head, e = s.ear;
  const Material fur = ramp(rgb(s.body));
  const Material light = ramp(rgb(s.belly));
  const Material dark = ramp(rgb(s.accent));
  const Material ear_m = s.has(kDarkEars) || s.has(kPoints) || s.has(kDarkFace) ? dark : fur;
  // Ears behind the head, one part with it, trailing the body's movement from the top of the head.
  const Transform head_xf = d.transform;
  auto trailing = [&](float px, float py, float lag) {
    return head_xf.after(Transform::translate(px, py)).after(Transform::rotate(lag * kDeg))
        .after(Transform::translate(-px, -py));
  };
  d.transform = trailing(-1, -r * 0.5f, pose.ear_lag);
  d.begin_group();
  switch (s.ears) {
    case Ears::pointed:
    case Ears::huge:
    case Ears::bat: {
      const float spread = s.ears == Ears::huge ? 1.0f : 0.75f;
      for (float side : {-1.0f, 1.0f}) {
        float bx = side * r * 0.45f - 1;
        float tipx = bx + side * e * 0.35f * spread, tipy = -r * 0.55f - e * 1.4f;
        if (s.ears == Ears::bat) {  // tall rounded ears standing straight up
          // Broad at the base, round at the top, standing up and a little out.
          d.poly({{bx - e * 0.6f + side * 0.5f, -r * 0.5f}, {bx + side * e * 0.55f - e * 0.45f, -r * 0.55f - e * 1.35f},
                  {bx + side * e * 0.55f + e * 0.45f, -r * 0.55f - e * 1.35f}, {bx + e * 0.6f + side * 0.5f, -r * 0.5f}},
                 ear_m, true);
          d.oval(bx + side * e * 0.55f, -r * 0.55f - e * 1.3f, e * 0.5f, e * 0.4f, ear_m, true);
          d.mark_oval(bx + side * e * 0.4f, -r * 0.55f - e * 0.9f, e * 0.25f, e * 0.55f, flat(rgb(0xe8a0a0)));
        } else
          d.poly({{bx - e * 0.55f, -r * 0.45f}, {tipx, tipy}, {bx + e * 0.55f, -r * 0.6f}}, ear_m, true);
        if (s.ears != Ears::bat)
          d.mark_poly({{bx - e * 0.25f, -r * 0.5f}, {tipx, tipy + 2.5f}, {bx + e * 0.25f, -r * 0.6f}},
                      flat(rgb(s.has(kDarkEars) ? s.accent : 0xe8a0a0)));
      }
      break;
    }
    case Ears::round:
      for (float side : {-1.0f, 1.0f}) {
        d.oval(side * r * 0.6f - 1, -r * 0.7f, e * 0.6f, e * 0.6f, ear_m, true);
        if (s.has(kEarFringe)) {
          d.mark_oval(side * r * 0.6f - 1 + side * 0.5f, -r * 0.7f - 0.5f, e * 0.4f, e * 0.4f, light);
          d.mark_oval(side * r * 0.6f - 1 + side * e * 0.45f, -r * 0.7f, e * 0.2f, e * 0.45f, flat(rgb(0xffffff)));
        }
      }
      break;
    case Ears::saucer:  // the far ear further back, both leaning back a little
      for (float side : {-1.0f, 1.0f}) {
        const float ex = side * r * 0.35f - 1.5f + (side < 0 ? -1.5f : 0), ey = -r * 0.8f - e * 0.45f;
        d.oval(ex, ey, e * 0.52f, e * 0.68f, ear_m, true);
        d.mark_oval(ex + 0.4f, ey + 0.6f, e * 0.3f, e * 0.45f, flat(rgb(0xe8b4bc)));
      }
      break;
    case Ears::low:  // small, wide apart and low on a flat head
      for (float side : {-1.0f, 1.0f}) {
        d.poly({{side * r * 0.45f - 1, -r * 0.75f}, {side * (r * 0.85f + e) - 1, -r * 0.55f - e * 0.9f},
                {side * r * 0.95f - 1, -r * 0.35f}}, ear_m, true);
      }
      break;
    case Ears::cup:  // big round ears standing out from both sides at eye level, pale inside
      for (float x : {-r * 0.95f, r * 1.12f}) {
        d.oval(x, r * 0.02f, e * 0.8f, e * 0.88f, ear_m, true);
        d.mark_oval(x + (x < 0 ? -0.4f : 0.4f), r * 0.05f, e * 0.45f, e * 0.55f, flat(rgb(0xe8b0a0)));
      }
      break;
    case Ears::tall:
      for (float side : {-1.0f, 1.0f}) {
        d.oval(side * 2.5f - 2, -r - e * 0.8f, e * 0.3f, e * 1.0f, ear_m, true);
        d.mark_oval(side * 2.5f - 2, -r - e * 0.8f, e * 0.12f, e * 0.7f, flat(rgb(0xf0b0b8)));
      }
      break;
    case Ears::petal:
      d.oval(-r * 0.5f, -r * 0.75f, e * 0.5f, e * 0.35f, ear_m, true);
      break;
    default: break;
  }
  d.transform = head_xf;
  if (s.has(kMane)) {  // a cub's first ruff round the head, a part of its own
    d.end_group();
    d.oval(-1.5f, 0.5f, r * 1.17f, r * 1.12f, ramp(rgb(s.extra)), false);
    d.begin_group();
  }
  d.oval(0, 0, s.has(kWrinkles) ? r * 1.1f : r, r * 0.92f, fur, true);  // a flat-faced dog's head is broad
  d.end_group();
  if (s.has(kCheeks)) {
    d.oval(r * 0.45f, r * 0.4f, r * 0.55f, r * 0.45f, light, true);
  }
  if (s.has(kDarkFace) || s.has(kPoints)) d.mark_oval(r * 0.35f, r * 0.15f, r * 0.75f, r * 0.7f, dark);
  if (s.has(kHeartFace)) {  // two lobes round the eyes meeting in a point at the chin
    d.mark_oval(r * 0.02f, -r * 0.12f, r * 0.42f, r * 0.45f, light);
    d.mark_oval(r * 0.62f, -r * 0.12f, r * 0.42f, r * 0.45f, light);
    d.mark_poly({{-r * 0.38f, 0}, {r * 1.02f, 0}, {r * 0.45f, r * 0.9f}}, light);
  }
  if (s.has(kMask)) {
    d.mark_oval(r * 0.3f, r * 0.45f, r * 0.95f, r * 0.55f, light);
    d.mark_oval(r * 0.05f, -r * 0.05f, r * 0.32f, r * 0.3f, light);  // pale brows round the eyes
    d.mark_oval(r * 0.65f, -r * 0.05f, r * 0.32f, r * 0.3f, light);
  }
  if (s.has(kSpots)) {
    d.mark_oval(-r * 0.1f, -r * 0.7f, 1.2f, 0.8f, dark);
    d.mark_oval(r * 0.4f, -r * 0.75f, 1.2f, 0.8f, dark);
  }
  if (s.has(kStripes)) d.mark_poly({{-r * 0.2f, -r}, {r * 0.3f, -r}, {r * 0.1f, -r * 0.55f}}, dark);
  // Snout.
  const float sx = r * 0.7f + s.snout * 0.35f, sy = r * 0.3f;
  const Material snout_m = s.has(kMuzzle) || s.has(kMask) ? light : s.has(kSnoutDisc) ? ramp(rgb(s.extra)) : fur;
  if (s.snout > 0.5f) d.oval(sx, sy, s.snout * 0.75f + 1.5f, r * 0.38f, snout_m, true);
  if (s.has(kHeartFace))  // a flat face: a soft muzzle low between the eyes
    d.mark_oval(r * 0.3f, r * 0.5f, r * 0.45f, r * 0.3f, ramp(rgb(0xf2d6b8)));
  else if (s.has(kMuzzle) && s.snout <= 0.5f)
    d.mark_oval(r * 0.55f, r * 0.45f, r * 0.5f, r * 0.4f, light);
  if (s.has(kWrinkles)) {  // a short dark muzzle, furrowed above
    d.mark_oval(r * 0.8f, r * 0.35f, r * 0.38f, r * 0.3f, dark);
    d.mark_oval(r * 0.45f, r * 0.62f, r * 0.42f, r * 0.2f, light);  // a pale chin under the jowls
    const std::uint32_t furrow = fur.shade[3];
    for (int i = -1; i <= 1; ++i) d.pixel(r * 0.26f + float(i), -r * 0.58f, furrow);  // two furrows on the brow
    for (int i = 0; i <= 1; ++i) d.pixel(r * 0.26f + float(i) - 0.5f, -r * 0.58f + 2, furrow);
    d.pixel(r * 0.62f, r * 0.1f, furrow);  // a fold over the muzzle
  }
  if (s.has(kBandit)) d.mark_poly({{-r * 0.5f, -r * 0.45f}, {r * 1.1f, -r * 0.4f}, {r * 1.1f, r * 0.15f},
                                   {-r * 0.5f, r * 0.05f}}, dark);
  if (s.has(kEyePatches)) {
    // Round each eye, with white between them so they read as two patches.
    d.mark_oval(-r * 0.12f, r * 0.02f, r * 0.27f, r * 0.37f, dark);
    d.mark_oval(r * 0.64f, r * 0.02f, r * 0.23f, r * 0.34f, dark);
  }
  if (s.has(kFluffy)) d.mark_oval(-r * 0.35f, -r * 0.3f, r * 0.3f, r * 0.3f, fur);
  const float nose_x = s.has(kHeartFace) ? r * 0.42f : s.snout > 0.5f ? sx + s.snout * 0.75f + 0.5f : r * 0.85f;
  const float nose_y = sy - r * 0.12f;
  if (s.has(kSnoutDisc)) {
    d.pixel(nose_x - 1.5f, nose_y + 1, rgb(0x9a4a5a));
    d.pixel(nose_x - 0.2f, nose_y + 1, rgb(0x9a4a5a));
  } else {
    if (s.has(kBigNose))
      d.oval(nose_x - 0.4f, nose_y + 1.8f, 2.1f, 2.7f, ramp(rgb(s.nose)), true);
    else
      d.oval(nose_x - 0.8f, nose_y, 1.3f, 1.0f, flat(rgb(s.nose)));
  }
  // Mouth.
  if (pose.mouth > 0.15f) {
    const float mx = nose_x - 2.5f, my = sy + r * 0.35f;
    d.oval(mx, my, 1.3f + pose.mouth * 1.2f, 0.6f + pose.mouth * 1.6f, flat(rgb(0x5a1f2a)));
    if (pose.tongue) d.oval(mx + 0.5f, my + 1.3f + pose.mouth, 1.3f, 1.4f, flat(rgb(0xf07890)));
  } else if (pose.tongue) {
    d.oval(nose_x - 2, sy + r * 0.45f, 1.0f, 1.3f, flat(rgb(0xf07890)));
  }
  // Eyes.
  const float er = s.has(kBigEyes) ? 1.9f : 1.3f;
  const float ey = -r * 0.12f;
  const std::uint32_t fur_rgb = s.has(kPoints) || s.has(kDarkFace) ? s.accent : s.body;
  const bool dark_fur = ((fur_rgb >> 16) & 0xFF) * 3 + ((fur_rgb >> 8) & 0xFF) * 6 + (fur_rgb & 0xFF) < 900;
  const float pupil = dark_fur ? 0.3f : 0.6f;
  draw_eye(d, a, -r * 0.08f, ey, er, s.eye, closed, pupil);
  draw_eye(d, a, r * 0.6f, ey, er, s.eye, closed, pupil);
  if (s.has(kWhiskers)) {
    d.pixel(sx + 1, sy + 1, rgb(0xd8d0c8));
    d.pixel(sx + 3, sy + 2, rgb(0xd8d0c8));
  }
  // Floppy and side ears hang in front.
  // Hanging ears swing their tips back, never forward over the eyes.
  d.transform = trailing(-r * 0.4f, -r * 0.5f, -std::fabs(pose.ear_lag));
  if (s.ears == Ears::floppy) {
    const Material ear = s.has(kDarkEars) ? dark : ramp(rgb(s.extra ? s.extra : s.body));
    d.begin_group();
    d.oval(-r * 0.35f, r * 0.15f, e * 0.4f, e * 1.0f, ear, true);
    if (s.has(kFeathered))  // wavy locks below the ear leather
      for (float k : {-1.0f, 0.0f, 1.0f})
        d.oval(-r * 0.35f + k * e * 0.3f, r * 0.15f + e * (1.05f - 0.15f * k * k), e * 0.2f, e * 0.32f, ear, true);
    d.end_group();
  }
  if (s.ears == Ears::side)  // a leaf hanging out sideways
    d.poly({{-r * 0.45f, -r * 0.4f}, {-r * 0.5f - e * 1.2f, -r * 0.1f}, {-r * 0.5f - e * 0.95f, r * 0.25f},
            {-r * 0.4f, 0}}, ear_m, true);
  d.transform = head_xf;
  if (s.has(kHorns)) {  // short kid's horns: tapered, curving back, the far one in shadow
    const Material horn = ramp(rgb(0xa8957a));
    const Material far_horn{{horn.shade[2], horn.shade[2], horn.shade[3], horn.shade[3]}};
    for (const auto& [x, m] : {std::pair{-r * 0.12f, far_horn}, std::pair{r * 0.36f, horn}})
      d.poly({{x - 1.3f, -r * 0.7f}, {x + 1.3f, -r * 0.76f}, {x + 0.4f, -r * 1.12f}, {x - 1.4f, -r * 1.42f},
              {x - 1.1f, -r * 1.08f}}, m, true);
  }
  if (s.has(kBeard)) d.poly({{r * 0.4f, r * 0.7f}, {r * 0.9f, r * 0.7f}, {r * 0.55f, r * 1.35f}}, light, true);
  if (s.has(kTuftHead))  // in the mane colour where there is one (the lion cub's first tuft)
    d.poly({{-r * 0.2f, -r * 0.8f}, {r * 0.05f, -r * 1.35f}, {r * 0.3f, -r * 0.8f}}, s.extra ? ramp(rgb(s.extra)) : fur,
           true);
  // Outfit point: the top of the head.
  float hx = -r * 0.05f, hy = -r * 0.88f;
  d.map(hx, hy);
  float ax = 0, ay = 0, ux = 0, uy = -1;
  d.map(ax, ay), d.map(ux, uy);
  a.hat_x = hx, a.hat_y = hy;
  a.hat_tilt = std::atan2(-(ux - ax), -(uy - ay)) / kDeg;
  d.transform = outer;
}

}  // namespace art
