#include "engine/pet_engine.h"

#include <algorithm>
#include <cmath>

#include "assets/catalogue.h"
#include "config/calendar.h"
#include "config/languages.h"
#include "engine/animal_groups.h"
#include "engine/chatter.h"

namespace burrowly {

std::uint64_t seed_from_filetime(std::uint64_t filetime) {
  constexpr std::uint64_t kUnixEpoch = 116444736000000000ULL;
  if (filetime < kUnixEpoch) return 0x9E3779B97F4A7C15ULL;
  return (filetime - kUnixEpoch) * 100 + 1;
}

PetEngine PetEngine::create(Config config, std::vector<MonitorInfo> monitors, EngineServices services) {
  PetEngine engine;
  engine.config_ = std::move(config);
  engine.monitors_ = std::move(monitors);
  engine.services_ = std::move(services);
  engine.rng_.set_state(seed_from_filetime(engine.services_.precise_time()));
  engine.now_ = engine.services_.local_time();
  engine.today_ = day_mark(engine.now_.year, engine.now_.month, engine.now_.day);

  const auto primary = std::find_if(engine.monitors_.begin(), engine.monitors_.end(),
                                    [](const MonitorInfo& m) { return m.primary; });
  engine.monitor_index_ = primary == engine.monitors_.end() ? 0 : primary - engine.monitors_.begin();
  engine.x_ = engine.monitors_.empty()
                  ? 1190.4f
                  : std::max(0.62f * engine.monitors_[engine.monitor_index_].width, 120.0f);

  if (engine.config_.forced_sleep) {
    engine.activity_ = NapActivity{true, 0};
    engine.clip_name_ = "sleep";
  } else {
    engine.activity_ = IdleActivity{2.5f + 3.5f * engine.rng_.unit(), 0};
    engine.clip_name_ = "sit";
  }
  engine.fps_ = 6;
  engine.reset_body(-1);
  engine.blink_next_ = 2.2f + 2.8f * engine.rng_.unit();
  engine.speech_cooldown_ = 2.0f;
  engine.redraw_ = true;

  if (!engine.config_.forced_sleep && !engine.config_.pet_hidden && engine.config_.chatty) {
    const Language lang = engine.language();
    if (engine.now_.hour <= 10) engine.say(line(lang, Ui::good_morning), 3.0f);
    else engine.say(sound_word(lang, engine.config_.pet), 2.5f);
    // The reminders that wait for the cool-down let the greeting be read first.
    engine.speech_cooldown_ = std::max(engine.speech_cooldown_, engine.speech_duration_);
  }
  return engine;
}

// ---- clip machinery ----

std::size_t PetEngine::frame_count(std::string_view species, std::string_view clip) const {
  if (!services_.atlas) return 0;
  const auto atlas = services_.atlas(species);
  if (!atlas) return 0;
  const std::vector<FrameRaw>* frames = find_clip(*atlas, clip);
  return frames ? frames->size() : 0;
}

bool PetEngine::has(std::string_view clip) const { return frame_count(config_.pet, clip) > 0; }

std::string_view PetEngine::first_available(std::initializer_list<std::string_view> chain) const {
  for (std::string_view clip : chain)
    if (has(clip)) return clip;
  return "sit";
}

void PetEngine::set_clip(std::string_view name, float fps) {
  if (name == clip_name_) {
    fps_ = fps;
    return;
  }
  clip_name_.assign(name);
  frame_index_ = 0;
  frame_phase_ = 0;
  fps_ = fps;
  redraw_ = true;
}

void PetEngine::set_chain(std::initializer_list<std::string_view> chain, float fps) {
  set_clip(first_available(chain), fps);
}

bool PetEngine::clip_frame_due(float dt) const { return frame_phase_ + dt * fps_ >= 1; }

void PetEngine::advance_clip(float dt) {
  const std::size_t n = std::max<std::size_t>(frame_count(config_.pet, clip_name_), 1);
  const bool due = clip_frame_due(dt);
  frame_phase_ += dt * fps_;
  if (due) {
    const float k = std::floor(frame_phase_);
    frame_phase_ -= k;
    frame_index_ = (frame_index_ + static_cast<std::uint64_t>(k)) % n;
    redraw_ = true;
  }
}

void PetEngine::reset_body(float facing) { body_.reset(facing); }

// ---- speech, effects, blinking ----

void PetEngine::say(std::string_view text, float seconds) {
  speech_text_.emplace(text);
  speech_age_ = 0;
  speech_duration_ = std::max(seconds, 1.5f);
  speech_style_ = SpeechStyle::normal;
  speech_whole_ = false;
  redraw_ = true;
}

void PetEngine::say_whole(std::string_view text, float seconds) {
  say(text, seconds);
  speech_whole_ = true;
  // The lines that wait for the cool-down wait for this one too.
  speech_cooldown_ = std::max(speech_cooldown_, speech_duration_);
}

void PetEngine::spawn(std::uint32_t kind, float x, float y, float drift, float life) {
  constexpr std::size_t kMaxParticles = 29;
  if (particles_.size() >= kMaxParticles) particles_.erase(particles_.begin());
  particles_.push_back({kind, x, y, drift, 0, life});
  redraw_ = true;
}

// The "z" rises from the sleeper's head, on the side it faces, and drifts away from it.
void PetEngine::spawn_sleep_z() {
  const float s = scale();
  spawn(effect::sleep_z, x_ + facing_ * 12 * s, habitat().ground_y - 26 * s, facing_ * 6.0f, 1.8f);
}

void PetEngine::age_speech(float dt) {
  if (!speech_text_) return;
  speech_age_ += dt;
  redraw_ = true;
  if (speech_age_ >= speech_duration_) speech_text_.reset();
}

bool PetEngine::sleeping_in_place() const {
  return !scene_ && !monitors_.empty() && (config_.forced_sleep || activity() == Activity::nap);
}

// A sleeping pet's particles move only with the slow clip's next frame, so the breathing
// and the rising "z" change the picture together and the ticks between change nothing.
void PetEngine::age_particles(float dt) {
  if (particles_.empty()) {
    unshown_particle_time_ = 0;
    return;
  }
  unshown_particle_time_ += dt;
  if (sleeping_in_place() && !clip_frame_due(dt)) return;
  for (Particle& p : particles_) p.age += unshown_particle_time_;
  unshown_particle_time_ = 0;
  std::erase_if(particles_, [](const Particle& p) { return p.age >= p.life; });
  redraw_ = true;
}

void PetEngine::blink(float dt) {
  blink_left_ -= dt;
  blink_next_ -= dt;
  if (blink_next_ <= 0) {
    blink_left_ = blink_length_;
    blink_next_ = 2.6f + 2.8f * rng_.unit();
    redraw_ = true;
  }
}

float PetEngine::bubble_anchor_y() const {
  if (monitors_.empty()) return 60;
  return std::max(habitat().ground_y - lift_ - 38 * scale(), 4.0f);
}

// ---- geometry helpers ----

const MonitorInfo* PetEngine::current_monitor() const {
  return monitor_index_ < monitors_.size() ? &monitors_[monitor_index_] : nullptr;
}

float PetEngine::scale() const {
  const MonitorInfo* monitor = current_monitor();
  return monitor ? std::max(monitor->scale, 1.0f) : 1.0f;
}

float PetEngine::width() const {
  const MonitorInfo* monitor = current_monitor();
  return monitor ? static_cast<float>(monitor->width) : 1400.0f;
}

HabitatRect PetEngine::habitat() const {
  const MonitorInfo* monitor = current_monitor();
  if (!monitor) return HabitatRect{};
  return habitat_rect(*monitor, config_.position == Position::top, config_.top_notch, config_.size);
}

// ---- draw snapshot ----

DrawSnapshot PetEngine::draw_snapshot(std::size_t monitor_index) const {
  DrawSnapshot snap;
  if (monitor_index < monitors_.size()) {
    const MonitorInfo& monitor = monitors_[monitor_index];
    snap.habitat = habitat_rect(monitor, config_.position == Position::top, config_.top_notch, config_.size);
    snap.display_scale = std::max(monitor.scale, 1.0f);
  }
  snap.size = config_.size;
  snap.language = language();
  // A hidden pet takes its island with it.
  if (config_.pet_hidden) snap.habitat.notch = false;
  if (config_.pet_hidden || monitor_index != monitor_index_) return snap;

  const float ground = snap.habitat.ground_y;
  if (scene_) {
    // The newcomer first: the speech bubble belongs to the first figure, and the newcomer is the one speaking.
    for (const SceneFigure* figure : {&scene_->new_figure, &scene_->old_figure}) {
      FigureSnapshot f;
      f.species = figure->species;
      f.coat = figure->coat;
      f.outfit = figure->outfit;
      f.clip = figure->clip;
      const std::size_t n = std::max<std::size_t>(frame_count(figure->species, figure->clip), 1);
      f.frame = static_cast<std::uint64_t>(std::max(figure->frame_counter, 0.0f)) % n;
      f.x = figure->x;
      f.facing = figure->facing;
      f.opacity = figure->opacity;
      snap.figures.push_back(std::move(f));
    }
  } else {
    FigureSnapshot f;
    f.species = config_.pet;
    f.coat = config_.coat;
    f.outfit = resolved_outfit();
    f.clip = clip_name_;
    f.frame = frame_index_ % std::max<std::size_t>(frame_count(config_.pet, clip_name_), 1);
    f.x = x_;
    f.lift = lift_;
    f.bob = bob_;
    f.facing = body_.shown_facing;
    f.scale_x = ((1 - body_.squash) * 0.75f + 1) * body_.turn_width();
    f.scale_y = body_.squash;
    f.rotation = body_.lean;
    f.blink = blink_left_ > 0 && !config_.forced_sleep && activity() != Activity::nap;
    snap.figures.push_back(std::move(f));

    if (const auto* fly = std::get_if<FlyActivity>(&activity_)) {
      snap.toy = ToySnapshot{ToyKind::fly, fly->x, ground - fly->y, 0,
                             std::clamp((8 - fly->elapsed) * 2, 0.0f, 1.0f), run_time_};
    } else if (const auto* ball = std::get_if<BallActivity>(&activity_)) {
      snap.toy = ToySnapshot{toy_kind_for(config_.pet), ball->x, ball->height,
                             0.01f * ball->vx + 0.05f * ball->x,
                             std::clamp((10.5f - ball->age) * 2, 0.0f, 1.0f), run_time_};
    } else if (const auto* splash = std::get_if<SplashActivity>(&activity_)) {
      // It fades out over the last of its fall, rather than vanishing at full opacity.
      const float limit = drop_fall_limit();
      const float depth_fade = (splash->drop_height + limit) / std::clamp(limit, scale(), 24 * scale());
      snap.toy = ToySnapshot{ToyKind::water_drop, splash->drop_x, splash->drop_height, splash->angle,
                             std::clamp(std::min((2.4f - splash->elapsed) / 0.4f, depth_fade), 0.0f, 1.0f),
                             run_time_};
    } else if (const auto* lunch = std::get_if<LunchActivity>(&activity_)) {
      snap.toy = ToySnapshot{ToyKind::food_bowl, lunch->bowl_x, 0, 0, 1, run_time_};
    }
  }

  if (speech_text_) {
    const float opacity = std::min(std::clamp(speech_age_ / 0.18f, 0.0f, 1.0f),
                                   std::clamp((speech_duration_ - speech_age_) * 4, 0.0f, 1.0f));
    if (opacity > 0.01f) snap.speech = SpeechSnapshot{*speech_text_, speech_style_, opacity};
  }
  snap.bubble_anchor_y = bubble_anchor_y();
  snap.particles = particles_;
  return snap;
}

Language PetEngine::language() const { return language_from_code(config_.lang); }

std::optional<std::string> PetEngine::resolved_outfit() const {
  const auto outfit = resolve_outfit(config_.outfit, now_.month, now_.day);
  if (!outfit) return std::nullopt;
  return std::string(*outfit);
}

}  // namespace burrowly
