#include "engine/body_spring.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

namespace burrowly {
namespace {

bool airborne(std::string_view clip) {
  constexpr std::array<std::string_view, 6> kAirborne{"jump", "leap", "jumpup", "kickup", "cheer", "climbjump"};
  return std::find(kAirborne.begin(), kAirborne.end(), clip) != kAirborne.end();
}

}  // namespace

void BodySpring::reset(float facing) {
  last_clip.clear();
  has_last_x = false;
  last_x = 0;
  squash = 1;
  squash_speed = 0;
  lean = 0;
  lean_speed = 0;
  flip_blend = 1;
  flip_target = shown_facing = facing;
  last_lift = 0;
}

float BodySpring::turn_width() const {
  if (!turning()) return 1;
  return 0.3f + 0.7f * std::abs(std::cos(std::numbers::pi_v<float> * flip_blend));
}

bool BodySpring::step(float dt, float scale, const std::string& clip, float x, float lift, float facing) {
  const float h = std::min(dt, 0.05f);
  const float s = scale;

  if (!last_clip.empty() && last_clip != clip) {
    const bool was_up = airborne(last_clip), is_up = airborne(clip);
    if (!was_up && is_up) squash_speed += 1.4f;
    else if (was_up && !is_up) squash_speed -= 2.8f;
    else squash_speed -= 0.75f;
  }
  if (last_clip != clip) last_clip = clip;

  if (lift <= 0.5f && last_lift > 6 * s) squash_speed -= std::min(last_lift / (9 * s), 3.0f);
  last_lift = lift;

  const float target = facing < 0 ? -1.0f : 1.0f;
  if (target != shown_facing && flip_blend >= 1) {
    flip_target = target;
    flip_blend = 0;
  }
  const bool turned = flip_blend < 1;
  if (turned) {
    flip_blend = std::min(1.0f, flip_blend + h / 0.17f);
    if (flip_blend >= 0.5f) shown_facing = flip_target;
  }

  const float v = (has_last_x && h > 0) ? (x - last_x) / h / std::max(s, 0.5f) : 0.0f;
  has_last_x = true;
  last_x = x;

  squash_speed += h * (-230 * (squash - 1) - 10.5f * squash_speed);
  squash = std::clamp(squash + h * squash_speed, 0.82f, 1.16f);

  const float c = std::clamp(v / 160, -1.0f, 1.0f);
  lean_speed += h * (-140 * (lean - 0.045f * c) - 13 * lean_speed);
  lean = std::clamp(lean + h * lean_speed, -0.12f, 0.12f);

  return turned || std::abs(squash - 1) > 0.002f || std::abs(squash_speed) > 0.02f ||
         std::abs(lean) > 0.002f || std::abs(lean_speed) > 0.02f;
}

}  // namespace burrowly
