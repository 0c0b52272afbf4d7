#include <algorithm>
#include <cmath>

#include "engine/animal_groups.h"
#include "engine/pet_engine.h"

namespace burrowly {
namespace {

// A clamp whose range never inverts: a too-narrow monitor pins at the lower bound.
float pin(float value, float low, float high) { return std::clamp(value, low, std::max(high, low)); }

}  // namespace

void PetEngine::walk_to(float target, bool run, WalkFollowUp follow_up, int direction) {
  activity_ = WalkActivity{run, target, follow_up, direction};
}

void PetEngine::step_walk(WalkActivity& walk, float dt) {
  const float s = scale();
  const bool turtle = config_.pet == "turtle";
  const float speed = (walk.run ? (turtle ? 72.0f : 130.0f) : (turtle ? 36.0f : 62.0f)) * s;
  if (walk.run) set_chain({"run", "walk"}, 13);
  else set_chain({"walk"}, 9);

  if (std::abs(walk.target - x_) <= dt * speed + 2) {
    x_ = pin(walk.target, 24 * s, width() - 24 * s);
    lift_ = floor_lift();
    bob_ = 0;
    const WalkActivity done = walk;  // the follow-up replaces the activity
    switch (done.follow_up) {
      case WalkFollowUp::none: become_idle(2.5f + 4 * rng_.unit()); break;
      case WalkFollowUp::splash: {
        SplashActivity splash;
        splash.drop_x = pin(x_ + facing_ * 18 * s, 40, width() - 40);
        splash.vx = facing_ * 150 * s;
        activity_ = splash;
        break;
      }
      case WalkFollowUp::hop:
        hop_monitor(done.direction);
        break;
    }
    return;
  }
  facing_ = walk.target > x_ ? 1.0f : -1.0f;
  x_ += dt * speed * facing_;
  lift_ = floor_lift();
}

float PetEngine::floor_lift() const {
  // On the notched top lane the ground bulges over the notch island.
  const HabitatRect rect = habitat();
  if (!rect.top_mode || !rect.notch) return 0;
  const float s = scale();
  const float k = 14 * s;
  if (x_ <= rect.notch_left - k || x_ >= rect.notch_right + k) return 0;
  const float half = (rect.notch_right - rect.notch_left) / 2;
  const float u =
      std::clamp((x_ - (rect.notch_left + rect.notch_right) / 2) / std::max(k + half, 1.0f), -1.0f, 1.0f);
  return 28 * s * (1 - u * u);
}

float PetEngine::ceiling_lift() const {
  // The tallest animal of the pet's size, hat on, keeps its head inside the window.
  return std::max(habitat().ground_y - tallest_figure(config_.size) * scale(), floor_lift());
}

void PetEngine::step_follow(FollowActivity& follow, float dt) {
  const float s = scale();
  const float gap = cursor_x_ - x_;
  if (std::abs(gap) < 26 * s) {
    config_.stat_cursor += 1;
    delay_save(3.0f);
    activity_ = PounceActivity{0};
    return;
  }
  if (!cursor_in_band()) {
    become_idle(2.5f);
    return;
  }
  if (cursor_moving_) follow.give_up = 0;
  else follow.give_up += dt;
  if (follow.give_up > 2) {
    become_idle(2.5f);
    return;
  }
  facing_ = gap > 0 ? 1.0f : -1.0f;
  const bool far = std::abs(gap) > 140 * s;
  if (far) set_chain({"run", "walk"}, 12);
  else set_chain({"walk"}, 12);
  x_ = pin(x_ + dt * (far ? 145 : 78) * s * facing_, 24 * s, width() - 24 * s);
}

void PetEngine::face_cursor_while_idle() {
  if (!cursor_in_band()) return;
  if (std::abs(cursor_x_ - x_) > 16) facing_ = cursor_x_ > x_ ? 1.0f : -1.0f;
}

void PetEngine::step_jump(JumpActivity& jump, float dt) {
  const float s = scale();
  set_chain({"jump", "tuck", "sit"}, 10);
  jump.elapsed += dt;
  jump.vertical_speed -= 620 * s * dt;
  x_ = pin(x_ + dt * jump.horizontal_speed, 20 * s, width() - 20 * s);
  lift_ = std::clamp(lift_ + dt * jump.vertical_speed, floor_lift(), ceiling_lift());
  if (lift_ >= ceiling_lift()) jump.vertical_speed = std::min(jump.vertical_speed, 0.0f);  // the screen's edge
  if (jump.elapsed > 0.25f && lift_ <= floor_lift()) become_idle(2);
}

void PetEngine::settle_on_floor(float dt) {
  const float floor = floor_lift();
  const bool held = std::holds_alternative<JumpActivity>(activity_) ||
                    (std::holds_alternative<FlyActivity>(activity_) && std::get<FlyActivity>(activity_).stage == 1);
  if (held) {
    fall_speed_ = 0;
  } else if (grounded_ || lift_ <= floor) {
    lift_ = floor;  // a pet on its ground follows it, over the hump and down again
    fall_speed_ = 0;
  } else {
    // The jump's gravity, so a pet dropped mid-leap lands the way a jump does.
    fall_speed_ -= 620 * scale() * dt;
    lift_ = std::max(floor, lift_ + dt * fall_speed_);
    redraw_ = true;
  }
  lift_ = std::min(lift_, ceiling_lift());
  grounded_ = !held && lift_ <= floor;
}

void PetEngine::step_fly(FlyActivity& fly, float dt) {
  const float s = scale();
  const float w = width();
  const float ground = habitat().ground_y;
  fly.x += dt * fly.vx;
  fly.y += dt * fly.vy + dt * 20 * s * std::sin(14 * run_time_);
  if (rng_.unit() < 2 * dt) fly.vy = (90 * rng_.unit() - 45) * s;
  fly.x = pin(fly.x, 24 * s, w - 24 * s);
  fly.y = pin(fly.y, ground - 72 * s, ground - 24 * s);
  if (fly.x >= w - 25 * s || fly.x <= 25 * s) fly.vx = -fly.vx;
  fly.elapsed += dt;
  redraw_ = true;

  if (fly.stage == 0) {
    const float gap = fly.x - x_;
    facing_ = gap > 0 ? 1.0f : -1.0f;
    if (std::abs(gap) > 48 * s) set_chain({"crouch", "sit"}, 7);
    else set_chain({"look", "sit"}, 7);
    if (std::abs(gap) > 36 * s) {
      x_ += dt * 52 * s * facing_;
    } else if (fly.elapsed > 1.2f) {
      fly.stage = 1;
      fly.elapsed = 0;
    }
  } else {
    if (!fly.leap_started) {
      fly.leap_started = true;
      vertical_speed_ = 220 * s;
    }
    vertical_speed_ -= 580 * s * dt;
    lift_ = std::clamp(lift_ + dt * vertical_speed_, floor_lift(), ceiling_lift());
    if (lift_ >= ceiling_lift()) vertical_speed_ = std::min(vertical_speed_, 0.0f);
    set_chain({"jump", "swat"}, 11);
    if (fly.elapsed > 0.35f && lift_ <= floor_lift()) {
      config_.stat_fly += 1;
      delay_save(2.0f);
      spawn(effect::sparkle, fly.x, fly.y, 0, 0.9f);
      become_idle(2.5f);
      return;
    }
  }
  if (fly.elapsed > 8) {
    lift_ = floor_lift();
    become_idle(2);
  }
}

void PetEngine::step_ball(BallActivity& ball, float dt) {
  const float s = scale();
  const float w = width();
  ball.age += dt;
  const float next_x = ball.x + dt * ball.vx;
  if (next_x < 18 * s) {
    ball.x = 18 * s;
    ball.vx = 0.85f * std::abs(ball.vx);
  } else if (next_x > w - 18 * s) {
    ball.x = w - 18 * s;
    ball.vx = -0.85f * std::abs(ball.vx);
  } else {
    ball.x = next_x;
  }
  // The toy rolls on the ground and bounces off the screen's top, its picture inside
  // the window: a long toy on a thin floor rolls a little above the ground line.
  const HabitatRect rect = habitat();
  const ToyReach reach = toy_reach(toy_kind_for(config_.pet));
  const float floor = std::max((reach.below - 6) * s - (float(rect.height) - rect.ground_y), 0.0f);
  const float top = std::max(rect.ground_y - (6 + reach.above) * s, floor);
  ball.vh -= 620 * s * dt;
  const float next_h = ball.height + dt * ball.vh;
  if (next_h <= floor) {
    ball.height = floor;
    if (std::abs(ball.vh) > 45 * s) {
      ball.vh = 0.62f * std::abs(ball.vh);
      ball.bounces += 1;
    } else {
      ball.vh = 0;
    }
    ball.vx *= 0.92f;
  } else if (next_h > top) {
    ball.height = top;  // off the screen's edge, like off its sides
    ball.vh = -0.85f * std::abs(ball.vh);
  } else {
    ball.height = next_h;
  }
  redraw_ = true;

  if (std::abs(ball.x - x_) > 14 * s) {
    facing_ = ball.x > x_ ? 1.0f : -1.0f;
    x_ += dt * 135 * s * facing_;
    set_chain({"run", "walk"}, 13);
  } else if (ball.height < 22 * s && ball.bounces < 3) {
    ball.vx = (100 * rng_.unit() + 180) * s * facing_;
    ball.vh = (100 * rng_.unit() + 190) * s;
    set_chain({"swat", "happy"}, 11);
    spawn(effect::sparkle, ball.x, habitat().ground_y - 12 * s, 0, 0.7f);
  } else {
    set_chain({"look"}, 6);
  }
  if (ball.age > 10.5f || (ball.age > 4.5f && ball.height <= floor + 0.1f && std::abs(ball.vx) < 8)) become_idle(2.2f);
}

void PetEngine::step_splash(SplashActivity& splash, float dt) {
  const float s = scale();
  splash.elapsed += dt;
  redraw_ = true;
  if (splash.elapsed < 0.6f) {
    set_chain({"look", "sit"}, 6);
    return;
  }
  if (!splash.launched) {
    splash.launched = true;
    splash.airborne = true;
    if (!habitat().top_mode) splash.vh = 110 * s;
  }
  set_chain({"look"}, 6);
  splash.vh -= 560 * s * dt;
  const float side = toy_reach(ToyKind::water_drop).side * s;
  splash.drop_x = pin(splash.drop_x + dt * splash.vx, side, width() - side);
  splash.drop_height += dt * splash.vh;
  splash.angle += dt * (splash.vx > 0 ? 4.2f : -4.2f);
  if (splash.elapsed > 2.4f || splash.drop_height < -drop_fall_limit()) become_idle(2);
}

float PetEngine::drop_fall_limit() const {
  // 80 px below the ground, or less where the window ends sooner.
  const HabitatRect rect = habitat();
  const float s = scale();
  const float below = toy_reach(ToyKind::water_drop).below - 6;
  return std::clamp(float(rect.height) - rect.ground_y - below * s, 0.0f, 80 * s);
}

bool PetEngine::hop_monitor(int direction) {
  const std::size_t count = monitors_.size();
  if (count == 0) {
    become_idle(2);
    return false;
  }
  const std::size_t current = std::min(monitor_index_, count - 1);
  const auto usable = [&](std::size_t i) { return i != current && !monitors_[i].blocked; };

  std::optional<std::size_t> best;
  std::int64_t best_distance = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!usable(i)) continue;
    const std::int64_t distance = direction < 1
                                      ? std::int64_t(monitors_[current].x) - monitors_[i].x
                                      : std::int64_t(monitors_[i].x) - monitors_[current].x;
    if (distance >= 1 && (!best || distance < best_distance)) {
      best = i;
      best_distance = distance;
    }
  }
  if (!best) {
    // Nothing further that way: wrap round, starting beside the current monitor.
    std::size_t i = direction < 1 ? (current + count - 1) % count : (current + 1) % count;
    for (std::size_t step = 0; step < count; ++step, i = (i + 1) % count) {
      if (usable(i)) {
        best = i;
        break;
      }
    }
  }
  if (!best) {
    become_idle(2);
    return false;
  }

  monitor_index_ = *best;
  const float w = width();
  x_ = (direction < 1 && w - 24 > 24) ? w - 24 : 24;
  reset_body(facing_);
  walk_to(w * 0.5f, false, WalkFollowUp::none);
  redraw_ = true;
  return true;
}

void PetEngine::keep_walk_on_lane() {
  // A walk under way ends on the current lane, not past its edge.
  if (auto* walk = std::get_if<WalkActivity>(&activity_))
    walk->target = pin(walk->target, 24 * scale(), width() - 24 * scale());
}

void PetEngine::escape_blocked_monitor() {
  const MonitorInfo* monitor = current_monitor();
  if (!monitor || !monitor->blocked || !config_.cross_monitors || monitors_.size() < 2) return;
  for (std::size_t i = 0; i < monitors_.size(); ++i) {
    if (monitors_[i].blocked) continue;
    monitor_index_ = i;
    x_ = monitors_[i].width * 0.5f;
    keep_walk_on_lane();
    reset_body(facing_);
    redraw_ = true;
    return;
  }
}

void PetEngine::replace_monitors(std::vector<MonitorInfo> monitors) {
  monitors_ = std::move(monitors);
  if (monitor_index_ >= monitors_.size()) monitor_index_ = 0;
  x_ = std::min(std::max(width() - 30, 40.0f), std::max(x_, 30.0f));
  keep_walk_on_lane();
  reset_body(facing_);
  redraw_ = true;
}

void PetEngine::update_blocked_flags(const std::vector<MonitorInfo>& monitors) {
  for (std::size_t i = 0; i < monitors_.size() && i < monitors.size(); ++i) monitors_[i].blocked = monitors[i].blocked;
  redraw_ = true;
}

}  // namespace burrowly
