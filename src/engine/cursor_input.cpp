#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "assets/catalogue.h"
#include "engine/chatter.h"
#include "engine/pet_engine.h"

namespace burrowly {
namespace {

bool purrs(std::string_view species) {
  return species == "cat" || species == "manul" || species == "rabbit" || species == "chinchilla";
}

}  // namespace

void PetEngine::track_cursor(const InputSnapshot& input) {
  // Kept every tick, also while the pet is hidden or a scene runs, so that the first
  // tick afterwards does not see all the movement in between as one stroke. The very
  // first tick has nothing to compare with and counts as no movement.
  if (!cursor_known_) {
    cursor_last_x_ = input.cursor_x;
    cursor_last_y_ = input.cursor_y;
    cursor_known_ = true;
  }
  const std::int64_t dx = std::int64_t(input.cursor_x) - cursor_last_x_;
  const std::int64_t dy = std::int64_t(input.cursor_y) - cursor_last_y_;
  cursor_moving_ = std::abs(dx) >= 3 || std::abs(dy) >= 3;
  cursor_dx_ = static_cast<float>(dx);
  cursor_last_x_ = input.cursor_x;
  cursor_last_y_ = input.cursor_y;
}

void PetEngine::read_cursor(const InputSnapshot& input) {
  const HabitatRect rect = habitat();
  cursor_x_ = static_cast<float>(std::int64_t(input.cursor_x) - rect.x);
  cursor_y_ = static_cast<float>(std::int64_t(input.cursor_y) - rect.y);
  std::erase_if(click_times_, [&](float t) { return run_time_ - t > 2; });
}

bool PetEngine::cursor_in_band() const {
  const float s = scale();
  const HabitatRect rect = habitat();
  return cursor_x_ >= 0 && cursor_x_ <= width() && cursor_y_ >= rect.ground_y - 90 * s &&
         cursor_y_ <= rect.ground_y + rect.floor_depth + 24 * s;
}

bool PetEngine::cursor_on_pet() const {
  const float s = scale();
  const float ground = habitat().ground_y;
  return std::abs(cursor_x_ - x_) <= 24 * s && cursor_y_ >= ground - lift_ - 46 * s &&
         cursor_y_ <= ground - lift_ + 14 * s;
}

void PetEngine::update_typing(float dt, const InputSnapshot& input) {
  if (config_.listens && input.idle_ms < 220 && !cursor_moving_ && !input.left_down) typing_timer_ = 1.1f;
  else typing_timer_ = std::max(typing_timer_ - dt, 0.0f);
}

bool PetEngine::handle_click(const InputSnapshot& input) {
  if (!input.left_pressed) return false;
  const float s = scale();
  const float ground = habitat().ground_y;
  if (auto* ball = std::get_if<BallActivity>(&activity_)) {
    const float dx = cursor_x_ - ball->x, dy = cursor_y_ - (ground - 6 * s - ball->height);
    if (std::hypot(dx, dy) <= 22 * s) {
      ball->vh = 290 * s;
      ball->vx = cursor_x_ < ball->x ? 220.0f : -220.0f;
      return true;
    }
  }
  if (!cursor_on_pet()) return false;
  body_.squash_speed -= config_.forced_sleep ? 1.28f : 3.2f;
  redraw_ = true;
  if (auto* box = std::get_if<BoxActivity>(&activity_)) {
    box->wobble = 0.28f;
    if (box->stage != 1) {
      box->stage = 1;
      box->elapsed = 0;
    }
    spawn(effect::sparkle, x_, ground - 36 * s, 0, 0.9f);
    return false;
  }
  if (config_.forced_sleep) return false;
  click_times_.push_back(run_time_);
  if (click_times_.size() >= 3) {
    click_times_.clear();
    facing_ = cursor_x_ > x_ ? -1.0f : 1.0f;
    activity_ = JumpActivity{0, 230 * s, facing_ * 165 * s};
    const bool dog_like = is_dog(config_.pet) || config_.pet == "fox";
    if (!whole_line_showing()) say(line(language(), dog_like ? Ui::ouch : Ui::hiss), 2.2f);
    return false;
  }
  spawn(effect::heart, x_, ground - 38 * s, 0, 1.3f);
  if (click_times_.size() == 2 && config_.chatty && !whole_line_showing()) {
    const bool cat = config_.pet == "cat" || config_.pet == "manul";
    say(cat ? line(language(), Ui::purr) : sound_word(language(), config_.pet), 1.8f);
  }
  return false;
}

void PetEngine::handle_stroke(float dt) {
  const float s = scale();
  const float dx = cursor_dx_;
  if (cursor_on_pet() && std::abs(dx) > 0.5f && !config_.forced_sleep) {
    stroke_meter_ += std::abs(dx);
    if (dx * stroke_last_dx_ <= 0) stroke_meter_ += 18;
    // One quick pass across the pet is no stroke: it takes a back-and-forth.
    if (dx * stroke_last_dx_ < 0) stroke_turned_ = true;
    stroke_last_dx_ = dx;
    // A pet in mid-air is not petted: it would hang there.
    const bool airborne = lift_ > floor_lift();
    if (stroke_meter_ > 68 * s && stroke_turned_ && activity() != Activity::petted && !airborne) {
      stroke_meter_ = 0;
      stroke_turned_ = false;
      config_.stat_pet_today += 1;
      config_.stat_pet_all += 1;
      delay_save(2.0f);
      activity_ = PettedActivity{false, 0};
      const float ground = habitat().ground_y;
      // The purr and the heart rise on either side of the head, apart, so neither hides the other.
      if (purrs(config_.pet)) spawn(effect::purr_puff, x_ - 14 * s, ground - 36 * s, -6.0f, 1.4f);
      spawn(effect::heart, x_ + 12 * s, ground - 42 * s, 8.0f, 1.5f);
    }
    return;
  }
  stroke_meter_ = std::max(stroke_meter_ - 25 * dt, 0.0f);
  if (stroke_meter_ <= 0) stroke_turned_ = false;
}

void PetEngine::run_cursor_starts(float dt) {
  const Activity now = activity();
  if (config_.forced_sleep || (now != Activity::idle && now != Activity::walk) || !cursor_in_band()) return;
  const float s = scale();
  const float gap = std::abs(cursor_x_ - x_);
  if (cursor_moving_ && gap > 55 * s) {
    if (rng_.unit() < 0.65f * dt) activity_ = FollowActivity{0};
  } else if (!cursor_moving_ && gap <= 42 * s) {
    if (rng_.unit() < 0.4f * dt) activity_ = PounceActivity{0};
  }
}

}  // namespace burrowly
