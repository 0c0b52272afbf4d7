#pragma once
// The overlay window and ground line of the pet's habitat on one monitor.

#include <string_view>

#include "engine/monitor_info.h"
#include "render/habitat_rect.h"

namespace burrowly {

// The height of the tallest animal as drawn at a pet size, at display scale 1: every
// species in every clip the engine plays, with the tallest hat, stretched and leaning
// as far as its body goes, and a pixel for rounding. Unknown sizes count as M.
float tallest_figure(std::string_view size);
// The room the highest jump takes above the ground (a startled hop: 230²/(2·620)).
inline constexpr float kJumpRoom = 43;

// On the top lane the ground lies deep enough below the screen's top for the tallest
// animal of the pet's size and its highest jump, with room for the bubble below.
HabitatRect habitat_rect(const MonitorInfo& monitor, bool top_mode, bool top_notch, std::string_view size);

}  // namespace burrowly
