#include "text/json_text.h"

#include <set>
#include <string>

#include "text/json_nesting.h"

namespace burrowly {

std::optional<nlohmann::json> parse_json_object(std::string_view text) {
  using nlohmann::json;
  // The parser would skip a byte-order mark; the text must start with the object.
  if (text.starts_with("\xEF\xBB\xBF") || !json_nesting_within(text)) return std::nullopt;
  std::set<std::string> keys;
  bool duplicate = false;
  auto watch_keys = [&](int depth, json::parse_event_t event, json& parsed) {
    if (event == json::parse_event_t::key && depth == 1 && !keys.insert(parsed.get<std::string>()).second)
      duplicate = true;
    return true;
  };
  json value = json::parse(text.begin(), text.end(), watch_keys, /*allow_exceptions=*/false);
  if (duplicate || value.is_discarded() || !value.is_object()) return std::nullopt;
  return value;
}

std::string json_string(std::string_view text) {
  return nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace burrowly
