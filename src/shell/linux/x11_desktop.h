#pragma once
// The X11 display as sensing reads it: pointer, left button, idle time (the
// XScreenSaver extension) and the active window with its process and rectangle.

#include <optional>
#include <string>

#include "engine/input_snapshot.h"
#include "shell/monitor_layout.h"

namespace burrowly {

// The window the window manager calls active, for the app kinds and for blocking.
struct ActiveWindow {
  std::string program;  // the executable of its _NET_WM_PID process; empty when unknown
  ForegroundWindow window;
};

class X11Desktop {
 public:
  // Opens its own connection to $DISPLAY; without one every read is unknown.
  X11Desktop();
  X11Desktop(X11Desktop&&) noexcept;
  X11Desktop& operator=(X11Desktop&&) noexcept;
  ~X11Desktop();

  // left_was_down carries the button from the previous frame.
  InputSnapshot poll_input(bool& left_was_down) const;
  // Nothing without an active window, or for the desktop and docks (panels).
  std::optional<ActiveWindow> active_window() const;

 private:
  struct Connection;
  Connection* connection_ = nullptr;
};

}  // namespace burrowly
