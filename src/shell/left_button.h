#pragma once
// The left mouse button as one frame sees it.

namespace burrowly {

struct LeftButtonFrame {
  bool down = false;
  bool pressed = false;  // went down since the previous frame
};

// From one reading of the button: `down` now, and `went_down` since the previous reading
// (which a click shorter than a frame shows alone, being over before the frame reads the
// button). A press counts once: in the frame that first sees it. `was_down` carries the
// state from frame to frame.
LeftButtonFrame left_button_frame(bool down, bool went_down, bool& was_down);

}  // namespace burrowly
