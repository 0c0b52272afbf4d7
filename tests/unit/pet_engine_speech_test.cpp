// Who waits for whom in the speech bubble: messages from the command line and the
// day's lines are read whole; the pet's other remarks wait their turn.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

std::string shown(const PetEngine& engine) { return engine.speech_text().value_or(""); }

Config chatty_config() {
  Config config = quiet_config();
  config.chatty = true;
  config.watch_pc = true;
  return config;
}

TEST(PetSpeechMessages, OwnRemarksWaitUntilTheMessageHasBeenRead) {
  EngineRig rig;
  PetEngine engine = rig.make(chatty_config());
  EngineRig::run(engine, 3);
  engine.on_signal(SayMsg{"build done", 5.0f});
  DesktopSense desktop;
  desktop.foreground_kind = "terminal";
  desktop.cpu_load = 95;
  desktop.memory_load = 95;
  EngineRig::run(engine, 4.9f, EngineRig::far_input(), desktop);
  EXPECT_EQ(shown(engine), "build done");
  EngineRig::run(engine, 0.3f, EngineRig::far_input(), desktop);
  EXPECT_NE(shown(engine), "build done");
  EXPECT_FALSE(shown(engine).empty()) << "the waiting remarks are said afterwards";
}

TEST(PetSpeechMessages, ClicksOnThePetDoNotCutAFailureShort) {
  EngineRig rig;
  PetEngine engine = rig.make(chatty_config());
  engine.on_signal(FailMsg{"tests failed"});
  EngineRig::run(engine, 1.0f);
  const HabitatRect rect = engine.habitat();
  for (int click = 0; click < 3; ++click) {
    InputSnapshot input = EngineRig::far_input();
    input.cursor_x = rect.x + static_cast<int>(engine.x());
    input.cursor_y = rect.y + static_cast<int>(rect.ground_y - engine.lift()) - 20;
    input.left_pressed = input.left_down = true;
    engine.tick(0.05f, input, {});
    input.left_pressed = input.left_down = false;
    engine.tick(0.05f, input, {});
    EXPECT_EQ(shown(engine), "tests failed") << "after click " << click + 1;
  }
}

TEST(PetSpeechMessages, ALaterMessageReplacesTheEarlierOne) {
  EngineRig rig;
  PetEngine engine = rig.make(quiet_config());
  engine.on_signal(SayMsg{"first", 10.0f});
  engine.tick(0.05f, EngineRig::far_input(), {});
  engine.on_signal(OkMsg{"second"});
  EXPECT_EQ(shown(engine), "second");
}

TEST(PetSpeechDayLines, FridayThatIsDaySevenSaysBothLinesInTurn) {
  EngineRig rig;
  rig.clock = {2026, 3, 6, 17, 0, 5};
  Config config = quiet_config();
  config.chatty = true;
  config.first_day = "2026-02-28";  // 2026-03-06 is day 7
  PetEngine engine = rig.make(config);
  engine.tick(0.05f, EngineRig::far_input(), {});
  EXPECT_EQ(shown(engine), "happy friday!");
  EngineRig::run(engine, 3.8f);
  EXPECT_EQ(shown(engine), "happy friday!");
  EngineRig::run(engine, 0.4f);
  EXPECT_EQ(shown(engine), "one week together!");
}

TEST(PetSpeechDayLines, StartUpGreetingIsReadBeforeTheBreakLine) {
  EngineRig rig;
  Config config = quiet_config();
  config.chatty = true;
  config.break_min = 1;
  config.work_sec = 3000;  // a restart late in a long working day
  PetEngine engine = rig.make(config);
  ASSERT_EQ(shown(engine), "woof!");
  EngineRig::run(engine, 2.3f);
  EXPECT_EQ(shown(engine), "woof!");
  EngineRig::run(engine, 0.5f);
  EXPECT_EQ(shown(engine), "stretch break, hooman!");
}

}  // namespace
}  // namespace burrowly
