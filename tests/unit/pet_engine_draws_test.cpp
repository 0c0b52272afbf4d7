// The first choice after the opening idle, predicted draw by draw from the seed with a
// generator written out here, so both the generator and the order of draws are checked.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string_view>

#include "engine_fixture.h"

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

struct Draws {
  std::uint64_t v;
  std::uint64_t raw() {
    v ^= v << 13;
    v ^= v >> 7;
    v ^= v << 17;
    return v;
  }
  float unit() { return static_cast<float>(raw() >> 40) / 16777216.0f; }
};

constexpr std::array<std::string_view, 12> kDogFidgets{
    "tilt", "wiggle", "wag", "sniff", "howl", "spin", "dig", "hi", "stretch", "yawn", "blep", "happy"};

TEST(PetBrainDraws, FirstChoiceFollowsTheSeedDrawByDraw) {
  int seen_walk = 0, seen_fly = 0, seen_ball = 0, seen_fidget = 0;
  for (std::uint64_t k = 0; k < 400; ++k) {
    EngineRig rig;
    rig.filetime += k;
    PetEngine engine = rig.make(quiet_config());  // a corgi, balanced mood, one 1920 px monitor

    // Creation takes the idle time, then the first blink; during the idle only blinks draw.
    Draws g{(12345 + k) * 100 + 1};
    float time_left = 2.5f + 3.5f * g.unit();
    float blink_next = 2.2f + 2.8f * g.unit();
    for (;;) {
      engine.tick(0.05f, EngineRig::far_input(), {});
      blink_next -= 0.05f;
      if (blink_next <= 0) blink_next = 2.6f + 2.8f * g.unit();
      time_left -= 0.05f;
      if (time_left <= 0) break;
      ASSERT_EQ(engine.activity(), Activity::idle) << "seed " << k;
    }
    const std::uint64_t r2_raw_state = [&] { Draws c = g; c.raw(); return c.raw(); }();
    const float r1 = g.unit(), r2 = g.unit(), r3 = g.unit();
    SCOPED_TRACE(::testing::Message() << "seed " << k << " r1 " << r1);

    if (r1 < 0.36f) {
      ++seen_walk;
      const auto& walk = std::get<WalkActivity>(engine.activity_state());
      EXPECT_FLOAT_EQ(walk.target, r2 * (1920 - 48 - 48) + 48);
      EXPECT_EQ(walk.run, r3 < 0.3f);
    } else if (r1 < 0.44f) {
      EXPECT_EQ(engine.activity(), Activity::box);
    } else if (r1 < 0.52f) {
      ++seen_fly;
      const auto& fly = std::get<FlyActivity>(engine.activity_state());
      const float r4 = g.unit();
      EXPECT_FLOAT_EQ(fly.vx, (45 * r3 + 50) * (r4 < 0.5f ? 1.0f : -1.0f));
    } else if (r1 < 0.59f) {
      ++seen_ball;
      // The toy draws from just after r1: its two values are the ones r2 and r3 had.
      const auto& ball = std::get<BallActivity>(engine.activity_state());
      EXPECT_FLOAT_EQ(std::abs(ball.vx), 110 * r2 + 180);
      EXPECT_FLOAT_EQ(ball.vh, 80 * r3 + 40);
    } else {
      ++seen_fidget;
      const auto& fidget = std::get<FidgetActivity>(engine.activity_state());
      EXPECT_EQ(fidget.clip, kDogFidgets[r2_raw_state % kDogFidgets.size()]);
      EXPECT_FLOAT_EQ(fidget.duration, 1.6f + 1.4f * r3);
    }
  }
  EXPECT_GT(seen_walk, 0);
  EXPECT_GT(seen_fly, 0);
  EXPECT_GT(seen_ball, 0);
  EXPECT_GT(seen_fidget, 0);
}

}  // namespace
}  // namespace burrowly
