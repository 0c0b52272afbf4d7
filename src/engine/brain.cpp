#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "assets/catalogue.h"
#include "config/calendar.h"
#include "config/day_counters.h"
#include "engine/animal_groups.h"
#include "engine/chatter.h"
#include "engine/pet_engine.h"
#include "text/unicode.h"

namespace burrowly {
namespace {

constexpr int kFriday = 5;  // LocalTime::weekday

void count_down(float& timer, float dt) { timer = std::max(timer - dt, 0.0f); }

bool blank(const std::string& text) { return trim_unicode_space(text).empty(); }

float mood_factor(const std::string& mood) {
  if (mood == "calm") return 0.45f;
  if (mood == "playful") return 1.65f;
  return 1.0f;
}

}  // namespace

void PetEngine::become_idle(float seconds) { activity_ = IdleActivity{seconds, 0}; }

void PetEngine::delay_save(float seconds) { save_delay_ = seconds; }

void PetEngine::save_now() {
  if (services_.save_config) services_.save_config(config_);
}

void PetEngine::tick(float dt, const InputSnapshot& input, const DesktopSense& desktop) {
  dt = std::clamp(dt, 0.001f, 0.1f);
  last_dt_ = dt;
  track_cursor(input);

  run_time_ += dt;
  for (float* timer : {&speech_cooldown_, &hot_cooldown_, &cool_cooldown_, &memory_cooldown_,
                       &battery_cooldown_, &app_cooldown_})
    count_down(*timer, dt);
  age_speech(dt);

  if (save_delay_ > 0) {
    save_delay_ -= dt;
    if (save_delay_ <= 0) {
      save_delay_ = 0;
      save_now();
    }
  }

  const LocalTime before = now_;
  now_ = services_.local_time();
  // The day's mark is text: formatted again only when the date moves on.
  if (now_.day != before.day || now_.month != before.month || now_.year != before.year)
    today_ = day_mark(now_.year, now_.month, now_.day);
  stats_flush_ += dt;
  if (stats_flush_ >= 30) {
    stats_flush_ = 0;
    roll_day(config_, today_);
  }

  if (config_.pet_hidden) return;
  escape_blocked_monitor();
  age_particles(dt);
  blink(dt);

  run_reminders(input);
  run_water_reminder(dt);
  run_day_events();
  if (config_.watch_pc) run_desktop_reactions(desktop);
  run_app_remark(desktop);

  if (scene_) {
    step_scene(dt);
    return;
  }
  if (monitors_.empty()) return;

  read_cursor(input);
  update_typing(dt, input);
  if (!handle_click(input)) handle_stroke(dt);

  if (config_.forced_sleep) {
    step_forced_sleep(dt);
  } else {
    run_spontaneous_starts(dt, desktop);
    step_activity(dt, desktop);
  }
  settle_on_floor(dt);
  advance_clip(dt);
  if (body_.step(dt, scale(), clip_name_, x_, lift_ - floor_lift(), facing_)) redraw_ = true;
}

void PetEngine::run_reminders(const InputSnapshot& input) {
  if (input.idle_ms >= 180000) {
    work_mark_ = config_.work_sec;
    return;
  }
  work_carry_ += last_dt_;
  const float whole = std::floor(work_carry_);
  work_carry_ -= whole;
  config_.work_sec += static_cast<std::uint32_t>(whole);
  // A new work day (or another profile) may have restarted the count below the mark.
  if (config_.work_sec < work_mark_) work_mark_ = config_.work_sec;
  if (config_.break_min != 0 && config_.work_sec - work_mark_ >= 60 * config_.break_min &&
      speech_cooldown_ <= 0) {
    work_mark_ = config_.work_sec;
    speech_cooldown_ = 10;
    say(line(language(), Ui::stretch_break), 4.0f);
  }
}

void PetEngine::run_water_reminder(float dt) {
  if (config_.water_min == 0 || config_.forced_sleep) return;
  water_clock_ += dt;
  if (water_clock_ < 60.0f * config_.water_min) return;
  water_clock_ = 0;
  const Activity now = activity();
  if (now != Activity::idle && now != Activity::walk) return;
  config_.water_count += 1;
  delay_save(1.0f);
  const float upper = monitors_.empty() ? 1145.0f : std::max(width() - 55, 55.0f);
  const float target = std::min(upper, std::max(55.0f, x_ + 38 * facing_)) + (facing_ > 0 ? -18.0f : 18.0f);
  walk_to(target, false, WalkFollowUp::splash);
  if (speech_cooldown_ <= 0) {
    say(line(language(), Ui::water_check), 4.0f);
    speech_cooldown_ = 6;
  }
}

void PetEngine::run_day_events() {
  // Each day line waits until the line being read has ended, and counts as said once shown.
  if (config_.lunch_hour >= 0 && now_.hour == config_.lunch_hour && now_.minute < 5 &&
      lunch_said_ != today_ && !config_.forced_sleep && !whole_line_showing()) {
    lunch_said_ = today_;
    const float upper = monitors_.empty() ? 1140.0f : std::max(width() - 60, 60.0f);
    activity_ = LunchActivity{0, std::min(upper, std::max(60.0f, x_ + 36 * facing_)), 0};
    say_whole(line(language(), Ui::lunchtime), 3.8f);
  }
  if (config_.bed_hour >= 0 && now_.hour == config_.bed_hour && now_.minute < 5 && bed_said_ != today_ &&
      !whole_line_showing()) {
    bed_said_ = today_;
    say_whole(line(language(), Ui::getting_late), 4.2f);
    // A real nap that ends by itself after about 35 s.
    activity_ = NapActivity{false, 0};
  }
  if (now_.weekday == kFriday && now_.hour >= 17 && now_.hour <= 20 && friday_said_ != today_ && config_.chatty &&
      !whole_line_showing()) {
    friday_said_ = today_;
    say_whole(line(language(), Ui::happy_friday), 4.0f);
  }
  const std::int64_t n = days_together_today();
  const auto anniversary = anniversary_line(language(), n);
  if (anniversary && anniversary_said_ != today_ && config_.chatty && !whole_line_showing()) {
    anniversary_said_ = today_;
    say_whole(*anniversary, 4.5f);
  }
  if (n >= 3 && config_.visit_day != today_ && run_time_ > 45 && !scene_ && !monitors_.empty() &&
      !whole_line_showing() && rng_.unit() < 0.01f * last_dt_) {
    start_visit();
    config_.visit_day = today_;
    delay_save(1.0f);
  }
}

// Both days are text: parsed again only when one of them changes, not every tick.
std::int64_t PetEngine::days_together_today() {
  if (days_counted_.first_day != config_.first_day || days_counted_.today != today_)
    days_counted_ = {config_.first_day, today_, days_together(config_.first_day, today_)};
  return days_counted_.days;
}

void PetEngine::run_desktop_reactions(const DesktopSense& desktop) {
  const std::uint8_t power = desktop.on_mains_power ? 1 : 0;
  if (last_power_ == 0 && power == 1) {
    spawn(effect::plug_flash, x_, bubble_anchor_y(), 0, 1.3f);
    if (config_.chatty && speech_cooldown_ <= 0) {
      say(line(language(), Ui::plug_me_in), 2.5f);
      speech_cooldown_ = 5;
    }
  }
  last_power_ = power;

  if (!desktop.on_mains_power && desktop.has_battery && desktop.battery_percent <= 18 &&
      battery_cooldown_ <= 0 && !whole_line_showing()) {
    battery_cooldown_ = 300;
    say(line(language(), Ui::plug_me_in), 3.8f);
  }

  const std::uint8_t online = desktop.online ? 1 : 0;
  if (last_online_ != 2 && last_online_ != online && speech_cooldown_ <= 0) {
    say(line(language(), online ? Ui::back_online : Ui::lost_connection), 3.2f);
    speech_cooldown_ = 6;
  }
  last_online_ = online;

  // The load lines wait until a line being read has ended.
  if (desktop.cpu_load >= 84 && !whole_line_showing()) {
    if (!hot_latch_ && hot_cooldown_ <= 0) {
      hot_latch_ = true;
      hot_cooldown_ = 120;
      say(cpu_heat_line(language(), desktop.cpu_load), 3.5f);
      if (!config_.forced_sleep && activity() == Activity::idle) activity_ = OverheatedActivity{0, 0.2f};
    }
  } else if (desktop.cpu_load <= 58 && hot_latch_ && !whole_line_showing()) {
    hot_latch_ = false;
    if (cool_cooldown_ <= 0) {
      cool_cooldown_ = 90;
      say(line(language(), Ui::cpu_cooled), 2.8f);
    }
  }

  if (desktop.memory_load >= 91 && memory_cooldown_ <= 0 && !whole_line_showing()) {
    memory_cooldown_ = 240;
    say(line(language(), Ui::memory_tight), 3.5f);
  }
}

void PetEngine::run_app_remark(const DesktopSense& desktop) {
  if (!config_.chatty || desktop.microphone_in_use) return;
  const std::string& category = desktop.foreground_kind;
  if (category.empty() || category == last_app_ || app_cooldown_ > 0 || speech_cooldown_ > 0 ||
      config_.forced_sleep)
    return;
  const auto lines = app_lines(language(), category);
  if (lines.empty()) return;
  std::string words(lines[rng_.pick(lines.size())]);
  if (now_.hour < 9 && rng_.unit() < 0.35f) words += time_suffix(language(), now_.hour).value_or("");
  last_app_ = category;
  app_cooldown_ = 300;
  speech_cooldown_ = 8;
  say(words, 3.6f);
}

void PetEngine::step_forced_sleep(float dt) {
  set_chain({"sleep", "curlsleep"}, 3);
  if (auto* nap = std::get_if<NapActivity>(&activity_)) {
    nap->elapsed += dt;
    if (nap->elapsed >= 2.2f && clip_frame_due(dt)) {
      nap->elapsed = 0;
      spawn_sleep_z();
    }
  }
}

void PetEngine::run_spontaneous_starts(float dt, const DesktopSense& desktop) {
  const bool quiet = desktop.microphone_in_use;
  if (activity() == Activity::idle && !quiet) {
    if (typing_timer_ > 0.2f && has("bongo")) {
      activity_ = BongoActivity{0, 0.05f};
    } else if (desktop.sound_playing && config_.watch_pc && rng_.unit() < 0.22f * dt) {
      activity_ = VibeActivity{0, 0.2f};
    }
  }
  run_cursor_starts(dt);
}

void PetEngine::step_activity(float dt, const DesktopSense& desktop) {
  const bool quiet = desktop.microphone_in_use;
  std::visit(
      [&](auto& a) {
        using A = std::decay_t<decltype(a)>;
        if constexpr (std::is_same_v<A, IdleActivity>) step_idle(a, dt, quiet);
        else if constexpr (std::is_same_v<A, WalkActivity>) step_walk(a, dt);
        else if constexpr (std::is_same_v<A, FollowActivity>) step_follow(a, dt);
        else if constexpr (std::is_same_v<A, PounceActivity>) step_pounce(a, dt);
        else if constexpr (std::is_same_v<A, PettedActivity>) step_petted(a, dt);
        else if constexpr (std::is_same_v<A, JumpActivity>) step_jump(a, dt);
        else if constexpr (std::is_same_v<A, NapActivity>) step_nap(a, dt);
        else if constexpr (std::is_same_v<A, BongoActivity>) step_bongo(a, dt);
        else if constexpr (std::is_same_v<A, FidgetActivity>) step_fidget(a, dt);
        else if constexpr (std::is_same_v<A, BoxActivity>) step_box(a, dt);
        else if constexpr (std::is_same_v<A, FlyActivity>) step_fly(a, dt);
        else if constexpr (std::is_same_v<A, BallActivity>) step_ball(a, dt);
        else if constexpr (std::is_same_v<A, SplashActivity>) step_splash(a, dt);
        else if constexpr (std::is_same_v<A, LunchActivity>) step_lunch(a, dt);
        else if constexpr (std::is_same_v<A, OverheatedActivity>) step_overheated(a, dt, desktop);
        else if constexpr (std::is_same_v<A, VibeActivity>) step_vibe(a, dt, desktop);
      },
      activity_);
}

void PetEngine::choose_next(bool quiet) {
  const float f = mood_factor(config_.mood);
  const float s = scale();
  const float w = width();
  const std::uint64_t after_r1_state = (rng_.next(), rng_.state());
  const float r1 = static_cast<float>(after_r1_state >> 40) * (1.0f / 16777216.0f);
  const float r2 = rng_.unit();
  const float r3 = rng_.unit();

  if (config_.cross_monitors && monitors_.size() > 1 && r1 < 0.14f) {
    if (r2 < 0.5f) walk_to(w - 18 * s, r3 < 0.35f, WalkFollowUp::hop, 1);
    else walk_to(18 * s, r3 < 0.35f, WalkFollowUp::hop, -1);
    return;
  }
  if (r1 < 0.36f * std::min(f, 1.3f)) {
    walk_to(r2 * (std::max(w - 48 * s, 60.0f) - 48 * s) + 48 * s, r3 < 0.3f * f, WalkFollowUp::none);
    return;
  }
  if (r1 < 0.52f * std::min(f, 1.4f) && !(r1 < 0.44f && has("box"))) {
    const float r4 = rng_.unit();
    FlyActivity fly;
    fly.x = std::min(std::max(w - 40, 40.0f), std::max(40.0f, x_ + (55 * r2 + 40) * facing_ * s));
    fly.y = habitat().ground_y - 70 * s;  // window y, 70 px above the ground
    fly.vx = (45 * r3 + 50) * s * (r4 < 0.5f ? 1.0f : -1.0f);
    fly.vy = 15 * s;
    activity_ = fly;
    return;
  }
  // The remaining rules draw on from just after r1.
  rng_.set_state(after_r1_state);
  if (r1 < 0.44f && has("box")) {
    activity_ = BoxActivity{0, 0, x_, 0.22f};
    return;
  }
  if (r1 < 0.59f * std::min(f, 1.4f)) {
    throw_ball();
    return;
  }
  if (config_.mood == "calm" && r1 < 0.72f && !quiet) {
    activity_ = NapActivity{false, 0};
    return;
  }
  std::array<std::string_view, 12> candidates{};
  std::size_t count = 0;
  for (std::string_view clip : fidget_clips(species_group(config_.pet)))
    if (has(clip)) candidates[count++] = clip;
  if (count == 0) {
    become_idle(3 + 3 * rng_.unit());
    return;
  }
  const std::string_view pick = count == 1 ? candidates[0] : candidates[rng_.pick(count)];
  if (pick == "howl" && !quiet && config_.chatty && speech_cooldown_ <= 0) {
    say(line(language(), Ui::awooo), 2.4f);
    speech_cooldown_ = 12;
  }
  start_fidget(pick, fidget_loops(pick), 1.6f + 1.4f * rng_.unit(), 8.5f);
}

void PetEngine::start_fidget(std::string_view clip, bool loop, float duration, float rate) {
  FidgetActivity fidget;
  fidget.loop = loop;
  fidget.duration = duration;
  fidget.rate = rate;
  fidget.clip = clip;
  activity_ = fidget;
}

void PetEngine::start_wake_stretch() {
  if (config_.forced_sleep) return;
  start_fidget("stretch", false, 1.6f, 7);
  redraw_ = true;
}

void PetEngine::on_signal(const SignalMsg& message) {
  if (const auto* profile = std::get_if<ProfileMsg>(&message)) {
    switch_profile(profile->slug);
    return;
  }
  config_.pet_hidden = false;
  config_.forced_sleep = false;
  const auto cheer = [&](std::string_view words, float seconds) {
    say_whole(words, seconds);
    spawn(effect::sparkle, x_, bubble_anchor_y(), 0, 1.1f);
    start_fidget("happy", true, 1.6f, 8.5f);
  };
  if (const auto* msg = std::get_if<SayMsg>(&message)) {
    // The sender may ask for a duration; it stays readable but never lingers.
    cheer(msg->text, msg->duration ? std::clamp(*msg->duration, 1.5f, 30.0f) : 4.2f);
  } else if (const auto* ok = std::get_if<OkMsg>(&message)) {
    cheer(blank(ok->text) ? line(language(), Ui::ok_reaction) : std::string_view(ok->text), 4.2f);
  } else if (const auto* fail = std::get_if<FailMsg>(&message)) {
    say_whole(blank(fail->text) ? line(language(), Ui::fail_reaction) : std::string_view(fail->text), 4.5f);
    speech_style_ = SpeechStyle::alert;
    activity_ = JumpActivity{0, 210 * scale(), -95 * scale() * facing_};
  }
  redraw_ = true;
}

void PetEngine::toggle_sleep() {
  config_.forced_sleep = !config_.forced_sleep;
  save_now();
  if (config_.forced_sleep) activity_ = NapActivity{true, 0};
  else become_idle(2.5f);
  redraw_ = true;
}

// ---- hand-over scenes ----

void PetEngine::change_pet(std::string_view species, std::optional<std::string_view> coat) {
  const std::string old_pet = config_.pet, old_coat = config_.coat;
  reset_body(facing_);
  config_.pet.assign(species);
  if (coat) config_.coat.assign(*coat);
  config_.pet_hidden = false;
  save_now();
  redraw_ = true;
  if (config_.pet == old_pet && config_.coat == old_coat) return;
  SceneFigure old_figure{old_pet, old_coat, std::nullopt, "look", x_, 1, 0, 1};
  SceneFigure new_figure{config_.pet, config_.coat, resolved_outfit(), "run", 0, 1, 0, 1};
  start_scene(std::move(old_figure), std::move(new_figure), false);
  say(sound_word(language(), config_.pet), 2.5f);
}

void PetEngine::switch_profile(std::string_view profile_id) {
  if (profile_id == config_.profile_id || !services_.load_profile) return;
  auto next = services_.load_profile(profile_id);
  if (!next) return;
  save_now();
  const std::string old_pet = config_.pet, old_coat = config_.coat;
  config_ = std::move(*next);
  reset_body(facing_);
  // The new profile's sleep state holds, whatever the old one was doing.
  if (config_.forced_sleep) activity_ = NapActivity{true, 0};
  else if (const auto* nap = std::get_if<NapActivity>(&activity_); nap && nap->long_sleep) become_idle(2.5f);
  if (config_.pet != old_pet || config_.coat != old_coat) {
    SceneFigure old_figure{old_pet, old_coat, std::nullopt, "look", x_, -1, 0, 1};
    SceneFigure new_figure{config_.pet, config_.coat, resolved_outfit(), "run", 0, 1, 0, 1};
    start_scene(std::move(old_figure), std::move(new_figure), false);
  }
  say(profile_greeting(language(), config_.profile_display, config_.pet), 2.8f);
  redraw_ = true;
}

void PetEngine::start_visit() {
  std::array<std::string_view, kSpeciesCount> others{};
  std::size_t count = 0;
  for (std::string_view species : species_list())
    if (species != config_.pet) others[count++] = species;
  const std::string_view visitor = count == 0 ? std::string_view("fox") : others[rng_.pick(count)];
  constexpr std::array<std::string_view, 5> kCoats{"black", "white", "ginger", "gray", "siamese"};
  const std::string_view coat = kCoats[rng_.pick(kCoats.size())];
  const float facing = x_ < width() * 0.5f ? 1.0f : -1.0f;
  SceneFigure old_figure{config_.pet, config_.coat, resolved_outfit(), "look", x_, facing, 0, 1};
  SceneFigure new_figure{std::string(visitor), std::string(coat), std::nullopt, "run", 0, 1, 0, 1};
  start_scene(std::move(old_figure), std::move(new_figure), true);
  say(sound_word(language(), visitor), 3.0f);
}

void PetEngine::start_scene(SceneFigure old_figure, SceneFigure new_figure, bool restore) {
  const float w = width();
  new_figure.x = old_figure.x < w * 0.5f ? w + 40 : -40.0f;
  scene_ = HandoverScene{std::move(old_figure), std::move(new_figure), 0, 0, restore};
  redraw_ = true;
}

void PetEngine::step_scene(float dt) {
  HandoverScene& scene = *scene_;
  const float w = width();
  const float centre = w * 0.5f;
  SceneFigure& old_figure = scene.old_figure;
  SceneFigure& new_figure = scene.new_figure;
  old_figure.frame_counter += 7 * dt;
  new_figure.frame_counter += 10 * dt;
  scene.stage_time += dt;
  redraw_ = true;

  // In a hand-over the old animal leaves; in a visit the visitor does and the pet stays.
  SceneFigure& leaver = scene.restore ? new_figure : old_figure;
  SceneFigure& stayer = scene.restore ? old_figure : new_figure;
  if (scene.stage == 0) {
    // The newcomer runs all the way in, however far the old animal stands.
    const float target = old_figure.x > centre ? old_figure.x - 44 : old_figure.x + 44;
    new_figure.facing = target >= new_figure.x ? 1.0f : -1.0f;
    new_figure.clip = "run";
    new_figure.x += 165 * dt * new_figure.facing;
    if (std::abs(target - new_figure.x) < 16) {
      scene.stage = 1;
      scene.stage_time = 0;
    }
  } else if (scene.stage == 1) {
    leaver.clip = "walk";
    leaver.facing = leaver.x >= stayer.x ? 1.0f : -1.0f;  // away from the one who stays
    leaver.x += 145 * dt * leaver.facing;
    leaver.opacity = std::clamp(1 - 0.85f * scene.stage_time, 0.0f, 1.0f);
    stayer.clip = "happy";
    if (scene.stage_time > 1.2f) scene.stage = 2;
  }
  if (scene.stage == 2) {
    // A new animal takes over where it stopped; after a visit the pet stays where it is.
    if (!scene.restore) x_ = std::clamp(stayer.x, 40.0f, std::max(w - 40, 50.0f));
    lift_ = floor_lift();
    facing_ = stayer.facing;
    reset_body(facing_);
    become_idle(2.5f);
    if (scene.restore) {
      config_.pet = old_figure.species;
      config_.coat = old_figure.coat;
    }
    scene_.reset();
  }
}

}  // namespace burrowly
