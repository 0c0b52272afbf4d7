#pragma once
// The wire form of a signal message: one line of compact JSON, tag first under "cmd".

#include <optional>
#include <string>
#include <string_view>

#include "engine/signal_msg.h"

namespace burrowly {

// The message as compact JSON, without the line feed that ends it on the wire.
std::string encode_signal(const SignalMsg& message);

// The message a line holds, or nothing when the line is not exactly one valid message.
std::optional<SignalMsg> decode_signal(std::string_view line);

}  // namespace burrowly
