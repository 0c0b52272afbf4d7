// burrowly-push-rate [SECONDS]: how often the tray app would show a new frame. Runs the
// app's frame loop (a 33 ms engine tick, a render when the engine asks for one, a push
// when the render changed a pixel) on one 1920 x 1080 monitor with the embedded art,
// for a sleeping pet and for a pet living its day, and prints the pushes per second
// while it sleeps, sits and walks beside their targets.
#include <cstdio>
#include <cstdlib>
#include <map>

#include "assets/asset_store.h"
#include "engine/pet_engine.h"
#include "render/snapshot_renderer.h"
#include "render/store_art.h"

using namespace burrowly;

namespace {

constexpr float kTick = 0.033f;

struct Tally {
  double seconds = 0;
  long renders = 0;  // frames the engine asked to draw: each was pushed before frames were compared
  long pushes = 0;   // frames that changed a pixel
};

// Frame-loop seconds and pushes by the activity the pet was in.
std::map<Activity, Tally> run(bool asleep, double seconds) {
  AssetStore store;
  Config config;
  config.profile_id = "push-rate";
  config.lang = "en";
  config.outfit = "none";
  config.chatty = false;
  config.forced_sleep = asleep;
  config.break_min = config.water_min = 0;
  config.lunch_hour = config.bed_hour = -1;
  config.first_day = config.visit_day = config.stat_day = config.work_day = "2026-03-04";
  EngineServices services;
  services.atlas = [&store](std::string_view species) { return store.atlas_for(species, "M"); };
  services.save_config = [](const Config&) {};
  services.local_time = [] { return LocalTime{2026, 3, 4, 15, 0, 3}; };
  services.precise_time = [] { return 116444736000000000ULL + 11; };
  PetEngine engine = PetEngine::create(config, {fallback_monitor()}, std::move(services));
  const FigureArtLookup art = store_art_lookup(store);
  const Font font = embedded_ui_font();
  Pixmap overlay = *Pixmap::create(std::uint32_t(engine.habitat().width), std::uint32_t(engine.habitat().height));

  std::map<Activity, Tally> tally;
  InputSnapshot input;
  input.cursor_x = 5, input.cursor_y = 5, input.idle_ms = 1000;
  for (double t = 0; t < seconds; t += kTick) {
    engine.tick(kTick, input, DesktopSense{});
    Tally& now = tally[engine.activity()];
    now.seconds += kTick;
    if (!engine.needs_redraw()) continue;
    ++now.renders;
    if (!render_snapshot(overlay, engine.draw_snapshot(0), art, font).empty()) ++now.pushes;
    engine.clear_redraw();
  }
  return tally;
}

void print(const char* what, const Tally& t, const char* target) {
  const auto per_second = [&](long count) { return t.seconds > 0 ? double(count) / t.seconds : 0; };
  std::printf("%-30s %6.1f /s (renders %5.1f /s) over %5.0f s   target %s\n", what, per_second(t.pushes),
              per_second(t.renders), t.seconds, target);
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 600;
  const std::map<Activity, Tally> asleep = run(true, seconds), awake = run(false, seconds);
  Tally sleeping;
  for (const auto& [activity, t] : asleep) {
    sleeping.seconds += t.seconds;
    sleeping.renders += t.renders;
    sleeping.pushes += t.pushes;
  }
  const auto find = [&](Activity a) { return awake.count(a) ? awake.at(a) : Tally{}; };
  print("pushes, pet asleep", sleeping, "<= 8 /s");
  print("pushes, pet sitting", find(Activity::idle), "<= 8 /s");
  print("pushes, pet walking", find(Activity::walk), "-");
  return 0;
}
