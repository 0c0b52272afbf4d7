// "hook": an AI coding agent's event on standard input becomes a pet reaction. It
// prints nothing and always succeeds, so the agent never reports a failing hook.
#include <istream>

#include "cli/actions.h"
#include "cli/hook_event.h"
#include "cli/send_signal.h"
#include "config/languages.h"
#include "config/profiles.h"
#include "config/ui_strings.h"
#include "platform/files.h"

namespace burrowly {

namespace {

// Standard input up to kMaxReadBytes; nothing when it holds more. The rest is still
// read to its end, so the agent never sees its write fail.
std::optional<std::string> read_hook_input(std::istream& in) {
  std::string input;
  char chunk[16384];
  bool too_long = false;
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    const auto got = static_cast<std::size_t>(in.gcount());
    too_long = too_long || input.size() + got > kMaxReadBytes;
    if (!too_long) input.append(chunk, got);
  }
  if (too_long) return std::nullopt;
  return input;
}

}  // namespace

int handle_hook(CliIo io) {
  const std::optional<std::string> input = read_hook_input(io.in);
  const std::optional<HookEvent> event = input ? parse_hook_input(*input) : std::nullopt;
  if (!event) return 0;
  // Loaded for every readable event, ignored ones too, as a tray start-up would.
  const LoadedProfiles loaded = load_profiles();
  const UiStrings& ui = ui_strings(language_from_code(loaded.config.lang));
  if (std::optional<SignalMsg> message = hook_message(*event, ui[Ui::hook_finished], ui[Ui::hook_waiting]))
    send_signal(*message);
  return 0;
}

}  // namespace burrowly
