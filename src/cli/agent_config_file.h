#pragma once
// Each agent's user configuration file that carries our hook entries, and the edits
// of its format: add our entries, remove them, see whether they are there.

#include <optional>
#include <string>
#include <string_view>

#include "cli/agent_hook.h"
#include "cli/hook_config_edit.h"

namespace burrowly {

// The agent's name as its users know it ("Claude Code", "Gemini CLI", ...).
std::string_view agent_display_name(HookAgent agent);

// The file under the user's home (or the folder the agent's own variable names:
// CLAUDE_CONFIG_DIR, CODEX_HOME, XDG_CONFIG_HOME); nothing without a home folder.
std::optional<std::string> agent_config_path(HookAgent agent);

// text is the file's content, nothing for a missing file; program_path is the
// executable the entries run.
ConfigEdit add_agent_hooks(HookAgent agent, const std::optional<std::string>& text, std::string_view program_path);
ConfigEdit remove_agent_hooks(HookAgent agent, const std::optional<std::string>& text, std::string_view program_path);
HookState agent_hooks_state(HookAgent agent, const std::optional<std::string>& text, std::string_view program_path);

// What the user still has to do in the agent after an install; may be empty.
std::string_view agent_install_note(HookAgent agent);

}  // namespace burrowly
