#include "shell/tray_clicks.h"

namespace burrowly {

// The second button-up inside the double-click time makes the double click. The
// button-up is used rather than the system's double-click message, which Windows sends
// between the two button-ups (and a tray that never sends one still works).
TrayClickAction TrayClicks::left_up() {
  if (waiting_) {
    waiting_ = false;
    return TrayClickAction::throw_toy;
  }
  waiting_ = true;
  return TrayClickAction::start_wait;
}

TrayClickAction TrayClicks::right_up() {
  waiting_ = false;
  return TrayClickAction::open_menu;
}

TrayClickAction TrayClicks::wait_over() {
  if (!waiting_) return TrayClickAction::none;
  waiting_ = false;
  return TrayClickAction::open_menu;
}

}  // namespace burrowly
