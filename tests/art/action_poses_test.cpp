// The action clips read from their silhouettes for every species: raised limbs leave the
// seated outline, `belly` turns the body over, `spin` faces the other way halfway round,
// `sleep` and `curlsleep` differ, walks move the legs in turn, and no pixel of the
// figure lies outside its outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "shipped_art.h"

namespace arttest {
namespace {

using burrowly::FrameRaw;

// Opaque pixels of a frame on a grid centred on the anchor and the ground row, so that
// frames of different crops line up.
constexpr int kW = 120, kH = 100, kOx = 60, kOy = 90;
using Mask = std::vector<bool>;

Mask silhouette(const ShippedAnimal& a, const FrameRaw& f, bool mirrored = false) {
  Mask m(kW * kH, false);
  for (int y = 0; y < f.r[3]; ++y)
    for (int x = 0; x < f.r[2]; ++x) {
      if (alpha_at(a, f, x, y) <= 128) continue;
      const int gx = kOx + (mirrored ? f.ax - x - 1 : x - f.ax), gy = kOy + y - f.gy;
      if (gx >= 0 && gy >= 0 && gx < kW && gy < kH) m[gy * kW + gx] = true;
    }
  return m;
}

Mask grown(const Mask& m, int by) {
  Mask out(m.size(), false);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      if (!m[y * kW + x]) continue;
      for (int v = std::max(0, y - by); v <= std::min(kH - 1, y + by); ++v)
        for (int u = std::max(0, x - by); u <= std::min(kW - 1, x + by); ++u) out[v * kW + u] = true;
    }
  return out;
}

int count_outside(const Mask& m, const Mask& region) {
  int n = 0;
  for (std::size_t k = 0; k < m.size(); ++k) n += m[k] && !region[k];
  return n;
}

int count_different(const Mask& a, const Mask& b) {
  int n = 0;
  for (std::size_t k = 0; k < a.size(); ++k) n += a[k] != b[k];
  return n;
}

int count(const Mask& m) { return int(std::count(m.begin(), m.end(), true)); }

const std::vector<FrameRaw>& clip(const ShippedAnimal& a, const char* name) {
  return burrowly::clip_frames(a.atlas, name);
}

TEST(ActionPoses, RaisedLimbsReachClearOfTheSeatedOutline) {
  // A limb "clearly outside" lies beyond the seated silhouette by more than two pixels,
  // for a stretch the size of a paw.
  for (const ShippedAnimal& a : shipped_animals()) {
    SCOPED_TRACE(a.key);
    const Mask seated = grown(silhouette(a, clip(a, "sit")[0]), 2);
    for (const char* name : {"swat", "wave", "hi", "beg", "groom"}) {
      int most = 0;
      for (const FrameRaw& f : clip(a, name)) most = std::max(most, count_outside(silhouette(a, f), seated));
      EXPECT_GE(most, 10) << name << " keeps its limbs inside the seated outline";
    }
  }
}

TEST(ActionPoses, BellyTurnsTheBodyOver) {
  // On its back the animal neither sits nor lies as it does in `lie`, and it wriggles.
  for (const ShippedAnimal& a : shipped_animals()) {
    SCOPED_TRACE(a.key);
    const auto& belly = clip(a, "belly");
    const Mask first = silhouette(a, belly[0]);
    const int size = count(first);
    EXPECT_GE(count_different(first, silhouette(a, clip(a, "sit")[0])), size / 5) << "belly looks like sit";
    EXPECT_GE(count_different(first, silhouette(a, clip(a, "lie")[0])), size / 5) << "belly looks like lie";
    int wriggle = 0;
    for (const FrameRaw& f : belly) wriggle = std::max(wriggle, count_different(first, silhouette(a, f)));
    EXPECT_GE(wriggle, 6) << "belly holds still";
  }
}

TEST(ActionPoses, SpinFacesTheOtherWayHalfwayRound) {
  for (const ShippedAnimal& a : shipped_animals()) {
    if (a.key == "butterfly") continue;  // seen from the front, it looks the same either way round
    SCOPED_TRACE(a.key);
    const auto& spin = clip(a, "spin");
    const Mask half = silhouette(a, spin[spin.size() / 2]);
    const FrameRaw& start = spin.front();
    // Halfway round the figure matches the first frame mirrored better than the first frame.
    EXPECT_LT(count_different(half, silhouette(a, start, true)), count_different(half, silhouette(a, start)));
  }
}

TEST(ActionPoses, SleepAndCurlsleepDiffer) {
  for (const ShippedAnimal& a : shipped_animals()) {
    SCOPED_TRACE(a.key);
    const Mask sleep = silhouette(a, clip(a, "sleep")[0]), curled = silhouette(a, clip(a, "curlsleep")[0]);
    EXPECT_GE(count_different(sleep, curled), count(sleep) / 8);
  }
}

TEST(ActionPoses, WalksMoveTheLegsInTurn) {
  // Half a cycle apart the feet touch the ground in other places; the hoppers leave the
  // ground with both feet instead. The butterfly's walk is a flutter in the air.
  const std::set<std::string> hoppers = {"rabbit", "kangaroo", "frog"};
  for (const ShippedAnimal& a : shipped_animals()) {
    if (a.key == "butterfly") continue;
    SCOPED_TRACE(a.key);
    const auto& walk = clip(a, "walk");
    auto feet = [&](const FrameRaw& f) {
      std::vector<bool> cols(kW, false);
      for (int x = 0; x < f.r[2]; ++x)
        for (int y = f.gy - 1; y <= f.gy; ++y)
          if (alpha_at(a, f, x, y) > 128 && kOx + x - f.ax >= 0 && kOx + x - f.ax < kW) cols[kOx + x - f.ax] = true;
      return cols;
    };
    if (hoppers.count(a.key)) {
      int highest = 0;
      for (const FrameRaw& f : walk) highest = std::max(highest, f.gy - lowest_row(a, f));
      EXPECT_GE(highest, 3) << "the hop stays on the ground";
      continue;
    }
    int most = 0;
    for (std::size_t k = 0; k < walk.size() / 2; ++k) {
      const auto here = feet(walk[k]), there = feet(walk[k + walk.size() / 2]);
      int changed = 0;
      for (int x = 0; x < kW; ++x) changed += here[x] != there[x];
      most = std::max(most, changed);
    }
    EXPECT_GE(most, 3) << "the feet land in the same places half a cycle apart";
  }
}

TEST(ActionPoses, NoPixelLiesOutsideTheOutline) {
  // Every coloured pixel of the figure is bordered by the figure or its outline, never by
  // transparency: single pixels (whiskers, dots, teeth) stay on the figure.
  for (const ShippedAnimal& a : shipped_animals()) {
    SCOPED_TRACE(a.key);
    int stray = 0;
    std::string first;
    for (const FrameRaw& f : a.atlas.frames) {
      for (int y = 0; y < f.r[3]; ++y)
        for (int x = 0; x < f.r[2]; ++x) {
          if (alpha_at(a, f, x, y) == 0) continue;
          const std::uint8_t* p =
              a.sheet.pixels.data() + (std::size_t(f.r[1] + y) * a.sheet.width + std::size_t(f.r[0] + x)) * 4;
          if (p[0] == 0x24 && p[1] == 0x1b && p[2] == 0x33) continue;  // the outline itself
          auto open = [&](int u, int v) {  // transparent inside the frame; its edges cut shapes off
            return u >= 0 && v >= 0 && u < f.r[2] && v < f.r[3] && alpha_at(a, f, u, v) == 0;
          };
          if (open(x - 1, y) || open(x + 1, y) || open(x, y - 1) || open(x, y + 1)) {
            if (stray++ == 0) first = f.n + " " + std::to_string(f.i) + " at " + std::to_string(x) + "," +
                                      std::to_string(y);
          }
        }
    }
    EXPECT_EQ(stray, 0) << "first in " << first;
  }
}

}  // namespace
}  // namespace arttest
