#pragma once
// One display monitor as the shell enumerates it.

#include <cstdint>

namespace burrowly {

struct MonitorInfo {
  std::uint32_t number = 1;  // 1-based position in enumeration order
  std::int32_t x = 0, y = 0, width = 1920, height = 1080;
  std::int32_t work_left = 0, work_top = 0, work_right = 1920, work_bottom = 1032;
  float scale = 1.0f;  // effective DPI / 96, at least 1
  bool primary = true;
  bool blocked = false;  // a fullscreen window covers it

  bool operator==(const MonitorInfo&) const = default;
};

// Stands in when enumeration finds no monitor: 1920 x 1080 at the origin with a
// 48-pixel taskbar, scale 1, primary.
inline MonitorInfo fallback_monitor() { return MonitorInfo{}; }

}  // namespace burrowly
