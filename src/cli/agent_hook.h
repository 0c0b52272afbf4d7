#pragma once
// The coding agents "hook AGENT" understands, and how each one's event becomes a pet
// reaction: the agent finished its work, or it waits on the user.

#include <optional>
#include <string>
#include <string_view>

#include "engine/signal_msg.h"

namespace burrowly {

enum class HookAgent { claude, gemini, codex, opencode };

inline constexpr HookAgent kHookAgents[] = {HookAgent::claude, HookAgent::gemini, HookAgent::codex,
                                            HookAgent::opencode};

// The agent's word on the command line: "claude", "gemini", "codex", "opencode".
std::string_view hook_agent_name(HookAgent agent);
std::optional<HookAgent> hook_agent_from_name(std::string_view name);

// The reaction to one event of the agent (its JSON text): Ok with hook_finished when
// it finished, the six-second Say with hook_waiting while it waits on the user,
// nothing for other events and for text that is not one JSON value.
std::optional<SignalMsg> agent_hook_message(HookAgent agent, std::string_view event_json,
                                            std::string_view hook_finished, std::string_view hook_waiting);

}  // namespace burrowly
