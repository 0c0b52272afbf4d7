// "hook" end to end: the agent's event JSON on standard input to the user's pipe.
#include <gtest/gtest.h>

#include "client_sandbox.h"
#include "platform/files.h"

namespace burrowly {
namespace {

using testing::ClientSandbox;
using testing::RecordingServer;
using testing::run_command;

std::vector<std::string> sent_for(const std::string& input) {
  RecordingServer server;
  testing::CommandRun r = run_command({"hook"}, input);
  std::vector<std::string> batches = server.stop();
  EXPECT_EQ(r.status, 0) << input;
  EXPECT_EQ(r.out + r.err, "") << input;
  return batches;
}

using Lines = std::vector<std::string>;

TEST(HookCommand, FinishedAndWaitingReachThePet) {
  ClientSandbox sandbox;
  testing::set_profile_language("en");
  const Lines finished{"{\"cmd\":\"ok\",\"text\":\"AI agent finished!\"}\n"};
  const Lines waiting{"{\"cmd\":\"say\",\"text\":\"Waiting on your input\",\"duration\":6.0}\n"};
  EXPECT_EQ(sent_for(R"({"hook_event_name":"Stop"})"), finished);
  EXPECT_EQ(sent_for("{\"session_id\":\"s1\",\r\n \"hook_event_name\":\"SubagentStop\"}\n"), finished);
  EXPECT_EQ(sent_for(R"({"hook_event_name":"Notification","notification_type":"permission_prompt"})"), waiting);
  EXPECT_EQ(sent_for(R"({"hook_event_name":"Notification","notification_type":"elicitation_dialog"})"), waiting);
}

TEST(HookCommand, OtherInputSendsNothing) {
  ClientSandbox sandbox;
  // The mapping itself is tested with the event parser; here, that nothing goes out.
  for (const char* input : {R"({"hook_event_name":"stop"})", R"({"hook_event_name":"Stop"}{"hook_event_name":"Stop"})",
                            "{\"hook_event_name\":\"Stop\xFF\"}"})
    EXPECT_EQ(sent_for(input), Lines{}) << input;
}

TEST(HookCommand, WordsComeFromTheProfileLanguage) {
  ClientSandbox sandbox;
  testing::set_profile_language("uk");
  EXPECT_EQ(sent_for(R"({"hook_event_name":"Stop"})"),
            Lines{"{\"cmd\":\"ok\",\"text\":\"\xD0\xA8\xD0\x86 \xD0\xB7\xD0\xB0\xD0\xB2\xD0\xB5\xD1\x80\xD1\x88\xD0\xB8"
                  "\xD0\xB2 \xD0\xB7\xD0\xB0\xD0\xB4\xD0\xB0\xD1\x87\xD1\x83!\"}\n"});
}

TEST(HookCommand, SettingsAreReadForEveryReadableEventOnly) {
  ClientSandbox sandbox;
  run_command({"hook"}, "not json");
  EXPECT_FALSE(sandbox.settings_touched());
  run_command({"hook"}, R"({"hook_event_name":"PreToolUse"})");
  EXPECT_TRUE(sandbox.settings_touched());
}

TEST(HookCommand, InputBeyondTheReadCapIsIgnoredWhole) {
  ClientSandbox sandbox;
  testing::set_profile_language("en");
  const std::string event = R"({"hook_event_name":"Stop"})";
  const std::string at_cap = event + std::string(kMaxReadBytes - event.size(), ' ');
  EXPECT_EQ(sent_for(at_cap), Lines{"{\"cmd\":\"ok\",\"text\":\"AI agent finished!\"}\n"});
  EXPECT_EQ(sent_for(at_cap + " "), Lines{});
  EXPECT_EQ(sent_for(event + std::string(5 << 20, ' ')), Lines{});
}

TEST(HookCommand, SilentWithoutTrayApp) {
  ClientSandbox sandbox;
  testing::CommandRun r = run_command({"hook"}, R"({"hook_event_name":"Stop"})");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out + r.err, "");
}

}  // namespace
}  // namespace burrowly
