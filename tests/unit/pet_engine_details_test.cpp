// Small things people see: the box wobble, the wiggle's shake, the fly's first frames
// and messages made only of white space.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine_fixture.h"

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

// Runs an engine per seed until its first choice after the opening idle passes the
// check; that engine, or nothing after 400 seeds.
std::optional<PetEngine> first_choice_where(EngineRig& rig, const std::function<bool(const PetEngine&)>& wanted,
                                           const Config& config = quiet_config(),
                                           const std::vector<MonitorInfo>& monitors = {MonitorInfo{}}) {
  for (int seed = 0; seed < 400; ++seed) {
    rig.filetime = 116444736000000000ULL + 12345 + static_cast<std::uint64_t>(seed) * 7919;
    PetEngine engine = rig.make(config, monitors);
    for (int i = 0; i < 200 && engine.activity() == Activity::idle; ++i)
      engine.tick(0.05f, EngineRig::far_input(), {});
    if (wanted(engine)) return engine;
  }
  return std::nullopt;
}

TEST(PetDetails, BoxWobbleCanBeSeen) {
  EngineRig rig;
  auto engine = first_choice_where(rig, [](const PetEngine& e) { return e.activity() == Activity::box; });
  ASSERT_TRUE(engine);
  float peak = 0;
  for (int i = 0; i < 60 && engine->activity() == Activity::box; ++i) {
    engine->tick(0.02f, EngineRig::far_input(), {});
    peak = std::max(peak, std::abs(engine->draw_snapshot(0).figures[0].bob));
  }
  EXPECT_GT(peak, 2.0f);
}

TEST(PetDetails, WiggleEndsInAShake) {
  EngineRig rig;
  auto engine = first_choice_where(rig, [](const PetEngine& e) {
    const auto* fidget = std::get_if<FidgetActivity>(&e.activity_state());
    return fidget && fidget->clip == "wiggle";
  });
  ASSERT_TRUE(engine);
  engine->tick(0.05f, EngineRig::far_input(), {});
  ASSERT_EQ(engine->clip(), "wiggle");
  for (int i = 0; i < 100 && engine->clip() == "wiggle"; ++i) engine->tick(0.05f, EngineRig::far_input(), {});
  EXPECT_EQ(engine->clip(), "shake");
  EXPECT_EQ(engine->activity(), Activity::fidget);
}

TEST(PetDetails, FlyStartsWhereItIsFirstDrawnAndNeverJumps) {
  EngineRig rig;
  auto engine = first_choice_where(rig, [](const PetEngine& e) { return e.activity() == Activity::fly; });
  ASSERT_TRUE(engine);
  float last = engine->draw_snapshot(0).toy->height;
  EXPECT_NEAR(last, 70, 3);
  for (int i = 0; i < 40 && engine->activity() == Activity::fly; ++i) {
    engine->tick(0.033f, EngineRig::far_input(), {});
    if (!engine->draw_snapshot(0).toy) break;
    const float height = engine->draw_snapshot(0).toy->height;
    EXPECT_LT(std::abs(height - last), 6.0f) << "frame " << i;
    EXPECT_GE(height, 23.0f);
    EXPECT_LE(height, 73.0f);
    last = height;
  }
}

TEST(PetDetails, PetOnTheNotchHumpIsStrokedOnlyOnItsGround) {
  EngineRig rig;
  Config config = quiet_config();
  config.position = Position::top;
  config.top_notch = true;
  MonitorInfo narrow;  // the pet starts at x 248, on the hump of the notch at 105..295
  narrow.width = narrow.work_right = 400;
  auto engine = first_choice_where(rig, [](const PetEngine& e) { return e.activity() == Activity::walk; }, config,
                                   {narrow});
  ASSERT_TRUE(engine);
  float peak = 0;
  for (int i = 0; i < 60 && engine->activity() != Activity::idle; ++i) {
    const HabitatRect rect = engine->habitat();
    InputSnapshot input = EngineRig::far_input();
    input.cursor_x = rect.x + static_cast<int>(engine->x()) + (i % 2 ? 8 : -8);
    input.cursor_y = rect.y + static_cast<int>(rect.ground_y - engine->lift()) - 20;
    const float lift = engine->lift(), floor = engine->floor_lift();
    engine->tick(0.033f, input, {});
    peak = std::max(peak, lift);
    if (engine->activity() == Activity::petted) {
      EXPECT_EQ(lift, floor) << "petted in the air at tick " << i;
    }
  }
  EXPECT_GT(peak, 10.0f) << "the walk never went over the hump";
}

TEST(PetDetails, UnicodeWhiteSpaceCountsAsBlank) {
  const auto shown = [](SignalMsg message) {
    EngineRig rig;
    PetEngine engine = rig.make(quiet_config());
    engine.on_signal(message);
    return engine.speech_text().value_or("");
  };
  const std::string ok_line = shown(OkMsg{" "});
  const std::string fail_line = shown(FailMsg{" "});
  ASSERT_FALSE(ok_line.empty());
  EXPECT_EQ(shown(OkMsg{"\u00a0"}), ok_line);
  EXPECT_EQ(shown(OkMsg{"\u3000 \u3000"}), ok_line);
  EXPECT_EQ(shown(FailMsg{"\u3000"}), fail_line);
  EXPECT_EQ(shown(FailMsg{"\u00a0exit 1"}), "\u00a0exit 1");
}

}  // namespace
}  // namespace burrowly
