// The pet comes back to its ground after every leap, whatever interrupts the leap.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine_fixture.h"

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

// Runs until the pet stands on its ground or the time is up; the seconds it took.
float seconds_to_land(PetEngine& engine, float limit) {
  float t = 0;
  for (; t < limit && engine.lift() > 0; t += 0.05f) engine.tick(0.05f, EngineRig::far_input(), {});
  return t;
}

TEST(PetGround, AlternatingFailAndOkNeverCarriesThePetUpwards) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  float peak = 0;
  for (int i = 0; i < 60; ++i) {
    if (i % 2) engine.on_signal(OkMsg{"ok"});
    else engine.on_signal(FailMsg{"exit 1"});
    for (int t = 0; t < 6; ++t) {
      engine.tick(0.05f, EngineRig::far_input(), {});
      peak = std::max(peak, engine.lift());
    }
  }
  // One jump from the ground rises 210² / (2 · 620) ≈ 35.6 px.
  EXPECT_LT(peak, 45.0f);
  EXPECT_LT(seconds_to_land(engine, 2), 2.0f);
}

TEST(PetGround, ActivitiesStartedInMidAirFallBackUnderTheJumpsGravity) {
  const auto interrupted_jump = [](auto interrupt) {
    EngineRig rig;
    PetEngine engine = rig.make(quiet_config());
    engine.on_signal(FailMsg{"exit 1"});
    EngineRig::run(engine, 0.25f);
    EXPECT_GT(engine.lift(), 20.0f);
    interrupt(engine);
    const float lift = engine.lift();
    engine.tick(0.05f, EngineRig::far_input(), {});
    EXPECT_LE(engine.lift(), lift) << "the pet must not hang or rise once the jump is over";
    return seconds_to_land(engine, 3);
  };
  // A fall from about 30 px at 620 px/s² takes about 0.3 s.
  EXPECT_LT(interrupted_jump([](PetEngine& e) { e.throw_ball(); }), 0.6f);
  EXPECT_LT(interrupted_jump([](PetEngine& e) { e.toggle_sleep(); }), 0.6f);
  EXPECT_LT(interrupted_jump([](PetEngine& e) { e.on_signal(OkMsg{"ok"}); }), 0.6f);
}

}  // namespace
}  // namespace burrowly
