// "hook AGENT": one event of a named coding agent becomes a pet reaction. Like "hook",
// it always exits 0 and writes nothing to standard output, which some agents parse.
#include <istream>
#include <iterator>
#include <ostream>

#include "cli/actions.h"
#include "cli/agent_hook.h"
#include "cli/send_signal.h"
#include "config/languages.h"
#include "config/profiles.h"
#include "config/ui_strings.h"

namespace burrowly {

const std::string_view kHookHelpText =
    "Usage: Burrowly.exe hook [AGENT [EVENT-JSON]]\n"
    "\n"
    "Turns a coding agent's event into a pet reaction: a happy jump when the agent\n"
    "finishes, \"Waiting on your input\" when it asks for permission or an answer.\n"
    "Without AGENT the event is Claude Code's, on standard input.\n"
    "\n"
    "AGENT is claude, gemini, codex or opencode. The event is read from standard\n"
    "input, or taken from the last argument when one follows AGENT (Codex's notify\n"
    "program and the OpenCode plugin pass it that way). Always exits 0.\n"
    "Connect an agent with: Burrowly.exe hooks install AGENT\n";

int handle_agent_hook(std::span<const std::string> args, CliIo io) {
  if (args[0] == "--help" || args[0] == "-h") {
    io.out << kHookHelpText;
    return 0;
  }
  std::optional<HookAgent> agent = hook_agent_from_name(args[0]);
  if (!agent) {
    // Standard error only: the agent may read standard output, and must not see a failure.
    io.err << "Unknown agent for hook: " << args[0] << ". Try hook --help\n";
    return 0;
  }
  if (*agent == HookAgent::claude && args.size() == 1) return handle_hook(io);
  const std::string event = args.size() > 1
                                ? args.back()
                                : std::string(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>{});
  // Settings are read only for an event the pet reacts to.
  const bool reacts = agent_hook_message(*agent, event, "", "").has_value();
  if (!reacts) return 0;
  const LoadedProfiles loaded = load_profiles();
  const UiStrings& ui = ui_strings(language_from_code(loaded.config.lang));
  if (std::optional<SignalMsg> message = agent_hook_message(*agent, event, ui[Ui::hook_finished], ui[Ui::hook_waiting]))
    send_signal(*message);
  return 0;
}

}  // namespace burrowly
