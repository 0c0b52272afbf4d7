#include "engine_fixture.h"

#include <algorithm>
#include <utility>

#include "assets/clip_table.h"

namespace burrowly::testing {

std::shared_ptr<const SizeAtlas> make_atlas(const std::vector<std::string>& missing) {
  auto atlas = std::make_shared<SizeAtlas>();
  for (const auto& [name, count] : kClips) {
    if (std::find(missing.begin(), missing.end(), name) != missing.end()) continue;
    for (int i = 0; i < count; ++i) {
      FrameRaw frame;
      frame.n = std::string(name);
      frame.i = static_cast<std::uint64_t>(i);
      frame.r = {0, 0, 60, 60};
      atlas->frames.push_back(frame);
      atlas->clips[frame.n].push_back(frame);
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
