#pragma once
// The client side of the message transport: the pipe every client of one OS user
// talks to, and the delivery of one message over it.

#include <cstddef>
#include <iosfwd>
#include <string>

#include "engine/signal_msg.h"
#include "platform/pipe.h"

namespace burrowly {

// The longest line, line feed included, that the tray application reads whole.
inline constexpr std::size_t kMaxSignalLineBytes = kPipeBatchCapBytes;

// "\\.\pipe\Burrowly_" and the OS user's profile id (not the active profile's), so
// one tray application serves every client of its user.
std::string pipe_name();

enum class Delivery { delivered, too_long, no_tray_app, busy, write_failed };

// Sends the message as one line over one connection; a line longer than
// kMaxSignalLineBytes is refused before connecting.
Delivery deliver_signal(const SignalMsg& message);

// deliver_signal, for callers that only need to know whether the message arrived.
bool send_signal(const SignalMsg& message);

// Sends the message and returns the exit status: 0 when it was delivered; else a
// message on err and 2 for a message too long, 1 otherwise. "Start the Burrowly
// tray app..." is said only when no tray application is running.
int send_or_warn(const SignalMsg& message, std::ostream& err);

}  // namespace burrowly
