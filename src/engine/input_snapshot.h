#pragma once
// The mouse and keyboard as the frame loop polled them for one tick.

#include <cstdint>

namespace burrowly {

struct InputSnapshot {
  std::int32_t cursor_x = 0;
  std::int32_t cursor_y = 0;
  std::uint32_t idle_ms = 0;  // since the last user input; 1000 when unknown
  bool left_down = false;
  bool left_pressed = false;  // pressed since the previous frame
};

}  // namespace burrowly
