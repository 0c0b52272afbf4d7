// "hook AGENT" end to end: each agent's events, from standard input or the last
// argument, to the bytes on the user's pipe.
#include <gtest/gtest.h>

#include "client_sandbox.h"

namespace burrowly {
namespace {

using testing::ClientSandbox;
using testing::RecordingServer;
using testing::run_command;
using Lines = std::vector<std::string>;

const Lines kFinished{"{\"cmd\":\"ok\",\"text\":\"AI agent finished!\"}\n"};
const Lines kWaiting{"{\"cmd\":\"say\",\"text\":\"Waiting on your input\",\"duration\":6.0}\n"};

Lines sent_for(const std::vector<std::string>& args, const std::string& input = "") {
  RecordingServer server;
  testing::CommandRun r = run_command(args, input);
  Lines batches = server.stop();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out + r.err, "");
  return batches;
}

TEST(AgentHookCommand, EachAgentsEventsReachThePet) {
  ClientSandbox sandbox;
  testing::set_profile_language("en");
  EXPECT_EQ(sent_for({"hook", "claude"}, R"({"hook_event_name":"Stop"})"), kFinished);
  EXPECT_EQ(sent_for({"hook", "claude"}, R"({"hook_event_name":"Notification","notification_type":"permission_prompt"})"),
            kWaiting);
  EXPECT_EQ(sent_for({"hook", "gemini"}, R"({"hook_event_name":"AfterAgent","prompt":"p"})"), kFinished);
  EXPECT_EQ(sent_for({"hook", "gemini"}, R"({"hook_event_name":"Notification","notification_type":"ToolPermission"})"),
            kWaiting);
  EXPECT_EQ(sent_for({"hook", "codex"}, R"({"hook_event_name":"Stop","turn_id":"1"})"), kFinished);
  EXPECT_EQ(sent_for({"hook", "codex"}, R"({"hook_event_name":"PermissionRequest","tool_name":"Bash"})"), kWaiting);
  // Codex's notify program gets the event as its last argument; standard input is not read.
  EXPECT_EQ(sent_for({"hook", "codex", R"({"type":"agent-turn-complete","turn-id":"1"})"}, "not read"), kFinished);
  EXPECT_EQ(sent_for({"hook", "opencode", R"({"type":"session.idle"})"}), kFinished);
  EXPECT_EQ(sent_for({"hook", "opencode", R"({"type":"permission.asked"})"}), kWaiting);
}

TEST(AgentHookCommand, OtherEventsSendNothing) {
  ClientSandbox sandbox;
  EXPECT_EQ(sent_for({"hook", "gemini"}, R"({"hook_event_name":"BeforeTool"})"), Lines{});
  EXPECT_EQ(sent_for({"hook", "codex", R"({"type":"agent-turn-started"})"}), Lines{});
  EXPECT_EQ(sent_for({"hook", "opencode", R"({"type":"session.idle"} trailing)"}), Lines{});
  EXPECT_EQ(sent_for({"hook", "codex"}, R"({"hook_event_name":"AfterAgent"})"), Lines{});
  // Events that get no reaction do not touch the settings.
  EXPECT_FALSE(sandbox.settings_touched());
}

TEST(AgentHookCommand, ClaudeByNameIsThePlainHook) {
  ClientSandbox sandbox;
  run_command({"hook", "claude"}, R"({"hook_event_name":"PreToolUse"})");
  EXPECT_TRUE(sandbox.settings_touched());  // Like "hook", which loads settings for every readable event.
}

TEST(AgentHookCommand, UnknownAgentFailsNothingAndWritesNoOutput) {
  ClientSandbox sandbox;
  RecordingServer server;
  testing::CommandRun r = run_command({"hook", "cursor"}, R"({"hook_event_name":"Stop"})");
  EXPECT_EQ(server.stop(), Lines{});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Unknown agent for hook: cursor. Try hook --help\n");

  testing::CommandRun help = run_command({"hook", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: Burrowly.exe hook [AGENT [EVENT-JSON]]\n")) << help.out;
}

TEST(AgentHookCommand, SilentWithoutTrayApp) {
  ClientSandbox sandbox;
  for (const char* agent : {"gemini", "codex", "opencode"}) {
    testing::CommandRun r = run_command({"hook", agent, R"({"type":"session.idle","hook_event_name":"Stop"})"});
    EXPECT_EQ(r.status, 0) << agent;
    EXPECT_EQ(r.out + r.err, "") << agent;
  }
}

}  // namespace
}  // namespace burrowly
