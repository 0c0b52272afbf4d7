// The hand-over and visit scenes as a person watching the lane sees them.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "engine_fixture.h"

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

// The figures of one scene frame, or nothing once the scene is over.
struct SceneFrame {
  FigureSnapshot newcomer, resident;  // resident: the animal on the lane before the scene
};

// Ticks once and returns the scene's figures (the newcomer is drawn first).
std::optional<SceneFrame> tick_scene(PetEngine& engine) {
  engine.tick(0.033f, EngineRig::far_input(), {});
  if (!engine.scene_running()) return std::nullopt;
  const DrawSnapshot snap = engine.draw_snapshot(engine.monitor_index());
  if (snap.figures.size() != 2) return std::nullopt;
  return SceneFrame{snap.figures[0], snap.figures[1]};
}

MonitorInfo full_hd() { return MonitorInfo{}; }  // 1920 x 1080, taskbar 48

TEST(PetScene, TheNewcomerRunsAllTheWayInAndTheTwoAreSeenTogetherBeforeTheOldOneLeaves) {
  // The pet starts at 0.62 of its first monitor's width and keeps that x when the
  // monitor is swapped for a full-HD one: right of the centre, left of it, at the edge.
  for (const int first_width : {1920, 400, 3040}) {
    EngineRig rig;
    MonitorInfo first = full_hd();
    first.width = first.work_right = first_width;
    PetEngine engine = rig.make(quiet_config(), {first});
    engine.replace_monitors({full_hd()});
    const float old_x = engine.x();
    engine.change_pet("cat");
    ASSERT_TRUE(engine.scene_running());

    std::optional<SceneFrame> first_leaving;
    for (int i = 0; i < 30 * 60 && engine.scene_running(); ++i) {
      const auto frame = tick_scene(engine);
      if (frame && frame->resident.clip == "walk" && !first_leaving) first_leaving = frame;
    }
    ASSERT_FALSE(engine.scene_running()) << "the scene ends";
    ASSERT_TRUE(first_leaving) << "the old animal walks off";
    EXPECT_NEAR(std::abs(first_leaving->newcomer.x - old_x), 44, 16.5f)
        << "the newcomer stands beside the old animal when it starts to leave (old at " << old_x << ")";
    EXPECT_GT(first_leaving->resident.opacity, 0.9f) << "both are seen together";
    EXPECT_NEAR(engine.x(), first_leaving->newcomer.x, 1.0f) << "the pet is the newcomer where it stopped";
  }
}

TEST(PetScene, AVisitEndsWithTheVisitorLeavingAndThePetStayingWhereItIs) {
  EngineRig rig;
  Config config = quiet_config();
  config.first_day = "2026-03-01";  // the fourth day together: a visit is due
  config.visit_day.clear();
  PetEngine engine = rig.make(config, {full_hd()});

  // The visit comes at a random moment after the first 45 s; wait for it.
  for (int i = 0; i < 20 * 60 * 30 && !engine.scene_running(); ++i)
    engine.tick(0.033f, EngineRig::far_input(), {});
  ASSERT_TRUE(engine.scene_running()) << "a visit within 20 simulated minutes";
  const float pet_x = engine.x();

  std::optional<SceneFrame> last;
  for (int i = 0; i < 30 * 60 && engine.scene_running(); ++i)
    if (auto frame = tick_scene(engine)) last = frame;
  ASSERT_FALSE(engine.scene_running());
  ASSERT_TRUE(last);
  EXPECT_EQ(last->resident.species, "corgi");
  EXPECT_FLOAT_EQ(last->resident.x, pet_x) << "the pet never moved";
  EXPECT_FLOAT_EQ(last->resident.opacity, 1.0f);
  EXPECT_LT(last->newcomer.opacity, 0.1f) << "the visitor has faded out";
  EXPECT_GT(std::abs(last->newcomer.x - pet_x), 44.0f) << "walking away from the pet";

  const DrawSnapshot after = engine.draw_snapshot(engine.monitor_index());
  ASSERT_EQ(after.figures.size(), 1u);
  EXPECT_EQ(after.figures[0].species, "corgi");
  EXPECT_FLOAT_EQ(engine.x(), pet_x) << "no pop-in at the visitor's spot";
}

}  // namespace
}  // namespace burrowly
