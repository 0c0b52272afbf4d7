#pragma once
// The little scene in which a new animal runs in and the old one walks off.

#include <optional>
#include <string>

namespace burrowly {

struct SceneFigure {
  std::string species;
  std::string coat;
  std::optional<std::string> outfit;  // resolved
  std::string clip;
  float x = 0;
  float facing = 1;
  float frame_counter = 0;  // frames are its integer part modulo the clip length
  float opacity = 1;
};

struct HandoverScene {
  SceneFigure old_figure;  // the animal that leaves
  SceneFigure new_figure;  // the animal that arrives
  float stage_time = 0;
  int stage = 0;         // 0 run-in, 1 leave, 2 done
  bool restore = false;  // a daily visit: the pet comes back afterwards
};

}  // namespace burrowly
