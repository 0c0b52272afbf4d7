#include "rigs/front_limbs.h"

#include <algorithm>
#include <cmath>

namespace art {

std::optional<burrowly::Point> raised_paw(const Pose& p, const FrontLimbs& f, bool near) {
  const float r = f.head_r, k = p.reach_k;
  const float face = std::max(f.nose, r);  // the front of the face
  auto toward = [&](float x, float y) {  // from the shoulder, k of the way to (x, y)
    return burrowly::Point{f.shoulder_x + (x - f.shoulder_x) * k, f.shoulder_y + (y - f.shoulder_y) * k};
  };
  switch (p.reach) {
    case Reach::none: return std::nullopt;
    case Reach::forward:  // at head height, well in front of the face
      if (!near) return std::nullopt;
      return toward(f.head_x + face + r * 1.1f, f.head_y + r * 0.35f);
    case Reach::up:  // above the head, waving from side to side
      if (!near) return std::nullopt;
      return toward(f.head_x + r * (0.95f + 0.45f * p.sway), f.head_y - r * 1.55f);
    case Reach::both_up:
      return near ? toward(f.head_x + r * (0.95f + 0.15f * p.sway), f.head_y - r * 1.5f)
                  : toward(f.head_x - r * (0.35f + 0.15f * p.sway), f.head_y - r * 1.65f);
    case Reach::face:  // in front of the mouth to lick it, or across the brow when hot
      if (!near) return std::nullopt;
      return p.hot ? toward(f.head_x + r * 1.05f, f.head_y - r * 0.55f)
                   : toward(f.head_x + face * 0.8f + r * 0.9f, f.head_y + r * 0.75f);
    case Reach::dig: {  // the paws scoop in turn: forward and down, then back and lifted
      const float stroke = near ? p.sway : -p.sway;
      return burrowly::Point{f.shoulder_x + r * (0.6f + 0.5f * stroke),
                             -f.width / 2 - std::max(0.0f, -stroke) * r * 0.45f};
    }
  }
  return std::nullopt;
}

void draw_raised_limb(Drawing& d, float x, float y, burrowly::Point paw, float width, const Material& m) {
  d.begin_group();
  d.limb(x, y, paw.x, paw.y, width, m);
  d.oval(paw.x, paw.y, width * 0.68f, width * 0.62f, m, true);
  d.end_group();
}

void draw_flying_earth(Drawing& d, float x, float t) {
  const Material earth = ramp(rgb(0x8a5a34));
  for (int k = 0; k < 3; ++k) {
    const float f = std::fmod(t + float(k) / 3, 1.0f);  // each clod's flight, 0..1
    const float cx = x - 2 - 12 * f, cy = -2 - 16 * f * (1 - f) * 2;
    d.oval(cx, cy, 1.6f - 0.4f * f, 1.3f - 0.3f * f, earth, true);
  }
  d.oval(x + 1, -1.2f, 4, 1.5f, earth, true);  // the heap it throws up
}

void draw_leg_up(Drawing& d, float x, float y, float len, float width, const Material& m, float phase) {
  const float kick = std::sin(6.2831853f * phase), bend = std::cos(6.2831853f * phase);
  const float kx = x + len * 0.3f + kick, ky = y - len * 0.6f;
  const float fx = x - len * 0.05f + kick * 1.5f, fy = y - len + bend;
  d.begin_group();
  d.limb(x, y, kx, ky, width, m);
  d.limb(kx, ky, fx, fy, width * 0.9f, m);
  d.oval(fx, fy, width * 0.6f, width * 0.55f, m, true);
  d.end_group();
}

}  // namespace art
