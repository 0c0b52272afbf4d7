// The pet's own choices and its care reminders, driven with fixed seeds and a
// scripted clock.
#include <gtest/gtest.h>

#include <map>

#include "engine_fixture.h"

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

bool said(const PetEngine& engine, std::string_view words) {
  return engine.speech_text() && *engine.speech_text() == words;
}

// Runs until the line starts to show (true) or the time is up (false); a line that
// is already showing does not count again.
bool runs_into_line(PetEngine& engine, std::string_view words, float seconds, InputSnapshot input,
                    DesktopSense desktop = {}) {
  bool showing = said(engine, words);
  for (int i = 0; i < static_cast<int>(seconds * 10); ++i) {
    engine.tick(0.1f, input, desktop);
    const bool now = said(engine, words);
    if (now && !showing) return true;
    showing = now;
  }
  return false;
}

// The share of each first choice after the opening idle, over many seeds.
std::map<Activity, double> first_choices(const std::string& mood) {
  std::map<Activity, double> share;
  constexpr int kSeeds = 1500;
  for (int seed = 0; seed < kSeeds; ++seed) {
    EngineRig rig;
    rig.filetime += static_cast<std::uint64_t>(seed) * 7919;
    Config config = quiet_config();
    config.mood = mood;
    PetEngine engine = rig.make(config);
    for (int i = 0; i < 200 && engine.activity() == Activity::idle; ++i)
      engine.tick(0.05f, EngineRig::far_input(), {});
    share[engine.activity()] += 1.0 / kSeeds;
  }
  return share;
}

TEST(PetBrainChoices, BalancedMoodSplitsWalkBoxFlyBallAndFidget) {
  auto share = first_choices("normal");
  EXPECT_NEAR(share[Activity::walk], 0.36, 0.04);
  EXPECT_NEAR(share[Activity::box], 0.08, 0.025);
  EXPECT_NEAR(share[Activity::fly], 0.08, 0.025);
  EXPECT_NEAR(share[Activity::ball], 0.07, 0.025);
  EXPECT_NEAR(share[Activity::fidget], 0.41, 0.04);
}

TEST(PetBrainChoices, PlayfulMoodNeverReachesTheBox) {
  auto share = first_choices("playful");
  EXPECT_NEAR(share[Activity::walk], 0.468, 0.04);
  EXPECT_EQ(share[Activity::box], 0.0);
  EXPECT_NEAR(share[Activity::fly], 0.26, 0.04);
  EXPECT_NEAR(share[Activity::ball], 0.098, 0.03);
  EXPECT_EQ(share[Activity::nap], 0.0);
}

TEST(PetBrainChoices, CalmMoodBoxShadowsFlyAndBallAndNapsInstead) {
  auto share = first_choices("calm");
  EXPECT_NEAR(share[Activity::walk], 0.162, 0.03);
  EXPECT_NEAR(share[Activity::box], 0.278, 0.04);
  EXPECT_EQ(share[Activity::fly], 0.0);
  EXPECT_EQ(share[Activity::ball], 0.0);
  EXPECT_NEAR(share[Activity::nap], 0.28, 0.04);
}

TEST(PetBrainChoices, CatWithoutTailArtNeverFidgetsWithIt) {
  EngineRig rig;
  rig.missing_clips = {"tailwarm"};
  Config config = quiet_config();
  config.pet = "cat";
  PetEngine engine = rig.make(config);
  for (float t = 0; t < 600; t += 0.1f) {
    engine.tick(0.1f, EngineRig::far_input(), {});
    if (const auto* fidget = std::get_if<FidgetActivity>(&engine.activity_state())) {
      EXPECT_NE(fidget->clip, "tailwarm");
      EXPECT_NE(engine.clip(), "tailwarm");
    }
  }
}

TEST(PetBrainReminders, BreakAfterTwentyFiveActiveMinutesAndRestartAfterThreeIdleMinutes) {
  EngineRig rig;
  Config config = quiet_config();
  config.break_min = 25;
  PetEngine engine = rig.make(config);
  InputSnapshot active = EngineRig::far_input();
  active.idle_ms = 500;
  const std::string_view line = "stretch break, hooman!";

  EXPECT_FALSE(runs_into_line(engine, line, 24 * 60 + 55, active));
  EXPECT_TRUE(runs_into_line(engine, line, 10, active));

  // Ten active minutes, then the user is away: the count starts again.
  EXPECT_FALSE(runs_into_line(engine, line, 10 * 60, active));
  InputSnapshot away = active;
  away.idle_ms = 180000;
  EXPECT_FALSE(runs_into_line(engine, line, 60, away));
  EXPECT_FALSE(runs_into_line(engine, line, 24 * 60 + 55, active));
  EXPECT_TRUE(runs_into_line(engine, line, 10, active));
}

TEST(PetBrainReminders, NewWorkDayDoesNotFireTheBreakAtOnce) {
  EngineRig rig;
  Config config = quiet_config();
  config.break_min = 25;
  config.work_sec = 25 * 60 - 5;
  PetEngine engine = rig.make(config);
  InputSnapshot active = EngineRig::far_input();
  active.idle_ms = 500;
  const std::string_view line = "stretch break, hooman!";
  EXPECT_TRUE(runs_into_line(engine, line, 10, active));
  // After midnight the day check restarts the work count from zero.
  rig.clock = {2026, 3, 5, 0, 10, 4};
  EXPECT_FALSE(runs_into_line(engine, line, 60, active));
  EXPECT_LT(engine.config().work_sec, 60u);
  EXPECT_EQ(engine.config().work_day, "2026-03-05");
  EXPECT_FALSE(runs_into_line(engine, line, 24 * 60, active));
  EXPECT_TRUE(runs_into_line(engine, line, 70, active));
}

TEST(PetBrainReminders, LunchOncePerDayWithinTheFirstFiveMinutes) {
  EngineRig rig;
  rig.clock = {2026, 3, 4, 13, 2, 3};
  Config config = quiet_config();
  config.lunch_hour = 13;
  PetEngine engine = rig.make(config);
  EXPECT_TRUE(runs_into_line(engine, "lunchtime!", 0.1f, EngineRig::far_input()));
  EXPECT_EQ(engine.activity(), Activity::lunch);
  EXPECT_FALSE(runs_into_line(engine, "lunchtime!", 60, EngineRig::far_input()));

  rig.clock = {2026, 3, 5, 13, 5, 4};  // next day, too late
  EXPECT_FALSE(runs_into_line(engine, "lunchtime!", 5, EngineRig::far_input()));
  rig.clock = {2026, 3, 6, 13, 4, 5};
  EXPECT_TRUE(runs_into_line(engine, "lunchtime!", 1, EngineRig::far_input()));
}

TEST(PetBrainReminders, BedtimeAtMidnightNapsAndWakesByItself) {
  EngineRig rig;
  rig.clock = {2026, 3, 4, 0, 3, 3};
  Config config = quiet_config();
  config.bed_hour = 0;
  PetEngine engine = rig.make(config);
  engine.tick(0.05f, EngineRig::far_input(), {});
  EXPECT_TRUE(said(engine, "getting late, wind down"));
  EXPECT_EQ(engine.activity(), Activity::nap);
  EngineRig::run(engine, 30);
  EXPECT_EQ(engine.activity(), Activity::nap);
  EngineRig::run(engine, 8);
  EXPECT_NE(engine.activity(), Activity::nap);
  EXPECT_FALSE(runs_into_line(engine, "getting late, wind down", 60, EngineRig::far_input()));
}

TEST(PetBrainDayEvents, FridayGreetingOnlyFromFiveToNineInTheEvening) {
  const auto greets = [](LocalTime clock) {
    EngineRig rig;
    rig.clock = clock;
    Config config = quiet_config();
    config.chatty = true;
    PetEngine engine = rig.make(config);
    return runs_into_line(engine, "happy friday!", 1, EngineRig::far_input());
  };
  EXPECT_FALSE(greets({2026, 3, 6, 16, 59, 5}));
  EXPECT_TRUE(greets({2026, 3, 6, 17, 0, 5}));
  EXPECT_TRUE(greets({2026, 3, 6, 20, 59, 5}));
  EXPECT_FALSE(greets({2026, 3, 6, 21, 0, 5}));
  EXPECT_FALSE(greets({2026, 3, 5, 18, 0, 4}));  // Thursday
}

TEST(PetBrainDayEvents, WeekAndHundredDayLines) {
  const auto first_line = [](std::string first_day) {
    EngineRig rig;
    Config config = quiet_config();
    config.chatty = true;
    config.first_day = std::move(first_day);
    PetEngine engine = rig.make(config);
    engine.tick(0.05f, EngineRig::far_input(), {});
    return engine.speech_text().value_or("");
  };
  EXPECT_EQ(first_line("2026-02-26"), "one week together!");   // day 7
  EXPECT_EQ(first_line("2025-11-25"), "100 days together!");   // day 100
  EXPECT_NE(first_line("2026-02-25"), "one week together!");   // day 8
}

TEST(PetBrainDayEvents, DayCountMovesOnAtMidnight) {
  EngineRig rig;
  rig.clock = {2026, 3, 3, 23, 59, 2};  // day 6
  Config config = quiet_config();
  config.chatty = true;
  config.first_day = "2026-02-26";
  PetEngine engine = rig.make(config);
  EXPECT_FALSE(runs_into_line(engine, "one week together!", 5, EngineRig::far_input()));
  rig.clock = {2026, 3, 4, 0, 0, 3};  // day 7
  EXPECT_TRUE(runs_into_line(engine, "one week together!", 5, EngineRig::far_input()));
}

TEST(PetBrainDesktop, CpuHeatLineOnceUntilTheLoadFallsTo58) {
  EngineRig rig;
  Config config = quiet_config();
  config.watch_pc = true;
  PetEngine engine = rig.make(config);
  DesktopSense hot;
  hot.cpu_load = 84.6f;
  hot.on_mains_power = true;
  hot.online = true;
  const std::string_view line = "warm here! CPU 85%";
  EXPECT_TRUE(runs_into_line(engine, line, 1, EngineRig::far_input(), hot));
  EngineRig::run(engine, 5, EngineRig::far_input(), hot);
  EXPECT_FALSE(runs_into_line(engine, line, 200, EngineRig::far_input(), hot));

  DesktopSense warm = hot;
  warm.cpu_load = 59;
  EXPECT_FALSE(runs_into_line(engine, "cooled down nicely", 5, EngineRig::far_input(), warm));
  EXPECT_FALSE(runs_into_line(engine, line, 5, EngineRig::far_input(), hot));
  DesktopSense cool = hot;
  cool.cpu_load = 58;
  EXPECT_TRUE(runs_into_line(engine, "cooled down nicely", 1, EngineRig::far_input(), cool));
  EXPECT_TRUE(runs_into_line(engine, line, 1, EngineRig::far_input(), hot));
}

TEST(PetBrainDesktop, AppRemarkOncePerNewCategoryAndNeverForUnknownOnes) {
  EngineRig rig;
  Config config = quiet_config();
  config.chatty = true;
  PetEngine engine = rig.make(config);
  EngineRig::run(engine, 3);  // past the greeting's cool-down
  DesktopSense desktop;
  desktop.foreground_kind = "spreadsheet";
  EngineRig::run(engine, 1, EngineRig::far_input(), desktop);
  EXPECT_FALSE(engine.speech_text());
  desktop.foreground_kind = "code";
  engine.tick(0.05f, EngineRig::far_input(), desktop);
  const auto is_code_remark = [](const std::string& words) {
    return words == "shipping another feature?" || words == "all tests green?" ||
           words == "pair programming buddy here";
  };
  EXPECT_TRUE(is_code_remark(engine.speech_text().value_or(""))) << engine.speech_text().value_or("");
  EngineRig::run(engine, 5, EngineRig::far_input(), desktop);
  for (int i = 0; i < 4000; ++i) {  // the same app for minutes: no second remark
    engine.tick(0.1f, EngineRig::far_input(), desktop);
    ASSERT_FALSE(is_code_remark(engine.speech_text().value_or("")));
  }
}

TEST(PetBrainSignals, BlankFailShowsTheAlertAndHopsBackwards) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  const float start = engine.x();
  const float facing = engine.facing();
  engine.on_signal(FailMsg{"   "});
  EXPECT_TRUE(said(engine, "that failed"));
  EXPECT_EQ(engine.speech_style(), SpeechStyle::alert);
  EngineRig::run(engine, 1.0f);
  EXPECT_GT((engine.x() - start) * -facing, 20.0f);  // away from the way it faced
  EngineRig::run(engine, 3.3f);
  ASSERT_TRUE(engine.draw_snapshot(0).speech);
  EXPECT_EQ(engine.draw_snapshot(0).speech->style, SpeechStyle::alert);
  EngineRig::run(engine, 0.3f);
  EXPECT_FALSE(engine.speech_text());
}

TEST(PetBrainSignals, SayHonoursTheRequestedDurationWithinLimits) {
  EngineRig rig;
  Config config = quiet_config();
  config.pet_hidden = true;
  config.forced_sleep = true;
  PetEngine engine = rig.make(config);
  engine.on_signal(SayMsg{"hi there", 60.0f});
  EXPECT_FALSE(engine.config().pet_hidden);
  EXPECT_FALSE(engine.config().forced_sleep);
  EngineRig::run(engine, 29.8f);
  EXPECT_TRUE(said(engine, "hi there"));
  EngineRig::run(engine, 0.4f);
  EXPECT_FALSE(engine.speech_text());
}

TEST(PetBrainScene, SpeciesChangeEndsWithTheNewcomerBesideTheOldSpot) {
  EngineRig rig;
  MonitorInfo narrow;
  narrow.width = 400;
  narrow.work_right = 400;
  PetEngine engine = rig.make(quiet_config(), {narrow});
  const float old_x = engine.x();  // right of the centre
  engine.change_pet("cat");
  ASSERT_FALSE(rig.saves.empty());
  EXPECT_EQ(rig.saves.back().pet, "cat");
  EXPECT_TRUE(said(engine, "meow"));
  EngineRig::run(engine, 0.5f);
  const DrawSnapshot during = engine.draw_snapshot(0);
  ASSERT_EQ(during.figures.size(), 2u);
  // The bubble belongs to the first figure, so the newcomer saying "meow" must come first.
  EXPECT_EQ(during.figures[0].species, "cat");
  EXPECT_EQ(during.figures[1].species, "corgi");
  ASSERT_TRUE(during.speech);
  EngineRig::run(engine, 4);
  ASSERT_FALSE(engine.scene_running());
  const DrawSnapshot after = engine.draw_snapshot(0);
  ASSERT_EQ(after.figures.size(), 1u);
  EXPECT_EQ(after.figures[0].species, "cat");
  EXPECT_NEAR(engine.x(), old_x - 44, 17.0f);
}

TEST(PetBrainProfiles, SwitchToAnAwakeProfileWithTheSamePetWakesIt) {
  EngineRig rig;
  Config sleeping = quiet_config();
  sleeping.forced_sleep = true;
  PetEngine engine = PetEngine::create(sleeping, {MonitorInfo{}}, {
      .atlas = [atlas = testing::make_atlas()](std::string_view) { return atlas; },
      .save_config = {},
      .load_profile = [](std::string_view id) -> std::optional<Config> {
        Config other = quiet_config();
        other.profile_id = std::string(id);
        other.forced_sleep = std::string(id) == "asleep";
        return other;
      },
      .local_time = [&rig] { return rig.clock; },
      .precise_time = [&rig] { return rig.filetime; },
  });
  ASSERT_EQ(engine.activity(), Activity::nap);
  engine.switch_profile("awake");
  EXPECT_FALSE(engine.scene_running());
  EngineRig::run(engine, 10);
  EXPECT_FALSE(engine.config().forced_sleep);
  EXPECT_NE(engine.clip(), "sleep");
  EXPECT_NE(engine.activity(), Activity::nap);

  engine.switch_profile("asleep");
  EngineRig::run(engine, 1);
  EXPECT_EQ(engine.activity(), Activity::nap);
  EXPECT_EQ(engine.clip(), "sleep");
}

TEST(PetBrainScene, UnchangedSpeciesStartsNoScene) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  engine.change_pet("corgi", "black");
  EXPECT_FALSE(engine.scene_running());
}

}  // namespace
}  // namespace burrowly
