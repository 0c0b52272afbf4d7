#include "frame_rig.h"

#include "render/store_art.h"

namespace burrowly::bench {
namespace {

std::vector<MonitorInfo> two_monitors() {
  std::vector<MonitorInfo> monitors(2, fallback_monitor());
  monitors[1].number = 2;
  monitors[1].x = monitors[1].work_left = 1920;
  monitors[1].work_right += 1920;
  monitors[1].primary = false;
  return monitors;
}

Config walking_config() {
  Config config;
  config.profile_id = "bench";
  config.lang = "en";
  config.chatty = false;
  config.break_min = config.water_min = 0;
  config.lunch_hour = config.bed_hour = -1;
  config.first_day = config.visit_day = config.stat_day = config.work_day = "2026-03-04";
  return config;
}

PetEngine make_engine(AssetStore& store) {
  EngineServices services;
  services.atlas = [&store](std::string_view species) { return store.atlas_for(species, "M"); };
  services.save_config = [](const Config&) {};
  services.local_time = [] { return LocalTime{2026, 3, 4, 15, 0, 3}; };
  services.precise_time = [] { return 116444736000000000ULL + 7; };
  return PetEngine::create(walking_config(), two_monitors(), std::move(services));
}

}  // namespace

FrameRig::FrameRig()
    : art(store_art_lookup(store)),
      font(embedded_ui_font()),
      engine(make_engine(store)),
      pixmap(*Pixmap::create(std::uint32_t(engine.habitat().width), std::uint32_t(engine.habitat().height))),
      bgra(pixmap.byte_size()) {
  engine.hop_monitor(+1);
}

void FrameRig::tick_walking() {
  if (engine.activity() != Activity::walk) engine.hop_monitor(+1);
  InputSnapshot input;
  input.cursor_x = 5, input.cursor_y = 5, input.idle_ms = 1000;
  engine.tick(0.033f, input, DesktopSense{});
}

}  // namespace burrowly::bench
