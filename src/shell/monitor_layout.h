#pragma once
// Ordering the enumerated monitors and marking those a fullscreen window covers.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/monitor_info.h"

namespace burrowly {

// Left, top, right, bottom edges of a window in virtual-screen pixels.
struct WindowRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The visible foreground window as far as blocking goes.
struct ForegroundWindow {
  std::u16string class_name;
  std::optional<WindowRect> rect;  // nothing when it could not be read
};

// Monitors in enumeration order (numbered 1, 2, ...) sorted by left edge, stably;
// the fallback monitor when there are none.
std::vector<MonitorInfo> sort_monitors(std::vector<MonitorInfo> enumerated);

// Taskbars, the desktop and our own windows never count as fullscreen.
bool is_never_fullscreen_class(std::u16string_view class_name);

// Clears every blocked flag, then marks each monitor whose edges the foreground
// window reaches within 2 pixels. No window: nothing is blocked.
void mark_blocked_monitors(std::vector<MonitorInfo>& monitors, const std::optional<ForegroundWindow>& foreground);

}  // namespace burrowly
