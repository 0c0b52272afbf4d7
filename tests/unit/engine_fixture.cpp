#include "engine_fixture.h"

#include <algorithm>
#include <utility>

namespace burrowly::testing {

std::shared_ptr<const SizeAtlas> make_atlas(const std::vector<std::string>& missing) {
  static const std::vector<std::pair<std::string, int>> kClips{
      {"sit", 4}, {"front", 4}, {"look", 4}, {"lookup", 4}, {"walk", 8}, {"run", 8}, {"crouch", 4},
      {"leap", 4}, {"jump", 4}, {"land", 3}, {"tuck", 4}, {"pin", 4}, {"sleep", 5}, {"curlsleep", 4},
      {"curl", 4}, {"lie", 4}, {"pet", 4}, {"belly", 6}, {"swat", 4}, {"happy", 4}, {"cheer", 4},
      {"wave", 6}, {"hi", 4}, {"beg", 4}, {"bongo", 6}, {"eat", 6}, {"lick", 4}, {"vibe", 6},
      {"wag", 6}, {"stretch", 5}, {"yawn", 6}, {"groom", 6}, {"pant", 4}, {"hpant", 4}, {"wipe", 4},
      {"flat", 4}, {"fan", 4}, {"tilt", 6}, {"sniff", 4}, {"wiggle", 6}, {"shake", 6}, {"spin", 8},
      {"dig", 4}, {"howl", 5}, {"meow", 4}, {"play", 6}, {"push", 4}, {"peer", 4}, {"palm", 4},
      {"blep", 3}, {"box", 4}, {"boxonly", 1}, {"mantle", 5}, {"hang", 4}, {"swing", 5}, {"turn", 4},
      {"jumpup", 5}, {"kickup", 4}, {"ceil", 5}, {"climb", 6}, {"climbjump", 4}, {"cling", 4},
      {"scratch", 4}};
  auto atlas = std::make_shared<SizeAtlas>();
  for (const auto& [name, count] : kClips) {
    if (std::find(missing.begin(), missing.end(), name) != missing.end()) continue;
    for (int i = 0; i < count; ++i) {
      FrameRaw frame;
      frame.n = name;
      frame.i = static_cast<std::uint64_t>(i);
      frame.r = {0, 0, 60, 60};
      atlas->frames.push_back(frame);
      atlas->clips[name].push_back(frame);
    }
  }
  return atlas;
}

PetEngine EngineRig::make(Config config, std::vector<MonitorInfo> monitors) {
  auto atlas = make_atlas(missing_clips);
  EngineServices services;
  services.atlas = [atlas](std::string_view) { return atlas; };
  services.save_config = [this](const Config& c) { saves.push_back(c); };
  services.local_time = [this] { return clock; };
  services.precise_time = [this] { return filetime; };
  return PetEngine::create(std::move(config), std::move(monitors), std::move(services));
}

void EngineRig::run(PetEngine& engine, float seconds, InputSnapshot input, DesktopSense desktop) {
  for (float t = 0; t < seconds; t += 0.05f) engine.tick(0.05f, input, desktop);
}

InputSnapshot EngineRig::far_input() {
  InputSnapshot input;
  input.cursor_x = 5;
  input.cursor_y = 5;  // far above the taskbar lane
  input.idle_ms = 1000;
  return input;
}

Config quiet_config() {
  Config config;
  config.profile_id = "p1";
  config.profile_display = "Ann";
  config.lang = "en";
  config.chatty = false;
  config.watch_pc = false;
  config.cross_monitors = false;
  config.break_min = 0;
  config.water_min = 0;
  config.lunch_hour = -1;
  config.bed_hour = -1;
  config.first_day = "2026-03-04";
  config.visit_day = config.stat_day = config.work_day = "2026-03-04";
  return config;
}

}  // namespace burrowly::testing
