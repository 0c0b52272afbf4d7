#include "cli/send_signal.h"

#include <ostream>

#include "cli/signal_codec.h"
#include "config/profile_slug.h"

namespace burrowly {

std::string pipe_name() { return "\\\\.\\pipe\\Burrowly_" + user_profile_id(); }

Delivery deliver_signal(const SignalMsg& message) {
  const std::string line = encode_signal(message) + "\n";
  if (line.size() > kMaxSignalLineBytes) return Delivery::too_long;
  switch (pipe_send(pipe_name(), line)) {
    case PipeSend::sent: return Delivery::delivered;
    case PipeSend::busy: return Delivery::busy;
    case PipeSend::write_failed: return Delivery::write_failed;
    case PipeSend::no_server: break;
  }
  return Delivery::no_tray_app;
}

bool send_signal(const SignalMsg& message) { return deliver_signal(message) == Delivery::delivered; }

int send_or_warn(const SignalMsg& message, std::ostream& err) {
  switch (deliver_signal(message)) {
    case Delivery::delivered:
      return 0;
    case Delivery::too_long:
      err << "Message too long: " << encode_signal(message).size() + 1 << " bytes (at most " << kMaxSignalLineBytes
          << ").\n";
      return 2;
    case Delivery::busy:
      err << "The Burrowly tray app is busy; the message was not delivered. Try again.\n";
      return 1;
    case Delivery::write_failed:
      err << "The Burrowly tray app did not take the whole message.\n";
      return 1;
    case Delivery::no_tray_app:
      break;
  }
  err << "Start the Burrowly tray app before sending a message.\n";
  return 1;
}

}  // namespace burrowly
