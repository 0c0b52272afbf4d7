#include "engine_soak.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "assets/catalogue.h"
#include "engine/habitat.h"
#include "engine/pet_engine.h"
#include "engine_fixture.h"

namespace burrowly::testing {
namespace {

constexpr float kTick = 0.033f;
constexpr const char* kAppKinds[] = {"", "code", "terminal", "browser", "video", "music", "game", "chat", "design"};

std::optional<std::size_t> heap_in_use() {
#if defined(__GLIBC__)
  return mallinfo2().uordblks;
#else
  return std::nullopt;
#endif
}

Config soak_config(const std::string& id) {
  Config config = quiet_config();
  config.profile_id = id;
  config.profile_display = id;
  config.chatty = config.watch_pc = config.listens = config.cross_monitors = true;
  config.break_min = 1;
  config.water_min = 1;
  config.lunch_hour = 13;
  config.bed_hour = 20;
  if (id.starts_with("soak-top")) {
    config.position = Position::top;
    config.top_notch = true;
    config.size = "L";
  }
  return config;
}

// The monitor arrangements a desk goes through: one screen, a scaled one beside it,
// three with one left of the primary, and a fullscreen program on the primary.
std::vector<MonitorInfo> layout(int which) {
  MonitorInfo primary;
  switch (which % 4) {
    case 0: return {primary};
    case 1: {
      MonitorInfo wide{2, 1920, 0, 2560, 1440, 1920, 0, 4480, 1380, 1.5f, false, false};
      return {primary, wide};
    }
    case 2: {
      MonitorInfo left{2, -1280, 0, 1280, 1024, -1280, 0, 0, 984, 1.0f, false, false};
      MonitorInfo right{3, 1920, 0, 1920, 1080, 1920, 0, 3840, 1032, 1.25f, false, false};
      return {left, primary, right};
    }
    default: {
      MonitorInfo blocked = primary;
      blocked.blocked = true;
      MonitorInfo other{2, 1920, 0, 1920, 1080, 1920, 0, 3840, 1080, 1.0f, false, false};
      return {blocked, other};
    }
  }
}

bool finite(float v) { return std::isfinite(v); }

// The first non-finite number of a snapshot, named.
std::optional<std::string> non_finite_in(const DrawSnapshot& s) {
  if (!finite(s.display_scale) || !finite(s.bubble_anchor_y) || !finite(s.habitat.ground_y)) return "snapshot scale";
  for (const FigureSnapshot& f : s.figures)
    if (!finite(f.x) || !finite(f.lift) || !finite(f.bob) || !finite(f.facing) || !finite(f.scale_x) ||
        !finite(f.scale_y) || !finite(f.rotation) || !finite(f.opacity))
      return "figure";
  if (s.toy && (!finite(s.toy->x) || !finite(s.toy->height) || !finite(s.toy->rotation) ||
                !finite(s.toy->opacity) || !finite(s.toy->phase)))
    return "toy";
  for (const Particle& p : s.particles)
    if (!finite(p.x) || !finite(p.y) || !finite(p.drift) || !finite(p.age) || !finite(p.life)) return "particle";
  if (s.speech && !finite(s.speech->opacity)) return "speech";
  return std::nullopt;
}

class SoakWorld {
 public:
  SoakWorld(std::uint64_t seed, SoakSetup setup) : random_(seed), setup_(setup) {
    atlas_ = make_atlas();
    EngineServices services;
    services.atlas = [this](std::string_view) { return atlas_; };
    services.save_config = [](const Config&) {};
    services.load_profile = [](std::string_view id) { return std::optional<Config>(soak_config(std::string(id))); };
    services.local_time = [this] { return clock(); };
    services.precise_time = [seed] { return 116444736000000000ULL + seed; };
    engine_.emplace(PetEngine::create(soak_config(profile_name()), layout(next_layout()), std::move(services)));
  }

  PetEngine& engine() { return *engine_; }
  double time() const { return time_; }
  std::uint64_t messages_cut_short() const { return messages_cut_short_; }

  void step() {
    time_ += kTick;
    if (time_ >= next_sense_) sense();
    if (time_ >= mode_end_) pick_mode();
    events();
    engine_->tick(kTick, input(), desktop_);
    check_message();
  }

 private:
  enum class Mode { away, sweep, hover, stroke, click, typing };

  // Local time from Friday 2026-03-06 12:58 on, simulated.
  LocalTime clock() const {
    const long minutes = 12 * 60 + 58 + long(time_ / 60);
    const int days = int(minutes / (24 * 60));
    return LocalTime{2026, 3, 6 + days, int(minutes / 60 % 24), int(minutes % 60), (5 + days) % 7};
  }

  float uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(random_); }
  bool chance_per_minute(float times) { return uniform(0, 1) < times * kTick / 60; }

  void pick_mode() {
    mode_ = Mode(std::uniform_int_distribution<int>(0, 5)(random_));
    mode_end_ = time_ + uniform(2, 15);
    mode_start_ = time_;
    away_before_ = uniform(0, 1) < 0.2f ? 200 : uniform(0, 5);  // seconds without input before this
    sweep_speed_ = uniform(-900, 900);
  }

  void sense() {
    next_sense_ = time_ + 1;
    if (hot_left_ > 0) hot_left_ -= 1;
    else if (uniform(0, 1) < 0.02f) hot_left_ = uniform(4, 12);
    desktop_.cpu_load = hot_left_ > 0 ? uniform(85, 100) : std::clamp(desktop_.cpu_load + uniform(-8, 8), 0.0f, 70.0f);
    desktop_.memory_load = uniform(0, 1) < 0.01f ? 95 : std::uint32_t(uniform(30, 80));
    if (uniform(0, 1) < 0.01f) desktop_.on_mains_power = !desktop_.on_mains_power;
    desktop_.has_battery = true;
    const int charge = int(desktop_.battery_percent) + (desktop_.on_mains_power ? 1 : -1);
    desktop_.battery_percent = std::uint8_t(std::clamp(charge, 3, 100));
    if (uniform(0, 1) < 0.008f) desktop_.online = !desktop_.online;
    if (uniform(0, 1) < 0.03f) desktop_.sound_playing = !desktop_.sound_playing;
    if (uniform(0, 1) < 0.01f) desktop_.microphone_in_use = !desktop_.microphone_in_use;
    if (uniform(0, 1) < 0.05f) desktop_.foreground_kind = kAppKinds[std::uniform_int_distribution<int>(0, 8)(random_)];
  }

  // Two profiles on the lane the run keeps to, or one on each lane.
  std::string profile_name() const {
    if (!setup_.top_lane) return profile_ ? "soak-top" : "soak-a";
    return std::string(*setup_.top_lane ? "soak-top" : "soak-a") + (profile_ ? "-2" : "");
  }

  // The next arrangement, with the number of monitors the run keeps to.
  int next_layout() {
    ++layout_;
    if (!setup_.monitor_count) return layout_;
    if (*setup_.monitor_count == 1) return 0;
    if (*setup_.monitor_count == 3) return 2;
    return layout_ % 2 ? 1 : 3;
  }

  // A message from the command line, watched until its time is up.
  void send(const SignalMsg& message) {
    PetEngine& e = *engine_;
    e.on_signal(message);
    watched_.reset();
    float seconds = 0;
    if (const auto* say = std::get_if<SayMsg>(&message))
      seconds = say->duration ? std::clamp(*say->duration, 1.5f, 30.0f) : 4.2f;
    else if (std::holds_alternative<OkMsg>(message)) seconds = 4.2f;
    else if (std::holds_alternative<FailMsg>(message)) seconds = 4.5f;
    if (seconds > 0 && e.speech_text()) watched_ = WatchedMessage{*e.speech_text(), time_, seconds};
  }

  // The user's own commands that speak (a new animal, another profile) replace a message.
  void user_spoke() { watched_.reset(); }

  void check_message() {
    if (!watched_) return;
    const double shown_for = time_ - watched_->sent + kTick;
    if (shown_for >= watched_->seconds - kTick / 2) {
      watched_.reset();
    } else if (engine_->speech_text() != watched_->text) {
      ++messages_cut_short_;
      watched_.reset();
    }
  }

  void events() {
    PetEngine& e = *engine_;
    if (chance_per_minute(1)) send(SayMsg{"soak message " + std::to_string(int(time_)), uniform(0, 40)});
    if (chance_per_minute(0.7f)) send(OkMsg{"ok"});
    if (chance_per_minute(0.7f)) send(FailMsg{"exit 1"});
    // Bursts: an agent reporting several steps, a fraction of a second apart.
    if (chance_per_minute(0.4f)) burst_left_ = std::uniform_int_distribution<int>(2, 6)(random_);
    if (burst_left_ > 0 && time_ >= next_burst_) {
      --burst_left_;
      next_burst_ = time_ + uniform(0.05f, 0.6f);
      switch (burst_left_ % 3) {
        case 0: send(FailMsg{"step failed"}); break;
        case 1: send(OkMsg{""}); break;
        default: send(SayMsg{"step " + std::to_string(burst_left_), std::nullopt}); break;
      }
    }
    if (chance_per_minute(0.5f)) e.throw_ball();
    if (chance_per_minute(0.25f)) e.toggle_sleep();
    if (e.config().forced_sleep && chance_per_minute(3)) e.toggle_sleep();
    if (chance_per_minute(0.3f)) {
      const auto species = species_list();
      e.change_pet(species[std::uniform_int_distribution<std::size_t>(0, species.size() - 1)(random_)],
                   std::string_view("ginger"));
      user_spoke();
    }
    if (chance_per_minute(0.25f)) {
      profile_ = !profile_;
      if (uniform(0, 1) < 0.5f) e.switch_profile(profile_name());
      else e.on_signal(ProfileMsg{profile_name()});
      user_spoke();
    }
    if (chance_per_minute(0.3f)) e.replace_monitors(layout(next_layout()));
    if (chance_per_minute(0.4f)) e.hop_monitor(uniform(0, 1) < 0.5f ? -1 : 1);
    if (chance_per_minute(0.1f)) e.start_wake_stretch();
  }

  InputSnapshot input() {
    const PetEngine& e = *engine_;
    const HabitatRect h = e.habitat();
    const float pet_x = float(h.x) + e.x();
    // The user clicks and strokes the pet where it shows, never above its window.
    const float ground = std::max(float(h.y) + h.ground_y - e.lift(), float(h.y) + 24);
    InputSnapshot in;
    in.idle_ms = 0;
    switch (mode_) {
      case Mode::away:
        cursor_x_ = 40, cursor_y_ = 30;
        in.idle_ms = std::uint32_t((away_before_ + time_ - mode_start_) * 1000);
        break;
      case Mode::sweep:
        cursor_x_ += sweep_speed_ * kTick;
        if (cursor_x_ < h.x || cursor_x_ > h.x + h.width) sweep_speed_ = -sweep_speed_;
        cursor_y_ = ground - 30;
        break;
      case Mode::hover: cursor_x_ = pet_x + 20, cursor_y_ = ground - 20; break;
      case Mode::stroke:
        stroke_phase_ = !stroke_phase_;
        cursor_x_ = pet_x + (stroke_phase_ ? 12.0f : -12.0f), cursor_y_ = ground - 20;
        break;
      case Mode::click: {
        cursor_x_ = pet_x, cursor_y_ = ground - 20;
        const bool down = std::fmod(time_, 0.3) < 0.1;
        in.left_down = down;
        in.left_pressed = down && !left_was_down_;
        break;
      }
      case Mode::typing: cursor_x_ = 900, cursor_y_ = 300; break;
    }
    left_was_down_ = in.left_down;
    in.cursor_x = std::int32_t(std::lround(cursor_x_));
    in.cursor_y = std::int32_t(std::lround(cursor_y_));
    return in;
  }

  struct WatchedMessage {
    std::string text;
    double sent = 0;
    float seconds = 0;
  };

  std::mt19937_64 random_;
  SoakSetup setup_;
  std::shared_ptr<const SizeAtlas> atlas_;
  std::optional<PetEngine> engine_;
  DesktopSense desktop_;
  double time_ = 0, next_sense_ = 0, mode_start_ = 0, mode_end_ = 0, away_before_ = 0;
  Mode mode_ = Mode::away;
  float cursor_x_ = 40, cursor_y_ = 30, sweep_speed_ = 300, hot_left_ = 0;
  bool stroke_phase_ = false, left_was_down_ = false, profile_ = false;
  int layout_ = -1, burst_left_ = 0;  // the first arrangement is the single monitor
  double next_burst_ = 0;
  std::optional<WatchedMessage> watched_;
  std::uint64_t messages_cut_short_ = 0;
};

std::optional<std::string> broken_rule(PetEngine& e) {
  if (e.monitor_index() >= e.monitors().size()) return "monitor index " + std::to_string(e.monitor_index());
  const HabitatRect h = e.habitat();
  if (!finite(e.x()) || !finite(e.lift()) || !finite(e.facing())) return std::string("non-finite pet position");
  if (e.x() < 0 || e.x() > float(h.width))
    return "x " + std::to_string(e.x()) + " outside 0.." + std::to_string(h.width);
  if (e.lift() < 0 || e.lift() > float(h.height))
    return "lift " + std::to_string(e.lift()) + " outside 0.." + std::to_string(h.height);
  if (auto what = non_finite_in(e.draw_snapshot(e.monitor_index()))) return "non-finite " + *what;
  return std::nullopt;
}

// Whether the activity itself keeps the pet off its ground.
bool holds_pet_up(const PetEngine& e) {
  if (e.activity() == Activity::jump) return true;
  if (const auto* fly = std::get_if<FlyActivity>(&e.activity_state())) return fly->stage == 1;
  return false;
}

// Whether any part of the pet (as tall as the tallest animal, hat on), its toy or
// prop, or the bubble's anchor lies outside the overlay window. The animals of a
// scene come from beyond the screen's sides and go there, so only their height counts.
bool outside_overlay(const PetEngine& e) {
  const DrawSnapshot s = e.draw_snapshot(e.monitor_index());
  const float height = float(s.habitat.height), width = float(s.habitat.width), u = s.display_scale;
  for (const FigureSnapshot& f : s.figures) {
    const float feet = s.habitat.ground_y - f.lift;
    if (feet > height || feet - tallest_figure(s.size) * u < 0) return true;
    if (!e.scene_running() && (f.x < 0 || f.x > width)) return true;
  }
  if (s.toy) {
    const ToyReach reach = toy_reach(s.toy->kind);
    const float y = s.habitat.ground_y - 6 * u - s.toy->height;
    constexpr float kRounding = 0.01f;
    if (y - reach.above * u < -kRounding || y + reach.below * u > height + kRounding ||
        s.toy->x - reach.side * u < -kRounding || s.toy->x + reach.side * u > width + kRounding)
      return true;
  }
  return s.speech && s.bubble_anchor_y < 0;
}

}  // namespace

SoakReport run_engine_soak(double simulated_seconds, std::uint64_t seed, SoakSetup setup) {
  SoakReport report;
  SoakWorld world(seed, setup);
  float last_lift = 0;
  while (world.time() < simulated_seconds) {
    world.step();
    ++report.ticks;
    PetEngine& e = world.engine();
    report.activities.insert(e.activity());
    const float above_floor = e.lift() - e.floor_lift();
    if (!e.scene_running() && !holds_pet_up(e) && above_floor > 0 && above_floor >= last_lift)
      report.lift_outside_jumps = std::max(report.lift_outside_jumps, above_floor);
    last_lift = above_floor;
    if (!e.config().pet_hidden && outside_overlay(e)) ++report.frames_outside_overlay;
    if (auto rule = broken_rule(world.engine())) {
      report.fault = "at " + std::to_string(world.time()) + " s in activity " +
                     std::to_string(int(world.engine().activity())) + ": " + *rule;
      break;
    }
    if (!report.heap_after_first_minute && world.time() >= 60) report.heap_after_first_minute = heap_in_use();
  }
  report.heap_at_end = heap_in_use();
  report.messages_cut_short = world.messages_cut_short();
  return report;
}

}  // namespace burrowly::testing
