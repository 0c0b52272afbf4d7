#pragma once
// SIGTERM and SIGINT end the tray application the same orderly way as the menu's
// Quit: the handler writes to a pipe whose reading end the event loop watches.

#include <functional>

namespace burrowly {

// Installs the handlers; quit runs on the event loop's thread. False when the pipe
// cannot be made.
bool route_quit_signals(std::function<void()> quit);

}  // namespace burrowly
