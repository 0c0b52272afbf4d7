// "hook": an AI coding agent's event on standard input becomes a pet reaction. It
// prints nothing and always succeeds, so the agent never reports a failing hook.
#include <istream>
#include <iterator>

#include "cli/actions.h"
#include "cli/hook_event.h"
#include "cli/send_signal.h"
#include "config/languages.h"
#include "config/profiles.h"
#include "config/ui_strings.h"

namespace burrowly {

int handle_hook(CliIo io) {
  const std::string input(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>{});
  const std::optional<HookEvent> event = parse_hook_input(input);
  if (!event) return 0;
  // Loaded for every readable event, ignored ones too, as a tray start-up would.
  const LoadedProfiles loaded = load_profiles();
  const UiStrings& ui = ui_strings(language_from_code(loaded.config.lang));
  if (std::optional<SignalMsg> message = hook_message(*event, ui[Ui::hook_finished], ui[Ui::hook_waiting]))
    send_signal(*message);
  return 0;
}

}  // namespace burrowly
