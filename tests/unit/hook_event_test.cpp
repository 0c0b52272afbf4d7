#include "cli/hook_event.h"

#include <gtest/gtest.h>

namespace burrowly {
namespace {

std::optional<SignalMsg> react(std::string_view input) {
  std::optional<HookEvent> event = parse_hook_input(input);
  if (!event) return std::nullopt;
  return hook_message(*event, "AI agent finished!", "Waiting on your input");
}

const SignalMsg kFinished = OkMsg{"AI agent finished!"};
const SignalMsg kWaiting = SayMsg{"Waiting on your input", 6.0f};

TEST(HookEvent, FinishingAndWaitingEvents) {
  EXPECT_EQ(react(R"({"hook_event_name":"Stop"})"), kFinished);
  EXPECT_EQ(react(R"({"session_id":"x","hook_event_name":"SubagentStop","extra":[1,2]})"), kFinished);
  EXPECT_EQ(react(R"({"hook_event_name":"Notification","notification_type":"permission_prompt"})"), kWaiting);
  EXPECT_EQ(react(R"({"hook_event_name":"Notification","notification_type":"elicitation_dialog"})"), kWaiting);
  EXPECT_EQ(react(R"( {"notification_type":"needs_permission","hook_event_name":"Notification"} )"), kWaiting);
}

TEST(HookEvent, EverythingElseIsIgnored) {
  for (const char* input : {
           R"({"hook_event_name":"Notification","notification_type":"idle_prompt"})",
           R"({"hook_event_name":"Notification","notification_type":"Permission_prompt"})",
           R"({"hook_event_name":"Notification"})",
           R"({"hook_event_name":"stop"})",
           R"({"hook_event_name":"PreToolUse"})",
           R"({"hook_event_name":7})",
           R"({})",
       }) {
    std::optional<HookEvent> event = parse_hook_input(input);
    ASSERT_TRUE(event) << input << " is a parsed input, so settings still load";
    EXPECT_EQ(hook_message(*event, "a", "b"), std::nullopt) << input;
  }
}

TEST(HookEvent, InputThatIsNotOneJsonValue) {
  EXPECT_FALSE(parse_hook_input(R"({"hook_event_name":"Stop"}{"hook_event_name":"Stop"})"));
  EXPECT_FALSE(parse_hook_input(""));
  EXPECT_FALSE(parse_hook_input("{\"hook_event_name\":\"Stop\",\"x\":\"\xFF\"}"));
  EXPECT_FALSE(parse_hook_input(std::string(100000, '[')));
  // Parsed but not an object: no event name.
  EXPECT_EQ(react(R"(["Stop"])"), std::nullopt);
  EXPECT_EQ(react("42"), std::nullopt);
  EXPECT_TRUE(parse_hook_input("42"));
}

}  // namespace
}  // namespace burrowly
