#include "shell/left_button.h"

namespace burrowly {

LeftButtonFrame left_button_frame(bool down, bool went_down, bool& was_down) {
  // The edge still counts when the went-down report is missing: the system keeps a
  // single such report for all programs, so another one reading it first takes it.
  LeftButtonFrame frame{down, went_down || (down && !was_down)};
  was_down = down;
  return frame;
}

}  // namespace burrowly
