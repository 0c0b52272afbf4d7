// The commands that hand one message to the tray application and report whether it
// took it. None of them reads the settings.
#include "cli/actions.h"
#include "cli/send_signal.h"
#include "config/profile_slug.h"

namespace burrowly {

int say_command(const std::string& text, CliIo io) { return send_or_warn(SayMsg{text, std::nullopt}, io.err); }

int ok_command(const std::string& text, CliIo io) { return send_or_warn(OkMsg{text}, io.err); }

int fail_command(const std::string& text, CliIo io) { return send_or_warn(FailMsg{text}, io.err); }

int profile_command(const std::string& name, CliIo io) {
  return send_or_warn(ProfileMsg{profile_slug(name)}, io.err);
}

}  // namespace burrowly
