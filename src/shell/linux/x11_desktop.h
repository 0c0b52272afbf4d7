#pragma once
// The X11 display as sensing reads it: pointer, left button, idle time and the active
// window with its process and rectangle.
//
// Input is followed through the X Input extension's raw events, which the server sends
// only when the user does something: a frame in which nothing happened asks the server
// nothing. The pointer is asked for only after it moved or a button changed, and the
// idle time comes from the XScreenSaver extension once a second, in between from the
// raw events. Without raw events the pointer is asked for every frame.

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
  InputSnapshot poll_input(bool& left_was_down);
  // Once a second: the server's idle time, and the pointer read afresh next frame (a
  // program may have moved it without any input).
  void resync();
  // Nothing without an active window, or for the desktop and docks (panels).
  std::optional<ActiveWindow> active_window() const;

 private:
  struct Connection;
  Connection* connection_ = nullptr;
};

}  // namespace burrowly
