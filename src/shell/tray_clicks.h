#pragma once
// Telling the tray icon's single left click from a double click: the menu opens on a
// single click only once the double-click time has passed without a second one, so a
// double click throws the toy and opens nothing.

namespace burrowly {

enum class TrayClickAction {
  none,
  start_wait,  // start the double-click timer
  open_menu,
  throw_toy,   // (and stop the timer)
};

class TrayClicks {
 public:
  // A left button-up over the icon.
  TrayClickAction left_up();
  // A right button-up over the icon: the menu opens at once (a pending left click is
  // dropped; its timer, when it fires, does nothing).
  TrayClickAction right_up();
  // The double-click time ran out after a left click.
  TrayClickAction wait_over();

 private:
  bool waiting_ = false;
};

}  // namespace burrowly
