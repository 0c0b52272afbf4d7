// The lane along the top of the screen: the pet, its hat, its jumps and its toys stay
// inside the window, and the notch island's hump is ground to stand on.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/habitat.h"
#include "engine_fixture.h"

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

Config top_lane(bool notch = false) {
  Config config = quiet_config();
  config.position = Position::top;
  config.top_notch = notch;
  return config;
}

// The toy's picture lies wholly inside the window.
void expect_toy_inside(const PetEngine& engine, const std::string& when) {
  const DrawSnapshot s = engine.draw_snapshot(engine.monitor_index());
  if (!s.toy || s.toy->opacity <= 0.01f) return;
  const ToyReach reach = toy_reach(s.toy->kind);
  const float u = s.display_scale;
  const float y = s.habitat.ground_y - 6 * u - s.toy->height;
  constexpr float kRounding = 0.01f;
  EXPECT_GE(y - reach.above * u, -kRounding) << when;
  EXPECT_LE(y + reach.below * u, float(s.habitat.height) + kRounding) << when;
  EXPECT_GE(s.toy->x - reach.side * u, -kRounding) << when;
  EXPECT_LE(s.toy->x + reach.side * u, float(s.habitat.width) + kRounding) << when;
}

TEST(TopLane, TheTallestPetAndItsHighestJumpFitBelowTheScreensTop) {
  for (const float scale : {1.0f, 1.25f, 1.5f, 2.0f}) {
    EngineRig rig;
    MonitorInfo monitor;
    monitor.scale = scale;
    PetEngine engine = rig.make(top_lane(), {monitor});
    engine.on_signal(FailMsg{"exit 1"});  // a startled hop
    float highest = 0;
    for (int i = 0; i < 60; ++i) {
      engine.tick(0.02f, EngineRig::far_input(), {});
      highest = std::max(highest, engine.lift());
    }
    const HabitatRect lane = engine.habitat();
    EXPECT_GT(highest, 30 * scale) << "the hop keeps its height at scale " << scale;
    EXPECT_GE(lane.ground_y - highest - tallest_figure("M") * scale, 0.0f) << "scale " << scale;
    EXPECT_LE(lane.ground_y, float(lane.height) - 40 * scale) << "room for the bubble under the feet";
  }
}

TEST(TopLane, TheNotchHumpIsGroundThePetRestsAndLandsOn) {
  EngineRig rig;
  MonitorInfo narrow;  // the pet starts at x 248, on the hump of the notch at 105..295
  narrow.width = narrow.work_right = 400;
  PetEngine engine = rig.make(top_lane(true), {narrow});
  EngineRig::run(engine, 0.5f);
  ASSERT_EQ(engine.activity(), Activity::idle);
  const float hump = engine.floor_lift();
  ASSERT_GT(hump, 10.0f);
  EXPECT_FLOAT_EQ(engine.lift(), hump) << "resting on the hump, not inside the island";

  // A hop off the hump lands back on it, never above the window's top.
  engine.on_signal(FailMsg{"exit 1"});
  float highest = 0;
  for (int i = 0; i < 100 && engine.activity() == Activity::jump; ++i) {
    engine.tick(0.02f, EngineRig::far_input(), {});
    highest = std::max(highest, engine.lift());
    EXPECT_GE(engine.lift(), engine.floor_lift()) << "tick " << i;
  }
  EXPECT_GT(highest, hump + 20);
  EXPECT_LE(engine.habitat().ground_y - highest - tallest_figure("M"), 0.5f);
  EXPECT_NE(engine.activity(), Activity::jump);
  EXPECT_FLOAT_EQ(engine.lift(), engine.floor_lift());
  EXPECT_GT(engine.lift(), 0.0f);
}

TEST(TopLane, AThrownToyBouncesOffTheScreensTopAndStaysInView) {
  for (const bool top : {true, false}) {
    EngineRig rig;
    PetEngine engine = rig.make(top ? top_lane() : quiet_config());
    engine.throw_ball();
    bool batted = false;
    for (int i = 0; i < 400 && engine.activity() == Activity::ball; ++i) {
      InputSnapshot input = EngineRig::far_input();
      const DrawSnapshot s = engine.draw_snapshot(0);
      if (!batted && s.toy && s.toy->height > 60) {
        // A click on the toy high up sends it higher still.
        input.cursor_x = s.habitat.x + static_cast<int>(s.toy->x);
        input.cursor_y = s.habitat.y + static_cast<int>(s.habitat.ground_y - 6 - s.toy->height);
        input.left_down = input.left_pressed = batted = true;
      }
      engine.tick(0.02f, input, {});
      expect_toy_inside(engine, (top ? "top lane, tick " : "taskbar lane, tick ") + std::to_string(i));
    }
    EXPECT_TRUE(batted);
  }
}

TEST(TopLane, TheWaterDropFallsInsideTheWindowAndFadesOut) {
  for (const bool top : {true, false}) {
    EngineRig rig;
    Config config = top ? top_lane() : quiet_config();
    config.water_min = 1;
    PetEngine engine = rig.make(config);
    for (int i = 0; i < 3000 && engine.activity() != Activity::splash; ++i)
      engine.tick(0.05f, EngineRig::far_input(), {});
    ASSERT_EQ(engine.activity(), Activity::splash) << "the water reminder within 150 s";
    float last_opacity = 1;
    for (int i = 0; i < 200 && engine.activity() == Activity::splash; ++i) {
      engine.tick(0.02f, EngineRig::far_input(), {});
      const DrawSnapshot s = engine.draw_snapshot(0);
      if (engine.activity() != Activity::splash) break;
      ASSERT_TRUE(s.toy);
      last_opacity = s.toy->opacity;
      expect_toy_inside(engine, std::string(top ? "top" : "taskbar") + " lane, tick " + std::to_string(i));
    }
    EXPECT_LT(last_opacity, 0.5f) << (top ? "top lane" : "taskbar lane") << ": no vanishing at full opacity";
  }
}

}  // namespace
}  // namespace burrowly
