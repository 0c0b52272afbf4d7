// Playing with the pet: clicks, stroking, the thrown toy, monitor hops, and how the
// body is drawn.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/animal_groups.h"
#include "render/effects.h"
#include "engine_fixture.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// The nothrow form too, so every allocation the library makes pairs with our delete.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size ? size : 1);
}
// These replace the global pair, so free() matches the malloc() above; GCC cannot see that.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

// The screen point just above the pet's feet on the default monitor's taskbar lane.
InputSnapshot on_pet(const PetEngine& engine, float dx = 0, bool press = false) {
  const HabitatRect rect = engine.habitat();
  InputSnapshot input;
  input.cursor_x = rect.x + static_cast<int>(engine.x() + dx);
  input.cursor_y = rect.y + static_cast<int>(rect.ground_y) - 20;
  input.idle_ms = 1000;
  input.left_pressed = press;
  input.left_down = press;
  return input;
}

// Brings the cursor straight down onto the pet, so that arriving is not a stroke.
void settle_cursor(PetEngine& engine, float dx = 0) {
  InputSnapshot above = on_pet(engine, dx);
  above.cursor_y = 5;
  engine.tick(0.05f, above, {});
  engine.tick(0.05f, on_pet(engine, dx), {});
}

std::size_t hearts(const PetEngine& engine) {
  std::size_t n = 0;
  for (const Particle& p : engine.particles()) n += p.kind == effect::heart;
  return n;
}

TEST(PetPlayClicks, SleepingPetIsOnlySquashed) {
  EngineRig rig;
  Config config = quiet_config();
  config.chatty = true;
  config.forced_sleep = true;
  PetEngine engine = rig.make(config);
  const float x = engine.x();
  for (int click = 0; click < 3; ++click) {
    engine.tick(0.05f, on_pet(engine, 0, true), {});
    EXPECT_LT(engine.draw_snapshot(0).figures[0].scale_y, 1.0f);
    EngineRig::run(engine, 0.3f, on_pet(engine));
  }
  EXPECT_EQ(engine.activity(), Activity::nap);
  EXPECT_EQ(hearts(engine), 0u);
  EXPECT_FALSE(engine.speech_text());
  EXPECT_FLOAT_EQ(engine.x(), x);
}

TEST(PetPlayClicks, CorgiWoofsOnTheSecondClickAndHopsAwayOnTheThird) {
  EngineRig rig;
  Config config = quiet_config();
  config.chatty = true;
  PetEngine engine = rig.make(config);
  EngineRig::run(engine, 3.5f);  // let the greeting fade
  settle_cursor(engine, 5);
  engine.tick(0.05f, on_pet(engine, 5, true), {});
  EXPECT_EQ(hearts(engine), 1u);
  EXPECT_FALSE(engine.speech_text());
  engine.tick(0.05f, on_pet(engine, 5), {});
  engine.tick(0.05f, on_pet(engine, 5, true), {});
  EXPECT_EQ(hearts(engine), 2u);
  EXPECT_EQ(engine.speech_text().value_or(""), "woof!");
  engine.tick(0.05f, on_pet(engine, 5), {});
  const float x = engine.x();
  engine.tick(0.05f, on_pet(engine, 5, true), {});
  EXPECT_EQ(engine.speech_text().value_or(""), "ouch!");
  EXPECT_EQ(engine.activity(), Activity::jump);
  EngineRig::run(engine, 0.6f);
  EXPECT_LT(engine.x(), x - 30);  // away from the cursor on its right
}

TEST(PetPlayClicks, CatHissesOnTheThirdClick) {
  EngineRig rig;
  Config config = quiet_config();
  config.pet = "cat";
  PetEngine engine = rig.make(config);
  for (int click = 0; click < 3; ++click) {
    engine.tick(0.05f, on_pet(engine, 0, true), {});
    engine.tick(0.05f, on_pet(engine), {});
  }
  EXPECT_EQ(engine.speech_text().value_or(""), "hiss!");
}

TEST(PetPlayStroking, ReversalsCompleteAStrokeSoonerAndTheCountIsSaved) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  settle_cursor(engine);
  const float start = engine.x();
  const auto along = [&](float dx) {
    InputSnapshot input = on_pet(engine);
    input.cursor_x = engine.habitat().x + static_cast<int>(start + dx);
    return input;
  };
  for (float dx : {6.0f, 12.0f, 18.0f}) engine.tick(0.05f, along(dx), {});
  EXPECT_NE(engine.activity(), Activity::petted) << "one-way strokes fill the meter slowly";

  EngineRig reversing_rig;
  PetEngine reversing = reversing_rig.make(quiet_config());
  const float x = reversing.x();
  const auto at = [&](float dx) {
    InputSnapshot input = on_pet(reversing);
    input.cursor_x = reversing.habitat().x + static_cast<int>(x + dx);
    return input;
  };
  settle_cursor(reversing);
  for (float dx : {6.0f, 0.0f, 6.0f}) reversing.tick(0.05f, at(dx), {});
  EXPECT_EQ(reversing.activity(), Activity::petted);
  EXPECT_EQ(reversing.config().stat_pet_today, 1u);
  EXPECT_EQ(reversing.config().stat_pet_all, 1u);
  EngineRig::run(reversing, 2.1f);
  ASSERT_FALSE(reversing_rig.saves.empty());
  EXPECT_EQ(reversing_rig.saves.back().stat_pet_today, 1u);
}

// The purr and the heart of one stroke are drawn apart for their whole rise.
TEST(PetPlayStroking, PurrAndHeartNeverCoverEachOther) {
  EngineRig rig;
  Config config = quiet_config();
  config.pet = "cat";
  PetEngine engine = rig.make(config);
  const float x = engine.x();
  settle_cursor(engine);
  for (float dx : {6.0f, 0.0f, 6.0f}) engine.tick(0.05f, on_pet(engine, dx - engine.x() + x), {});
  ASSERT_EQ(engine.activity(), Activity::petted);
  std::optional<Particle> purr, heart;
  for (const Particle& p : engine.particles()) {
    if (p.kind == effect::purr_puff) purr = p;
    if (p.kind == effect::heart) heart = p;
  }
  ASSERT_TRUE(purr && heart);
  const Font font = embedded_ui_font();
  for (float u : {1.0f, 2.0f})
    for (float age = 0; age < purr->life; age += 0.1f) {
      Particle a = *purr, b = *heart;
      a.age = b.age = age;
      // The pet at x 100 of a small pixmap, everything at the display scale.
      for (Particle* p : {&a, &b}) p->x = (p->x - engine.x() + 100) * u, p->y *= u;
      Pixmap drawn_purr = *Pixmap::create(500, 500), drawn_heart = *Pixmap::create(500, 500);
      draw_particle(drawn_purr, font, a, Language::en, u);
      draw_particle(drawn_heart, font, b, Language::en, u);
      std::size_t shared = 0, purr_pixels = 0;
      for (std::size_t i = 3; i < drawn_purr.byte_size(); i += 4) {
        purr_pixels += drawn_purr.data()[i] != 0;
        shared += drawn_purr.data()[i] != 0 && drawn_heart.data()[i] != 0;
      }
      EXPECT_GT(purr_pixels, 0u) << "age " << age;
      EXPECT_EQ(shared, 0u) << "age " << age << " scale " << u;
    }
}

TEST(PetPlayStroking, OneQuickPassAcrossThePetIsNoStrokeButBackAndForthIs) {
  for (const float speed : {600.0f, 1200.0f}) {
    EngineRig rig;
    PetEngine engine = rig.make(quiet_config());
    const float x = engine.x();
    const float step = speed / 30;
    settle_cursor(engine, -100);
    for (float dx = -100 + step; dx <= 100; dx += step) engine.tick(1.0f / 30, on_pet(engine, dx - engine.x() + x), {});
    EXPECT_NE(engine.activity(), Activity::petted) << speed << " px/s";
    EXPECT_EQ(engine.config().stat_pet_today, 0u) << speed << " px/s";
    for (float dx = 100 - step; dx >= -100; dx -= step) engine.tick(1.0f / 30, on_pet(engine, dx - engine.x() + x), {});
    EXPECT_EQ(engine.config().stat_pet_today, 1u) << "back again at " << speed << " px/s";
  }
}

TEST(PetPlayStroking, StrokesInMidJumpWaitForTheLanding) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  for (int click = 0; click < 3; ++click) {
    engine.tick(0.05f, on_pet(engine, 0, true), {});
    engine.tick(0.05f, on_pet(engine), {});
  }
  ASSERT_EQ(engine.activity(), Activity::jump);
  // Quick strokes across the pet where it is in the air, until it lands.
  float peak = 0;
  int tick = 0;
  for (; tick < 40 && (tick < 2 || engine.lift() > 0); ++tick) {
    InputSnapshot input = on_pet(engine, tick % 2 ? 8.0f : -8.0f);
    input.cursor_y -= static_cast<int>(engine.lift());
    engine.tick(0.033f, input, {});
    peak = std::max(peak, engine.lift());
    EXPECT_NE(engine.activity(), Activity::petted) << "petted in the air at tick " << tick;
  }
  EXPECT_GT(peak, 20.0f);
  EXPECT_LT(tick, 40) << "the pet never came down";
  EXPECT_FLOAT_EQ(engine.lift(), 0.0f);
}

TEST(PetPlayStroking, CursorMovedWhileHiddenIsNoStrokeAfterwards) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  settle_cursor(engine, -100);
  engine.config().pet_hidden = true;
  for (float dx : {-60.0f, 0.0f, 20.0f}) engine.tick(0.05f, on_pet(engine, dx), {});
  engine.config().pet_hidden = false;
  engine.tick(0.05f, on_pet(engine, 20), {});  // resting on the pet, as when it was hidden
  engine.tick(0.05f, on_pet(engine, 18), {});
  EXPECT_NE(engine.activity(), Activity::petted);
  EXPECT_EQ(engine.config().stat_pet_today, 0u);
}

TEST(PetPlayStroking, CursorRestingOnThePetAtStartIsNoStroke) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  engine.tick(0.05f, on_pet(engine, 10), {});
  engine.tick(0.05f, on_pet(engine, 10), {});
  EXPECT_NE(engine.activity(), Activity::petted);
  EXPECT_EQ(engine.config().stat_pet_today, 0u);
}

TEST(PetPlayClips, MissingWalkArtFallsBackToSitting) {
  EngineRig rig;
  rig.missing_clips = {"walk", "run"};
  Config config = quiet_config();
  config.water_min = 1;  // a water walk after a minute of idling
  PetEngine engine = rig.make(config);
  bool walked = false;
  for (int i = 0; i < 1300 && !walked; ++i) {
    engine.tick(0.05f, EngineRig::far_input(), {});
    if (engine.activity() == Activity::walk) {
      walked = true;
      EngineRig::run(engine, 0.1f);
      if (engine.activity() == Activity::walk) {
        EXPECT_EQ(engine.clip(), "sit");
      }
    }
    EXPECT_NE(engine.clip(), "walk");
  }
  EXPECT_TRUE(walked);
}

TEST(PetPlayBall, ThrownToyBouncesAtMostWhileFastAndGameEnds) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  engine.throw_ball();
  EXPECT_EQ(engine.config().stat_ball, 1u);
  ASSERT_TRUE(engine.draw_snapshot(0).toy);
  EXPECT_EQ(engine.draw_snapshot(0).toy->kind, ToyKind::frisbee);
  int last_bounces = 0;
  float seconds = 0;
  for (; seconds < 12 && engine.activity() == Activity::ball; seconds += 0.02f) {
    const BallActivity before = std::get<BallActivity>(engine.activity_state());
    engine.tick(0.02f, EngineRig::far_input(), {});
    if (const auto* ball = std::get_if<BallActivity>(&engine.activity_state())) {
      if (ball->bounces > last_bounces) {
        // Only a landing faster than 45 px/s rebounds, and each landing counts once.
        EXPECT_EQ(ball->bounces, last_bounces + 1);
        EXPECT_GT(std::abs(before.vh - 620 * 0.02f), 45.0f);
        EXPECT_EQ(ball->height, 0.0f);
      }
      last_bounces = ball->bounces;
      EXPECT_GE(ball->x, 18.0f);
      EXPECT_LE(ball->x, 1920 - 18.0f);
    }
  }
  EXPECT_GT(last_bounces, 0);
  EXPECT_LE(seconds, 10.6f);
  EXPECT_FALSE(engine.draw_snapshot(0).toy);
  EngineRig::run(engine, 1.6f);
  ASSERT_FALSE(rig.saves.empty());
  EXPECT_EQ(rig.saves.back().stat_ball, 1u);
}

TEST(PetPlayBall, ToyPictureFollowsTheSpeciesGroup) {
  EXPECT_EQ(toy_kind_for("manul"), ToyKind::yarn_ball);
  EXPECT_EQ(toy_kind_for("husky"), ToyKind::frisbee);
  EXPECT_EQ(toy_kind_for("hamster"), ToyKind::carrot);
  EXPECT_EQ(toy_kind_for("parrot"), ToyKind::treat);
  EXPECT_EQ(toy_kind_for("ladybug"), ToyKind::treat);
}

TEST(PetPlayMonitors, HopsAcrossThreeMonitorsWrapRound) {
  std::vector<MonitorInfo> monitors(3);
  for (int i = 0; i < 3; ++i) {
    monitors[i].x = 1920 * i;
    monitors[i].primary = i == 0;
  }
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config(), monitors);
  ASSERT_EQ(engine.monitor_index(), 0u);
  EXPECT_TRUE(engine.hop_monitor(+1));
  EXPECT_EQ(engine.monitor_index(), 1u);
  EXPECT_FLOAT_EQ(engine.x(), 24);
  EXPECT_TRUE(engine.hop_monitor(+1));
  EXPECT_EQ(engine.monitor_index(), 2u);
  EXPECT_TRUE(engine.hop_monitor(+1));  // nothing further right: round to the first
  EXPECT_EQ(engine.monitor_index(), 0u);
  EXPECT_TRUE(engine.hop_monitor(-1));  // nothing further left: from the last one
  EXPECT_EQ(engine.monitor_index(), 2u);
  EXPECT_FLOAT_EQ(engine.x(), 1920 - 24);
  EXPECT_EQ(engine.activity(), Activity::walk);
  EXPECT_TRUE(engine.draw_snapshot(0).figures.empty());
  EXPECT_EQ(engine.draw_snapshot(2).figures.size(), 1u);
}

TEST(PetPlayMonitors, BlockedMonitorsAreSkippedAndNoneUsableFails) {
  std::vector<MonitorInfo> monitors(3);
  for (int i = 0; i < 3; ++i) {
    monitors[i].x = 1920 * i;
    monitors[i].primary = i == 0;
  }
  monitors[1].blocked = true;
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config(), monitors);
  EXPECT_TRUE(engine.hop_monitor(+1));
  EXPECT_EQ(engine.monitor_index(), 2u);
  monitors[0].blocked = true;
  engine.replace_monitors(monitors);
  EXPECT_FALSE(engine.hop_monitor(+1));
  EXPECT_EQ(engine.monitor_index(), 2u);
  EXPECT_EQ(engine.activity(), Activity::idle);
}

TEST(PetPlayMonitors, WalkUnderWayStaysOnANarrowerLaneAfterReLayout) {
  std::vector<MonitorInfo> monitors(2);
  monitors[1].x = 1920;
  monitors[1].width = 3840;
  monitors[1].primary = false;
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config(), monitors);
  ASSERT_TRUE(engine.hop_monitor(+1));  // walks in from the left edge towards the middle, x 1920
  EngineRig::run(engine, 2);
  ASSERT_EQ(engine.activity(), Activity::walk);
  monitors[1].width = 1280;
  engine.replace_monitors(monitors);
  for (int tick = 0; tick < 400 && engine.activity() == Activity::walk; ++tick) {
    engine.tick(0.05f, EngineRig::far_input(), {});
    ASSERT_LE(engine.x(), 1280.0f) << "walked off the lane at tick " << tick;
  }
  EXPECT_NE(engine.activity(), Activity::walk);
}

TEST(PetPlayMonitors, WalkUnderWayStaysOnTheLaneItEscapesTo) {
  std::vector<MonitorInfo> monitors(3);
  monitors[0].x = -1280;
  monitors[0].width = 1280;
  monitors[0].primary = false;
  monitors[2].x = 1920;
  monitors[2].width = 3840;
  monitors[2].primary = false;
  EngineRig rig;
  Config config = quiet_config();
  config.cross_monitors = true;
  PetEngine engine = rig.make(config, monitors);
  ASSERT_TRUE(engine.hop_monitor(+1));  // walks in from the left edge towards x 1920
  EngineRig::run(engine, 1);
  ASSERT_EQ(engine.activity(), Activity::walk);
  monitors[2].blocked = true;  // a fullscreen program: the pet leaves for the first free lane
  engine.replace_monitors(monitors);
  for (int tick = 0; tick < 400 && engine.activity() == Activity::walk; ++tick) {
    engine.tick(0.05f, EngineRig::far_input(), {});
    ASSERT_EQ(engine.monitor_index(), 0u);
    ASSERT_LE(engine.x(), 1280.0f) << "walked off the lane at tick " << tick;
  }
  EXPECT_NE(engine.activity(), Activity::walk);
}

TEST(PetPlayMonitors, NarrowMonitorPinsTheJumpAtTheLowerBound) {
  MonitorInfo tiny;
  tiny.width = 30;
  tiny.work_right = 30;
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config(), {tiny});
  engine.on_signal(FailMsg{""});
  EngineRig::run(engine, 1);
  EXPECT_FLOAT_EQ(engine.x(), 20);
}

TEST(PetBody, TurnFlipsAtTheMidpointWhereTheFigureIsNarrowest) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  ASSERT_EQ(engine.draw_snapshot(0).figures[0].facing, -1);
  InputSnapshot right = EngineRig::far_input();  // idle pet, cursor in its band on the right
  right.cursor_x = 1800;
  right.cursor_y = 1000;
  float flipped_at = -1, width_at_flip = 1, last_turn = 1;
  for (int i = 1; i <= 30; ++i) {
    engine.tick(0.01f, right, {});
    const FigureSnapshot f = engine.draw_snapshot(0).figures[0];
    const float turn = f.scale_x / ((1 - f.scale_y) * 0.75f + 1);
    if (flipped_at < 0 && f.facing > 0) {
      flipped_at = i * 0.01f;
      width_at_flip = std::min(turn, last_turn);
    }
    last_turn = turn;
  }
  EXPECT_NEAR(flipped_at, 0.085f + 0.01f, 0.011f);  // half of the 0.17 s turn, after the first tick
  EXPECT_LT(width_at_flip, 0.4f);  // 0.3 exactly at the midpoint
  EXPECT_NEAR(last_turn, 1.0f, 1e-4);  // the turn is over well within 0.3 s
}

// A sleeping pet's "z" rises from its head, on the side it faces, and drifts that way.
TEST(PetBody, SleepMarksRiseFromTheHeadSide) {
  for (bool cursor_on_the_left : {false, true}) {
    EngineRig rig;
    PetEngine engine = rig.make(quiet_config());
    // Three clicks make the pet hop away from the cursor, so it faces away from it.
    for (int click = 0; click < 3; ++click) {
      engine.tick(0.05f, on_pet(engine, cursor_on_the_left ? -5 : 5, true), {});
      engine.tick(0.05f, on_pet(engine, cursor_on_the_left ? -5 : 5), {});
    }
    EngineRig::run(engine, 1.5f);
    const float facing = engine.facing();
    EXPECT_EQ(facing > 0, cursor_on_the_left);
    engine.toggle_sleep();
    EngineRig::run(engine, 2.5f);
    std::size_t marks = 0;
    for (const Particle& p : engine.particles()) {
      if (p.kind != effect::sleep_z) continue;
      ++marks;
      EXPECT_GT((p.x - engine.x()) * facing, 0) << "beside the head";
      EXPECT_GT(p.drift * facing, 0) << "drifting away from the body";
    }
    EXPECT_GT(marks, 0u);
  }
}

TEST(PetBody, FrameTimeIsClampedAndClipsWrap) {
  EngineRig rig;
  Config config = quiet_config();
  config.forced_sleep = true;  // sleep at 3 fps: nothing else changes the clip
  PetEngine engine = rig.make(config);
  engine.tick(0.5f, EngineRig::far_input(), {});  // simulated as 0.1 s
  engine.tick(0.2f, EngineRig::far_input(), {});
  engine.tick(0.1f, EngineRig::far_input(), {});
  EXPECT_EQ(engine.draw_snapshot(0).figures[0].frame, 0u);  // 0.3 s at 3 fps
  for (int i = 0; i < 17; ++i) engine.tick(0.1f, EngineRig::far_input(), {});
  EXPECT_EQ(engine.draw_snapshot(0).figures[0].frame, 1u);  // two seconds: six frames of five
  EXPECT_FALSE(engine.draw_snapshot(0).figures[0].blink);
}

TEST(PetEngineCost, SteadyTickAllocatesNothing) {
  EngineRig rig;
  Config config = quiet_config();
  config.forced_sleep = true;
  PetEngine engine = rig.make(config);
  EngineRig::run(engine, 5);
  const InputSnapshot input = EngineRig::far_input();
  const DesktopSense desktop;
  const long before = g_allocations.load();
  for (int i = 0; i < 200; ++i) engine.tick(0.05f, input, desktop);
  // Sleep marks come and go; the bounded particle list keeps its storage.
  EXPECT_LE(g_allocations.load() - before, 0);
}

}  // namespace
}  // namespace burrowly
