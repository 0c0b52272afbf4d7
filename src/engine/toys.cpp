#include <algorithm>

#include "engine/pet_engine.h"

namespace burrowly {

void PetEngine::throw_ball() {
  config_.pet_hidden = false;
  config_.forced_sleep = false;
  config_.stat_ball += 1;
  delay_save(1.5f);
  const float s = scale();
  const float w = width();
  BallActivity ball;
  ball.x = x_ > w * 0.5f ? 60 * s : std::max(w - 60 * s, 80.0f);
  ball.height = 95 * s;
  ball.vx = (110 * rng_.unit() + 180) * s * (ball.x < x_ ? 1.0f : -1.0f);
  ball.vh = (80 * rng_.unit() + 40) * s;
  activity_ = ball;
  redraw_ = true;
}

}  // namespace burrowly
