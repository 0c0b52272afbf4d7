// burrowly-preview SCENARIO [SPECIES] [OUT.png] [--every N] [--seed S] [--crop W] [--lane taskbar|top|notch]
// Runs a seeded engine with the embedded art on the fallback monitor through a scripted scenario and
// writes a strip of every Nth frame around the pet, the time under each.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/asset_store.h"
#include "platform/system_font.h"
#include "render/snapshot_renderer.h"
#include "render/store_art.h"
#include "scenarios.h"
#include "strip.h"

using namespace burrowly;

namespace {

int usage() {
  std::fprintf(stderr, "usage: burrowly-preview SCENARIO [SPECIES] [OUT.png] [--every N] [--seed S] [--crop W] [--lane taskbar|top|notch]\nscenarios:");
  for (const preview::Scenario& s : preview::scenarios()) std::fprintf(stderr, " %.*s", int(s.name.size()), s.name.data());
  std::fprintf(stderr, "\n");
  return 2;
}

Config scenario_config(std::string_view scenario, std::string species, std::string_view lane) {
  Config config;
  config.position = lane == "taskbar" ? Position::taskbar : Position::top;
  config.top_notch = lane == "notch";
  config.profile_id = "preview";
  config.profile_display = "Preview";
  config.pet = std::move(species);
  config.lang = "en";
  config.break_min = 0;
  config.water_min = scenario == "water" ? 1 : 0;
  config.lunch_hour = scenario == "lunch" ? 13 : -1;
  config.bed_hour = -1;
  config.first_day = config.visit_day = config.stat_day = config.work_day = "2026-03-04";
  return config;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> positional;
  int every = 3;
  std::uint64_t seed = 1;
  int crop_width = 480;
  std::string lane = "taskbar";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--every" && i + 1 < argc) every = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--crop" && i + 1 < argc) crop_width = std::max(64, std::atoi(argv[++i]));
    else if (arg == "--seed" && i + 1 < argc) seed = std::strtoull(argv[++i], nullptr, 10);
    else if (arg == "--lane" && i + 1 < argc) lane = argv[++i];
    else positional.push_back(arg);
  }
  if (positional.empty()) return usage();
  const preview::Scenario* scenario = preview::find_scenario(positional[0]);
  if (!scenario || (lane != "taskbar" && lane != "top" && lane != "notch")) return usage();
  const std::string species = positional.size() > 1 ? positional[1] : "corgi";
  const std::string out = positional.size() > 2 ? positional[2] : positional[0] + "-" + species + ".png";

  AssetStore store;
  const LocalTime clock{2026, 3, 4, scenario->name == "lunch" ? 13 : 12, 0, 3};
  EngineServices services;
  services.atlas = [&](std::string_view animal) { return store.atlas_for(animal, "M"); };
  services.local_time = [clock] { return clock; };
  services.precise_time = [seed] { return 116444736000000000ULL + seed; };
  PetEngine engine = PetEngine::create(scenario_config(scenario->name, species, lane), {fallback_monitor()}, services);

  const HabitatRect rect = engine.habitat();
  auto overlay = Pixmap::create(rect.width, rect.height);
  const Font font = ui_font_from(read_system_ui_font());
  const FigureArtLookup lookup = store_art_lookup(store);

  constexpr float kDt = 1.0f / 30;
  // Never wider than the overlay itself.
  const std::uint32_t kCrop = static_cast<std::uint32_t>(std::min(crop_width, rect.width));
  // A fixed window around the start, so motion shows against it.
  const int centre = static_cast<int>(engine.x());
  std::vector<preview::StripFrame> frames;
  int tick = 0;
  for (float t = 0; t < scenario->seconds; t += kDt, ++tick) {
    const preview::Stimulus stimulus = scenario->step(engine, t, kDt);
    engine.tick(kDt, stimulus.input, stimulus.desktop);
    if (t < scenario->record_from || tick % every != 0) continue;
    render_snapshot(*overlay, engine.draw_snapshot(0), lookup, font);
    const int left = std::clamp(centre - int(kCrop / 2), 0, std::max(0, rect.width - int(kCrop)));
    auto crop = Pixmap::create(kCrop, overlay->height());
    for (std::uint32_t y = 0; y < overlay->height(); ++y)
      std::copy_n(overlay->data() + (std::size_t(y) * overlay->width() + left) * 4, kCrop * 4,
                  crop->data() + std::size_t(y) * kCrop * 4);
    // The ground line, faint and behind the pet, so feet can be judged against it.
    const auto lane_y = static_cast<std::uint32_t>(rect.ground_y);
    for (std::uint32_t x = 0; lane_y < crop->height() && x < kCrop; ++x) {
      std::uint8_t* p = crop->data() + (std::size_t(lane_y) * kCrop + x) * 4;
      if (p[3] == 0) p[0] = p[1] = p[2] = 150, p[3] = 255;
    }
    frames.push_back({std::move(*crop), t});
    if (frames.size() >= 24) break;
  }
  if (!preview::write_strip(out, frames)) {
    std::fprintf(stderr, "cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("%s: %zu frames\n", out.c_str(), frames.size());
  return 0;
}
