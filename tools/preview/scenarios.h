#pragma once
// Scripted things that happen to the pet over a preview run.

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "engine/pet_engine.h"

namespace burrowly::preview {

struct Stimulus {
  InputSnapshot input;
  DesktopSense desktop;
};

struct Scenario {
  std::string_view name;
  float seconds;
  float record_from;  // frames before this time are simulated but not shown
  bool figures_only;  // shows the animals alone: no bubble, no particles
  // Called before every tick with the time since the start and the text to say; may
  // act on the engine.
  std::function<Stimulus(PetEngine&, float t, float dt, const std::string& text)> step;
  // When set, only the frames for which it holds are shown (a scene or activity that
  // starts at a random moment).
  std::function<bool(const PetEngine&)> shows = {};
};

std::span<const Scenario> scenarios();
const Scenario* find_scenario(std::string_view name);

}  // namespace burrowly::preview
