#pragma once
// The client side of the message transport: the pipe every client of one OS user
// talks to, and the delivery of one message over it.

#include <iosfwd>
#include <string>

#include "engine/signal_msg.h"

namespace burrowly {

// "\\.\pipe\Burrowly_" and the OS user's profile id (not the active profile's), so
// one tray application serves every client of its user.
std::string pipe_name();

// Sends the message as one line over one connection. True only when the whole line
// was written.
bool send_signal(const SignalMsg& message);

// Sends the message; when no tray application took it, says so on err and returns 1.
int send_or_warn(const SignalMsg& message, std::ostream& err);

}  // namespace burrowly
