// What a viewer sees in the shipped frames: feet on the ground line, jumps that squash
// first and then leave it, legs that alternate, cycles that loop, hats on heads and blinks that close eyes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "shipped_art.h"

namespace arttest {
namespace {

using burrowly::FrameRaw;

// Clips whose frames may be off the ground: jumps, hangs, bounces and the run's flight.
const std::set<std::string> kAirborne = {"leap", "jump", "jumpup", "kickup", "climbjump", "mantle", "hang",
                                         "cling", "ceil", "swing", "happy", "cheer", "run", "climb"};

TEST(ShippedMotion, FeetRestOnTheGroundLine) {
  for (const std::string& key : four_legged()) {
    SCOPED_TRACE(key);
    const ShippedAnimal& a = shipped(key);
    for (const FrameRaw& f : a.atlas.frames) {
      const int bottom = lowest_row(a, f);
      EXPECT_LE(bottom, f.gy) << f.n << " " << f.i << " sinks below the ground";
      if (!kAirborne.count(f.n)) {
        EXPECT_GE(bottom, f.gy - 1) << f.n << " " << f.i << " floats";
      }
    }
  }
}

TEST(ShippedMotion, JumpsLeaveTheGround) {
  for (const std::string& key : four_legged()) {
    SCOPED_TRACE(key);
    const ShippedAnimal& a = shipped(key);
    for (const char* clip : {"leap", "jump", "jumpup"}) {
      int highest = 0;
      for (const FrameRaw& f : burrowly::clip_frames(a.atlas, clip)) highest = std::max(highest, f.gy - lowest_row(a, f));
      EXPECT_GE(highest, 5) << clip;
    }
  }
}

TEST(ShippedMotion, JumpsSquashOnTheGroundBeforeTakingOff) {
  for (const std::string& key : four_legged()) {
    SCOPED_TRACE(key);
    const ShippedAnimal& a = shipped(key);
    const FrameRaw& take_off = burrowly::clip_frames(a.atlas, "jump").front();
    const FrameRaw& standing = burrowly::clip_frames(a.atlas, "walk").front();
    EXPECT_GE(lowest_row(a, take_off), take_off.gy - 1) << "the take-off leaves the ground at once";
    // The eyes (the blink patch's place) show how low the body is carried.
    ASSERT_TRUE(take_off.bl && standing.bl);
    EXPECT_GE((*take_off.bl)[5] - take_off.gy, (*standing.bl)[5] - standing.gy + 2)
        << "the body does not squash before the jump";
  }
}

// Columns where a foot touches the ground.
std::vector<bool> footprint(const ShippedAnimal& a, const FrameRaw& f) {
  std::vector<bool> cols(f.r[2]);
  for (int x = 0; x < f.r[2]; ++x)
    for (int y = f.gy - 1; y <= f.gy; ++y) cols[x] = cols[x] || alpha_at(a, f, x, y) > 128;
  return cols;
}

int stride(const ShippedAnimal& a, const std::vector<FrameRaw>& frames) {
  int widest = 0;
  for (const FrameRaw& f : frames) {
    const auto cols = footprint(a, f);
    const auto first = std::find(cols.begin(), cols.end(), true);
    const auto last = std::find(cols.rbegin(), cols.rend(), true);
    if (first != cols.end()) widest = std::max(widest, int(cols.rend() - last) - int(first - cols.begin()));
  }
  return widest;
}

TEST(ShippedMotion, WalkAndRunMoveTheLegsInTurnRunStridesLonger) {
  for (const std::string& key : four_legged()) {
    SCOPED_TRACE(key);
    const ShippedAnimal& a = shipped(key);
    for (const char* clip : {"walk", "run"}) {
      const auto& frames = burrowly::clip_frames(a.atlas, clip);
      // Half a cycle apart the other pair of legs is forward: the footprints differ.
      for (std::size_t k = 0; k < frames.size() / 2; ++k) {
        const auto here = footprint(a, frames[k]), there = footprint(a, frames[k + frames.size() / 2]);
        const bool flight = std::count(here.begin(), here.end(), true) <= 2 ||
                            std::count(there.begin(), there.end(), true) <= 2;
        if (flight && std::string(clip) == "run") continue;  // a run's flight phase
        int changed = 0;
        for (std::size_t x = 0; x < here.size(); ++x) changed += here[x] != there[x];
        EXPECT_GE(changed, 3) << clip << " frame " << k;
      }
    }
    EXPECT_GT(stride(a, burrowly::clip_frames(a.atlas, "run")), stride(a, burrowly::clip_frames(a.atlas, "walk")));
  }
}

TEST(ShippedMotion, SpinFacesTheOtherWayHalfwayRound) {
  for (const std::string& key : four_legged()) {
    SCOPED_TRACE(key);
    const auto& frames = burrowly::clip_frames(shipped(key).atlas, "spin");
    const FrameRaw &start = frames.front(), &half = frames[frames.size() / 2];
    ASSERT_TRUE(start.bl && half.bl);
    EXPECT_GT((*start.bl)[4], start.ax) << "the eyes lead to the right";
    EXPECT_LT((*half.bl)[4] + (*half.bl)[2], half.ax) << "the eyes lead to the left";
  }
}

TEST(ShippedMotion, LookTurnsTheHeadToLookBehind) {
  for (const std::string& key : four_legged()) {
    SCOPED_TRACE(key);
    const auto& frames = burrowly::clip_frames(shipped(key).atlas, "look");
    ASSERT_TRUE(frames[0].bl && frames[1].bl);
    // The eyes move from the front of the face to its back: the patch shifts left.
    EXPECT_LT((*frames[1].bl)[4], (*frames[0].bl)[4] - 2);
  }
}

TEST(ShippedMotion, CyclesLoopWithoutAJump) {
  for (const std::string& key : four_legged()) {
    SCOPED_TRACE(key);
    const ShippedAnimal& a = shipped(key);
    for (const char* clip : {"sit", "walk", "run", "sleep", "curlsleep", "pant", "wag", "vibe", "spin"}) {
      const auto& frames = burrowly::clip_frames(a.atlas, clip);
      int step = 0;
      for (std::size_t k = 0; k + 1 < frames.size(); ++k)
        step = std::max(step, differing_pixels(a, frames[k], frames[k + 1]));
      EXPECT_LE(differing_pixels(a, frames.back(), frames.front()), step * 3 / 2 + 8) << clip;
    }
  }
}

TEST(ShippedMotion, HatsSitOnTheHead) {
  for (const std::string& key : four_legged()) {
    SCOPED_TRACE(key);
    const ShippedAnimal& a = shipped(key);
    for (const FrameRaw& f : a.atlas.frames) {
      if (!f.hat) continue;
      const int hx = int(std::lround((*f.hat)[0])), hy = int(std::lround((*f.hat)[1]));
      int body = 0;
      for (int y = hy - 2; y <= hy + 3; ++y)
        for (int x = hx - 2; x <= hx + 2; ++x) body += alpha_at(a, f, x, y) > 128;
      EXPECT_GE(body, 6) << f.n << " " << f.i << ": the hat point is off the animal";
      EXPECT_LT(hy, f.gy - 6) << f.n << " " << f.i << ": the hat point is at the feet";
    }
  }
}

TEST(ShippedMotion, BlinkPatchesCloseTheEyesOnTheFace) {
  for (const std::string& key : four_legged()) {
    SCOPED_TRACE(key);
    const ShippedAnimal& a = shipped(key);
    for (const FrameRaw& f : a.atlas.frames) {
      if (!f.bl) continue;
      const auto& b = *f.bl;
      // The closed-eye patch against the open eyes under it.
      int changed = 0, on_animal = 0;
      for (int y = 0; y < b[3]; ++y)
        for (int x = 0; x < b[2]; ++x) {
          const int open = alpha_at(a, f, b[4] + x, b[5] + y);
          on_animal += open > 128;
          const std::uint8_t* p = a.sheet.pixels.data() + (std::size_t(b[1] + y) * a.sheet.width + b[0] + x) * 4;
          const std::uint8_t* q =
              a.sheet.pixels.data() + (std::size_t(f.r[1] + b[5] + y) * a.sheet.width + f.r[0] + b[4] + x) * 4;
          changed += !std::equal(p, p + 4, q);
        }
      EXPECT_GE(changed, 2) << f.n << " " << f.i << ": the patch does not change the eyes";
      EXPECT_GE(on_animal * 2, b[2] * b[3]) << f.n << " " << f.i << ": the patch is off the face";
    }
  }
}

}  // namespace
}  // namespace arttest
