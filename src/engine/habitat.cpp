#include "engine/habitat.h"

#include <algorithm>
#include <cmath>

namespace burrowly {

float tallest_figure(std::string_view size) {
  // Measured on the shipped art, hats on; a test keeps them true.
  if (size == "S") return 64;
  if (size == "L") return 113;
  return 87;
}

HabitatRect habitat_rect(const MonitorInfo& monitor, bool top_mode, bool top_notch, std::string_view size) {
  const float c = std::max(monitor.scale, 1.0f);
  HabitatRect rect;
  rect.top_mode = top_mode;
  rect.x = monitor.x;
  rect.width = std::max(monitor.width, 64);
  if (top_mode) {
    const std::int32_t band = static_cast<std::int32_t>(std::lround(200 * c));
    rect.y = monitor.y;
    rect.height = std::max(std::min(monitor.height, band), 64);
    rect.floor_depth = std::round(36 * c);
    rect.ground_y = std::round((tallest_figure(size) + kJumpRoom) * c);
    if (top_notch && monitor.primary && monitor.width > 360 * c) {
      const float half = std::round(190 * c) * 0.5f;
      rect.notch = true;
      rect.notch_left = rect.width * 0.5f - half;
      rect.notch_right = rect.width * 0.5f + half;
    }
    return rect;
  }
  // A thin or missing taskbar (auto-hidden) still leaves a small floor.
  const std::int32_t taskbar = std::max(monitor.y + monitor.height - monitor.work_bottom, 0);
  const float floor = taskbar > 19 ? static_cast<float>(taskbar) : 4 * c;
  const std::int32_t h =
      std::min(monitor.height, static_cast<std::int32_t>(std::lround(190 * c)) + std::min(taskbar, 96));
  rect.y = monitor.y + monitor.height - h;
  rect.height = std::max(h, 64);
  rect.floor_depth = std::max(floor, 36 * c);
  rect.ground_y = static_cast<float>(h) - floor;
  return rect;
}

}  // namespace burrowly
