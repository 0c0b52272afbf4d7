#pragma once
// JSON texts read and written strictly. Every JSON input (settings, the profiles
// index, hook events, signal lines) is read by the same rules.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace burrowly {

// The one JSON value of the text, white space around it allowed, a UTF-8 byte-order
// mark before it skipped (Notepad writes one). Nothing when the text holds a NUL
// byte or anything else after the value, nests deeper than kMaxJsonNesting, or
// repeats a key within any one object.
std::optional<nlohmann::json> parse_json(std::string_view text);

// The same for a text that must hold an object.
std::optional<nlohmann::json> parse_json_object(std::string_view text);

// The text as a quoted JSON string: standard escapes, non-ASCII kept as UTF-8,
// invalid UTF-8 replaced by U+FFFD.
std::string json_string(std::string_view text);

}  // namespace burrowly
