#include <algorithm>
#include <cmath>

#include "engine/chatter.h"
#include "engine/pet_engine.h"

namespace burrowly {

void PetEngine::step_idle(IdleActivity& a, float dt, bool quiet) {
  lift_ = floor_lift();
  bob_ = 0;
  a.elapsed += dt;
  a.time_left -= dt;
  const bool look = cursor_in_band() && has("look") && std::fmod(a.elapsed, 6.0f) > 4.2f;
  set_clip(look ? "look" : "sit", 6);
  face_cursor_while_idle();
  if (a.time_left <= 0) choose_next(quiet);
}

void PetEngine::step_pounce(PounceActivity& a, float dt) {
  set_chain({"swat", "sit"}, 12);
  a.elapsed += dt;
  if (a.elapsed >= 0.75f) become_idle(2.2f);
}

void PetEngine::step_petted(PettedActivity& a, float dt) {
  a.elapsed += dt;
  if (a.elapsed > 1 && (a.belly || has("belly"))) a.belly = true;
  if (a.belly) set_chain({"belly"}, 7);
  else set_chain({"pet", "happy"}, 7);
  if (a.elapsed > 2.6f) become_idle(2.5f);
}

void PetEngine::step_nap(NapActivity& a, float dt) {
  set_chain({"sleep", "curlsleep"}, 3);
  const float before = std::floor(a.elapsed * 0.45f);
  a.elapsed += dt;
  if (std::floor(a.elapsed * 0.45f) != before) a.z_due = true;
  // The "z" waits for the clip's next frame, so both change the picture at once.
  if (a.z_due && clip_frame_due(dt)) {
    a.z_due = false;
    spawn_sleep_z();
  }
  if (!a.long_sleep && a.elapsed > 35) become_idle(2);
}

void PetEngine::step_bongo(BongoActivity& a, float dt) {
  const float s = scale();
  const float ground = habitat().ground_y;
  set_chain({"bongo"}, 12);
  a.elapsed += dt;
  a.next_note -= dt;
  if (a.next_note <= 0) {
    a.next_note = 0.4f;
    spawn(effect::note, x_ + (20 * rng_.unit() - 10) * s, ground - 34 * s, 0, 1.1f);
  }
  if (a.elapsed > 12 || typing_timer_ <= 0.05f) become_idle(2);
}

void PetEngine::step_fidget(FidgetActivity& a, float dt) {
  set_clip(has(a.clip) ? a.clip : std::string_view("sit"), a.rate);
  a.elapsed += dt;
  const std::size_t n = std::max<std::size_t>(frame_count(config_.pet, clip_name_), 1);
  const bool over = a.elapsed >= a.duration;
  const bool played_once = !a.loop && a.elapsed > 0.6f * a.duration && frame_index_ + 1 >= n;
  if ((over || played_once) && a.clip == "wiggle" && has("shake")) start_fidget("shake", false, 1.0f, 10);
  else if (over) become_idle(2 + 3 * rng_.unit());
  else if (played_once) become_idle(2.5f);
}

void PetEngine::step_box(BoxActivity& a, float dt) {
  a.elapsed += dt;
  if (a.stage == 0) {
    set_chain({"crouch", "look"}, 7);
    a.wobble *= std::exp(-7 * dt);
    if (a.elapsed > 0.9f) {
      a.stage = 1;
      a.wobble = 0.25f;
      a.elapsed = 0;
    }
  } else if (a.stage == 1) {
    x_ = a.saved_x;
    // The amplitude is a share of 20 px, so that the wobble can be seen.
    bob_ = a.wobble * 20 * scale() * std::sin(18 * run_time_);
    a.wobble *= std::exp(-7 * dt);
    set_chain({"box", "boxonly"}, 6);
    if (a.elapsed > 5) {
      a.stage = 2;
      a.elapsed = 0;
    }
  } else {
    bob_ = 0;
    set_chain({"jump", "sit"}, 9);
    if (a.elapsed > 0.6f) become_idle(2);
  }
}

void PetEngine::step_lunch(LunchActivity& a, float dt) {
  const float s = scale();
  if (a.stage == 0) {
    if (std::abs(a.bowl_x - x_) > 14 * s) {
      facing_ = a.bowl_x > x_ ? 1.0f : -1.0f;
      x_ += dt * 66 * s * facing_;
      set_chain({"walk"}, 9);
    } else {
      a.stage = 1;
      a.elapsed = 0;
    }
  } else if (a.stage == 1) {
    a.elapsed += dt;
    set_chain({"eat", "sit"}, 8);
    if (a.elapsed > 4.2f) {
      a.stage = 2;
      a.elapsed = 0;
      if (config_.chatty && !whole_line_showing()) say(line(language(), Ui::your_turn_to_eat), 2.8f);
    }
  } else {
    a.elapsed += dt;
    set_chain({"lick", "happy", "sit"}, 8);
    if (a.elapsed > 2.2f) become_idle(2.5f);
  }
}

void PetEngine::step_overheated(OverheatedActivity& a, float dt, const DesktopSense& desktop) {
  const float s = scale();
  const float ground = habitat().ground_y;
  set_chain({"pant", "hpant", "flat", "wipe"}, 9);
  a.elapsed += dt;
  a.next_drop -= dt;
  if (a.next_drop <= 0) {
    a.next_drop = 0.45f;
    spawn(effect::sweat_drop, x_ + (20 * rng_.unit() - 10) * s, ground - 34 * s, 0, 1.0f);
  }
  if (a.elapsed > 5 || desktop.cpu_load < 70) become_idle(3);
}

void PetEngine::step_vibe(VibeActivity& a, float dt, const DesktopSense& desktop) {
  const float s = scale();
  const float ground = habitat().ground_y;
  set_chain({"vibe", "wag", "happy"}, 8);
  a.elapsed += dt;
  a.next_note -= dt;
  if (a.next_note <= 0) {
    a.next_note = 0.75f;
    const std::uint32_t kind = rng_.unit() < 0.5f ? effect::note : effect::notes;
    spawn(kind, x_ + (24 * rng_.unit() - 12) * s, ground - 36 * s, 0, 1.4f);
  }
  if (!desktop.sound_playing || desktop.microphone_in_use || a.elapsed > 9) become_idle(2.5f);
}

}  // namespace burrowly
