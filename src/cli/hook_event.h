#pragma once
// The events an AI coding agent passes to "hook" on standard input, and the pet
// reaction each one asks for.

#include <optional>
#include <string>
#include <string_view>

#include "engine/signal_msg.h"

namespace burrowly {

inline constexpr float kHookWaitingSeconds = 6.0f;

struct HookEvent {
  std::string name;               // "hook_event_name"; empty when missing or not a string
  std::string notification_type;  // "notification_type"; likewise
};

// The event in the input: nothing when the input is not valid UTF-8 holding exactly
// one JSON value (read as parse_json reads it). A value that is not an object is an
// event without a name.
std::optional<HookEvent> parse_hook_input(std::string_view input);

// Ok when the agent has finished, a Say while it waits on the user, else nothing.
std::optional<SignalMsg> hook_message(const HookEvent& event, std::string_view hook_finished,
                                      std::string_view hook_waiting);

}  // namespace burrowly
