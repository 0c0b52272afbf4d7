#pragma once
// The decisions of one frame tick that need no window: the frame time, when to
// re-assert topmost, and which overlays to draw or hide.

#include <cstddef>
#include <vector>

#include "engine/monitor_info.h"

namespace burrowly {

inline constexpr double kMinFrameSeconds = 0.005;
inline constexpr double kMaxFrameSeconds = 0.1;
inline constexpr double kTopmostPeriodSeconds = 1.5;

// Seconds since the previous frame, kept within 0.005..0.1.
double frame_seconds(double previous, double now);

// Adds dt to the accumulator; true (and the accumulator restarts at 0) when 1.5 s
// have gathered.
bool topmost_due(double& accumulator, double dt);

struct FrameState {
  std::size_t pet_monitor = 0;
  bool pet_hidden = false;
  bool notch_mode = false;  // top edge with the notch island
  bool topmost_due = false;
};

enum class OverlayAction { draw, draw_and_reassert, clear };

// What happens to each of `overlay_count` overlays on a full redraw pass.
std::vector<OverlayAction> plan_overlays(const std::vector<MonitorInfo>& monitors, std::size_t overlay_count,
                                         const FrameState& frame);

// On a frame with nothing to redraw: whether to re-assert the pet's overlay alone.
bool reassert_only(const std::vector<MonitorInfo>& monitors, std::size_t overlay_count, const FrameState& frame);

}  // namespace burrowly
