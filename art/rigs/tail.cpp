#include "rigs/tail.h"

#include <cmath>

namespace art {

void draw_tail(Drawing& d, const Species& s, float x, float y, float swing) {
  const float a = swing * 3.14159265f / 180.0f;
  const Material fur = ramp(rgb(s.body));
  const Material dark = ramp(rgb(s.accent));
  const Material light = ramp(rgb(s.belly));
  auto at = [&](float len, float up) {  // a point along the tail, rotated by the swing
    float px = -len, py = -up;
    return burrowly::Point{x + px * std::cos(a) + py * std::sin(a), y - px * std::sin(a) + py * std::cos(a)};
  };
  d.begin_group();  // one tail: no lines between its segments
  switch (s.tail) {
    case Tail::curve: {
      auto p1 = at(5, 3), p2 = at(8, 10), p3 = at(6, 16);
      const Material& m = s.has(kPoints) ? dark : fur;
      d.limb(x, y, p1.x, p1.y, 3, m), d.limb(p1.x, p1.y, p2.x, p2.y, 3, m), d.limb(p2.x, p2.y, p3.x, p3.y, 3, m);
      if (s.has(kStripes)) d.mark_oval(p2.x, p2.y, 2, 1, dark);
      break;
    }
    case Tail::bushy:
    case Tail::white_tip:
    case Tail::ringed: {
      auto c = at(7, 4), tip = at(12, 7);
      d.poly({{x, y - 2}, {c.x, c.y - 4}, {tip.x, tip.y}, {c.x, c.y + 3}, {x, y + 2}}, fur, true);
      d.oval(c.x, c.y, 4.5f, 3.5f, fur, true);
      if (s.tail == Tail::white_tip) d.mark_oval(tip.x, tip.y, 3.5f, 3, light);
      if (s.tail == Tail::ringed) {
        d.mark_oval(c.x - 1, c.y, 1.2f, 4, dark);
        d.mark_oval(tip.x + 1, tip.y, 2.5f, 3, dark);
      }
      break;
    }
    case Tail::curl_over: {
      // Rising from the rump and rolled over the back.
      auto c = at(1, 8);
      d.limb(x, y, c.x + 1, c.y + 2, 4, fur);
      d.oval(c.x + 2, c.y, 6, 4.5f, s.belly ? light : fur, true);
      break;
    }
    case Tail::fan: {  // the squirrel's S-shaped plume, taller than the body
      auto base = at(4, 4), mid = at(8, 14), top = at(4, 24);
      // One plume: the three puffs merge without lines between them.
      d.oval(base.x, base.y, 4, 4, fur, true);
      d.oval(mid.x, mid.y, 6, 8, fur);
      d.oval(top.x + 2, top.y, 6, 5, fur);
      d.mark_oval(mid.x - 2, mid.y + 2, 2, 5, light);
      d.mark_oval(top.x + 1, top.y + 1, 2.5f, 2, light);
      break;
    }
    case Tail::sickle: {  // rising from the rump and curling forward over the back, pale underneath
      auto a1 = at(2, 5), a2 = at(1, 11), a3 = at(-3, 14);
      d.oval(a1.x, a1.y, 3.2f, 4.2f, fur, true);
      d.oval(a2.x, a2.y, 3.8f, 3.4f, fur);
      d.oval(a3.x, a3.y, 3.2f, 2.6f, fur);
      d.mark_oval(a3.x + 1, a3.y + 1, 2.2f, 1.6f, light);
      d.mark_oval(a1.x - 1.5f, a1.y, 1.4f, 3, light);
      break;
    }
    case Tail::stub: d.oval(x - 1, y - 1, 2.5f, 2, fur, true); break;
    case Tail::cotton: d.oval(x - 1, y, 3, 3, ramp(rgb(0xfafafa)), true); break;
    case Tail::thin: {  // in the leg colour when the legs are dark (ferret)
      auto p1 = at(6, -1), p2 = at(11, 2);
      const Material& m = s.has(kDarkLegs) ? dark : fur;
      const float w = s.has(kDarkLegs) ? 2.6f : 1.8f;
      d.limb(x, y, p1.x, p1.y, w, m), d.limb(p1.x, p1.y, p2.x, p2.y, w * 0.85f, m);
      break;
    }
    case Tail::tuft_tip: {
      auto p1 = at(6, 2), p2 = at(11, 6);
      d.limb(x, y, p1.x, p1.y, 2, fur), d.limb(p1.x, p1.y, p2.x, p2.y, 2, fur);
      d.oval(p2.x, p2.y, 2.2f, 2.2f, ramp(rgb(s.extra ? s.extra : s.accent)), true);
      break;
    }
    case Tail::curly: {
      d.limb(x, y, x - 3, y - 2, 1.6f, fur);
      d.oval(x - 4, y - 3, 1.8f, 1.8f, fur, true);
      break;
    }
    case Tail::long_curl: {
      // Long and thin, sweeping out low and rising into a round curl at the tip.
      const burrowly::Point pts[] = {{x, y},           at(7, -3),        at(13, -1),   at(17, 3),
                                     at(18, 7),        at(16.5f, 11.5f), at(12.5f, 12), at(10.5f, 8.5f),
                                     at(12.5f, 6.5f)};
      for (int i = 0; i + 1 < 9; ++i) d.limb(pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y, i < 3 ? 2.0f : 1.7f, fur);
      break;
    }
    case Tail::thick: {
      auto p1 = at(9, -3), p2 = at(16, -5);
      d.poly({{x, y - 3}, {p1.x, p1.y - 2}, {p2.x, p2.y}, {p1.x, p1.y + 2}, {x, y + 3}}, fur, true);
      break;
    }
    case Tail::none: break;
  }
  d.end_group();
}

}  // namespace art
