#include <algorithm>

#include "engine/pet_engine.h"

namespace burrowly {

void PetEngine::tick(float dt, const InputSnapshot& input, const DesktopSense& desktop) {
  dt = std::clamp(dt, 0.001f, 0.1f);
  (void)input;
  (void)desktop;
  run_time_ += dt;
  age_speech(dt);
  if (config_.pet_hidden) return;
  age_particles(dt);
  blink(dt);
  advance_clip(dt);
  if (body_.step(dt, scale(), clip_name_, x_, lift_, facing_)) redraw_ = true;
}

void PetEngine::on_signal(const SignalMsg&) {}
void PetEngine::change_pet(std::string_view, std::optional<std::string_view>) {}
void PetEngine::switch_profile(std::string_view) {}
void PetEngine::toggle_sleep() {}
void PetEngine::throw_ball() {}
void PetEngine::start_wake_stretch() {}
void PetEngine::replace_monitors(std::vector<MonitorInfo> monitors) { monitors_ = std::move(monitors); }

}  // namespace burrowly
