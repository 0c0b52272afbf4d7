// Several monitors from enumeration to the overlays: order, hops, a fullscreen window
// on the pet's monitor, and monitors coming and going.
#include <gtest/gtest.h>

#include "engine/habitat.h"
#include "engine_fixture.h"
#include "render/snapshot_renderer.h"
#include "shell/frame_driver.h"
#include "shell/frame_plan.h"
#include "shell/monitor_layout.h"

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

MonitorInfo monitor(int x, int y, int width, int height, int taskbar, float scale, bool primary) {
  MonitorInfo m;
  m.x = x, m.y = y, m.width = width, m.height = height;
  m.work_left = x, m.work_top = y, m.work_right = x + width, m.work_bottom = y + height - taskbar;
  m.scale = scale;
  m.primary = primary;
  return m;
}

// As Windows enumerates them: the primary laptop screen first, a tall scaled monitor
// to its right, an old one to its left with the taskbar auto-hidden.
std::vector<MonitorInfo> three_desks() {
  return sort_monitors({monitor(0, 0, 1920, 1080, 48, 1.25f, true), monitor(1920, -400, 2560, 1440, 60, 1.5f, false),
                        monitor(-1280, 56, 1280, 1024, 0, 1.0f, false)});
}

ForegroundWindow fullscreen_on(const MonitorInfo& m) {
  return {u"MPC-HC", WindowRect{m.x, m.y, m.x + m.width, m.y + m.height}};
}

TEST(MultiMonitor, EnumerationIsOrderedLeftToRightAndKeepsItsNumbers) {
  std::vector<MonitorInfo> monitors = three_desks();
  ASSERT_EQ(monitors.size(), 3u);
  EXPECT_EQ(monitors[0].x, -1280);
  EXPECT_EQ(monitors[0].number, 3u);
  EXPECT_TRUE(monitors[1].primary);
  EXPECT_EQ(monitors[1].number, 1u);
  EXPECT_EQ(monitors[2].number, 2u);
  // Each lane sits at the bottom of its own monitor, above its own taskbar.
  for (const MonitorInfo& m : monitors) {
    HabitatRect lane = habitat_rect(m, false, false, "M");
    EXPECT_EQ(lane.x, m.x);
    EXPECT_EQ(lane.y + lane.height, m.y + m.height);
    EXPECT_LE(lane.ground_y, float(lane.height));
  }
}

TEST(MultiMonitor, HopsVisitEveryMonitorInScreenOrderAndWrapRound) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config(), three_desks());
  std::vector<std::size_t> visited{engine.monitor_index()};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(engine.hop_monitor(+1));
    visited.push_back(engine.monitor_index());
  }
  EXPECT_EQ(visited.back(), visited.front()) << "three hops right come back round";
  EXPECT_EQ(visited[1], (visited[0] + 1) % 3);
  EXPECT_EQ(visited[2], (visited[0] + 2) % 3);
}

TEST(MultiMonitor, AFullscreenWindowHidesThePetsOverlayUntilThePetEscapes) {
  EngineRig rig;
  std::vector<MonitorInfo> monitors = three_desks();
  Config roaming = quiet_config();
  roaming.cross_monitors = true;
  PetEngine engine = rig.make(roaming, monitors);
  ASSERT_TRUE(engine.hop_monitor(+1));
  const std::size_t before = engine.monitor_index();

  mark_blocked_monitors(monitors, fullscreen_on(monitors[before]));
  FrameState frame{.pet_monitor = before};
  std::vector<OverlayAction> plan = plan_overlays(monitors, monitors.size(), frame);
  EXPECT_EQ(plan[before], OverlayAction::clear);

  engine.replace_monitors(monitors);
  EngineRig::run(engine, 0.2f);
  const std::size_t after = engine.monitor_index();
  EXPECT_NE(after, before) << "the pet moved to a monitor without the fullscreen window";
  EXPECT_FALSE(monitors[after].blocked);
  frame.pet_monitor = after;
  plan = plan_overlays(monitors, monitors.size(), frame);
  EXPECT_EQ(plan[after], OverlayAction::draw);
  EXPECT_FALSE(engine.draw_snapshot(after).figures.empty());
}

TEST(MultiMonitor, AFullscreenWindowElsewhereLeavesThePetWhereItIs) {
  EngineRig rig;
  std::vector<MonitorInfo> monitors = three_desks();
  PetEngine engine = rig.make(quiet_config(), monitors);
  ASSERT_TRUE(engine.hop_monitor(+1));  // lands 24 px in, walking to the middle
  const std::size_t home = engine.monitor_index();
  ASSERT_FLOAT_EQ(engine.x(), 24.0f);
  ASSERT_EQ(engine.activity(), Activity::walk);
  const auto target = std::get<WalkActivity>(engine.activity_state()).target;

  // The sensing tick, as both shells run it.
  const std::size_t other = (home + 1) % monitors.size();
  update_blocked_monitors(engine, monitors, fullscreen_on(monitors[other]));
  EXPECT_TRUE(engine.monitors()[other].blocked);
  EXPECT_EQ(engine.monitor_index(), home);
  EXPECT_FLOAT_EQ(engine.x(), 24.0f) << "no clamp to the refresh's 30 px margin";
  ASSERT_EQ(engine.activity(), Activity::walk);
  EXPECT_EQ(std::get<WalkActivity>(engine.activity_state()).target, target);
  EXPECT_TRUE(engine.needs_redraw());

  // The fullscreen window moves to the pet's own monitor: the flags follow it.
  update_blocked_monitors(engine, monitors, fullscreen_on(monitors[home]));
  EXPECT_TRUE(engine.monitors()[home].blocked);
  EXPECT_FALSE(engine.monitors()[other].blocked);
}

TEST(MultiMonitor, UnpluggingThePetsMonitorBringsItBackOnScreen) {
  EngineRig rig;
  std::vector<MonitorInfo> monitors = three_desks();
  PetEngine engine = rig.make(quiet_config(), monitors);
  while (engine.monitor_index() != 2) ASSERT_TRUE(engine.hop_monitor(+1));
  EngineRig::run(engine, 0.5f);

  // The wide right-hand monitor goes; the pet lands on the leftmost, inside its width.
  monitors.pop_back();
  engine.replace_monitors(monitors);
  EXPECT_EQ(engine.monitor_index(), 0u);
  EXPECT_GE(engine.x(), 30.0f);
  EXPECT_LE(engine.x(), float(monitors[0].width - 30));
  EngineRig::run(engine, 1.0f);
  EXPECT_FALSE(engine.draw_snapshot(0).figures.empty());
  EXPECT_GE(engine.x(), 0.0f);
  EXPECT_LE(engine.x(), float(monitors[0].width));
}

// Dark, nearly opaque pixels in the middle of the top rows: the island's panel.
bool island_drawn(const Pixmap& p) {
  const std::uint8_t* pixel = p.data() + (std::size_t(4) * p.width() + p.width() / 2) * 4;
  return pixel[3] > 200 && pixel[0] < 60 && pixel[1] < 60 && pixel[2] < 60;
}

TEST(MultiMonitor, NotchIslandStaysOnThePrimaryMonitorWhileThePetIsOnAnother) {
  EngineRig rig;
  std::vector<MonitorInfo> monitors = three_desks();
  Config notch = quiet_config();
  notch.position = Position::top;
  notch.top_notch = true;
  PetEngine engine = rig.make(notch, monitors);
  const std::size_t primary = engine.monitor_index();
  ASSERT_TRUE(monitors[primary].primary);
  ASSERT_TRUE(engine.hop_monitor(+1));
  const std::size_t pet = engine.monitor_index();

  const FrameState frame{.pet_monitor = pet, .notch_mode = true};
  const std::vector<OverlayAction> plan = plan_overlays(monitors, monitors.size(), frame);
  ASSERT_EQ(plan[primary], OverlayAction::draw);
  ASSERT_EQ(plan[pet], OverlayAction::draw);

  auto overlay = [&](std::size_t i) {
    const HabitatRect lane = habitat_rect(monitors[i], true, true, notch.size);
    Pixmap p = *Pixmap::create(std::uint32_t(lane.width), std::uint32_t(lane.height));
    render_snapshot(p, engine.draw_snapshot(i), nullptr, Font());
    return p;
  };
  EXPECT_TRUE(island_drawn(overlay(primary))) << "the primary monitor's overlay shows the island";
  EXPECT_FALSE(island_drawn(overlay(pet))) << "no island on a monitor that is not the primary";

  engine.config().pet_hidden = true;
  EXPECT_FALSE(island_drawn(overlay(primary))) << "a hidden pet takes the island with it";
}

}  // namespace
}  // namespace burrowly
