#include "cli/agent_hook.h"

#include <gtest/gtest.h>

#include "cli/hook_event.h"

namespace burrowly {
namespace {

const SignalMsg kFinished = OkMsg{"done!"};
const SignalMsg kWaiting = SayMsg{"waiting", 6.0f};

std::optional<SignalMsg> react(HookAgent agent, std::string_view event) {
  return agent_hook_message(agent, event, "done!", "waiting");
}

TEST(AgentHook, ClaudeEventsReactAsPlainHook) {
  for (const char* event : {R"({"hook_event_name":"Stop"})",
                            R"({"hook_event_name":"Notification","notification_type":"permission_prompt"})",
                            R"({"hook_event_name":"Notification","notification_type":"idle_prompt"})",
                            R"({"hook_event_name":"stop"})", "[1]", "{"}) {
    std::optional<HookEvent> parsed = parse_hook_input(event);
    EXPECT_EQ(react(HookAgent::claude, event), parsed ? hook_message(*parsed, "done!", "waiting") : std::nullopt)
        << event;
  }
  EXPECT_EQ(react(HookAgent::claude, R"({"hook_event_name":"SubagentStop"})"), kFinished);
}

TEST(AgentHook, GeminiAfterAgentFinishesAndToolPermissionWaits) {
  EXPECT_EQ(react(HookAgent::gemini, R"({"session_id":"s","hook_event_name":"AfterAgent","prompt":"hi",
      "prompt_response":"done","stop_hook_active":false,"timestamp":"2026-01-01T00:00:00Z"})"),
            kFinished);
  EXPECT_EQ(react(HookAgent::gemini, R"({"hook_event_name":"Notification","notification_type":"ToolPermission",
      "message":"Allow run_shell_command?","details":{"tool":"run_shell_command"}})"),
            kWaiting);
  for (const char* event : {R"({"hook_event_name":"Notification","notification_type":"Other"})",
                            R"({"hook_event_name":"Stop"})", R"({"hook_event_name":"BeforeTool","tool_name":"x"})",
                            R"({"hook_event_name":"SessionEnd","reason":"exit"})", "not json"})
    EXPECT_EQ(react(HookAgent::gemini, event), std::nullopt) << event;
}

TEST(AgentHook, CodexHooksAndNotifyProgram) {
  EXPECT_EQ(react(HookAgent::codex, R"({"session_id":"s","turn_id":"t","hook_event_name":"Stop",
      "stop_hook_active":false,"last_assistant_message":"ok"})"),
            kFinished);
  EXPECT_EQ(react(HookAgent::codex, R"({"hook_event_name":"PermissionRequest","tool_name":"Bash",
      "tool_input":{"command":"rm -rf build","description":"clean"}})"),
            kWaiting);
  // The notify program's argument.
  EXPECT_EQ(react(HookAgent::codex, R"({"type":"agent-turn-complete","thread-id":"t1","turn-id":"2",
      "cwd":"/src","input-messages":["fix it"],"last-assistant-message":"Fixed."})"),
            kFinished);
  for (const char* event : {R"({"hook_event_name":"PreToolUse","tool_name":"Bash"})",
                            R"({"hook_event_name":"UserPromptSubmit"})", R"({"type":"approval-requested"})",
                            R"({"hook_event_name":"Notification","notification_type":"permission_prompt"})"})
    EXPECT_EQ(react(HookAgent::codex, event), std::nullopt) << event;
}

TEST(AgentHook, OpenCodeIdleFinishesAndPermissionWaits) {
  EXPECT_EQ(react(HookAgent::opencode, R"({"type":"session.idle"})"), kFinished);
  EXPECT_EQ(react(HookAgent::opencode, R"({"type":"permission.asked"})"), kWaiting);
  EXPECT_EQ(react(HookAgent::opencode, R"({"type":"permission.updated"})"), kWaiting);
  for (const char* event : {R"({"type":"permission.replied"})", R"({"type":"session.error"})", R"({"type":1})", "{}"})
    EXPECT_EQ(react(HookAgent::opencode, event), std::nullopt) << event;
}

TEST(AgentHook, InvalidTextIsIgnoredForEveryAgent) {
  for (HookAgent agent : kHookAgents)
    for (std::string_view event : {std::string_view("{\"type\":\"session.idle\"}{}"), std::string_view("\xFF"),
                                   std::string_view(""), std::string_view("{\"hook_event_name\":\"Stop\"")})
      EXPECT_EQ(react(agent, event), std::nullopt) << hook_agent_name(agent) << ' ' << event;
}

}  // namespace
}  // namespace burrowly
