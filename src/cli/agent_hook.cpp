#include "cli/agent_hook.h"

#include <nlohmann/json.hpp>

#include "cli/hook_event.h"
#include "text/json_nesting.h"
#include "text/utf8.h"

namespace burrowly {
namespace {

enum class AgentState { finished, waiting };

std::string string_member(const nlohmann::json& value, const char* key) {
  if (!value.is_object()) return {};
  auto it = value.find(key);
  return it != value.end() && it->is_string() ? it->get<std::string>() : std::string();
}

// Gemini CLI hooks: "AfterAgent" ends every turn; a "Notification" of type
// "ToolPermission" asks the user to allow a tool.
std::optional<AgentState> gemini_state(const nlohmann::json& event) {
  const std::string name = string_member(event, "hook_event_name");
  if (name == "AfterAgent") return AgentState::finished;
  if (name == "Notification" && string_member(event, "notification_type") == "ToolPermission")
    return AgentState::waiting;
  return std::nullopt;
}

// Codex hooks ("Stop", "PermissionRequest") on standard input, or the "notify"
// program's argument, whose "type" is "agent-turn-complete" at the end of a turn.
std::optional<AgentState> codex_state(const nlohmann::json& event) {
  const std::string name = string_member(event, "hook_event_name");
  if (name == "Stop" || string_member(event, "type") == "agent-turn-complete") return AgentState::finished;
  if (name == "PermissionRequest") return AgentState::waiting;
  return std::nullopt;
}

// OpenCode's bus events as our plugin passes them on: the session going idle, and a
// permission request ("permission.asked"; "permission.updated" in older releases).
std::optional<AgentState> opencode_state(const nlohmann::json& event) {
  const std::string type = string_member(event, "type");
  if (type == "session.idle") return AgentState::finished;
  if (type == "permission.asked" || type == "permission.updated") return AgentState::waiting;
  return std::nullopt;
}

}  // namespace

std::string_view hook_agent_name(HookAgent agent) {
  switch (agent) {
    case HookAgent::claude: return "claude";
    case HookAgent::gemini: return "gemini";
    case HookAgent::codex: return "codex";
    case HookAgent::opencode: return "opencode";
  }
  return {};
}

std::optional<HookAgent> hook_agent_from_name(std::string_view name) {
  for (HookAgent agent : kHookAgents)
    if (hook_agent_name(agent) == name) return agent;
  return std::nullopt;
}

std::optional<SignalMsg> agent_hook_message(HookAgent agent, std::string_view event_json,
                                            std::string_view hook_finished, std::string_view hook_waiting) {
  if (agent == HookAgent::claude) {
    std::optional<HookEvent> event = parse_hook_input(event_json);
    return event ? hook_message(*event, hook_finished, hook_waiting) : std::nullopt;
  }
  if (!is_valid_utf8(event_json) || !json_nesting_within(event_json)) return std::nullopt;
  const nlohmann::json event = nlohmann::json::parse(event_json, nullptr, /*allow_exceptions=*/false);
  if (event.is_discarded()) return std::nullopt;
  std::optional<AgentState> state = agent == HookAgent::gemini  ? gemini_state(event)
                                    : agent == HookAgent::codex ? codex_state(event)
                                                                : opencode_state(event);
  if (state == AgentState::finished) return OkMsg{std::string(hook_finished)};
  if (state == AgentState::waiting) return SayMsg{std::string(hook_waiting), kHookWaitingSeconds};
  return std::nullopt;
}

}  // namespace burrowly
