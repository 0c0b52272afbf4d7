#pragma once
// A small modal window asking for one line of text (a nickname or a profile name).

#include <optional>
#include <string>
#include <string_view>

namespace burrowly {

// The entered text, trimmed; nothing when cancelled or closed. Runs its own event
// loop, so the frame timers go on while it is open.
std::optional<std::string> ask_name(std::string_view title, std::string_view initial, std::string_view ok_label,
                                    std::string_view cancel_label);

}  // namespace burrowly
