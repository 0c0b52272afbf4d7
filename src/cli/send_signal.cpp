#include "cli/send_signal.h"

#include <ostream>

#include "cli/signal_codec.h"
#include "config/profile_slug.h"
#include "platform/pipe.h"

namespace burrowly {

std::string pipe_name() { return "\\\\.\\pipe\\Burrowly_" + user_profile_id(); }

bool send_signal(const SignalMsg& message) { return pipe_send(pipe_name(), encode_signal(message) + "\n"); }

int send_or_warn(const SignalMsg& message, std::ostream& err) {
  if (send_signal(message)) return 0;
  err << "Start the Burrowly tray app before sending a message.\n";
  return 1;
}

}  // namespace burrowly
