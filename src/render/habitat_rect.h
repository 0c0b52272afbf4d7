#pragma once
// Where a monitor's overlay window sits and where the pet's ground line runs in it.

#include <cstdint>

namespace burrowly {

struct HabitatRect {
  bool top_mode = false;  // the lane along the top edge rather than above the taskbar
  std::int32_t x = 0, y = 0, width = 1400, height = 190;  // window, physical pixels
  float ground_y = 186;      // ground line inside the window
  float floor_depth = 36;    // band below the ground line that still counts as floor
  bool notch = false;        // a notch island bulges out of the top lane
  float notch_left = 0, notch_right = 0;  // window x of the island's ends

  bool operator==(const HabitatRect&) const = default;
};

}  // namespace burrowly
