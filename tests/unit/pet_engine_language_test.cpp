// The pet speaks its profile's language.
#include <gtest/gtest.h>

#include <set>

#include "engine_fixture.h"

namespace burrowly {
namespace {

using testing::EngineRig;
using testing::quiet_config;

std::string speech(const PetEngine& engine) { return engine.speech_text().value_or(""); }

Config config_in(std::string lang) {
  Config config = quiet_config();
  config.lang = std::move(lang);
  return config;
}

TEST(PetLanguage, PolishMessagesAndCpuLine) {
  EngineRig rig;
  Config config = config_in("pl");
  config.watch_pc = true;
  PetEngine engine = rig.make(config);
  engine.on_signal(FailMsg{""});
  EXPECT_EQ(speech(engine), "coś poszło nie tak");
  engine.on_signal(OkMsg{" "});
  EXPECT_EQ(speech(engine), "gotowe!");
  EngineRig::run(engine, 6);
  DesktopSense hot;
  hot.cpu_load = 86.7f;
  hot.on_mains_power = true;
  hot.online = true;
  engine.tick(0.05f, EngineRig::far_input(), hot);
  EXPECT_EQ(speech(engine), "gorąco! CPU 87%");
}

TEST(PetLanguage, UkrainianInAnyLetterCaseGreetsAndCountsDays) {
  EngineRig rig;
  rig.clock = {2026, 3, 4, 8, 15, 3};
  Config config = config_in("UA");
  config.chatty = true;
  config.first_day = "2025-11-25";  // today is day 100
  PetEngine engine = rig.make(config);
  EXPECT_EQ(speech(engine), "доброго ранку!");
  engine.tick(0.05f, EngineRig::far_input(), {});
  EXPECT_EQ(speech(engine), "100 днів разом!");
}

TEST(PetLanguage, RussianCodeRemarksTakeTheNightSuffixOnlyAtNight) {
  const std::set<std::string> lines{"опять код?", "все тесты зелёные?", "я присматриваю за кодом"};
  const auto remarks_at = [&](int hour) {
    std::set<std::string> seen;
    for (int seed = 0; seed < 60; ++seed) {
      EngineRig rig;
      rig.clock = {2026, 3, 4, hour, 30, 3};
      rig.filetime += static_cast<std::uint64_t>(seed) * 104729;
      Config config = config_in("ru");
      config.chatty = true;
      config.pet = "hamster";  // no howling fidget to talk over the remark
      PetEngine engine = rig.make(config);
      EngineRig::run(engine, 3);  // past the greeting
      DesktopSense desktop;
      desktop.foreground_kind = "code";
      engine.tick(0.05f, EngineRig::far_input(), desktop);
      seen.insert(speech(engine));
    }
    return seen;
  };
  const std::string suffix = " в два часа ночи?";
  std::size_t plain = 0, late = 0;
  for (const std::string& words : remarks_at(4)) {
    if (lines.count(words)) ++plain;
    else if (words.ends_with(suffix) && lines.count(words.substr(0, words.size() - suffix.size()))) ++late;
    else ADD_FAILURE() << words;
  }
  EXPECT_GT(plain, 0u);
  EXPECT_GT(late, 0u);
  for (const std::string& words : remarks_at(9)) EXPECT_TRUE(lines.count(words)) << words;
}

TEST(PetLanguage, ProfileSwitchGreetsInTheNewProfilesLanguage) {
  EngineRig rig;
  PetEngine engine = PetEngine::create(config_in("en"), {MonitorInfo{}}, {
      .atlas = [atlas = testing::make_atlas()](std::string_view) { return atlas; },
      .save_config = {},
      .load_profile = [](std::string_view id) -> std::optional<Config> {
        Config other = config_in("pl");
        other.profile_id = std::string(id);
        other.profile_display = "Ola";
        other.pet = "duck";
        return other;
      },
      .local_time = [&rig] { return rig.clock; },
      .precise_time = [&rig] { return rig.filetime; },
  });
  engine.switch_profile("ola");
  EXPECT_EQ(speech(engine), "Ola: kwa!");
}

}  // namespace
}  // namespace burrowly
