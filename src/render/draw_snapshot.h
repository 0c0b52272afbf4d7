#pragma once
// Everything the frame composer draws on one monitor's overlay for one frame: the
// values the engine hands to the renderer, defined once for both sides.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assets/language.h"
#include "render/habitat_rect.h"
#include "render/particle.h"

namespace burrowly {

// One animal on stage: the pet, or one of the two animals of a hand-over scene.
struct FigureSnapshot {
  std::string species;
  std::string coat;
  std::optional<std::string> outfit;  // already resolved for the date; none when empty
  std::string clip;                   // an atlas clip name
  std::uint64_t frame = 0;            // index into the clip's frames
  float x = 0;                        // anchor x in the window
  float lift = 0;                     // height above the ground line
  float bob = 0;                      // extra vertical draw offset (down is positive)
  float facing = -1;                  // sign gives the direction
  float scale_x = 1, scale_y = 1;     // squash and stretch, and the turn
  float rotation = 0;                 // lean, radians
  bool blink = false;                 // eyes closed
  float opacity = 1;
};

// The first four kinds are the thrown toy's pictures; the others the props of the
// fly hunt, the water reminder and lunch.
enum class ToyKind : std::uint8_t { yarn_ball = 0, frisbee = 1, carrot = 2, treat = 3, fly, water_drop, food_bowl };

// How far a toy's picture reaches from its centre (ui), sideways, above and below; for
// the toys that turn, in every direction. The centre is 6 ui above the toy's height.
struct ToyReach {
  float side = 0, above = 0, below = 0;
};
ToyReach toy_reach(ToyKind kind);

struct ToySnapshot {
  ToyKind kind = ToyKind::yarn_ball;
  float x = 0;         // window x of its centre
  float height = 0;    // above the ground line
  float rotation = 0;  // radians
  float opacity = 1;
  float phase = 0;     // running time, for the fly's wing beat
};

enum class SpeechStyle : std::uint8_t { normal = 0, alert = 1 };

struct SpeechSnapshot {
  std::string text;  // UTF-8
  SpeechStyle style = SpeechStyle::normal;
  float opacity = 1;
};

struct DrawSnapshot {
  HabitatRect habitat;
  float display_scale = 1;   // max(monitor scale, 1)
  std::string size = "M";    // the profile's pet size, applied only when drawing
  std::vector<FigureSnapshot> figures;  // empty when the pet is not on this monitor
  std::optional<ToySnapshot> toy;
  std::optional<SpeechSnapshot> speech;  // belongs to the first figure
  float bubble_anchor_y = 60;            // window y above which the bubble sits
  std::vector<Particle> particles;
  Language language = Language::en;
};

}  // namespace burrowly
