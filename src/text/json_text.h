#pragma once
// JSON texts read and written strictly: a document that must be one object, and
// string literals.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace burrowly {

// The object; nothing when the text is not one JSON object (white space around it
// allowed), nests too deeply, or repeats a member key of the object.
std::optional<nlohmann::json> parse_json_object(std::string_view text);

// The text as a quoted JSON string: standard escapes, non-ASCII kept as UTF-8,
// invalid UTF-8 replaced by U+FFFD.
std::string json_string(std::string_view text);

}  // namespace burrowly
