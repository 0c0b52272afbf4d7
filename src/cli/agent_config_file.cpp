#include "cli/agent_config_file.h"

#include "cli/codex_hook_config.h"
#include "cli/hook_entry.h"
#include "cli/json_hook_settings.h"
#include "cli/opencode_plugin.h"
#include "platform/env.h"
#include "platform/files.h"
#include "platform/user_paths.h"

namespace burrowly {
namespace {

const bool kWindows = kPathSeparator == '\\';

std::string command_for(HookAgent agent, std::string_view program_path) {
  return hook_command_line(program_path, agent, kWindows);
}

std::optional<std::string> under_home(std::string_view name) {
  std::optional<std::string> home = home_folder();
  if (!home || home->empty()) return std::nullopt;
  return join_path(*home, name);
}

// The folder the agent's variable names, else the one under the home folder.
std::optional<std::string> folder_from(const char* variable, std::string_view name) {
  std::optional<std::string> folder = env_var(variable);
  return folder && !folder->empty() ? folder : under_home(name);
}

}  // namespace

std::string_view agent_display_name(HookAgent agent) {
  switch (agent) {
    case HookAgent::claude: return "Claude Code";
    case HookAgent::gemini: return "Gemini CLI";
    case HookAgent::codex: return "Codex";
    case HookAgent::opencode: return "OpenCode";
  }
  return {};
}

std::optional<std::string> agent_config_path(HookAgent agent) {
  std::optional<std::string> folder;
  switch (agent) {
    case HookAgent::claude:
      folder = folder_from("CLAUDE_CONFIG_DIR", ".claude");
      return folder ? std::optional(join_path(*folder, "settings.json")) : std::nullopt;
    case HookAgent::gemini:
      folder = under_home(".gemini");
      return folder ? std::optional(join_path(*folder, "settings.json")) : std::nullopt;
    case HookAgent::codex:
      folder = folder_from("CODEX_HOME", ".codex");
      return folder ? std::optional(join_path(*folder, "config.toml")) : std::nullopt;
    case HookAgent::opencode:
      folder = folder_from("XDG_CONFIG_HOME", ".config");
      return folder ? std::optional(join_path(join_path(join_path(*folder, "opencode"), "plugins"), "burrowly.js"))
                    : std::nullopt;
  }
  return std::nullopt;
}

ConfigEdit add_agent_hooks(HookAgent agent, const std::optional<std::string>& text, std::string_view program_path) {
  const std::string_view current = text ? std::string_view(*text) : std::string_view();
  switch (agent) {
    case HookAgent::claude:
    case HookAgent::gemini: return add_json_hooks(current, agent, command_for(agent, program_path));
    case HookAgent::codex: return add_codex_hooks(current, command_for(agent, program_path));
    case HookAgent::opencode:
      if (opencode_plugin_state(text ? &*text : nullptr, program_path) == HookState::unreadable)
        return {{}, "it is not Burrowly's plugin"};
      return {opencode_plugin_text(program_path), {}};
  }
  return {};
}

ConfigEdit remove_agent_hooks(HookAgent agent, const std::optional<std::string>& text, std::string_view program_path) {
  const std::string_view current = text ? std::string_view(*text) : std::string_view();
  switch (agent) {
    case HookAgent::claude:
    case HookAgent::gemini: return remove_json_hooks(current, agent, command_for(agent, program_path));
    case HookAgent::codex: return remove_codex_hooks(current, command_for(agent, program_path));
    case HookAgent::opencode:
      if (!text) return {};
      if (opencode_plugin_state(&*text, "") == HookState::unreadable) return {{}, "it is not Burrowly's plugin"};
      return {{}, {}, /*delete_file=*/true};
  }
  return {};
}

HookState agent_hooks_state(HookAgent agent, const std::optional<std::string>& text, std::string_view program_path) {
  const std::string_view current = text ? std::string_view(*text) : std::string_view();
  switch (agent) {
    case HookAgent::claude:
    case HookAgent::gemini: return json_hooks_state(current, agent, command_for(agent, program_path));
    case HookAgent::codex: return codex_hooks_state(current, command_for(agent, program_path));
    case HookAgent::opencode: return opencode_plugin_state(text ? &*text : nullptr, program_path);
  }
  return HookState::unreadable;
}

std::string_view agent_install_note(HookAgent agent) {
  switch (agent) {
    case HookAgent::codex: return "Codex runs new hooks once you trust them: open /hooks in Codex and trust both.";
    case HookAgent::opencode: return "Restart OpenCode to load the plugin.";
    default: return {};
  }
}

}  // namespace burrowly
