#pragma once
// Our hook entries in a JSON settings file of an agent that runs commands on events
// (Claude Code's and Gemini CLI's settings.json): { "hooks": { EVENT: [ { "hooks":
// [ { "type": "command", "command": ... } ] } ] } }. Every other member is kept in
// its order, and the file's indentation and byte-order mark are kept.

#include <string>
#include <string_view>

#include "cli/agent_hook.h"
#include "cli/hook_config_edit.h"

namespace burrowly {

// The text with exactly one entry running command for each of the agent's events,
// after dropping our older entries. An empty text stands for a missing file.
ConfigEdit add_json_hooks(std::string_view text, HookAgent agent, const std::string& command);

// The text without our entries, and without the groups, events and "hooks" object
// that only held them.
ConfigEdit remove_json_hooks(std::string_view text, HookAgent agent, const std::string& command);

HookState json_hooks_state(std::string_view text, HookAgent agent, const std::string& command);

}  // namespace burrowly
