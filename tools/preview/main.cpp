// burrowly-preview SCENARIO [SPECIES] [OUT.png] [options]; --help lists them.
// Runs a seeded engine with the embedded art on the fallback monitor through a scripted scenario and
// writes a strip of every Nth frame around the pet, the time under each.
#include <algorithm>
#include <chrono>
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

constexpr const char* kUsage =
    "usage: burrowly-preview SCENARIO [SPECIES] [OUT.png] [options]\n"
    "  --every N          every Nth frame (3)\n"
    "  --seed S           the engine's random seed (1)\n"
    "  --crop W           the width around the pet, in unscaled pixels (480)\n"
    "  --lane L           taskbar, top or notch (taskbar)\n"
    "  --size S|M|L       the pet size (M)\n"
    "  --scale F          the display scale, at least 1 (1)\n"
    "  --coat KEY         the cat's coat (black)\n"
    "  --outfit KEY       none, season or an outfit key (season)\n"
    "  --date YYYY-MM-DD  the day the pet lives, for the seasonal outfit (2026-03-04)\n"
    "  --text \"...\"       what the say scenario says (build finished)\n"
    "  --bare             frames on a transparent background: no labels, ground line or backdrop\n"
    "  --help             this text\n"
    "scenarios:";

int usage(FILE* out, int status) {
  std::fputs(kUsage, out);
  for (const preview::Scenario& s : preview::scenarios()) std::fprintf(out, " %.*s", int(s.name.size()), s.name.data());
  std::fprintf(out, "\n");
  return status;
}

struct Options {
  std::vector<std::string> positional;
  int every = 3;
  std::uint64_t seed = 1;
  int crop_width = 480;
  std::string lane = "taskbar";
  std::string size = "M";
  float scale = 1;
  std::string coat = "black";
  std::string outfit = "season";
  std::string date = "2026-03-04";
  std::string text = "build finished";
  bool bare = false;
  bool help = false;
};

std::optional<Options> parse_options(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--help") o.help = true;
    else if (arg == "--bare") o.bare = true;
    else if (arg == "--every" && has_value) o.every = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--crop" && has_value) o.crop_width = std::max(64, std::atoi(argv[++i]));
    else if (arg == "--seed" && has_value) o.seed = std::strtoull(argv[++i], nullptr, 10);
    else if (arg == "--lane" && has_value) o.lane = argv[++i];
    else if (arg == "--size" && has_value) o.size = argv[++i];
    else if (arg == "--scale" && has_value) o.scale = std::strtof(argv[++i], nullptr);
    else if (arg == "--coat" && has_value) o.coat = argv[++i];
    else if (arg == "--outfit" && has_value) o.outfit = argv[++i];
    else if (arg == "--date" && has_value) o.date = argv[++i];
    else if (arg == "--text" && has_value) o.text = argv[++i];
    else if (arg.starts_with("--")) return std::nullopt;
    else o.positional.push_back(arg);
  }
  const bool lane_known = o.lane == "taskbar" || o.lane == "top" || o.lane == "notch";
  const bool size_known = o.size == "S" || o.size == "M" || o.size == "L";
  if (!lane_known || !size_known || !(o.scale >= 1 && o.scale <= 4)) return std::nullopt;
  return o;
}

// The day as a local time at `hour`; nothing for a malformed or impossible date.
std::optional<LocalTime> day_at(const std::string& date, int hour) {
  int y = 0, m = 0, d = 0;
  if (date.size() != 10 || std::sscanf(date.c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3) return std::nullopt;
  using namespace std::chrono;
  const year_month_day ymd{year(y), month(unsigned(m)), day(unsigned(d))};
  if (!ymd.ok()) return std::nullopt;
  return LocalTime{y, m, d, hour, 0, int(weekday(sys_days(ymd)).c_encoding())};
}

Config scenario_config(std::string_view scenario, const Options& o) {
  Config config;
  config.position = o.lane == "taskbar" ? Position::taskbar : Position::top;
  config.top_notch = o.lane == "notch";
  config.profile_id = "preview";
  config.profile_display = "Preview";
  config.pet = o.positional.size() > 1 ? o.positional[1] : "corgi";
  config.size = o.size;
  config.coat = o.coat;
  config.outfit = o.outfit;
  config.lang = "en";
  config.break_min = 0;
  config.water_min = scenario == "water" ? 1 : 0;
  config.lunch_hour = scenario == "lunch" ? 13 : -1;
  config.bed_hour = -1;
  config.first_day = config.visit_day = config.stat_day = config.work_day = o.date;
  if (scenario == "visit") config.first_day = "2000-01-01", config.visit_day.clear();  // a visit is due
  if (scenario == "fly") config.mood = "playful";
  return config;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = parse_options(argc, argv);
  if (!options) return usage(stderr, 2);
  const Options& o = *options;
  if (o.help) return usage(stdout, 0);
  if (o.positional.empty()) return usage(stderr, 2);
  const preview::Scenario* scenario = preview::find_scenario(o.positional[0]);
  const std::optional<LocalTime> clock = day_at(o.date, o.positional[0] == "lunch" ? 13 : 12);
  if (!scenario || !clock) return usage(stderr, 2);
  const Config config = scenario_config(scenario->name, o);
  const std::string out = o.positional.size() > 2 ? o.positional[2] : o.positional[0] + "-" + config.pet + ".png";

  AssetStore store;
  EngineServices services;
  services.atlas = [&](std::string_view animal) { return store.atlas_for(animal, "M"); };
  services.local_time = [clock] { return *clock; };
  services.precise_time = [seed = o.seed] { return 116444736000000000ULL + seed; };
  MonitorInfo monitor = fallback_monitor();
  monitor.scale = o.scale;
  PetEngine engine = PetEngine::create(config, {monitor}, services);

  const HabitatRect rect = engine.habitat();
  auto overlay = Pixmap::create(rect.width, rect.height);
  const Font font = ui_font_from(read_system_ui_font());
  const FigureArtLookup lookup = store_art_lookup(store);

  constexpr float kDt = 1.0f / 30;
  // Never wider than the overlay itself.
  const std::uint32_t kCrop = static_cast<std::uint32_t>(std::min(int(float(o.crop_width) * o.scale), rect.width));
  // A fixed window around the start, so motion shows against it.
  const int centre = static_cast<int>(engine.x());
  std::vector<preview::StripFrame> frames;
  int shown = 0;
  for (float t = 0; t < scenario->seconds; t += kDt) {
    const preview::Stimulus stimulus = scenario->step(engine, t, kDt, o.text);
    engine.tick(kDt, stimulus.input, stimulus.desktop);
    if (t < scenario->record_from || (scenario->shows && !scenario->shows(engine))) continue;
    if (shown++ % o.every != 0) continue;
    DrawSnapshot snapshot = engine.draw_snapshot(0);
    if (scenario->figures_only) snapshot.speech.reset(), snapshot.particles.clear(), snapshot.toy.reset();
    render_snapshot(*overlay, snapshot, lookup, font);
    // A moving pet, or one found at a random moment, is followed, so it stays in view.
    const int middle = scenario->figures_only || scenario->shows ? static_cast<int>(engine.x()) : centre;
    const int left = std::clamp(middle - int(kCrop / 2), 0, std::max(0, rect.width - int(kCrop)));
    auto crop = Pixmap::create(kCrop, overlay->height());
    for (std::uint32_t y = 0; y < overlay->height(); ++y)
      std::copy_n(overlay->data() + (std::size_t(y) * overlay->width() + left) * 4, kCrop * 4,
                  crop->data() + std::size_t(y) * kCrop * 4);
    // The ground line, faint and behind the pet, so feet can be judged against it.
    const auto lane_y = static_cast<std::uint32_t>(rect.ground_y);
    for (std::uint32_t x = 0; !o.bare && lane_y < crop->height() && x < kCrop; ++x) {
      std::uint8_t* p = crop->data() + (std::size_t(lane_y) * kCrop + x) * 4;
      if (p[3] == 0) p[0] = p[1] = p[2] = 150, p[3] = 255;
    }
    frames.push_back({std::move(*crop), t});
    if (frames.size() >= 24) break;
  }
  if (!preview::write_strip(out, frames, o.bare)) {
    std::fprintf(stderr, "cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("%s: %zu frames\n", out.c_str(), frames.size());
  return 0;
}
